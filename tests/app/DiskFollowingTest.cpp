// The window never acts on a picture the disk no longer holds: a change made by another program
// while the window is open is followed (the lists, the selection, the status bar), an action on
// rows whose contents changed is refused before it reads anything, an edit makes one locked scan,
// and the keyboard goes on from where the user clicked or deleted.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include "AppTestSupport.h"
#include "app/CompareWindow.h"
#include "app/DatabaseSession.h"
#include "app/DropPreviewer.h"
#include "app/RowDragPayload.h"
#include "app/SlotListModel.h"
#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "ui/BankMap.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"
#if defined(SLOTSMITH_PACKS)
#include "app/packs/BackupActions.h"
#include "app/packs/PackActions.h"
#endif

namespace {

// Counts the reads of one file on the way to the real disk.
class CountingFileSystem : public slotsmith::testing::FaultInjectingFileSystem {
 public:
  CountingFileSystem() : FaultInjectingFileSystem(slotsmith::realFileSystem()) {}
  std::string watched;
  int reads = 0;
  slotsmith::Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                             bool* truncated = nullptr) override {
    if (path == watched) ++reads;
    return FaultInjectingFileSystem::readFile(path, contents, maxBytes, truncated);
  }
};

void fillBank(TestDatabase& db) {
  for (int n = 0; n < 4; ++n)
    db.addModel(n, QStringLiteral("M%1").arg(n));
  for (int n = 0; n < 12; ++n)
    db.addSound(n, QStringLiteral("S%1").arg(n), n % 4, 1);
}

// What another program (the command line) does to the database while the window is open.
void moveElsewhere(const TestDatabase& db, std::vector<int> sounds, int destination) {
  testing::FakeUi ui;
  ui.answerWith(kAlertDefault);
  Database other(ui);
  other.setRoot(databaseRootFromPath(QFile::encodeName(db.path()).toStdString()));
  QVERIFY(runEdit(other, MoveRequest{Bank::Sounds, std::move(sounds), destination}).isDone());
}

const QString kChangedOutside = QStringLiteral("changed outside Slotsmith");
const QString kGone = QStringLiteral("is no longer there");

// The list window up and active, as the user has it while looking at it.
void showActive(TestApplication& app) {
  ListWindow* lists = app.interface.listWindow.get();
  lists->show();
  lists->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(lists));
}

}  // namespace

class DiskFollowingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  // The watch on the disk redraws the lists and keeps the selection on the same sounds.
  void anOutsideChangeIsFollowedWithTheSelection() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {1, 2, 8});
    moveElsewhere(db, {0, 1, 2, 3, 4}, 300);
    QTRY_COMPARE_WITH_TIMEOUT(app.cell(SlotList::Sounds, 301, "soundName"), QStringLiteral("S1"),
                              3000);
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({8, 301, 302}));
    QVERIFY(app.interface.listWindow->statusMessage().contains(kChangedOutside));
  }

  // A script rewritten by another program changes no folder the session watches, in place or by a
  // new file renamed over it; the list shows the new name while the user looks at it. An edit from
  // the command line becomes what Edit > Undo names and undoes.
  void changesInsideSlotFoldersAndTheHistoryShow_data() {
    QTest::addColumn<QString>("change");
    QTest::newRow("script written in place") << "in place";
    QTest::newRow("script renamed over") << "renamed over";
    QTest::newRow("edit from the command line") << "edit";
  }

  void changesInsideSlotFoldersAndTheHistoryShow() {
    QFETCH(QString, change);
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    showActive(app);
    QVERIFY(!app.menus->action("undo")->isEnabled());
    const QString script = db.path() + "/Sounds/003.sound/sound.script";
    if (change == "edit") {
      moveElsewhere(db, {3}, 300);
      QTRY_VERIFY(app.menus->action("undo")->isEnabled());
      QVERIFY(app.menus->action("undo")->text().contains(QStringLiteral("Move")));
      app.menus->action("undo")->trigger();
      QCOMPARE(app.cell(SlotList::Sounds, 3, "soundName"), QStringLiteral("S3"));
      QCOMPARE(db.scriptValue(3, "SoundNameC00"), QStringLiteral("83"));
      return;
    }
    QFile file(script);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray renamed = file.readAll().replace("SoundNameC00\t83", "SoundNameC00\t88");
    file.close();
    if (change == "in place") {
      QVERIFY(file.open(QIODevice::ReadWrite));  // same size, same file
      file.write(renamed);
      file.close();
    } else {
      QFile fresh(script + ".new");
      QVERIFY(fresh.open(QIODevice::WriteOnly));
      fresh.write(renamed);
      fresh.close();
      QVERIFY(QFile::remove(script));
      QVERIFY(QFile::rename(script + ".new", script));
    }
    QTRY_COMPARE(app.cell(SlotList::Sounds, 3, "soundName"), QStringLiteral("X3"));
  }

  // A database folder that goes while open (a card pulled, the folder renamed) is said at once;
  // the lists keep what they showed, marked as gone; every edit and the reload refuse with that
  // sentence, changing nothing; when the folder is back, it is shown as it is then.
  void aFolderThatGoesIsKeptReadOnlyUntilItIsBack_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("delete") << "delete";
    QTest::newRow("undo") << "undo";
    QTest::newRow("reload") << "reload";
  }

  void aFolderThatGoesIsKeptReadOnlyUntilItIsBack() {
    QFETCH(QString, action);
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    showActive(app);
    app.answerNext({kAlertAlternate});
    QVERIFY(app.controller.edits().run(DeleteRequest{Bank::Sounds, {11}}).isDone());
    const QString away = db.path() + "-away";
    QVERIFY(QDir().rename(db.path(), away));
    ListWindow* lists = app.interface.listWindow.get();
    QTRY_VERIFY(lists->statusMessage().contains(kGone));
    QVERIFY(lists->windowTitle().contains(QStringLiteral("no longer there")));
    if (action == "reload") {
      app.controller.reload();
    } else {
      const EditOutcome outcome = action == "delete"
                                      ? app.controller.edits().run(DeleteRequest{Bank::Sounds, {0}})
                                      : app.controller.edits().run(UndoRequest{});
      QVERIFY(!outcome.isDone());
      QVERIFY(QString::fromStdString(outcome.message).contains(kGone));
    }
    QVERIFY(lists->statusMessage().contains(kGone));
    QCOMPARE(app.cell(SlotList::Sounds, 0, "soundName"), QStringLiteral("S0"));
    QVERIFY(QFile::exists(away + "/Sounds/000.sound/sound.script"));
    QVERIFY(!QFile::exists(away + "/Sounds/011.sound/sound.script"));
    // Changed while away, and back.
    QVERIFY(QFile::remove(away + "/Sounds/005.sound/sound.script"));
    QVERIFY(QDir().rename(away, db.path()));
    QTRY_COMPARE(app.cell(SlotList::Sounds, 5, "soundName"), QStringLiteral("--<empty>--"));
    QVERIFY(!lists->windowTitle().contains(QStringLiteral("no longer there")));
    QCOMPARE(app.cell(SlotList::Sounds, 0, "soundName"), QStringLiteral("S0"));
  }

  // The list has the keys once the database is open, and again after an edit whose progress
  // panel came and went within one turn of the event loop.
  void theListHasTheKeysAfterOpeningAndAfterAnUndo() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    showActive(app);
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    QTRY_COMPARE(QApplication::focusWidget(), sounds);
    app.answerNext({kAlertDefault});
    QVERIFY(app.controller.edits().run(MoveRequest{Bank::Sounds, {0}, 5}).isDone());
    QVERIFY(app.controller.edits().run(UndoRequest{}).isDone());
    QTRY_COMPARE(QApplication::focusWidget(), sounds);
  }

  // A drag coming over the lists first brings them up to the disk, so that its preview speaks of
  // the slots as they are; so does a backup, which saves the disk as it is.
  void aDragOrABackupBringsTheListsUpToTheDisk_data() {
    QTest::addColumn<bool>("drag");
    QTest::newRow("drag") << true;
#if defined(SLOTSMITH_PACKS)
    QTest::newRow("backup") << false;
#endif
  }

  void aDragOrABackupBringsTheListsUpToTheDisk() {
    QFETCH(bool, drag);
    TestDatabase db;
    fillBank(db);
    QTemporaryDir out;
    TestApplication app;
    app.open(db.path());
    moveElsewhere(db, {0, 1}, 6);
    if (drag) {
      QMimeData rows;
      rows.setData(rowdrag::kSoundRowsMimeType, rowdrag::encode({8}));
      app.controller.lists().previewer()->preview(SlotList::Sounds, 3, &rows, Qt::MoveAction);
      app.controller.lists().previewer()->preview(SlotList::Sounds, -1, nullptr, Qt::MoveAction);
    }
#if defined(SLOTSMITH_PACKS)
    if (!drag) QVERIFY(app.controller.backups()->backUp(out.filePath("db.tar.zst")));
#endif
    QCOMPARE(app.cell(SlotList::Sounds, 6, "soundName"), QStringLiteral("S0"));
  }

  // Changed under the rows and not yet seen: every action on the rows refuses, shows the disk,
  // and reads or writes nothing for the rows the user chose.
  void actionsOnChangedRowsAreRefused_data() {
    QTest::addColumn<QString>("action");
    QTest::newRow("compare") << "compare";
    QTest::newRow("edit") << "edit";
    QTest::newRow("rename in place") << "rename";
#if defined(SLOTSMITH_PACKS)
    QTest::newRow("export as pack") << "export";
#endif
  }

  void actionsOnChangedRowsAreRefused() {
    QFETCH(QString, action);
    TestDatabase db;
    fillBank(db);
    QTemporaryDir out;
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {0, 1});
    moveElsewhere(db, {0, 1}, 6);  // no event is delivered before the action
    if (action == "compare") {
      app.edits.compareSelectedSounds();
      QVERIFY(!app.edits.compareWindow() || !app.edits.compareWindow()->isVisible());
    } else if (action == "edit") {
      const EditOutcome outcome = app.controller.edits().run(DeleteRequest{Bank::Sounds, {0, 1}});
      QVERIFY(outcome.stale);
      QVERIFY(app.controller.ui().alerts().history().empty());  // refused before any question
    } else if (action == "rename") {
      app.controller.lists()
          .model(SlotList::Sounds)
          ->setData(app.controller.lists().model(SlotList::Sounds)->index(0, 1), "Renamed");
    }
#if defined(SLOTSMITH_PACKS)
    if (action == "export") {
      QVERIFY(!app.controller.packs()->exportSelection(out.filePath("two.zip")));
      QVERIFY(!QFile::exists(out.filePath("two.zip")));
    }
#endif
    QVERIFY(app.interface.listWindow->statusMessage().contains(kChangedOutside));
    QCOMPARE(app.cell(SlotList::Sounds, 6, "soundName"), QStringLiteral("S0"));
    QCOMPARE(app.cell(SlotList::Sounds, 0, "soundName"), QStringLiteral("--<empty>--"));
    // The selection went with its sounds.
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({6, 7}));
  }

  // A desktop edit reads a sound it does not touch exactly as often as the same edit from the
  // command line does (the engine's locked scan and its scan of the result): no scan of its own
  // before, and one redraw of each list after.
  void anEditReadsNoMoreThanTheEngineAndRedrawsOnce() {
    const auto readsOfUntouchedSound = [](bool desktop) {
      TestDatabase db;
      fillBank(db);
      CountingFileSystem fs;
      fs.watched = QFile::encodeName(db.path() + "/Sounds/003.sound/sound.script").toStdString();
      const MoveRequest move{Bank::Sounds, {0, 1}, 5};
      if (!desktop) {
        testing::FakeUi ui;
        ui.answerWith(kAlertDefault);
        Database database(ui, fs);
        database.setRoot(databaseRootFromPath(QFile::encodeName(db.path()).toStdString()));
        fs.reads = 0;
        return runEdit(database, move).isDone() ? fs.reads : -1;
      }
      TestApplication app(TestApplication::Menus::None, fs);
      app.open(db.path());
      QCoreApplication::processEvents();  // the health check that follows the opening
      QSignalSpy redraws(app.controller.lists().model(SlotList::Sounds),
                         &QAbstractItemModel::dataChanged);
      fs.reads = 0;
      app.answerNext({kAlertDefault});
      if (!app.controller.edits().run(move).isDone() || redraws.count() != 1) return -1;
      return fs.reads;
    };
    const int engine = readsOfUntouchedSound(false);
    QVERIFY(engine > 0);
    QCOMPARE(readsOfUntouchedSound(true), engine);
  }

  // The keyboard goes on from the slot the user clicked in the bank map, and from the first slot
  // a deletion emptied.
  void theKeyboardGoesOnFromTheLastClickOrDeletion() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    app.interface.listWindow->show();
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    sounds->setFocus();
    app.selectRows(SlotList::Sounds, {0});
    sounds->setCurrentIndex(sounds->model()->index(0, 0));
    Q_EMIT app.interface.listWindow->soundMap()->slotClicked(300, Qt::NoModifier);
    QTest::keyClick(sounds, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({300, 301}));

    app.answerNext({kAlertAlternate});  // "Delete"
    app.selectRows(SlotList::Sounds, {5, 6});
    QVERIFY(app.controller.edits().run(DeleteRequest{Bank::Sounds, {5, 6}}).isDone());
    QVERIFY(app.controller.lists().selectedRows(SlotList::Sounds).isEmpty());
    QTest::keyClick(sounds, Qt::Key_Down);
    QCOMPARE(sounds->currentIndex().row(), 6);
  }
};

QTEST_MAIN(DiskFollowingTest)
#include "DiskFollowingTest.moc"
