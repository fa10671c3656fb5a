#include "ui/ListWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "ui/BankMap.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

namespace {

// One line of text shortened at its end to the width it is given, never holding the window wide:
// the status bar's facts (the path first, then the last backup and the counts), and the summary
// above each list, which would otherwise wrap in a narrow column and put one list a line lower
// than the other. What is cut off is in the tool tip.
class ElidedLabel : public QLabel {
 public:
  enum class ToolTip { Given, WholeTextWhenCut };
  ElidedLabel(Qt::Alignment alignment, ToolTip tip) : alignment_(alignment), tip_(tip) {}
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    const QRect room = contentsRect();
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, room.width());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(room, Qt::AlignVCenter | alignment_, shown);
    if (tip_ == ToolTip::WholeTextWhenCut) setToolTip(shown == text() ? QString() : text());
  }

 private:
  Qt::Alignment alignment_;
  ToolTip tip_;
};

}  // namespace

ListWindow::ListWindow(QWidget* parent)
    : QMainWindow(parent),
      soundList_(new SlotTableView),
      unusedList_(new SlotTableView),
      realtimeSearch_(new QCheckBox(tr("Selection follows between the lists"))),
      soundSummary_(new ElidedLabel(Qt::AlignLeft, ElidedLabel::ToolTip::WholeTextWhenCut)),
      modelSummary_(new ElidedLabel(Qt::AlignLeft, ElidedLabel::ToolTip::WholeTextWhenCut)),
      soundFilter_(new QLineEdit),
      modelFilter_(new QLineEdit),
      soundFilterCount_(new QLabel),
      modelFilterCount_(new QLabel),
      soundMap_(new BankMap),
      modelMap_(new BankMap),
      statusFacts_(new ElidedLabel(Qt::AlignRight, ElidedLabel::ToolTip::Given)) {
  setObjectName(QStringLiteral("listWindow"));
  soundList_->setObjectName(QStringLiteral("soundList"));
  unusedList_->setObjectName(QStringLiteral("unusedList"));
  realtimeSearch_->setObjectName(QStringLiteral("realtimeSearch"));
  soundSummary_->setObjectName(QStringLiteral("soundSummary"));
  modelSummary_->setObjectName(QStringLiteral("modelSummary"));
  soundFilter_->setObjectName(QStringLiteral("soundFilter"));
  modelFilter_->setObjectName(QStringLiteral("modelFilter"));
  soundMap_->setObjectName(QStringLiteral("soundMap"));
  modelMap_->setObjectName(QStringLiteral("modelMap"));
  soundMap_->setAccessibleName(tr("Map of the sound bank"));
  modelMap_->setAccessibleName(tr("Map of the model bank"));
  soundFilter_->setAccessibleName(tr("Filter the sound list"));
  modelFilter_->setAccessibleName(tr("Filter the model list"));
  const QString words = tr("Words: name text, model:12, unused, disabled, empty");
  for (QLineEdit* filter : {soundFilter_, modelFilter_}) {
    filter->setClearButtonEnabled(true);
    filter->setToolTip(words);
  }
  soundFilter_->setPlaceholderText(tr("Filter sounds (Ctrl+F): name, model:12, unused…"));
  modelFilter_->setPlaceholderText(tr("Filter models: name, unused, disabled, empty…"));

  // The check box's own text stays short, so that it never holds the window wide.
  realtimeSearch_->setToolTip(
      tr("Selected sounds select the models they play; selected models select the sounds that "
         "use them."));
  auto* splitter = new QSplitter(Qt::Horizontal);
  soundColumn_ = makeColumn(tr("Sounds"), soundSummary_, soundFilter_, soundFilterCount_,
                            soundList_, soundMap_);
  modelColumn_ = makeColumn(tr("Models"), modelSummary_, modelFilter_, modelFilterCount_,
                            unusedList_, modelMap_);
  splitter->addWidget(soundColumn_);
  splitter->addWidget(modelColumn_);
  splitter->setChildrenCollapsible(false);
  for (QWidget* column : {soundColumn_, modelColumn_})
    column->installEventFilter(this);
  // A column is never narrower than its list needs to show every cell whole (the names elide);
  // what it needs follows the widest cells, which are known only once the list is filled and
  // laid out, often after the window has opened at a saved size. The maps then give way first.
  for (const auto& [column, list] :
       {std::pair{soundColumn_, soundList_}, std::pair{modelColumn_, unusedList_}}) {
    connect(list, &SlotTableView::neededWidthChanged, column, [this, column, list] {
      column->setMinimumWidth(list->neededWidth());
      fitBankMaps();
    });
  }
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(splitter, 1);
  layout->addWidget(realtimeSearch_);
  setCentralWidget(central);
  statusFacts_->setObjectName(QStringLiteral("statusFacts"));
  statusBar()->addPermanentWidget(statusFacts_);
  connect(statusBar(), &QStatusBar::messageChanged, this, [this] { makeRoomForMessage(); });
  // Tab goes from each filter to its list, on to the other column, then to the check box (the
  // lists themselves do not keep it). The maps are for the mouse; the lists have the keys.
  setTabOrder(soundFilter_, soundList_);
  setTabOrder(soundList_, modelFilter_);
  setTabOrder(modelFilter_, unusedList_);
  setTabOrder(unusedList_, realtimeSearch_);
  // The keys start in the sound list, not in the first field of the tab order: arrows, Delete
  // and the shortcuts of the menus work at once when the window opens.
  soundList_->setFocus();
  showDatabasePath(QString());
  resize(1200, 720);
}

void ListWindow::showCounts(const QString& text) {
  counts_ = text;
  updateStatusFacts();
}

void ListWindow::showSelectionCount(const QString& text) {
  selection_ = text;
  updateStatusFacts();
}

void ListWindow::showLastBackup(const QString& text) {
  lastBackup_ = text;
  updateStatusFacts();
}

void ListWindow::updateStatusFacts() {
  // One permanent part, so that the facts never overlap; the message beside it gives way.
  QStringList facts;
  for (const QString& fact : {selection_, counts_, lastBackup_, path_}) {
    if (!fact.isEmpty()) facts << fact;
  }
  statusFacts_->setText(facts.join(QStringLiteral("  ·  ")));
}

void ListWindow::showStatusMessage(const QString& text) {
  // Long enough to read at a calm pace, then the status bar shows the facts alone again.
  constexpr int kBaseMilliseconds = 6000;
  constexpr int kMillisecondsPerCharacter = 60;
  statusBar()->showMessage(
      text, kBaseMilliseconds + kMillisecondsPerCharacter * static_cast<int>(text.size()));
}

void ListWindow::makeRoomForMessage() {
  const QString message = statusBar()->currentMessage();
  if (message.isEmpty()) {
    statusFacts_->setMaximumWidth(QWIDGETSIZE_MAX);
    return;
  }
  // The message is drawn left of the permanent part with the status bar's margins around it.
  constexpr int kMargins = 32;
  const int room =
      statusBar()->width() - statusBar()->fontMetrics().horizontalAdvance(message) - kMargins;
  statusFacts_->setMaximumWidth(std::max(0, room));
}

void ListWindow::setBankMapsWanted(bool wanted) {
  mapsWanted_ = wanted;
  fitBankMaps();
}

void ListWindow::fitBankMaps() {
  const auto fit = [this](QWidget* column, SlotTableView* list, BankMap* map) {
    if (column == nullptr) return;
    // The map's width is fixed at its size hint: that is what it takes from the list. It gives
    // way before any column of the list is shortened.
    const int withMap = list->wholeWidth() + map->sizeHint().width() + column->layout()->spacing();
    const bool shown = mapsWanted_ && column->width() >= withMap;
    if (shown == !map->isHidden()) return;
    map->setVisible(shown);
    // Now, not on the next turn of the event loop: the list must never be drawn narrower than it
    // needs, with a sideways scroll bar, in between.
    column->layout()->activate();
  };
  fit(soundColumn_, soundList_, soundMap_);
  fit(modelColumn_, unusedList_, modelMap_);
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Resize && (watched == soundColumn_ || watched == modelColumn_)) {
    fitBankMaps();
  }
  return QMainWindow::eventFilter(watched, event);
}

void ListWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  makeRoomForMessage();
}

QString ListWindow::statusMessage() const {
  return statusBar()->currentMessage();
}

QString ListWindow::statusFacts() const {
  return statusFacts_->text();
}

QWidget* ListWindow::makeColumn(const QString& title, QLabel* summary, QLineEdit* filter,
                                QLabel* count, SlotTableView* list, BankMap* map) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title));
  layout->addWidget(heading);
  layout->addWidget(summary);
  auto* filterRow = new QHBoxLayout;
  filterRow->addWidget(filter, 1);
  filterRow->addWidget(count);
  layout->addLayout(filterRow);
  auto* listRow = new QHBoxLayout;
  listRow->addWidget(list, 1);
  listRow->addWidget(map, 0, Qt::AlignTop);
  layout->addLayout(listRow, 1);
  map->setFocusPolicy(Qt::NoFocus);
  return column;
}

void ListWindow::showDatabasePath(const QString& path, bool gone) {
  const QString native = gone ? tr("%1 (no longer there)").arg(QDir::toNativeSeparators(path))
                              : QDir::toNativeSeparators(path);
  setWindowTitle(path.isEmpty() ? tr("Slotsmith") : tr("%1 — Slotsmith").arg(native));
  // A long path is shortened in the middle; the whole of it is in the title and the tool tip.
  const QString shown = path.isEmpty() ? tr("No database open") : native;
  path_ = statusFacts_->fontMetrics().elidedText(shown, Qt::ElideMiddle, 320);
  statusFacts_->setToolTip(shown);
  updateStatusFacts();
  // There is nothing to filter before a database is open.
  for (QLineEdit* filter : {soundFilter_, modelFilter_})
    filter->setEnabled(!path.isEmpty());
}

}  // namespace slotsmith
