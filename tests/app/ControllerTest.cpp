// The controller's start-up, the splash screen, the folder drop, the contextual menus and the
// preparation of the find and replace panel.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QStandardPaths>
#include <QTest>

#include "AppTestSupport.h"
#include "app/RecentDatabases.h"
#include "ui/FindReplaceWindow.h"
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"

using slotsmith::SlotList;

class ControllerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { QCoreApplication::setApplicationVersion(QString()); }

  void startUpShowsVersionAndSplash() {
    QCoreApplication::setApplicationVersion(QStringLiteral("4.5.6"));
    TestApplication app;
    QCOMPARE(app.interface.mainWindow->versionText()->text(), QStringLiteral("Version 4.5.6"));
    QCOMPARE(app.interface.splashScreenWindow->versionTextSplash()->text(),
             QStringLiteral("Version 4.5.6"));
    QVERIFY(app.interface.splashScreenWindow->isVisible());
    QCOMPARE(app.interface.splashScreenWindow->opacity(), 1.0f);
    QVERIFY(app.controller.splashTimer().isActive());
    QCOMPARE(app.controller.splashTimer().interval(), 5000);
    QVERIFY(!app.controller.session().root());
  }

  void missingVersionLeavesTheFieldsAlone() {
    TestApplication app;
    QCOMPARE(app.interface.mainWindow->versionText()->text(), QStringLiteral("version unknown"));
    QCOMPARE(app.interface.splashScreenWindow->versionTextSplash()->text(),
             QStringLiteral("version unknown"));
  }

  void splashRemovalClosesItWithoutEndingTheApplication() {
    TestApplication app;
    app.interface.mainWindow->show();
    app.controller.doSplashScreen();  // again: the pending timer starts over
    QVERIFY(app.controller.splashTimer().isActive());
    app.controller.removeSplashScreen();
    QVERIFY(!app.interface.splashScreenWindow->isVisible());
    QVERIFY(app.interface.splashScreenWindow->opacity() < 0.02f);
    QVERIFY(app.interface.mainWindow->isVisible());
  }

  void droppedFolderIsShownAndScannedAfterItsNotification() {
    TestDatabase db;
    db.addModel(4, "Keys");
    db.addSound(7, "Ivory", 4, 1);
    TestApplication app;
    myDropSpace* zone = app.interface.mainWindow->dropSpaceView();
    zone->setPath(db.path());
    zone->sendDropNotification();
    QCOMPARE(app.interface.mainWindow->pathAsText()->text(), db.path());
    QVERIFY(app.interface.listWindow->isVisible());
    QCOMPARE(app.cell(SlotList::Sounds, 7, "model1"), QStringLiteral("4 (Keys)"));
    QVERIFY(zone->dropEnabled());
  }

  void openingAFolderTestsItLikeADrop() {
    TestDatabase db;
    db.addModel(0, "One");
    QTemporaryDir notADatabase;
    TestApplication app;
    myDropSpace* zone = app.interface.mainWindow->dropSpaceView();
    app.controller.openDatabaseFolder(notADatabase.path());
    QCOMPARE(zone->path(), QString());
    QVERIFY(!zone->notificationPending());
    QCOMPARE(app.controller.ui().alerts().history().back().message,
             QStringLiteral("Not a Neuron database"));
    app.controller.openDatabaseFolder(db.path());
    QCOMPARE(zone->path(), db.path());
    QVERIFY(app.controller.session().root().has_value());  // at once: only a drop waits its second
    QVERIFY(!zone->notificationPending());
  }

  void contextualMenusFollowTheSelection() {
    TestApplication app;
    for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
      QMenu* menu = list == SlotList::Sounds ? app.edits.soundContextualMenu()
                                             : app.edits.modelContextualMenu();
      const QString title = list == SlotList::Sounds
                                ? QStringLiteral("Delete/remove selected sounds")
                                : QStringLiteral("Delete/remove selected models");
      const auto enabled = [menu](const QString& text) {
        for (QAction* action : menu->actions()) {
          if (action->text() == text) return action->isEnabled();
        }
        return false;
      };
      // The described item comes first; what else applies to a selection follows it.
      app.edits.updateContextualMenu(list);
      QCOMPARE(menu->actions().at(0)->text(), title);
      QVERIFY(!enabled(title));
      QVERIFY(!enabled(QStringLiteral("Move to Slot…")));
      app.selectRows(list, {4});
      app.edits.updateContextualMenu(list);
      QCOMPARE(menu->actions().at(0)->text(), title);
      QVERIFY(enabled(title));
      QVERIFY(enabled(QStringLiteral("Move to Slot…")));
    }
  }

  // With nothing selected the replacement is made in every sound, and nothing gets selected: a
  // selection of all 1000 left behind would be the next Delete's.
  void findAndReplaceSelectsNothingAndTitlesEveryModel() {
    TestDatabase db;
    db.addModel(12, "Lead");
    TestApplication app;
    app.open(db.path());
    app.edits.showFindAndReplace();
    QVERIFY(app.controller.lists().selectedRows(SlotList::Sounds).isEmpty());
    FindReplaceWindow* window = app.interface.findReplaceWindow;
    QVERIFY(window->isVisible());
    for (QComboBox* popup : {window->source(), window->destination()}) {
      QCOMPARE(popup->count(), 1000);
      QCOMPARE(popup->itemText(12), QStringLiteral("12 (Lead)"));
      QCOMPARE(popup->itemText(999), QStringLiteral("999 (--<empty>--)"));
    }
    app.edits.cancelFindAndReplace();
    QVERIFY(!window->isVisible());
    // Opened again with a selection: the selection stays, the popups are filled anew.
    app.selectRows(SlotList::Sounds, {3});
    app.edits.showFindAndReplace();
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({3}));
    QCOMPARE(window->source()->count(), 1000);
  }

  void consolidationOffersTheLowestSelectedRow() {
    TestDatabase db;
    db.addModel(0, "Zero");
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Models, {9, 4, 17});
    app.answerNext({slotsmith::kAlertDefault});
    app.edits.consolidate();
    const Alerts::Record& alert = app.controller.ui().alerts().history().back();
    QCOMPARE(alert.message, QStringLiteral("Consolidate database"));
    QCOMPARE(alert.buttons.defaultButton, std::string("Cancel"));
    QCOMPARE(alert.buttons.alternateButton, std::string("Yes - all"));
    QCOMPARE(alert.buttons.otherButton, std::string("Yes - from #4"));
  }

  void deleteWithoutSelectionAsksNothing() {
    TestDatabase db;
    db.addSound(0, "Only", 0, 0);
    TestApplication app;
    app.open(db.path());
    app.edits.doDeleteSelectedSounds();
    app.edits.doDeleteSelectedModels();
    QVERIFY(app.controller.ui().alerts().history().empty());
    QVERIFY(db.exists("Sounds/000.sound/sound.script"));
  }

  void openedDatabasesGoToTheTopOfTheRecentList() {
    QStandardPaths::setTestModeEnabled(true);
    RecentDatabases recent;
    recent.clear();
    for (int n = 0; n < RecentDatabases::kMaximum + 2; ++n)
      recent.add(QString("/db%1").arg(n));
    recent.add("/db5");
    const QStringList folders = recent.list();
    QCOMPARE(folders.size(), RecentDatabases::kMaximum);
    QCOMPARE(folders.first(), QStringLiteral("/db5"));
    QCOMPARE(folders.count("/db5"), 1);
    QVERIFY(!folders.contains("/db0"));
    recent.clear();
  }

  void revealPathsNameTheSlotFiles() {
    TestApplication app;
    QCOMPARE(app.edits.revealPathFor(SlotList::Models, 7), QString());  // no root: nothing
    app.controller.session().database().setRoot("/db");
    QCOMPARE(app.edits.revealPathFor(SlotList::Models, 7),
             QStringLiteral("/db/Models/007.model/MName"));
    QCOMPARE(app.edits.revealPathFor(SlotList::Sounds, 123),
             QStringLiteral("/db/Sounds/123.sound/sound.script"));
  }
};

QTEST_MAIN(ControllerTest)
#include "ControllerTest.moc"
