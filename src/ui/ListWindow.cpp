#include "ui/ListWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "ui/BankMap.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

ListWindow::ListWindow(QWidget* parent)
    : QMainWindow(parent),
      soundList_(new SlotTableView),
      unusedList_(new SlotTableView),
      realtimeSearch_(new QCheckBox(tr("Selection follows: selected sounds select their models, "
                                       "selected models select the sounds that use them"))),
      soundSummary_(new QLabel),
      modelSummary_(new QLabel),
      soundFilter_(new QLineEdit),
      modelFilter_(new QLineEdit),
      soundFilterCount_(new QLabel),
      modelFilterCount_(new QLabel),
      soundMap_(new BankMap),
      modelMap_(new BankMap),
      statusFacts_(new QLabel) {
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

  auto* splitter = new QSplitter(Qt::Horizontal);
  splitter->addWidget(makeColumn(tr("Sounds"), soundSummary_, soundFilter_, soundFilterCount_,
                                 soundList_, soundMap_));
  splitter->addWidget(makeColumn(tr("Models"), modelSummary_, modelFilter_, modelFilterCount_,
                                 unusedList_, modelMap_));
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 2);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(splitter, 1);
  layout->addWidget(realtimeSearch_);
  setCentralWidget(central);
  statusFacts_->setObjectName(QStringLiteral("statusFacts"));
  statusBar()->addPermanentWidget(statusFacts_);
  // Tab goes from each filter to its list, on to the other column, then to the check box (the
  // lists themselves do not keep it). The maps are for the mouse; the lists have the keys.
  setTabOrder(soundFilter_, soundList_);
  setTabOrder(soundList_, modelFilter_);
  setTabOrder(modelFilter_, unusedList_);
  setTabOrder(unusedList_, realtimeSearch_);
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

void ListWindow::updateStatusFacts() {
  // One permanent part, so that the facts never overlap; the message beside it gives way.
  QStringList facts;
  for (const QString& fact : {selection_, counts_, path_}) {
    if (!fact.isEmpty()) facts << fact;
  }
  statusFacts_->setText(facts.join(QStringLiteral("  ·  ")));
}

void ListWindow::showStatusMessage(const QString& text) {
  statusBar()->showMessage(text);
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

void ListWindow::showDatabasePath(const QString& path) {
  setWindowTitle(path.isEmpty() ? tr("Slotsmith")
                                : tr("%1 — Slotsmith").arg(QDir::toNativeSeparators(path)));
  // A long path is shortened in the middle; the whole of it is in the title and the tool tip.
  const QString shown = path.isEmpty() ? tr("No database open") : QDir::toNativeSeparators(path);
  path_ = statusFacts_->fontMetrics().elidedText(shown, Qt::ElideMiddle, 320);
  statusFacts_->setToolTip(shown);
  updateStatusFacts();
}

}  // namespace slotsmith
