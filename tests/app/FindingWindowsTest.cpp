// The windows that find things without editing: the duplicates window lists the groups of
// identical models and sounds, selects a group's rows in its list and merges the models (an edit
// like any other, undone like any other); the compare window shows two sounds' differing
// parameters first and says how many there are, or why it could not read them.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/AppMenus.h"
#include "app/CompareWindow.h"
#include "app/DuplicatesWindow.h"
#include "app/OtherDatabase.h"
#include "app/WindowPlacement.h"
#include "ops/Doctor.h"
#include "ops/Journal.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

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
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Models), modelRows);
    // A filter hiding part of a group gives way: the group is selected whole.
    app.interface.listWindow->soundFilter()->setText(QStringLiteral("alpha"));
    groups->setCurrentItem(groups->topLevelItem(1));
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({4, 6}));
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

    QVERIFY(app.controller.edits().run(UndoRequest{}).isDone());
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
    for (const char* window : {"duplicates", "compare", "other database", "user guide"}) {
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
    } else if (window == "user guide") {
      app.menus->action("userGuide")->trigger();
      side = app.interface.listWindow->findChild<QWidget*>(QStringLiteral("userGuide"));
    } else {
      app.controller.openOtherDatabase(db.path());
      side = app.controller.sideWindows().otherDatabase()->window();
    }
    QVERIFY(side->isVisible());
    QCoreApplication::processEvents();
    side->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), side);
    QTest::keySequence(side, keys);
    QVERIFY(!side->isVisible());
  }

  // The health report says what it found, the first finding in words and the count of the rest;
  // it offers the doctor's fix where the doctor has one, and no button where it has none; Esc
  // closes it. A damaged sound is marked in its list, its tool tip saying what is wrong.
  void theHealthReportSaysWhatAndOffersTheFixThereIs_data() {
    QTest::addColumn<bool>("staleLock");
    QTest::addColumn<bool>("damagedSound");
    QTest::addColumn<QString>("said");
    QTest::addColumn<bool>("fixOffered");
    QTest::newRow("a lock left by a process that is gone")
        << true << false << QStringLiteral("the lock names") << true;
    QTest::newRow("a damaged sound")
        << false << true << QStringLiteral("sound 5: its sound.script") << false;
    QTest::newRow("both") << true << true << QStringLiteral("and 1 more thing") << true;
  }

  void theHealthReportSaysWhatAndOffersTheFixThereIs() {
    QFETCH(bool, staleLock);
    QFETCH(bool, damagedSound);
    QFETCH(QString, said);
    QFETCH(bool, fixOffered);
    TestDatabase db;
    fillDuplicates(db);
    const std::string root = QFile::encodeName(db.path()).toStdString();
    if (damagedSound) writeScript(db, 5, "Name0\t66\ngarbage\x01\n");
    if (staleLock) {
      // No process ever has a number above the kernel's limit of 2^22.
      writeFile(QFile::decodeName(QByteArray::fromStdString(lockFilePath(root))),
                "pid 4194400 on host " + QSysInfo::machineHostName().toUtf8() + " (slotsmith)");
    }
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    if (damagedSound) {
      const QModelIndex name = app.controller.lists().view(SlotList::Sounds)->model()->index(5, 1);
      QVERIFY(!name.data(Qt::DecorationRole).value<QIcon>().isNull());
      QVERIFY2(name.data(Qt::ToolTipRole).toString().contains("sound.script"),
               qPrintable(name.data(Qt::ToolTipRole).toString()));
    }
    QString text;
    bool offered = false;
    bool closedByEsc = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      text = box->text();
      QAbstractButton* fix = nullptr;
      for (QAbstractButton* button : box->buttons()) {
        if (button->text() == QStringLiteral("Fix")) fix = button;
      }
      offered = fix != nullptr;
      if (fix != nullptr) {
        fix->click();
        return;
      }
      QTest::keyClick(box, Qt::Key_Escape);
      closedByEsc = !box->isVisible();
      if (!closedByEsc) box->done(0);
    });
    app.menus->action("healthCheck")->trigger();
    QVERIFY2(text.contains(said), qPrintable(text));
    QCOMPARE(offered, fixOffered);
    QVERIFY(offered || closedByEsc);
    const auto findings =
        examineDatabase(realFileSystem(), root, app.controller.session().database().tables());
    const bool lockFound = std::any_of(findings.begin(), findings.end(), [](const auto& finding) {
      return finding.kind == DoctorFinding::Kind::StaleLock;
    });
    QCOMPARE(lockFound, staleLock && !fixOffered);
  }

  // Over screens of several sizes (one right of the primary) and list windows at their edges, in
  // the middle and filling the screen, for a small and a large side window: it keeps to the
  // screen, never gets narrower than its content, keeps the size it wants where a side has room
  // for it, and covers the list window only where no free side holds even its minimum.
  void aSideWindowTakesFreeSpaceAtTheSizeOfItsContent_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("minimum");
    const QList<QRect> screens{QRect(0, 0, 1920, 1040), QRect(0, 28, 1366, 740),
                               QRect(1920, 0, 1280, 1024)};
    const QList<QSize> windows[] = {{QSize(640, 560), QSize(420, 300)},
                                    {QSize(1200, 720), QSize(900, 400)}};
    for (const QRect& screen : screens) {
      const QList<QPair<const char*, QRect>> anchors{
          {"list at the left", QRect(screen.left(), screen.top(), 1100, 700)},
          {"list at the right", QRect(screen.right() - 1099, screen.top() + 20, 1100, 700)},
          {"list in the middle", QRect(screen.left() + 200, screen.top() + 30, 900, 600)},
          {"list filling the screen", screen},
          {"list short and wide", QRect(screen.left(), screen.top(), screen.width(), 300)}};
      for (const auto& [where, anchor] : anchors) {
        for (const QList<QSize>& window : windows) {
          QTest::addRow("%dx%d, %s, %dx%d window", screen.width(), screen.height(), where,
                        window[0].width(), window[0].height())
              << screen << anchor.intersected(screen) << window[0] << window[1];
        }
      }
    }
  }

  void aSideWindowTakesFreeSpaceAtTheSizeOfItsContent() {
    QFETCH(QRect, screen);
    QFETCH(QRect, anchor);
    QFETCH(QSize, wanted);
    QFETCH(QSize, minimum);
    const QRect frame = sideWindowFrame(screen, anchor, wanted, minimum);
    const QString placed = QStringLiteral("%1,%2 %3x%4")
                               .arg(frame.left())
                               .arg(frame.top())
                               .arg(frame.width())
                               .arg(frame.height());
    QVERIFY2(screen.contains(frame), qPrintable(placed));
    QVERIFY2(frame.width() >= minimum.width() && frame.height() >= minimum.height(),
             qPrintable(placed));
    const int roomRight = screen.right() - anchor.right();
    const int roomLeft = anchor.left() - screen.left();
    if (std::max(roomRight, roomLeft) >= wanted.width()) QCOMPARE(frame.size(), wanted);
    const bool freeSide = std::max(roomRight, roomLeft) >= minimum.width() ||
                          std::max(screen.bottom() - anchor.bottom(),
                                   anchor.top() - screen.top()) >= minimum.height();
    QVERIFY2(frame.intersects(anchor) != freeSide, qPrintable(placed));
  }

  // The comparison opens wide enough for both sounds' columns, headers whole, even where the list
  // window leaves it no room; a window moved and closed opens where the user left it.
  void aSideWindowShowsItsContentAndOpensWhereItWasLeft() {
    TestDatabase db;
    fillDuplicates(db);
    db.addSound(311, QStringLiteral("A Rather Long Pad"), 1, 1);
    TestApplication app;
    app.open(db.path());
    // As narrow as it goes, at the screen's left: the room on its right is narrower than the
    // comparison, wider than the least a table can be squeezed into.
    ListWindow* lists = app.interface.listWindow.get();
    lists->resize(lists->minimumSizeHint().expandedTo(lists->minimumSize()));
    lists->move(lists->screen()->availableGeometry().topLeft());
    app.selectRows(SlotList::Sounds, {4, 311});
    app.edits.compareSelectedSounds();
    auto* compare = qobject_cast<CompareWindow*>(app.edits.compareWindow());
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    const auto* table = compare->findChild<QTableWidget*>();
    const QAbstractItemView* view = table;
    int columns = 0;
    for (int column = 0; column < table->columnCount(); ++column) {
      columns += std::max(view->sizeHintForColumn(column),
                          table->horizontalHeader()->sectionSizeHint(column));
    }
    QVERIFY2(table->viewport()->width() >= columns,
             qPrintable(QStringLiteral("%1 px for %2 px of columns")
                            .arg(table->viewport()->width())
                            .arg(columns)));

    TestDatabase other;
    fillDuplicates(other);
    app.controller.openOtherDatabase(other.path());
    QWidget* window = app.controller.sideWindows().otherDatabase()->window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QRect left(window->screen()->availableGeometry().topLeft() + QPoint(30, 40),
                     window->minimumSizeHint().expandedTo(QSize(500, 400)));
    window->setGeometry(left);
    window->close();
    app.controller.openOtherDatabase(other.path());
    window = app.controller.sideWindows().otherDatabase()->window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->geometry(), left);
  }
};

QTEST_MAIN(FindingWindowsTest)
#include "FindingWindowsTest.moc"
