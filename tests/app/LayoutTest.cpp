// The list windows at the sizes users give them, from the moment they open: a geometry saved
// narrow or short, a 1600 px screen at scale 1.5, the default, on a light and a dark palette, at
// the default font and at 1.5 and 2 times its size (CTest runs this program once more with
// QT_SCALE_FACTOR=1.5), and the read-only window of another database beside them. Numbers and
// statuses are as wide as their widest cells, nothing scrolls sideways, the two lists stand
// level, and where room is short the bank maps give way first, the model references next, the
// names last; in the status bar a message has the room it needs. The rows a drop would move
// stand out from the base on a light and on a dark palette, and from the selection, whose text
// stays as legible as the theme made it.
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
#include "ui/ListWindow.h"
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

  // What a list window must show from the moment it opens: the numbers and the statuses as wide
  // as their widest cells, nothing scrolling sideways, and the headers of the two lists on one
  // line each, level with each other. Where room is short, what gives way goes in order: the
  // bank maps first, then the model references, the names last, and never below eight wide
  // letters of a name.
  static void verifyLists(const QString& where, SlotTableView* sounds, SlotTableView* models) {
    const auto* window = qobject_cast<const ListWindow*>(sounds->window());
    for (SlotTableView* view : {sounds, models}) {
      const QHeaderView* header = view->horizontalHeader();
      const QString list = QStringLiteral("%1, %2 list").arg(where, view->objectName());
      const bool mapShown = (view == sounds ? window->soundMap() : window->modelMap())->isVisible();
      int total = 0;
      int nameColumn = -1;
      bool referencesWhole = true;
      for (int column = 0; column < header->count(); ++column) {
        total += header->sectionSize(column);
        const QString identifier =
            view->model()
                ->headerData(column, Qt::Horizontal, SlotListModel::ColumnIdentifierRole)
                .toString();
        const bool whole = header->sectionSize(column) >= widestCell(view, column);
        const QString size = QStringLiteral("%1: column %2 is %3 px for %4 px")
                                 .arg(list, identifier)
                                 .arg(header->sectionSize(column))
                                 .arg(widestCell(view, column));
        if (identifier.endsWith(QLatin1String("Name"))) {
          nameColumn = column;
        } else if (identifier.startsWith(QLatin1String("model")) && identifier.back().isDigit()) {
          referencesWhole = referencesWhole && whole;
          QVERIFY2(whole || !mapShown, qPrintable(size + ", beside a map"));
        } else {
          QVERIFY2(whole, qPrintable(size));
        }
      }
      const int name = header->sectionSize(nameColumn);
      const QString names = QStringLiteral("%1: names in %2 px").arg(list).arg(name);
      if (name < widestCell(view, nameColumn)) {
        QVERIFY2(!mapShown, qPrintable(names + ", beside a map"));
        QVERIFY2(!referencesWhole || header->count() < 4,
                 qPrintable(names + ", the model references whole"));
        QVERIFY2(name >= view->fontMetrics().horizontalAdvance(QString(8, QChar('W'))),
                 qPrintable(names));
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
    QCOMPARE(sounds->mapTo(window, QPoint(0, 0)).y(), models->mapTo(window, QPoint(0, 0)).y());
  }

 private Q_SLOTS:
  // The sizes a window is saved at and opens in again: narrow, short, a 1600 px screen at scale
  // 1.5, the default; each on a light and a dark palette. The read-only window of another database
  // (a pack) opens beside, at whatever size the screen leaves it.
  void theListsAreRightTheMomentTheyShow_data() {
    QTest::addColumn<QSize>("saved");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<double>("fontScale");
    for (const QSize saved :
         {QSize(700, 600), QSize(800, 430), QSize(1066, 720), QSize(1200, 720)}) {
      for (bool dark : {false, true}) {
        for (double fontScale : {1.0, 1.5, 2.0}) {
          QTest::addRow("%dx%d %s, font x%.1f", saved.width(), saved.height(),
                        dark ? "dark" : "light", fontScale)
              << saved << dark << fontScale;
        }
      }
    }
  }

  void theListsAreRightTheMomentTheyShow() {
    QFETCH(QSize, saved);
    QFETCH(bool, dark);
    QFETCH(double, fontScale);
    const QPalette before = QApplication::palette();
    if (dark) QApplication::setPalette(darkDesktopPalette());
    const auto restorePalette = qScopeGuard([&] { QApplication::setPalette(before); });
    const QFont font = QApplication::font();
    QFont larger = font;
    larger.setPointSizeF(font.pointSizeF() * fontScale);
    QApplication::setFont(larger);
    const auto restoreFont = qScopeGuard([&] { QApplication::setFont(font); });
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
    ListWindow* other = app.controller.sideWindows().otherDatabase()->window();
    QVERIFY(QTest::qWaitForWindowExposed(other));
    QCoreApplication::processEvents();
    verifyLists(QStringLiteral("other database"), other->soundList(), other->unusedList());
  }

  // Where the window is wide enough for them beside lists of usual names, the bank maps show.
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
    for (int n : {0, 1, 12, 997}) {
      db.addModel(n, QStringLiteral("Warm Pad %1").arg(n));
      db.addSound(n, QStringLiteral("Slow Strings %1").arg(n), n, 1, 999 - n, 1);
    }
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

  // Rows a drop would move or push out stand out from the base; selected ones among them keep
  // the text of the theme's selection as legible as on any selected row, and still stand out.
  void tintedRowsStandOutOnLightAndDarkPalettes_data() {
    QTest::addColumn<QColor>("base");
    QTest::addColumn<QColor>("highlight");
    QTest::addColumn<QColor>("highlightedText");
    QTest::newRow("light") << QColor(255, 255, 255) << QColor(48, 140, 198) << QColor(Qt::white);
    QTest::newRow("light, pale highlight")
        << QColor(250, 250, 250) << QColor(200, 220, 250) << QColor(Qt::black);
    QTest::newRow("dark") << QColor(35, 35, 35) << QColor(42, 130, 218) << QColor(Qt::white);
    QTest::newRow("dark with a dark highlight")
        << QColor(30, 30, 30) << QColor(20, 40, 90) << QColor(Qt::white);
  }

  void tintedRowsStandOutOnLightAndDarkPalettes() {
    QFETCH(QColor, base);
    QFETCH(QColor, highlight);
    QFETCH(QColor, highlightedText);
    QStandardItemModel rows(8, 1);
    SlotTableView view;
    QPalette palette = view.palette();
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, base);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    view.setPalette(palette);
    view.setModel(&rows);
    view.resize(200, 300);
    std::vector<bool> moving(8, false);
    std::vector<bool> leaving(8, false);
    moving[2] = moving[5] = true;
    leaving[4] = leaving[6] = true;
    for (int row : {5, 6, 7}) {
      view.selectionModel()->select(rows.index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    view.setPreviewRows(moving, leaving);
    const QImage shot = view.viewport()->grab().toImage();
    const auto at = [&](int row, int x = 8) {
      // The picture has the screen's pixels: at scale 1.5, one and a half per unit.
      const QPointF point(x, view.rowViewportPosition(row) + view.rowHeight(row) / 2);
      return shot.pixelColor((point * shot.devicePixelRatio()).toPoint());
    };
    QVERIFY(contrastRatio(at(0), base) < 1.1);  // an untinted row shows the base
    QVERIFY2(contrastRatio(at(2), base) >= kMarkContrast, qPrintable(at(2).name()));
    QVERIFY2(contrastRatio(at(4), base) >= kMarkContrast, qPrintable(at(4).name()));
    const QColor selected = at(7);
    for (int row : {5, 6}) {
      const QString where = QStringLiteral("row %1: %2 on %3, a selected row %4")
                                .arg(row)
                                .arg(highlightedText.name(), at(row).name(), selected.name());
      QVERIFY2(contrastRatio(highlightedText, at(row)) >=
                   0.95 * contrastRatio(highlightedText, selected),
               qPrintable(where));
      QVERIFY2(contrastRatio(at(row, 1), selected) >= kMarkContrast, qPrintable(where));
    }
  }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
