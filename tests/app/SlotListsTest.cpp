// What the two lists show, before and after a scan, and selection following between them.
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/SelectionFollower.h"
#include "app/SlotListModel.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

using slotsmith::SlotList;

class SlotListsTest : public QObject {
  Q_OBJECT

 private:
  // Models 3 "Lead", 8 "Pad", 12 "Bass" and 20 "Ghost"; sound 0 uses 3 (on) and 8 (off), sound 1
  // uses 12 (on) and -1 (on), sound 2 uses 8 (off) twice, sound 5 uses 12 (off) and 3 (on).
  static void fill(TestDatabase& db) {
    db.addModel(3, "Lead");
    db.addModel(8, "Pad");
    db.addModel(12, "Bass");
    db.addModel(20, "Ghost");
    db.addSound(0, "Warm Lead", 3, 1, 8, 0);
    db.addSound(1, "Odd One", 12, 1, -1, 1);
    db.addSound(2, "Quiet", 8, 0, 8, 0);
    db.addSound(5, "Mixed", 12, 0, 3, 1);
  }

  static QList<int> selected(TestApplication& app, SlotList list) {
    return app.controller.lists().selectedRows(list);
  }

  // Makes the list the one the user works in, as a click on it would.
  static void focus(TestApplication& app, SlotList list) {
    app.interface.listWindow->show();
    app.controller.lists().view(list)->setFocus();
    QCOMPARE(app.interface.listWindow->focusWidget(), app.controller.lists().view(list));
  }

 private Q_SLOTS:
  void emptyTablesShowEveryEmptySlot() {
    TestApplication app;
    for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
      QCOMPARE(app.controller.lists().model(list)->rowCount(), 1000);
    }
    for (int row : {0, 500, 999}) {
      QCOMPARE(app.cell(SlotList::Sounds, row, "soundNumber"), QString::number(row));
      QCOMPARE(app.cell(SlotList::Sounds, row, "soundName"), QStringLiteral("--<empty>--"));
      QCOMPARE(app.cell(SlotList::Sounds, row, "model1"), QStringLiteral("---"));
      QCOMPARE(app.cell(SlotList::Sounds, row, "model2"), QStringLiteral("---"));
      QCOMPARE(app.cell(SlotList::Models, row, "modelNumber"), QString::number(row));
      QCOMPARE(app.cell(SlotList::Models, row, "modelName"), QStringLiteral("--<empty>--"));
      QCOMPARE(app.cell(SlotList::Models, row, "modelStatus"), QStringLiteral("!!UNUSED!!"));
    }
    const SlotListModel* sounds = app.controller.lists().model(SlotList::Sounds);
    QCOMPARE(sounds->cellContent("modelStatus", 0), QVariant(QString()));
    QCOMPARE(sounds->headerData(2, Qt::Horizontal, SlotListModel::ColumnIdentifierRole),
             QVariant(QStringLiteral("model1")));
    QVERIFY(!(sounds->flags(sounds->index(0, 1)) & Qt::ItemIsEditable));
  }

  void scannedTablesShowNamesReferencesAndUse() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    QCOMPARE(app.cell(SlotList::Sounds, 0, "soundName"), QStringLiteral("Warm Lead"));
    QCOMPARE(app.cell(SlotList::Sounds, 0, "model1"), QStringLiteral("3 (Lead)"));
    QCOMPARE(app.cell(SlotList::Sounds, 0, "model2"), QStringLiteral("---"));
    QCOMPARE(app.cell(SlotList::Sounds, 1, "model2"), QStringLiteral("-1 (unused)"));
    QCOMPARE(app.cell(SlotList::Models, 3, "modelStatus"), QStringLiteral("in use"));
    QCOMPARE(app.cell(SlotList::Models, 8, "modelStatus"), QStringLiteral("in use - disabled"));
    QCOMPARE(app.cell(SlotList::Models, 20, "modelName"), QStringLiteral("Ghost"));
    QCOMPARE(app.cell(SlotList::Models, 20, "modelStatus"), QStringLiteral("!!UNUSED!!"));
    app.controller.session().database().tables().modelSlots[3].sIsUsed =
        slotsmith::kMarkedForRemoval;
    QCOMPARE(app.cell(SlotList::Models, 3, "modelStatus"), QStringLiteral("!!UNUSED!!"));
    ListWindow& lists = *app.interface.listWindow;
    QVERIFY(lists.windowTitle().contains(db.path()));
    QCOMPARE(lists.soundSummary()->text(), QStringLiteral("4 sounds in 1000 slots"));
    QCOMPARE(lists.modelSummary()->text(),
             QStringLiteral("4 models: 2 in use, 1 in use - disabled, 1 unused"));
  }

  void soundSelectionSelectsSwitchedOnModelsOnly() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    focus(app, SlotList::Sounds);
    app.selectRows(SlotList::Sounds, {0});
    QCOMPARE(selected(app, SlotList::Models), QList<int>({3}));
    app.selectRows(SlotList::Sounds, {0, 1, 2});
    QCOMPARE(selected(app, SlotList::Models), QList<int>({3, 12}));
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({0, 1, 2}));  // never changed
  }

  void modelSelectionSelectsEveryOccupiedUser() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    focus(app, SlotList::Models);
    app.selectRows(SlotList::Models, {8});
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({0, 2}));  // switched off counts too
    app.selectRows(SlotList::Models, {3, 12});
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({0, 1, 5}));
    // Empty sound slots hold model number 0, but are never selected by it.
    app.selectRows(SlotList::Models, {0});
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>());
  }

  void followingIsOffWithTheBoxOffOrWithoutFocus() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    focus(app, SlotList::Sounds);
    app.selectRows(SlotList::Sounds, {0});
    QCOMPARE(selected(app, SlotList::Models), QList<int>());
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    // A change in the list without the focus (as made by the program itself) is not followed.
    app.selectRows(SlotList::Models, {12});
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({0}));
  }

  void followingAppliesOneSelectionChange() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    app.interface.listWindow->realtimeSearch()->setChecked(true);
    app.selectRows(SlotList::Models, {3, 8, 12});
    QSignalSpy changes(app.controller.lists().view(SlotList::Sounds)->selectionModel(),
                       &QItemSelectionModel::selectionChanged);
    app.controller.lists().follower()->selectRow(SlotList::Models);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({0, 1, 2, 5}));
  }

  void checkBoxStateOutlivesTheWindow() {
    {
      TestApplication app;
      app.interface.listWindow->realtimeSearch()->setChecked(true);
    }
    Interface interface;
    interface.splashScreenWindow->setFadeStepSeconds(0.0);
    AppController again(interface);
    again.awakeFromNib();
    QVERIFY(interface.listWindow->realtimeSearch()->isChecked());
  }

  void redrawKeepsSelections() {
    TestDatabase db;
    fill(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {2, 5});
    app.controller.session().database().evaluateNeuronDb();
    QCOMPARE(selected(app, SlotList::Sounds), QList<int>({2, 5}));
  }
};

QTEST_MAIN(SlotListsTest)
#include "SlotListsTest.moc"
