// Finding one's way in the lists: the filter fields, the bank maps and the drop preview, driven
// through the windows as a user drives them.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "AppTestSupport.h"
#include "app/BankMapBinding.h"
#include "app/DropPreviewer.h"
#include "app/ListFilter.h"
#include "app/RowDragPayload.h"
#include "ops/DropPreview.h"
#include "ui/BankMap.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

class ListAidsTest : public QObject {
  Q_OBJECT

 private:
  // Sounds 0..9 "Pad n" and 10..19 "Lead n"; sound n plays model n % 5 of five models.
  static void fillBank(TestDatabase& db) {
    for (int n = 0; n < 5; ++n)
      db.addModel(n, QStringLiteral("M%1").arg(n));
    for (int n = 0; n < 20; ++n) {
      db.addSound(n, (n < 10 ? QStringLiteral("Pad %1") : QStringLiteral("Lead %1")).arg(n), n % 5,
                  1);
    }
  }

  static QList<int> shownRows(SlotTableView* view) {
    QList<int> rows;
    for (int row = 0; row < view->model()->rowCount(); ++row) {
      if (!view->isRowHidden(row)) rows << row;
    }
    return rows;
  }

 private Q_SLOTS:
  void aFilterShowsMatchingRowsAndFollowsEveryScan() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    ListWindow& lists = *app.interface.listWindow;
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);

    lists.soundFilter()->setText(QStringLiteral("LEAD model:2"));
    QCOMPARE(shownRows(sounds), QList<int>({12, 17}));
    QCOMPARE(lists.soundFilterCount()->text(), QStringLiteral("2 of 1000 rows"));
    QVERIFY(sounds->isFiltered());

    // A half-typed word keeps the rows and says what is wrong with it.
    lists.soundFilter()->setText(QStringLiteral("lead model:"));
    QCOMPARE(shownRows(sounds), QList<int>({12, 17}));
    QVERIFY(lists.soundFilterCount()->text().contains(QStringLiteral("model:")));

    // After an edit the filter is applied to the new state: sound 12 moved to slot 0.
    lists.soundFilter()->setText(QStringLiteral("lead model:2"));
    app.answerNext({kAlertDefault});
    QCOMPARE(app.controller.edits().run(MoveRequest{Bank::Sounds, {12}, 0}).kind,
             EditOutcome::Kind::Done);
    QCOMPARE(shownRows(sounds), QList<int>({0, 17}));

    // Esc in the field clears it and every row shows again.
    QTest::keyClick(lists.soundFilter(), Qt::Key_Escape);
    QVERIFY(lists.soundFilter()->text().isEmpty());
    QCOMPARE(shownRows(sounds).size(), 1000);
    QVERIFY(!sounds->isFiltered());
    QVERIFY(lists.soundFilterCount()->text().isEmpty());
  }

  void aSelectionMadeThroughAFilterEditsExactlyTheShownSlots() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    ListWindow& lists = *app.interface.listWindow;
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);

    app.selectRows(SlotList::Sounds, {3, 11});
    lists.soundFilter()->setText(QStringLiteral("lead"));
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds),
             QList<int>({11}));  // 3 is hidden

    // Select All and a range across hidden rows take only the rows shown.
    sounds->selectAll();
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds).size(), 10);
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds).first(), 10);
    lists.soundFilter()->setText(QStringLiteral("model:1"));
    app.selectRows(SlotList::Sounds, {});
    sounds->selectionModel()->select(
        QItemSelection(sounds->model()->index(0, 0), sounds->model()->index(19, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({1, 6, 11, 16}));

    app.answerNext({kAlertAlternate});  // "Delete": the slots stay, empty
    app.edits.doDeleteSelectedSounds();
    for (int slot = 0; slot < 20; ++slot) {
      const bool deleted = slot % 5 == 1;
      QCOMPARE(db.exists(QStringLiteral("Sounds/%1.sound").arg(slot, 3, 10, QLatin1Char('0'))),
               !deleted);
    }
  }

  void aFilteredListRefusesDropsAndSaysWhy() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    SlotTableView* sounds = app.controller.lists().view(SlotList::Sounds);
    sounds->resize(400, 300);
    sounds->show();
    QMimeData rows;
    rows.setData(rowdrag::kSoundRowsMimeType, rowdrag::encode({1, 2}));

    app.interface.listWindow->soundFilter()->setText(QStringLiteral("pad"));
    QDragEnterEvent enter(QPoint(20, 20), Qt::MoveAction, &rows, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(sounds->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QVERIFY(app.interface.listWindow->statusMessage().startsWith(
        QStringLiteral("A filtered list takes no drops")));
  }

  void theDropPreviewSaysWhatTheDropWillDoAndGoesWhenTheDragDoes() {
    TestDatabase db;
    fillBank(db);
    TestApplication app;
    app.open(db.path());
    QMimeData rows;
    rows.setData(rowdrag::kSoundRowsMimeType, rowdrag::encode({15, 16, 17}));
    app.controller.lists().previewer()->preview(SlotList::Sounds, 10, &rows, Qt::MoveAction);
    const BlockPreview expected =
        previewBlockEdit(app.controller.session().database().tables(), Bank::Sounds, {15, 16, 17},
                         10, BlockEditKind::Move);
    QCOMPARE(app.interface.listWindow->statusMessage(), QString::fromStdString(expected.text));
    QVERIFY(expected.text.starts_with("Move 3 sounds to slot 10: sounds 10"));
    BankMap* map = app.interface.listWindow->soundMap();
    for (int slot : {10, 14, 15, 17, 18})
      QCOMPARE(map->isPreviewed(slot), slot < 18);  // 10-14 shift, 15-17 move, 18 stays
    app.controller.lists().previewer()->preview(SlotList::Sounds, -1, nullptr, Qt::IgnoreAction);
    QVERIFY(app.interface.listWindow->statusMessage().isEmpty());
    QVERIFY(!map->isPreviewed(10));

    // The keyboard's way, Move to Slot…, tells the same as the slot number is typed.
    app.selectRows(SlotList::Sounds, {15, 16, 17});
    QString told;
    QTimer::singleShot(0, [&told] {
      auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      dialog->setIntValue(10);
      told = dialog->labelText();
      dialog->reject();
    });
    app.edits.copyOrMoveSelectedTo(SlotList::Sounds, false);
    QVERIFY2(told.endsWith(QString::fromStdString(expected.text)), qPrintable(told));
  }

  void theBankMapShowsTheBankAndPicksSlots() {
    TestDatabase db;
    fillBank(db);
    db.addModel(7, QStringLiteral("Lonely"));
    TestApplication app;
    app.open(db.path());
    ListWindow& lists = *app.interface.listWindow;
    lists.resize(1100, 800);
    lists.show();
    const auto cells =
        BankMapBinding::cellsOf(app.controller.session().database().tables(), Bank::Models);
    QCOMPARE(cells[0], BankMap::Cell::InUse);
    QCOMPARE(cells[7], BankMap::Cell::Unused);
    QCOMPARE(cells[8], BankMap::Cell::Empty);

    BankMap* map = lists.soundMap();
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, map->cellRect(12).center());
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds), QList<int>({12}));
    QTest::mousePress(map, Qt::LeftButton, Qt::NoModifier, map->cellRect(3).center());
    QTest::mouseMove(map, map->cellRect(30).center());
    QTest::mouseRelease(map, Qt::LeftButton, Qt::NoModifier, map->cellRect(30).center());
    QCOMPARE(app.controller.lists().selectedRows(SlotList::Sounds).size(), 28);  // 3..30

    // With a filter on, a hidden slot cannot be picked.
    lists.soundFilter()->setText(QStringLiteral("lead"));
    QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, map->cellRect(2).center());
    QVERIFY(!app.controller.lists().selectedRows(SlotList::Sounds).contains(2));
  }
};

QTEST_MAIN(ListAidsTest)
#include "ListAidsTest.moc"
