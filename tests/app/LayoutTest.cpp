// The list window at the widths users give it: a narrow one, the default, a 1600 px screen at
// scale 1.5 (CTest runs this program once more with QT_SCALE_FACTOR=1.5). Every column but the
// names is as wide as its widest cell, names elide instead, nothing scrolls sideways, and the
// bank maps are the first to give way; in the status bar a message has the room it needs. The
// rows a drop would move stand out from the base on a light and on a dark palette.
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QStyle>
#include <QTest>

#include "AppTestSupport.h"
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

 private Q_SLOTS:
  void everyColumnButTheNamesShowsItsWidestCell_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("mapsFit");
    QTest::newRow("narrow") << 700 << false;
    QTest::newRow("1600 px screen at scale 1.5") << 1066 << true;
    QTest::newRow("default") << 1200 << true;
  }

  void everyColumnButTheNamesShowsItsWidestCell() {
    QFETCH(int, width);
    QFETCH(bool, mapsFit);
    TestDatabase db;
    fillWide(db);
    TestApplication app;
    app.open(db.path());
    ListWindow* window = app.interface.listWindow.get();
    window->resize(width, 720);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(50);  // the lists lay out their columns once the window has settled
    QCOMPARE(window->width(), width);

    for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
      SlotTableView* view = app.controller.listView(list);
      const QHeaderView* header = view->horizontalHeader();
      const int names = app.controller.listModel(list)->columnOf(
          list == SlotList::Sounds ? QStringLiteral("soundName") : QStringLiteral("modelName"));
      for (int column = 0; column < header->count(); ++column) {
        if (column == names) continue;
        QVERIFY2(header->sectionSize(column) >= widestCell(view, column),
                 qPrintable(QStringLiteral("column %1: %2 px for %3 px")
                                .arg(column)
                                .arg(header->sectionSize(column))
                                .arg(widestCell(view, column))));
      }
      QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    }
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
