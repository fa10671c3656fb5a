// The windows that find things without editing: the duplicates window lists the groups of
// identical models and sounds, selects a group's rows in its list and merges the models (an edit
// like any other, undone like any other); the compare window shows two sounds' differing
// parameters first and says how many there are, or why it could not read them.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/AppMenus.h"
#include "app/CompareWindow.h"
#include "app/DuplicatesWindow.h"
#include "app/OtherDatabase.h"
#include "app/WindowPlacement.h"
#include "ui/ListWindow.h"

class FindingWindowsTest : public QObject {
  Q_OBJECT

 private:
  static void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
  }

  static void addModelData(TestDatabase& db, int slot, const QByteArray& data) {
    writeFile(
        QStringLiteral("%1/Models/%2.model/sample.raw").arg(db.path()).arg(slot, 3, 10, QChar('0')),
        data);
  }

  static void writeScript(TestDatabase& db, int slot, const QByteArray& script) {
    writeFile(QStringLiteral("%1/Sounds/%2.sound/sound.script")
                  .arg(db.path())
                  .arg(slot, 3, 10, QChar('0')),
              script);
  }

  // Models 0 and 2 are the same "Bass"; model 3 is that Bass under another name. Sounds 4 and 6
  // are the same but for their names; sounds 0..3 each play another model.
  static void fillDuplicates(TestDatabase& db) {
    const char* names[] = {"Bass", "Pad", "Bass", "Bass 2"};
    const char* data[] = {"low", "wide", "low", "low"};
    for (int slot = 0; slot < 4; ++slot) {
      db.addModel(slot, names[slot]);
      addModelData(db, slot, data[slot]);
    }
    db.addSound(0, "One", 2, 1);
    db.addSound(1, "Two", 0, 1);
    db.addSound(2, "Three", 1, 1);
    db.addSound(3, "Four", 3, 1);
    db.addSound(4, "Alpha", 1, 0);
    db.addSound(6, "Beta", 1, 0);
  }

  static DuplicatesWindow* openDuplicates(TestApplication& app) {
    app.edits.showDuplicates();
    return app.edits.duplicatesWindow();
  }

 private Q_SLOTS:
  void aGroupListsAndSelectsExactlyItsRows_data() {
    QTest::addColumn<bool>("compareNames");
    QTest::addColumn<QString>("modelGroup");
    QTest::addColumn<QList<int>>("modelRows");
    QTest::newRow("names compared") << true << "Models 0, 2" << QList<int>{0, 2};
    QTest::newRow("names ignored") << false << "Models 0, 2, 3" << QList<int>{0, 2, 3};
  }

  void aGroupListsAndSelectsExactlyItsRows() {
    QFETCH(bool, compareNames);
    QFETCH(QString, modelGroup);
    QFETCH(QList<int>, modelRows);
    TestDatabase db;
    fillDuplicates(db);
    TestApplication app;
    app.open(db.path());
    DuplicatesWindow* window = openDuplicates(app);
    window->compareNames()->setChecked(compareNames);

    QTreeWidget* groups = window->groupList();
    QCOMPARE(groups->topLevelItemCount(), 2);
    QCOMPARE(groups->topLevelItem(0)->text(0), modelGroup);
    QCOMPARE(groups->topLevelItem(1)->text(0), QStringLiteral("Sounds 4, 6"));
    QCOMPARE(groups->topLevelItem(1)->text(1), QStringLiteral("Alpha / Beta"));
    QCOMPARE(window->findings()->text(),
             QStringLiteral("1 group of duplicate models, 1 group of duplicate sounds"));

    app.selectRows(SlotList::Models, {1, 3});
    app.selectRows(SlotList::Sounds, {0, 5, 7});
    groups->setCurrentItem(groups->topLevelItem(0));
    QCOMPARE(app.controller.selectedRows(SlotList::Models), modelRows);
    // A filter hiding part of a group gives way: the group is selected whole.
    app.interface.listWindow->soundFilter()->setText(QStringLiteral("alpha"));
    groups->setCurrentItem(groups->topLevelItem(1));
    QCOMPARE(app.controller.selectedRows(SlotList::Sounds), QList<int>({4, 6}));
    QVERIFY(app.interface.listWindow->soundFilter()->text().isEmpty());
  }

  void mergingLeavesOneCopyAndIsUndone() {
    TestDatabase db;
    fillDuplicates(db);
    TestApplication app;
    app.open(db.path());
    DuplicatesWindow* window = openDuplicates(app);

    app.answerNext({kAlertDefault});
    window->mergeButton()->click();
    QVERIFY(!db.exists("Models/002.model"));
    QVERIFY(db.exists("Models/003.model"));  // named otherwise: not a copy while names count
    QCOMPARE(db.scriptValue(0, "R1ModellIndex"), QStringLiteral("0"));
    // Sounds 0 and 1 now play the same model, so they are the same but for their names.
    QCOMPARE(window->findings()->text(),
             QStringLiteral("0 groups of duplicate models, 2 groups of duplicate sounds"));
    QCOMPARE(window->groupList()->topLevelItem(0)->text(0), QStringLiteral("Sounds 0, 1"));
    QVERIFY(!window->mergeButton()->isEnabled());

    QVERIFY(app.controller.runEdit(UndoRequest{}).isDone());
    QCOMPARE(db.modelName(2), QStringLiteral("Bass"));
    QCOMPARE(db.scriptValue(0, "R1ModellIndex"), QStringLiteral("2"));
    QCOMPARE(window->groupList()->topLevelItem(0)->text(0), QStringLiteral("Models 0, 2"));
  }

  void compareIsOfferedForExactlyTwoSounds_data() {
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("offered");
    QTest::newRow("two sounds") << QList<int>{4, 6} << true;
    QTest::newRow("one sound") << QList<int>{4} << false;
    QTest::newRow("three sounds") << QList<int>{0, 1, 2} << false;
    QTest::newRow("a sound and an empty slot") << QList<int>{4, 5} << false;
  }

  void compareIsOfferedForExactlyTwoSounds() {
    QFETCH(QList<int>, rows);
    QFETCH(bool, offered);
    TestDatabase db;
    fillDuplicates(db);
    TestApplication app;
    AppMenus menus(app.controller.menuParts(app.edits));
    app.open(db.path());
    app.selectRows(SlotList::Sounds, rows);
    QCOMPARE(menus.action("compareSounds")->isEnabled(), offered);
  }

  void theComparisonPutsTheDifferencesFirst_data() {
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<int>("differing");
    QTest::newRow("different") << 9 << "2 of 5 parameters differ" << 2;
    QTest::newRow("the same") << 10 << "The two sounds are identical" << 0;
  }

  void theComparisonPutsTheDifferencesFirst() {
    QFETCH(int, second);
    QFETCH(QString, summary);
    QFETCH(int, differing);
    TestDatabase db;
    const QByteArray common = "OscLevel\t64\nFilterCut\t10\nSoundNameC00\t65\n";
    writeScript(db, 8, common + "Glide\t0\n");
    writeScript(db, 9, "OscLevel\t64\nFilterCut\t12\nSoundNameC00\t65\nEnvAttack\t3\nGlide\t0\n");
    writeScript(db, 10, common + "Glide\t0\n");
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {8, second});
    app.edits.compareSelectedSounds();

    const CompareWindow* window = app.edits.compareWindow();
    QVERIFY(window->isVisible());
    QCOMPARE(window->summary()->text(), summary);
    const QTableWidget* table = window->table();
    QVERIFY(
        table->horizontalHeaderItem(2)->text().startsWith(QStringLiteral("Sound %1").arg(second)));
    for (int row = 0; row < table->rowCount(); ++row) {
      const bool marked = table->item(row, 0)->font().bold();
      QCOMPARE(marked, row < differing);
      QCOMPARE(table->item(row, 1)->text() != table->item(row, 2)->text(), row < differing);
    }
    if (differing > 0) {
      QCOMPARE(table->item(0, 0)->text(), QStringLiteral("FilterCut"));
      QCOMPARE(table->item(1, 0)->text(), QStringLiteral("EnvAttack"));
      QCOMPARE(table->item(1, 1)->text(), QStringLiteral("—"));
    }
  }

  // Another program empties a slot after the lists were read: the comparison is not made with
  // the name the row still showed, and the lists show the empty slot.
  void aSoundGoneSinceTheListsWereReadIsNotCompared() {
    TestDatabase db;
    fillDuplicates(db);
    TestApplication app;
    app.open(db.path());
    app.selectRows(SlotList::Sounds, {4, 6});
    QVERIFY(QFile::remove(db.path() + "/Sounds/006.sound/sound.script"));
    app.edits.compareSelectedSounds();
    QVERIFY(!app.edits.compareWindow() || !app.edits.compareWindow()->isVisible());
    QVERIFY(app.interface.listWindow->statusMessage().contains("changed outside"));
    QCOMPARE(app.cell(SlotList::Sounds, 6, "soundName"), QStringLiteral("--<empty>--"));
  }

  void aSideWindowOpensBesideTheListsAndClosesWithItsKeys_data() {
    QTest::addColumn<QByteArray>("window");
    QTest::addColumn<QKeySequence>("keys");
    for (const char* window : {"duplicates", "compare", "other database"}) {
      for (const QKeySequence& keys :
           {QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+W"))}) {
        QTest::addRow("%s, %s", window, qPrintable(keys.toString())) << QByteArray(window) << keys;
      }
    }
  }

  void aSideWindowOpensBesideTheListsAndClosesWithItsKeys() {
    QFETCH(QByteArray, window);
    QFETCH(QKeySequence, keys);
    TestDatabase db;
    fillDuplicates(db);
    // With the menus the program has, whose Close Window shares the keys.
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    QWidget* side = nullptr;
    if (window == "duplicates") {
      side = openDuplicates(app);
    } else if (window == "compare") {
      app.selectRows(SlotList::Sounds, {4, 6});
      app.edits.compareSelectedSounds();
      side = app.edits.compareWindow();
    } else {
      app.controller.openOtherDatabase(db.path());
      side = app.controller.otherDatabase()->window();
    }
    QVERIFY(side->isVisible());
    QCoreApplication::processEvents();
    side->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), side);
    QTest::keySequence(side, keys);
    QVERIFY(!side->isVisible());
  }

  // Where the anchor leaves room on neither side for the window as it is (a pack's window beside
  // a wide list window), the window is narrowed into the wider side, never laid over the list it
  // drops into; on the side with room it keeps its width.
  void aSideWindowNeverCoversTheWindowItBelongsTo_data() {
    QTest::addColumn<double>("anchorLeft");  // of the screen's width
    QTest::addColumn<bool>("narrowed");
    QTest::newRow("anchor at the left, room on the right") << 0.0 << false;
    QTest::newRow("anchor at the right, room on the left") << 0.5 << false;
    QTest::newRow("anchor in the middle, room on neither side") << 0.3 << true;
  }

  void aSideWindowNeverCoversTheWindowItBelongsTo() {
    QFETCH(double, anchorLeft);
    QFETCH(bool, narrowed);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget anchor;
    anchor.setGeometry(screen.left() + static_cast<int>(screen.width() * anchorLeft),
                       screen.top() + 40, screen.width() / 2, screen.height() / 2);
    QWidget side;
    side.setMinimumWidth(screen.width() / 10);
    const int wanted = narrowed ? screen.width() / 2 : screen.width() / 2 - 40;
    side.resize(wanted, screen.height() / 3);
    placeBeside(&side, &anchor);
    QVERIFY(!side.frameGeometry().intersects(anchor.frameGeometry()));
    QVERIFY(screen.contains(side.frameGeometry()));
    QCOMPARE(side.width() < wanted, narrowed);
  }
};

QTEST_MAIN(FindingWindowsTest)
#include "FindingWindowsTest.moc"
