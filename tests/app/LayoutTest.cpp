// The list windows at the sizes users give them, from the moment they open: a geometry saved
// narrow or short, a 1600 px screen at scale 1.5, the default, on a light and a dark palette (CTest
// runs this program once more with QT_SCALE_FACTOR=1.5), and the read-only window of another
// database beside them. Every column but the names is as wide as its widest cell, names elide
// instead, nothing scrolls sideways, the two lists stand level, and the bank maps are the first
// to give way; in the status bar a message has the room it needs. The rows a drop would move
// stand out from the base on a light and on a dark palette.
#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

#include "AppTestSupport.h"
#include "app/OtherDatabase.h"
#include "app/SlotListModel.h"
#include "ui/BankMap.h"
#include "ui/PaletteContrast.h"
#include "ui/SlotTableView.h"

class LayoutTest : public QObject {
  Q_OBJECT

 private:
  // The widest texts each column can hold: names of 16 wide letters, three-digit numbers, a
  // model in use only by switched-off references, references to high model numbers.
  static void fillWide(TestDatabase& db) {
    const QString wide(16, QChar('W'));
    for (int n : {0, 1, 997, 998, 999}) {
      db.addModel(n, wide);
      db.addSound(n, wide, n, n == 998 ? 0 : 1, 999 - n, 0);
    }
  }

  static int widestCell(const SlotTableView* view, int column) {
    const QAbstractItemModel* model = view->model();
    int widest = 0;
    for (int row = 0; row < model->rowCount(); ++row) {
      widest = std::max(widest, view->fontMetrics().horizontalAdvance(
                                    model->index(row, column).data().toString()));
    }
    // The delegate keeps a focus frame's margin and a pixel on each side of the text.
    return widest + 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  }

  // What a list window must show from the moment it opens: every column but the names as wide as
  // its widest cell, the names taking what is left (and eliding), nothing scrolling sideways, and
  // the headers of the two lists on one line each, level with each other.
  static void verifyLists(const QString& where, SlotTableView* sounds, SlotTableView* models) {
    for (SlotTableView* view : {sounds, models}) {
      const QHeaderView* header = view->horizontalHeader();
      const QString list = QStringLiteral("%1, %2 list").arg(where, view->objectName());
      int total = 0;
      for (int column = 0; column < header->count(); ++column) {
        total += header->sectionSize(column);
        if (column == 1) continue;  // the names
        QVERIFY2(header->sectionSize(column) >= widestCell(view, column),
                 qPrintable(QStringLiteral("%1: column %2 is %3 px for %4 px")
                                .arg(list)
                                .arg(column)
                                .arg(header->sectionSize(column))
                                .arg(widestCell(view, column))));
      }
      QVERIFY2(view->horizontalScrollBar()->maximum() == 0 && total <= view->viewport()->width(),
               qPrintable(QStringLiteral("%1: %2 px of columns in %3 px")
                              .arg(list)
                              .arg(total)
                              .arg(view->viewport()->width())));
      QVERIFY2(
          header->height() < 2 * header->fontMetrics().lineSpacing(),
          qPrintable(QStringLiteral("%1: a header %2 px high").arg(list).arg(header->height())));
    }
    QCOMPARE(sounds->horizontalHeader()->height(), models->horizontalHeader()->height());
    // Side by side, row for row: the summaries above the lists never wrap one list lower.
    const QWidget* window = sounds->window();
    QCOMPARE(sounds->mapTo(window, QPoint(0, 0)).y(), models->mapTo(window, QPoint(0, 0)).y());
  }

 private Q_SLOTS:
  // The sizes a window is saved at and opens in again: narrow, short, a 1600 px screen at scale
  // 1.5, the default; each on a light and a dark palette. The read-only window of another database
  // (a pack) opens beside, at whatever size the screen leaves it.
  void theListsAreRightTheMomentTheyShow_data() {
    QTest::addColumn<QSize>("saved");
    QTest::addColumn<bool>("dark");
    for (const QSize saved :
         {QSize(700, 600), QSize(800, 430), QSize(1066, 720), QSize(1200, 720)}) {
      for (bool dark : {false, true}) {
        QTest::addRow("%dx%d %s", saved.width(), saved.height(), dark ? "dark" : "light")
            << saved << dark;
      }
    }
  }

  void theListsAreRightTheMomentTheyShow() {
    QFETCH(QSize, saved);
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    if (dark) QApplication::setPalette(darkDesktopPalette());
    const auto restorePalette = qScopeGuard([&] { QApplication::setPalette(before); });
    TestDatabase db;
    fillWide(db);
    TestDatabase pack;
    fillWide(pack);
    TestApplication app;
    // As the saved geometry leaves it, before the database fills the lists and shows them.
    ListWindow* window = app.interface.listWindow.get();
    window->resize(saved);
    app.open(db.path());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    // The view sizes its columns to their cells on its first turn of the event loop once shown.
    QCoreApplication::processEvents();
    verifyLists(QStringLiteral("list window"), window->soundList(), window->unusedList());

    app.controller.openOtherDatabase(pack.path());
    ListWindow* other = app.controller.otherDatabase()->window();
    QVERIFY(QTest::qWaitForWindowExposed(other));
    QCoreApplication::processEvents();
    verifyLists(QStringLiteral("other database"), other->soundList(), other->unusedList());
  }

  // Where the window is wide enough for them, the bank maps show beside the lists.
  void theMapsGiveWayFirst_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("mapsFit");
    QTest::newRow("narrow") << 700 << false;
    QTest::newRow("1600 px screen at scale 1.5") << 1066 << true;
    QTest::newRow("default") << 1200 << true;
  }

  void theMapsGiveWayFirst() {
    QFETCH(int, width);
    QFETCH(bool, mapsFit);
    TestDatabase db;
    fillWide(db);
    TestApplication app;
    app.open(db.path());
    ListWindow* window = app.interface.listWindow.get();
    window->resize(width, 720);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(50);
    QCOMPARE(window->soundMap()->isVisible(), mapsFit);
  }

  void aMessageHasTheRoomItNeeds() {
    TestDatabase db;
    fillWide(db);
    TestApplication app;
    app.open(db.path());
    ListWindow* window = app.interface.listWindow.get();
    window->resize(700, 720);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    app.selectRows(SlotList::Sounds, {0, 1, 997});
    const QString message = QStringLiteral("Move 3 sounds to slot 2: sounds 2–996 move down");
    window->showStatusMessage(message);
    QStatusBar* bar = window->statusBar();
    const QWidget* facts = window->findChild<QWidget*>(QStringLiteral("statusFacts"));
    QVERIFY(bar->fontMetrics().horizontalAdvance(message) + facts->width() < bar->width());
    QVERIFY(facts->isVisible());
  }

  void tintedRowsStandOutOnLightAndDarkPalettes_data() {
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("highlight");
    QTest::newRow("light") << QColor(255, 255, 255) << QColor(48, 140, 198);
    QTest::newRow("dark") << QColor(35, 35, 35) << QColor(42, 130, 218);
    QTest::newRow("dark with a dark highlight") << QColor(30, 30, 30) << QColor(20, 40, 90);
  }

  void tintedRowsStandOutOnLightAndDarkPalettes() {
    QFETCH(QColor, base);
    QFETCH(QColor, highlight);
    QStandardItemModel rows(8, 1);
    SlotTableView view;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, base);
    palette.setColor(QPalette::Highlight, highlight);
    view.setPalette(palette);
    view.setModel(&rows);
    view.resize(200, 300);
    std::vector<bool> moving(8, false);
    std::vector<bool> leaving(8, false);
    moving[2] = true;
    leaving[4] = true;
    view.setPreviewRows(moving, leaving);
    const QImage shot = view.viewport()->grab().toImage();
    const auto at = [&](int row) {
      // The picture has the screen's pixels: at scale 1.5, one and a half per unit.
      const QPointF point(4, view.rowViewportPosition(row) + view.rowHeight(row) / 2);
      return shot.pixelColor((point * shot.devicePixelRatio()).toPoint());
    };
    QVERIFY(contrastRatio(at(0), base) < 1.1);  // an untinted row shows the base
    QVERIFY2(contrastRatio(at(2), base) >= kMarkContrast, qPrintable(at(2).name()));
    QVERIFY2(contrastRatio(at(4), base) >= kMarkContrast, qPrintable(at(4).name()));
  }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
