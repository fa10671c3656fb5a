// Every edit's shortcut as a user meets it: a click on a row, then the keys, with no menu ever
// opened; on a window just opened and again after a delete has taken the selection away. A rename
// in place hands the keys back to its list.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "ui/SlotTableView.h"

class ShortcutsTest : public QObject {
  Q_OBJECT

 private:
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 10; ++n) {
      db.addModel(n, QStringLiteral("M%1").arg(n));
      db.addSound(n, QStringLiteral("S%1").arg(n), n, 1);
    }
  }

  static void clickRow(TestApplication& app, SlotList list, int row) {
    SlotTableView* view = app.controller.lists().view(list);
    const QRect cell = view->visualRect(view->model()->index(row, 0));
    // A user's click comes after the events of what went before (the progress of a scan or an
    // edit) have been handled, and a click into a window behind another (the find and replace
    // window) brings it to the front, as the window manager does.
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != view->window()) {
      view->window()->activateWindow();
      QCoreApplication::processEvents();
    }
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  }

  // Presses the keys and tells whether the action ran. A dialog the action opens (the slot
  // number of a copy or a move) is closed as soon as it shows.
  static bool pressRuns(TestApplication& app, QAction* action, const QKeySequence& keys) {
    QSignalSpy triggered(action, &QAction::triggered);
    QTimer::singleShot(0, [] {
      if (QWidget* dialog = QApplication::activeModalWidget()) dialog->close();
    });
    QTest::keySequence(app.interface.listWindow.get(), keys);
    return triggered.count() == 1;
  }

 private Q_SLOTS:
  void eachEditShortcutRunsFromAClickedRow_data() {
    QTest::addColumn<SlotList>("list");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QKeySequence>("keys");
    const auto add = [](SlotList list, const char* action, const QKeySequence& keys) {
      QTest::addRow("%s %s", action, qPrintable(keys.toString())) << list << action << keys;
    };
    add(SlotList::Sounds, "deleteSelected", QKeySequence(Qt::Key_Delete));
    add(SlotList::Sounds, "copySelectedSounds", QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    add(SlotList::Sounds, "moveSelectedSounds", QKeySequence(QStringLiteral("Ctrl+Shift+M")));
    add(SlotList::Models, "deleteSelected", QKeySequence(Qt::Key_Delete));
    add(SlotList::Models, "copySelectedModels", QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    add(SlotList::Models, "moveSelectedModels", QKeySequence(QStringLiteral("Ctrl+Alt+M")));
    add(SlotList::Models, "findReplace", QKeySequence(QStringLiteral("Ctrl+H")));
    add(SlotList::Models, "consolidate", QKeySequence(QStringLiteral("Ctrl+Shift+K")));
  }

  void eachEditShortcutRunsFromAClickedRow() {
    QFETCH(SlotList, list);
    QFETCH(QString, action);
    QFETCH(QKeySequence, keys);
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    AppMenus& menus = *app.menus;
    app.open(db.path());
    QVERIFY(QTest::qWaitForWindowExposed(app.interface.listWindow.get()));

    clickRow(app, list, 3);
    QVERIFY2(pressRuns(app, menus.action(action), keys), "on a window just opened");

    // A deletion leaves no selection behind; the next click must bring the keys back.
    clickRow(app, list, 5);
    app.answerNext({kAlertAlternate});  // "Delete"
    QVERIFY(pressRuns(app, menus.action("deleteSelected"), QKeySequence(Qt::Key_Delete)));
    QVERIFY(app.controller.lists().selectedRows(list).isEmpty());
    clickRow(app, list, 2);
    QVERIFY2(pressRuns(app, menus.action(action), keys), "after a delete");
  }

  // F2 opens the name in place; once it is entered (the rename runs and the lists redraw) or
  // given up, the arrows move on from the renamed row and Ctrl+Z undoes, with no click between.
  void aRenameInPlaceHandsTheKeysBackToItsList_data() {
    QTest::addColumn<SlotList>("list");
    QTest::addColumn<bool>("entered");
    QTest::newRow("sound entered") << SlotList::Sounds << true;
    QTest::newRow("sound given up") << SlotList::Sounds << false;
    QTest::newRow("model entered") << SlotList::Models << true;
    QTest::newRow("model given up") << SlotList::Models << false;
  }

  void aRenameInPlaceHandsTheKeysBackToItsList() {
    QFETCH(SlotList, list);
    QFETCH(bool, entered);
    TestDatabase db;
    fillBank(db);
    TestApplication app(TestApplication::Menus::AsTheProgramBuildsThem);
    app.open(db.path());
    QVERIFY(QTest::qWaitForWindowActive(app.interface.listWindow.get()));
    SlotTableView* view = app.controller.lists().view(list);
    const QString identifier =
        list == SlotList::Sounds ? QStringLiteral("soundName") : QStringLiteral("modelName");
    const QString before = app.cell(list, 3, identifier);
    clickRow(app, list, 3);
    QTest::keyClick(view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, QStringLiteral("Renamed"));
    // The library's marks arrive while the name is typed: what was typed stays.
    app.controller.lists().markAtRisk(std::vector<bool>(kSlotCount, true));
    app.answerNext({kAlertDefault});  // the rename's confirmation
    QTest::keyClick(editor, entered ? Qt::Key_Return : Qt::Key_Escape);
    QCoreApplication::processEvents();
    QCOMPARE(app.cell(list, 3, identifier), entered ? QStringLiteral("Renamed") : before);

    // The window manager gives the list window back its activation once the rename's progress
    // window has closed.
    view->window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), view->window());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view));
    QCOMPARE(view->currentIndex().row(), 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(view->currentIndex().row(), 4);
    if (entered) {
      QVERIFY(pressRuns(app, app.menus->action("undo"), QKeySequence::Undo));
      QCOMPARE(app.cell(list, 3, identifier), before);
    }
  }
};

QTEST_MAIN(ShortcutsTest)
#include "ShortcutsTest.moc"
