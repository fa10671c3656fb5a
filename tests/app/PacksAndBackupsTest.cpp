// Sound packs and backups from the desktop, through what the user reaches: a selection exported
// as a pack arrives in another database by either road a pack takes (dropped from the file
// manager, or opened read only and dragged from its window), with its models, or is refused with
// nothing changed; a restore makes the database the backup, and Edit > Undo gives back what it
// replaced; the status bar knows the last backup.
#include <QDirIterator>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "AppTestSupport.h"
#include "app/DropPreviewer.h"
#include "app/OtherDatabase.h"
#include "app/SlotListModel.h"
#include "app/packs/BackupActions.h"
#include "app/packs/PackActions.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace {

// Every file of the two banks, by path inside the database, with its bytes.
QMap<QString, QByteArray> banks(const QString& root) {
  QMap<QString, QByteArray> files;
  for (const QString& bank : {QStringLiteral("Sounds"), QStringLiteral("Models")}) {
    QDirIterator it(root + '/' + bank, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile file(it.next());
      if (file.open(QIODevice::ReadOnly)) files[file.fileName().mid(root.size())] = file.readAll();
    }
  }
  return files;
}

QStringList shownNames(const TestApplication& app, SlotList list) {
  QStringList names;
  const QString column = list == SlotList::Sounds ? "soundName" : "modelName";
  for (int row = 0; row < kSlotCount; ++row)
    names << app.cell(list, row, column);
  return names;
}

// Models Lead (0) and Pad (3); Alpha plays Pad, Beta Lead and Pad, Gamma Lead.
void fillSource(TestDatabase& db) {
  db.addModel(0, QStringLiteral("Lead"));
  db.addModel(3, QStringLiteral("Pad"));
  db.addSound(0, QStringLiteral("Alpha"), 3, 1);
  db.addSound(1, QStringLiteral("Beta"), 0, 1, 3, 1);
  db.addSound(2, QStringLiteral("Gamma"), 0, 1);
}

}  // namespace

// How the pack reaches the sound list.
enum class Road { DroppedFile, OtherDatabaseWindow };
// What happens to the database between the backup and the restore.
enum class Between { RenameSound, RenameModel, MoveSound, AddedElsewhere, None };
Q_DECLARE_METATYPE(Road)
Q_DECLARE_METATYPE(Between)

class PacksAndBackupsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { failOnQtWarnings(); }

  void aPackOfTheSelectionArrivesInAnotherDatabase_data() {
    QTest::addColumn<Road>("road");
    QTest::addColumn<bool>("identicalModelThere");
    QTest::addColumn<bool>("fullBank");
    QTest::addColumn<int>("gap");
    QTest::newRow("dropped, between two sounds") << Road::DroppedFile << false << false << 1;
    QTest::newRow("dropped, an identical model reused") << Road::DroppedFile << true << false << 0;
    QTest::newRow("dropped on a full bank") << Road::DroppedFile << false << true << 5;
    QTest::newRow("opened, between two sounds") << Road::OtherDatabaseWindow << false << false << 1;
    QTest::newRow("opened, onto a full bank's end")
        << Road::OtherDatabaseWindow << false << true << 998;
  }

  void aPackOfTheSelectionArrivesInAnotherDatabase() {
    QFETCH(Road, road);
    QFETCH(bool, identicalModelThere);
    QFETCH(bool, fullBank);
    QFETCH(int, gap);
    TestDatabase source;
    fillSource(source);
    TestDatabase target;
    target.addModel(0, QStringLiteral("Other"));
    if (identicalModelThere) target.addModel(2, QStringLiteral("Lead"));
    for (int slot = 0; slot < (fullBank ? kSlotCount : 2); ++slot)
      target.addSound(slot, QStringLiteral("T%1").arg(slot), 0, 1);
    QTemporaryDir packs;
    const QString pack = packs.filePath(QStringLiteral("Beta.zip"));

    TestApplication app;
    app.open(source.path());
    app.selectRows(SlotList::Sounds, {1, 2, 7});  // slot 7 is empty: left out of the pack
    QVERIFY(app.controller.packs()->exportSelection(pack));
    // A pack is written as a new file only.
    QVERIFY(!app.controller.packs()->exportSelection(pack));
    QVERIFY(app.controller.ui().alerts().history().back().problem);

    app.open(target.path());
    const QMap<QString, QByteArray> before = banks(target.path());
    std::unique_ptr<QMimeData> drag;
    if (road == Road::DroppedFile) {
      drag = std::make_unique<QMimeData>();
      drag->setUrls({QUrl::fromLocalFile(pack)});
    } else {
      app.controller.openOtherDatabase(pack);
      OtherDatabase* other = app.controller.sideWindows().otherDatabase();
      QVERIFY(other != nullptr);
      auto* shown = static_cast<SlotListModel*>(other->soundList()->model());
      const int name = shown->columnOf("soundName");
      QCOMPARE(shown->data(shown->index(0, name)).toString(), QStringLiteral("Beta"));
      QCOMPARE(shown->data(shown->index(1, name)).toString(), QStringLiteral("Gamma"));
      // The pack holds nothing else: its slot 2 shows as every empty slot does.
      QCOMPARE(shown->data(shown->index(2, name)), shown->data(shown->index(999, name)));
      drag.reset(shown->mimeData({shown->index(0, 0), shown->index(1, 0)}));
    }
    SlotListModel* list = app.controller.lists().model(SlotList::Sounds);
    QVERIFY(list->canDropMimeData(drag.get(), Qt::CopyAction, gap, 0, {}));
    QVERIFY(!app.controller.lists()
                 .model(SlotList::Models)
                 ->canDropMimeData(drag.get(), Qt::CopyAction, gap, 0, {}));
    app.controller.lists().previewer()->preview(SlotList::Sounds, gap, drag.get(), Qt::CopyAction);
    // A dropped pack is read in the background; the preview shows once it has been.
    app.controller.packs()->waitForReading();
    const QString preview = app.interface.listWindow->statusMessage();
    QVERIFY2(
        preview.contains(fullBank ? "refused" : QString("Import 2 sounds to slot %1").arg(gap)),
        qPrintable(preview));

    app.answerNext({kAlertDefault});
    app.controller.ui().alerts().clearHistory();
    QVERIFY(list->dropMimeData(drag.get(), Qt::CopyAction, gap, 0, {}));
    if (fullBank) {
      QCOMPARE(banks(target.path()), before);
      QCOMPARE(app.controller.ui().alerts().history().size(), size_t{1});
      QVERIFY(app.controller.ui().alerts().history().back().problem);
      QCOMPARE(app.cell(SlotList::Sounds, 999, "soundName"), QStringLiteral("T999"));
      return;
    }
    QCOMPARE(app.cell(SlotList::Sounds, gap, "soundName"), QStringLiteral("Beta"));
    QCOMPARE(app.cell(SlotList::Sounds, gap + 1, "soundName"), QStringLiteral("Gamma"));
    QCOMPARE(app.cell(SlotList::Sounds, gap + 2, "soundName"), QStringLiteral("T%1").arg(gap));
    QVERIFY(app.cell(SlotList::Sounds, gap, "model1").endsWith("(Lead)"));
    QVERIFY(app.cell(SlotList::Sounds, gap, "model2").endsWith("(Pad)"));
    QVERIFY(app.cell(SlotList::Sounds, gap + 1, "model1").endsWith("(Lead)"));
    const QStringList models = shownNames(app, SlotList::Models);
    QCOMPARE(models.count("Lead"), 1);
    QCOMPARE(models.count("Pad"), 1);
    if (identicalModelThere) {
      QCOMPARE(app.cell(SlotList::Sounds, gap, "model1"), QStringLiteral("2 (Lead)"));
    }
  }

  void aRestoreMakesTheDatabaseTheBackupAndUndoGivesBackTheChange_data() {
    QTest::addColumn<Between>("change");
    QTest::addColumn<bool>("damagedBackup");
    QTest::addColumn<QString>("slotsChanging");
    QTest::newRow("a sound renamed") << Between::RenameSound << false << "1 sound slot and 0 model";
    QTest::newRow("a model renamed")
        << Between::RenameModel << false << "0 sound slots and 1 model";
    QTest::newRow("a sound moved") << Between::MoveSound << false << "2 sound slots and 0 model";
    QTest::newRow("slots added by another program")
        << Between::AddedElsewhere << false << "1 sound slot and 1 model";
    QTest::newRow("a damaged backup") << Between::RenameSound << true << QString();
    QTest::newRow("nothing changed since") << Between::None << false << QString();
  }

  void aRestoreMakesTheDatabaseTheBackupAndUndoGivesBackTheChange() {
    QFETCH(Between, change);
    QFETCH(bool, damagedBackup);
    QFETCH(QString, slotsChanging);
    TestDatabase db;
    fillSource(db);
    QTemporaryDir backups;
    const QString backup = backups.filePath(QStringLiteral("db.tar.zst"));
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    // The place of the last backup is never blank: before the first one it says so.
    QVERIFY(app.interface.listWindow->statusFacts().contains("No backup yet"));
    QVERIFY(app.controller.backups()->backUp(backup));
    QVERIFY(app.interface.listWindow->statusFacts().contains("Last backup"));
    QVERIFY(!app.interface.listWindow->statusFacts().contains("No backup yet"));
    const QMap<QString, QByteArray> atBackup = banks(db.path());
    const QStringList soundsAtBackup = shownNames(app, SlotList::Sounds);

    app.answerNext({kAlertDefault});
    switch (change) {
      case Between::RenameSound:
        app.controller.edits().run(RenameRequest{Bank::Sounds, {{1, "Renamed"}}});
        break;
      case Between::RenameModel:
        app.controller.edits().run(RenameRequest{Bank::Models, {{3, "Strings"}}});
        break;
      case Between::MoveSound:
        app.controller.edits().run(MoveRequest{Bank::Sounds, {0}, 5});
        break;
      case Between::AddedElsewhere:
        db.addSound(7, QStringLiteral("New"), 0, 1);
        db.addModel(4, QStringLiteral("New"));
        app.controller.reload();
        break;
      case Between::None:
        break;
    }
    const QMap<QString, QByteArray> changed = banks(db.path());
    QCOMPARE(changed == atBackup, change == Between::None);
    if (damagedBackup) {
      QFile file(backup);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.resize(file.size() / 2));
    }

    app.controller.ui().alerts().clearHistory();
    app.answerNext({kAlertAlternate});  // "Restore"; "Cancel" is the default button
    const EditOutcome restored = app.controller.backups()->restore(backup);
    if (slotsChanging.isEmpty()) {
      QCOMPARE(restored.kind, EditOutcome::Kind::Refused);
      QVERIFY(app.controller.ui().alerts().history().back().problem);
      QCOMPARE(banks(db.path()), changed);
      return;
    }
    QVERIFY2(restored.isDone(), restored.message.c_str());
    QVERIFY(app.controller.ui().alerts().history().front().informative.contains(slotsChanging));
    QCOMPARE(banks(db.path()), atBackup);
    QCOMPARE(shownNames(app, SlotList::Sounds), soundsAtBackup);

    QCOMPARE(app.menus->action("undo")->text(), QStringLiteral("&Undo Restore"));
    app.menus->action("undo")->trigger();
    QCOMPARE(banks(db.path()), changed);
    // The undo says it changed back as many slots as the restore's question counted.
    const QString sounds = slotsChanging.section(QStringLiteral(" and "), 0, 0);
    const QString status = app.interface.listWindow->statusMessage();
    QVERIFY2(sounds.startsWith(QStringLiteral("0 ")) || status.contains(sounds),
             qPrintable(status));
  }

  // The newest backup beside the database under the default name counts, or the last one made
  // from here when that is newer; other databases' backups and other names do not.
  void theStatusBarKnowsTheLastBackup() {
    QTemporaryDir folder;
    const QString root = folder.filePath(QStringLiteral("Neuron"));
    QVERIFY(QDir().mkpath(root + "/Sounds/000.sound"));
    QFile script(root + "/Sounds/000.sound/sound.script");
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("OscLevel\t64\n");
    script.close();
    for (const char* name : {"Neuron-20250101-101010.tar.zst", "Neuron-20260301-090000.tar.zst",
                             "Neuron-backup.tar.zst", "Neuron2-20991231-235959.tar.zst"}) {
      QFile beside(folder.filePath(name));
      QVERIFY(beside.open(QIODevice::WriteOnly));
    }
    TestApplication app;
    app.open(root);
    BackupActions::LastBackup last = app.controller.backups()->lastBackup();
    QCOMPARE(last.file, folder.filePath("Neuron-20260301-090000.tar.zst"));
    QCOMPARE(last.made, QDateTime(QDate(2026, 3, 1), QTime(9, 0)));
    QVERIFY(app.interface.listWindow->statusFacts().contains("Last backup"));

    QTemporaryDir elsewhere;
    const QString made = elsewhere.filePath("mine.tar.zst");
    QVERIFY(app.controller.backups()->backUp(made));
    QCOMPARE(app.controller.backups()->lastBackup().file, made);
    // Gone from the disk, it no longer counts.
    QVERIFY(QFile::remove(made));
    app.open(root);
    QCOMPARE(app.controller.backups()->lastBackup().file,
             folder.filePath("Neuron-20260301-090000.tar.zst"));
  }
};

QTEST_MAIN(PacksAndBackupsTest)
#include "PacksAndBackupsTest.moc"
