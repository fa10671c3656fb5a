// Every edit started from the window, end to end on a database in a temporary folder, with the
// alerts answered by script: the folders and references on disk afterwards, and the lists.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "ui/BankMap.h"
#include "ui/FindReplaceWindow.h"
#include "ui/ListWindow.h"
#include "ui/myDropSpace.h"

using slotsmith::kAlertAlternate;
using slotsmith::kAlertDefault;
using slotsmith::kAlertOther;
using slotsmith::SlotList;

class EditFromWindowTest : public QObject {
  Q_OBJECT

 private:
  // Sounds 0..9 named S0..S9; models 0..9 named M0..M9; sound n uses model n (on) as first model,
  // except sound 5, which uses model 5 switched off, and sounds 1, 3, 4, 6, 7 and 8, which use
  // model 0.
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 10; ++n)
      db.addModel(n, QStringLiteral("M%1").arg(n));
    const int modelOf[10] = {0, 0, 2, 0, 0, 5, 0, 0, 0, 9};
    for (int n = 0; n < 10; ++n) {
      db.addSound(n, QStringLiteral("S%1").arg(n), modelOf[n], n == 5 ? 0 : 1);
    }
  }

  static QStringList soundNames(TestApplication& app, int count) {
    QStringList names;
    for (int row = 0; row < count; ++row)
      names << app.cell(SlotList::Sounds, row, "soundName");
    return names;
  }

 private Q_SLOTS:
  void rowDropMovesSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Sounds, {7, 8}, 2, Qt::MoveAction);
    QCOMPARE(app.controller.ui().alerts().history().back().message, QStringLiteral("Move sounds"));
    QCOMPARE(soundNames(app, 10),
             QStringList({"S0", "S1", "S7", "S8", "S2", "S3", "S4", "S5", "S6", "S9"}));
    QVERIFY(!db.exists("Sounds/1000.sound"));
    QVERIFY(app.interface.mainWindow->dropSpaceView()->dropEnabled());
    QVERIFY(!app.interface.progressWindow->sessionIsOpen());
  }

  void rowDropWithCopyCopiesSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Sounds, {2, 3}, 5, Qt::CopyAction);
    QCOMPARE(app.controller.ui().alerts().history().back().message, QStringLiteral("Copy sounds"));
    QCOMPARE(soundNames(app, 12),
             QStringList({"S0", "S1", "S2", "S3", "S4", "S2", "S3", "S5", "S6", "S7", "S8", "S9"}));
  }

  void declinedDropChangesNothing() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertAlternate});  // "Cancel"
    app.controller.acceptDrop(SlotList::Models, {9}, 0, Qt::MoveAction);
    QCOMPARE(db.modelName(0), QStringLiteral("M0"));
    QCOMPARE(db.modelName(9), QStringLiteral("M9"));
  }

  void movedModelsKeepTheirSounds() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertDefault});
    app.controller.acceptDrop(SlotList::Models, {9}, 0, Qt::MoveAction);
    QCOMPARE(db.modelName(0), QStringLiteral("M9"));
    QCOMPARE(db.scriptValue(9, "R1ModellIndex"), QStringLiteral("0"));
    QCOMPARE(app.cell(SlotList::Sounds, 9, "model1"), QStringLiteral("0 (M9)"));
    QCOMPARE(app.cell(SlotList::Sounds, 2, "model1"), QStringLiteral("3 (M2)"));
  }

  void removeFromTheMenuClosesTheGaps() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {3, 5});
    app.answerNext({kAlertOther});  // "Remove"
    app.edits.doDeleteSelectedSounds();
    const Alerts::Record& alert = app.controller.ui().alerts().history().back();
    QCOMPARE(alert.buttons.defaultButton, std::string("Cancel"));
    QCOMPARE(alert.buttons.alternateButton, std::string("Delete"));
    QCOMPARE(alert.buttons.otherButton, std::string("Remove"));
    QCOMPARE(soundNames(app, 9),
             QStringList({"S0", "S1", "S2", "S4", "S6", "S7", "S8", "S9", "--<empty>--"}));
  }

  void consolidationRemovesUnusedModelsAndRenumbers() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.answerNext({kAlertAlternate});  // "Yes"
    app.edits.consolidate();
    QCOMPARE(db.modelName(0), QStringLiteral("M0"));
    QCOMPARE(db.modelName(1), QStringLiteral("M2"));
    QCOMPARE(db.modelName(2), QStringLiteral("M5"));
    QCOMPARE(db.modelName(3), QStringLiteral("M9"));
    QVERIFY(!db.exists("Models/004.model"));
    QCOMPARE(db.scriptValue(2, "R1ModellIndex"), QStringLiteral("1"));
    QCOMPARE(db.scriptValue(5, "R1ModellIndex"), QStringLiteral("2"));
    QCOMPARE(db.scriptValue(9, "R1ModellIndex"), QStringLiteral("3"));
  }

  void findAndReplaceChangesTheSelectedSoundsOnly() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {1, 3, 9});
    app.edits.showFindAndReplace();
    FindReplaceWindow* window = app.interface.findReplaceWindow;
    window->source()->setCurrentIndex(0);
    window->destination()->setCurrentIndex(7);
    window->replaceButton()->click();
    QVERIFY(!window->isVisible());
    const Alerts::Record& result = app.controller.ui().alerts().history().back();
    QCOMPARE(result.message, QStringLiteral("Find & replace complete"));
    // Sounds 1 and 3 refer to model 0 twice (the second reference switched off), sound 9 once.
    QCOMPARE(result.informative, QStringLiteral("Replaced 5 occurrences."));
    QCOMPARE(db.scriptValue(1, "R1ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(9, "R2ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(3, "R1ModellIndex"), QStringLiteral("7"));
    QCOMPARE(db.scriptValue(4, "R1ModellIndex"), QStringLiteral("0"));  // not selected
  }

  void namesExportWritesBothFiles() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.edits.updateSoundAndModelFiles();
    QCOMPARE(QFileInfo(db.path() + "/SoundNames").size(), 21000);
    QCOMPARE(QFileInfo(db.path() + "/ModelNames").size(), 16000);
    const Alerts::Record& alert = app.controller.ui().alerts().history().back();
    QCOMPARE(alert.message, QStringLiteral("File update complete"));
    QCOMPARE(alert.buttons.defaultButton, std::string("Good!"));
  }

  void menuCopyToSlotGoesTheDropsWay() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {0});
    app.answerNext({kAlertDefault});
    app.edits.copyOrMoveSelectedTo(SlotList::Sounds, true, 10);
    QCOMPARE(app.cell(SlotList::Sounds, 10, "soundName"), QStringLiteral("S0"));
  }

  // Sounds > Arrange and Models > Arrange, from the menu bar as the program builds it: the block
  // is arranged in place, the models' references follow, the arranged block stays selected and
  // the tint of the rows that moved goes with the question; undo puts everything back and selects
  // the block again.
  void arrangingSortsTheSelectionInPlace() {
    TestDatabase db;
    db.addModel(0, QStringLiteral("Zither"));
    db.addModel(2, QStringLiteral("Bell 10"));
    db.addModel(3, QStringLiteral("bell 9"));
    db.addSound(0, QStringLiteral("Pad 10"), 3, 1);
    db.addSound(1, QStringLiteral("pad 2"), 0, 1);
    db.addSound(3, QStringLiteral("Bass"), 2, 1);
    db.addSound(4, QStringLiteral("Outside"), 2, 1);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    struct Case {
      SlotList list;
      QString action;
      QStringList names;  // of slots 0..4 afterwards
    };
    const QList<Case> cases{
        {SlotList::Sounds,
         "sortByNameSounds",
         {"Bass", "pad 2", "Pad 10", "--<empty>--", "Outside"}},
        {SlotList::Sounds, "sortByModel", {"pad 2", "Bass", "Pad 10", "--<empty>--", "Outside"}},
        {SlotList::Sounds,
         "closeGapsSounds",
         {"Pad 10", "pad 2", "Bass", "--<empty>--", "Outside"}},
        {SlotList::Models, "sortByNameModels", {"bell 9", "Bell 10", "Zither", "--<empty>--"}},
        {SlotList::Models, "closeGapsModels", {"Zither", "Bell 10", "bell 9", "--<empty>--"}},
    };
    const QString nameColumn = QStringLiteral("soundName");
    for (const Case& c : cases) {
      const bool sounds = c.list == SlotList::Sounds;
      const QString column = sounds ? nameColumn : QStringLiteral("modelName");
      QStringList before;
      for (int row = 0; row < c.names.size(); ++row)
        before << app.cell(c.list, row, column);
      app.selectRows(c.list, {0, 1, 2, 3});
      QAction* action = app.menus->action(c.action);
      QVERIFY2(action != nullptr && action->isEnabled(), qPrintable(c.action));
      app.answerNext({kAlertDefault});
      action->trigger();
      QStringList after;
      for (int row = 0; row < c.names.size(); ++row)
        after << app.cell(c.list, row, column);
      QCOMPARE(after, c.names);
      QCOMPARE(app.controller.lists().selectedRows(c.list), QList<int>({0, 1, 2, 3}));
      QVERIFY(!app.interface.listWindow->soundMap()->isPreviewed(0));
      QVERIFY(!app.interface.listWindow->modelMap()->isPreviewed(0));
      if (!sounds) {
        // Every sound plays the model it played: "Pad 10" played "bell 9", now in slot 0.
        QCOMPARE(db.scriptValue(0, "R1ModellIndex"),
                 QString::fromLatin1(c.names.indexOf("bell 9") == 0 ? "0" : "2"));
      }
      app.selectRows(c.list, {4});
      app.controller.edits().run(UndoRequest{}, nullptr, DesktopEdits::Asked::Already);
      QStringList undone;
      for (int row = 0; row < c.names.size(); ++row)
        undone << app.cell(c.list, row, column);
      QCOMPARE(undone, before);
      QCOMPARE(app.controller.lists().selectedRows(c.list), QList<int>({0, 1, 2, 3}));
    }
  }

  // The status bar counts what the question counted and names what it can: empty slots are no
  // sounds, an arrangement reports the sounds that moved, a rename its sound and new name (or how
  // many), a consolidation the models it removed.
  void theStatusBarSaysWhatTheEditDid_data() {
    QTest::addColumn<int>("edit");
    QTest::addColumn<QString>("told");
    QTest::newRow("a selection with empty slots") << 0 << "Selected: 2 sounds and 2 empty slots";
    QTest::newRow("sort by model") << 1 << "Sort sounds by model: 8 sounds moved to another slot";
    QTest::newRow("one rename") << 2 << "Renamed sound 3 to \"Deep Lead\"";
    QTest::newRow("renames, one already as given") << 3 << "Renamed 2 sounds";
    QTest::newRow("consolidation") << 4 << "Consolidated the models: removed 6 unused models";
  }

  void theStatusBarSaysWhatTheEditDid() {
    QFETCH(int, edit);
    QFETCH(QString, told);
    using slotsmith::Arrangement;
    using slotsmith::ConsolidateRequest;
    using slotsmith::RenameRequest;
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    ListWindow& lists = *app.interface.listWindow;
    switch (edit) {
      case 0:
        app.selectRows(SlotList::Sounds, {8, 9, 10, 11});
        QVERIFY2(lists.statusFacts().contains(told), qPrintable(lists.statusFacts()));
        return;
      case 1:
        app.selectRows(SlotList::Sounds, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
        app.answerNext({kAlertDefault});
        app.edits.arrangeSelected(SlotList::Sounds, Arrangement::ByModel);
        QVERIFY(app.controller.ui().alerts().history().back().informative.contains(
            "8 sounds move to another slot"));
        break;
      case 2:
        app.answerNext({kAlertDefault});
        app.controller.edits().run(RenameRequest{slotsmith::Bank::Sounds, {{3, "Deep Lead"}}});
        break;
      case 3:
        app.answerNext({kAlertDefault});
        app.controller.edits().run(
            RenameRequest{slotsmith::Bank::Sounds, {{3, "A"}, {4, "B"}, {5, "S5"}}});
        break;
      default:
        app.answerNext({kAlertAlternate});
        app.controller.edits().run(ConsolidateRequest{});
        break;
    }
    QCOMPARE(lists.statusMessage(), told);
  }

  // The slot dialog shows what the copy or move will do there, the slots it pushes out of the
  // bank included; its OK is the one question.
  void copyToSlotAsksOnlyItsDialog_data() {
    QTest::addColumn<int>("destination");
    QTest::newRow("to slot 10") << 10;
    QTest::newRow("to slot 999, pushing a sound past it") << 999;
  }

  void copyToSlotAsksOnlyItsDialog() {
    QFETCH(int, destination);
    TestDatabase db;
    fillBank(db);
    db.addSound(999, QStringLiteral("Last"), 0, 1);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {0});
    const size_t alerts = app.controller.ui().alerts().history().size();
    QTimer::singleShot(0, [destination] {
      if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
        dialog->setIntValue(destination);
        dialog->accept();
      }
    });
    app.edits.copyOrMoveSelectedTo(SlotList::Sounds, true);
    QCOMPARE(app.controller.ui().alerts().history().size(), alerts);
    QCOMPARE(app.cell(SlotList::Sounds, destination, "soundName"), QStringLiteral("S0"));
    QVERIFY(db.exists("Sounds/1000.sound"));  // the dialog said so, and its OK agreed
  }

  // Find and Replace starts from the model the selected sounds play: the one they all play, else
  // the first one the first of them plays; sounds that play none leave it where it was.
  void findAndReplaceStartsAtTheSelectedSoundsModel_data() {
    QTest::addColumn<QList<int>>("sounds");
    QTest::addColumn<int>("find");
    QTest::newRow("one sound") << QList<int>{10} << 12;
    QTest::newRow("a model in common") << QList<int>{10, 11} << 2;
    QTest::newRow("none in common") << QList<int>{9, 10} << 9;
    QTest::newRow("switched off and an empty slot") << QList<int>{5, 20} << 0;
  }

  void findAndReplaceStartsAtTheSelectedSoundsModel() {
    QFETCH(QList<int>, sounds);
    QFETCH(int, find);
    TestDatabase db;
    fillBank(db);
    db.addModel(12, QStringLiteral("M12"));
    db.addSound(10, QStringLiteral("S10"), 12, 1, 2, 1);
    db.addSound(11, QStringLiteral("S11"), 2, 1);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, sounds);
    app.edits.showFindAndReplace();
    QCOMPARE(app.interface.findReplaceWindow->source()->currentIndex(), find);
    app.edits.cancelFindAndReplace();
  }
};

QTEST_MAIN(EditFromWindowTest)
#include "EditFromWindowTest.moc"
