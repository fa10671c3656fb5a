#include "app/DuplicatesWindow.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopLists.h"
#include "app/ListFilter.h"
#include "app/SlotListModel.h"
#include "app/Summaries.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

namespace {

// What a group's item carries: its list and its rows.
constexpr int kListRole = Qt::UserRole;
constexpr int kRowsRole = Qt::UserRole + 1;

// Reading every model folder takes a moment on a full bank; the cursor says so.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// The names the group's slots carry, each once, in slot order: copies found without comparing
// model names, and sounds identical but for their names, may be called differently.
QString groupNames(const SlotTables& tables, SlotList list, const std::vector<int>& slots) {
  QStringList names;
  for (int slot : slots) {
    const auto index = static_cast<size_t>(slot);
    const QString name = nameText(list == SlotList::Models ? tables.modelSlots[index].sModelName
                                                           : tables.soundSlots[index].sSoundName);
    if (!names.contains(name)) names << name;
  }
  return names.join(QStringLiteral(" / "));
}

}  // namespace

DuplicatesWindow::DuplicatesWindow(DatabaseSession& session, DesktopEdits& edits,
                                   DesktopLists& lists, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      edits_(edits),
      lists_(lists),
      groups_(new QTreeWidget),
      compareNames_(new QCheckBox(tr("Compare model names too"))),
      findings_(new QLabel),
      unreadable_(new QLabel),
      refresh_(new QPushButton(tr("Refresh"))),
      merge_(new QPushButton(tr("Merge Duplicate Models…"))) {
  setObjectName(QStringLiteral("duplicatesWindow"));
  setWindowTitle(tr("Duplicates"));
  groups_->setColumnCount(2);
  groups_->setHeaderLabels({tr("Slots"), tr("Name")});
  groups_->setRootIsDecorated(false);
  groups_->setSelectionMode(QAbstractItemView::SingleSelection);
  groups_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  compareNames_->setChecked(true);
  compareNames_->setToolTip(
      tr("Off: two models whose data is the same are duplicates whatever their MName says"));
  findings_->setWordWrap(true);
  unreadable_->setWordWrap(true);
  unreadable_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  merge_->setToolTip(
      tr("Points every reference to a duplicate model at the lowest slot of its group and "
         "deletes the other copies (Edit ▸ Undo puts them back)"));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(compareNames_);
  buttons->addStretch();
  buttons->addWidget(refresh_);
  buttons->addWidget(merge_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(findings_);
  layout->addWidget(unreadable_);
  layout->addWidget(groups_, 1);
  layout->addLayout(buttons);
  resize(560, 400);

  // A click on the group already chosen selects its rows again, after the user changed them.
  connect(groups_, &QTreeWidget::itemSelectionChanged, this,
          [this] { selectGroup(groups_->selectedItems().value(0)); });
  connect(groups_, &QTreeWidget::itemClicked, this,
          [this](const QTreeWidgetItem* item) { selectGroup(item); });
  connect(compareNames_, &QCheckBox::toggled, this, &DuplicatesWindow::refresh);
  connect(refresh_, &QPushButton::clicked, this, &DuplicatesWindow::refresh);
  connect(merge_, &QPushButton::clicked, this, &DuplicatesWindow::mergeModels);
  const auto refreshWhenShown = [this] {
    if (isVisible()) refresh();
  };
  connect(&edits_, &DesktopEdits::finished, this, refreshWhenShown);
  connect(&session_, &DatabaseSession::opened, this, refreshWhenShown);
  connect(&session_, &DatabaseSession::diskChanged, this, refreshWhenShown);
}

void DuplicatesWindow::refresh() {
  groups_->clear();
  const DatabaseRoot& root = session_.root();
  if (!root) {
    findings_->setText(tr("No database is open."));
    unreadable_->hide();
    merge_->setEnabled(false);
    return;
  }
  DuplicateGroups models;
  DuplicateGroups sounds;
  {
    const BusyCursor busy;
    FileSystem& fs = session_.database().fileSystem();
    models = findDuplicateModels(fs, *root, {.includeModelName = compareNames_->isChecked()});
    sounds = findDuplicateSounds(fs, *root);
  }
  addGroups(SlotList::Models, models);
  addGroups(SlotList::Sounds, sounds);
  showFindings(models, sounds);
  merge_->setEnabled(!models.groups.empty());
}

void DuplicatesWindow::mergeModels() {
  // The edit finishing refreshes the window.
  edits_.run(DedupeRequest{.ignoreModelNames = !compareNames_->isChecked()});
}

void DuplicatesWindow::addGroups(SlotList list, const DuplicateGroups& duplicates) {
  const SlotTables& tables = session_.database().tables();
  for (const std::vector<int>& group : duplicates.groups) {
    QStringList numbers;
    QVariantList rows;
    for (int slot : group) {
      numbers << QString::number(slot);
      rows << slot;
    }
    const QString bank = list == SlotList::Models ? tr("Models %1") : tr("Sounds %1");
    auto* item = new QTreeWidgetItem(
        groups_, {bank.arg(numbers.join(QStringLiteral(", "))), groupNames(tables, list, group)});
    item->setData(0, kListRole, static_cast<int>(list));
    item->setData(0, kRowsRole, rows);
  }
}

void DuplicatesWindow::showFindings(const DuplicateGroups& models, const DuplicateGroups& sounds) {
  const int modelGroups = static_cast<int>(models.groups.size());
  const int soundGroups = static_cast<int>(sounds.groups.size());
  if (modelGroups == 0 && soundGroups == 0) {
    findings_->setText(tr("No duplicates: no two models and no two sounds are identical."));
  } else {
    findings_->setText(tr("%1, %2").arg(tr("%n group(s) of duplicate models", "", modelGroups),
                                        tr("%n group(s) of duplicate sounds", "", soundGroups)));
  }
  // A slot that could not be read may be a copy nobody sees; it is named, never passed over.
  QStringList lines;
  for (const DuplicateGroups* bank : {&models, &sounds}) {
    for (const Status& status : bank->unreadable)
      lines << QString::fromStdString(status.message());
  }
  unreadable_->setText(tr("Left out, could not be read:\n%1").arg(lines.join('\n')));
  unreadable_->setVisible(!lines.isEmpty());
}

void DuplicatesWindow::selectGroup(const QTreeWidgetItem* item) {
  if (item == nullptr) return;
  const auto list = static_cast<SlotList>(item->data(0, kListRole).toInt());
  const QVariantList rows = item->data(0, kRowsRole).toList();
  if (rows.isEmpty()) return;
  SlotTableView* view = lists_.view(list);
  // A list shows and selects only the rows its filter lets through; a group is chosen whole, so
  // a filter hiding part of it gives way.
  for (const QVariant& row : rows) {
    if (view->isRowHidden(row.toInt())) {
      lists_.filter(list)->field()->clear();
      break;
    }
  }
  const QAbstractItemModel* model = view->model();
  QItemSelection selection;
  for (const QVariant& row : rows) {
    const QModelIndex index = model->index(row.toInt(), 0);
    selection.select(index, index);
  }
  view->selectionModel()->select(selection,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  const QModelIndex first = model->index(rows.front().toInt(), 0);
  view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
  view->scrollTo(first);
}

}  // namespace slotsmith
