// What the desktop asks before an edit, and what it no longer asks: every confirmation tells the
// truth about undo, a block edit that pushes slots out of the bank says so in its one
// confirmation, and undo and redo run at once, selecting what they put back.
#include <QTest>
#include <map>

#include "AppTestSupport.h"

class ConfirmationsTest : public QObject {
  Q_OBJECT

 private:
  // Sounds 0..9 and 990..999, models 0..9; sound n plays model n % 10.
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 10; ++n)
      db.addModel(n, QStringLiteral("M%1").arg(n));
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 990, 991, 992, 993, 994, 995, 996, 997, 998, 999}) {
      db.addSound(n, QStringLiteral("S%1").arg(n), n % 10, 1);
    }
  }

  // The edits a test table names, by row name.
  static EditRequest requestNamed(const QByteArray& name) {
    const std::map<QByteArray, EditRequest> requests{
        {"copy sounds", CopyRequest{Bank::Sounds, {1, 2}, 5}},
        {"move sounds", MoveRequest{Bank::Sounds, {1, 2}, 5}},
        {"copy models", CopyRequest{Bank::Models, {3}, 0}},
        {"move models", MoveRequest{Bank::Models, {3}, 0}},
        {"delete sounds", DeleteRequest{Bank::Sounds, {4}, Removal::Delete, true}},
        {"delete models", DeleteRequest{Bank::Models, {4}, Removal::Delete, true}},
        {"consolidate", ConsolidateRequest{}},
        {"copy out of the bank", CopyRequest{Bank::Sounds, {995}, 992}},
        {"move out of the bank", MoveRequest{Bank::Sounds, {3}, 992}},
    };
    return requests.at(name);
  }

 private Q_SLOTS:
  void everyConfirmationSaysUndoReversesIt_data() {
    QTest::addColumn<QByteArray>("request");
    for (const char* name : {"copy sounds", "move sounds", "copy models", "move models",
                             "delete sounds", "delete models", "consolidate"}) {
      QTest::newRow(name) << QByteArray(name);
    }
  }

  void everyConfirmationSaysUndoReversesIt() {
    QFETCH(QByteArray, request);
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.controller.ui().alerts().clearHistory();
    // No answer scripted: each question is declined, and the edit changes nothing.
    QCOMPARE(app.controller.edits().run(requestNamed(request)).kind, EditOutcome::Kind::Cancelled);
    QCOMPARE(app.controller.ui().alerts().history().size(), size_t{1});
    const QString told = app.controller.ui().alerts().history().front().informative;
    QVERIFY2(told.contains(QStringLiteral("Undo reverses it.")), qPrintable(told));
    QVERIFY2(!told.contains(QStringLiteral("cannot be undone")), qPrintable(told));
    // Return gives the default button's answer, unless slots would be pushed out of the bank.
    const bool pushing = told.contains(QStringLiteral("pushed past slot #999"));
    QCOMPARE(app.controller.ui().alerts().history().front().returnAnswer,
             int(pushing ? kAlertAlternate : kAlertDefault));
  }

  void slotsLeavingTheBankAreToldInTheOneConfirmation_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("pushedOut");
    for (const char* name : {"copy out of the bank", "move out of the bank"}) {
      QTest::addRow("%s, agreed", name) << QByteArray(name) << int(kAlertDefault) << true;
      QTest::addRow("%s, declined", name) << QByteArray(name) << int(kAlertAlternate) << false;
    }
  }

  void slotsLeavingTheBankAreToldInTheOneConfirmation() {
    QFETCH(QByteArray, request);
    QFETCH(int, answer);
    QFETCH(bool, pushedOut);
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.controller.ui().alerts().clearHistory();
    app.answerNext({answer});
    QCOMPARE(app.controller.edits().run(requestNamed(request)).isDone(), pushedOut);
    QCOMPARE(app.controller.ui().alerts().history().size(), size_t{1});
    const QString told = app.controller.ui().alerts().history().front().informative;
    QVERIFY2(told.contains(QStringLiteral("1 occupied sound slot (999) will be pushed past slot "
                                          "#999")),
             qPrintable(told));
    // Pushing sounds out of the bank takes a deliberate choice: Return declines.
    QCOMPARE(app.controller.ui().alerts().history().front().returnAnswer, int(kAlertAlternate));
    QCOMPARE(db.exists("Sounds/1000.sound"), pushedOut);
  }

  // An undo puts the dragged block back where it came from and a redo where it went; the
  // selection is that block, not every slot that shifted to make room for it.
  void undoAndRedoRunAtOnceAndSelectTheBlock() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    QVERIFY(app.controller.edits().run(MoveRequest{Bank::Models, {8}, 2}).isDone());
    app.selectRows(SlotList::Sounds, {0});
    app.controller.ui().alerts().clearHistory();

    struct Step {
      EditRequest request;
      const char* status;
      const char* modelAtTwo;
      QList<int> selected;
    };
    for (const Step& step :
         {Step{UndoRequest{}, "Undid \"Move models\": 7 model slots put back", "M2", {8}},
          Step{RedoRequest{}, "Redid \"Move models\": 7 model slots put back", "M8", {2}}}) {
      QVERIFY(app.controller.edits().run(step.request).isDone());
      QVERIFY(app.controller.ui().alerts().history().empty());
      QCOMPARE(app.interface.listWindow->statusMessage(), QString::fromLatin1(step.status));
      QCOMPARE(db.modelName(2), QString::fromLatin1(step.modelAtTwo));
      QCOMPARE(app.controller.lists().selectedRows(SlotList::Models), step.selected);
      // The sounds did not move: their selection stays.
      QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({0}));
    }

    // A block of sounds dragged down past others, undone and redone twice over.
    app.answerNext({kAlertDefault});
    QVERIFY(app.controller.edits().run(MoveRequest{Bank::Sounds, {1, 2, 3}, 7}).isDone());
    for (int round = 0; round < 2; ++round) {
      QVERIFY(app.controller.edits().run(UndoRequest{}).isDone());
      QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({1, 2, 3}));
      QVERIFY(app.controller.edits().run(RedoRequest{}).isDone());
      QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({7, 8, 9}));
    }
  }
};

QTEST_MAIN(ConfirmationsTest)
#include "ConfirmationsTest.moc"
