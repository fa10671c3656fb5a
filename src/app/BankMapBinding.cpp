#include "app/BankMapBinding.h"

#include "app/SlotListModel.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

BankMapBinding::BankMapBinding(const SlotTables& tables, Bank bank, BankMap* map,
                               SlotTableView* view, QObject* parent)
    : QObject(parent), tables_(tables), bank_(bank), map_(map), view_(view) {
  connect(view_->model(), &QAbstractItemModel::dataChanged, this, &BankMapBinding::refreshCells);
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &BankMapBinding::refreshSelection);
  connect(map_, &BankMap::slotClicked, this, &BankMapBinding::clicked);
  connect(map_, &BankMap::rangeDragged, this, &BankMapBinding::selectRange);
  map_->setToolTipText([this](int slot) {
    const QString name = bank_ == Bank::Sounds ? nameText(tables_.soundSlots[slot].sSoundName)
                                               : nameText(tables_.modelSlots[slot].sModelName);
    return tr("%1 %2: %3")
        .arg(bank_ == Bank::Sounds ? tr("Sound") : tr("Model"))
        .arg(slot, 3, 10, QLatin1Char('0'))
        .arg(name);
  });
  refreshCells();
}

std::array<BankMap::Cell, kSlotCount> BankMapBinding::cellsOf(const SlotTables& tables, Bank bank) {
  std::array<BankMap::Cell, kSlotCount> cells{};
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (bank == Bank::Sounds) {
      cells[slot] =
          holdsSound(tables.soundSlots[slot]) ? BankMap::Cell::Occupied : BankMap::Cell::Empty;
      continue;
    }
    const ModelSlot& model = tables.modelSlots[slot];
    if (!holdsModel(model)) {
      cells[slot] = BankMap::Cell::Empty;
    } else if (model.sIsUsed == kModelInUse) {
      cells[slot] = BankMap::Cell::InUse;
    } else if (model.sIsUsed == kModelInUseDisabled) {
      cells[slot] = BankMap::Cell::InUseDisabled;
    } else {
      cells[slot] = BankMap::Cell::Unused;
    }
  }
  return cells;
}

void BankMapBinding::refreshCells() {
  map_->setCells(cellsOf(tables_, bank_));
}

void BankMapBinding::refreshSelection() {
  std::array<bool, kSlotCount> selected{};
  for (const QItemSelectionRange& range : view_->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      selected[row] = true;
  }
  map_->setSelected(selected);
}

void BankMapBinding::refreshShown() {
  std::array<bool, kSlotCount> shown{};
  for (int row = 0; row < kSlotCount; ++row)
    shown[row] = !view_->isRowHidden(row);
  map_->setShown(shown);
}

void BankMapBinding::clicked(int slot, Qt::KeyboardModifiers modifiers) {
  if (view_->isRowHidden(slot)) return;
  QAbstractItemModel* model = view_->model();
  const QModelIndex index = model->index(slot, 0);
  QItemSelectionModel* selection = view_->selectionModel();
  const int current = selection->currentIndex().row();
  if ((modifiers & Qt::ShiftModifier) && current >= 0) {
    // From the current row, which stays the anchor, as a Shift+click in the list does.
    const QItemSelection range(model->index(std::min(current, slot), 0),
                               model->index(std::max(current, slot), 0));
    selection->select(range, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    view_->scrollTo(index);
    return;
  }
  if (modifiers & Qt::ControlModifier) {
    selection->select(index, QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  } else {
    // Through the view, so that the clicked slot is also where Shift+arrow keys extend from, as
    // after a click in the list itself.
    view_->setCurrentIndex(index);
  }
  view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void BankMapBinding::selectRange(int first, int last) {
  QAbstractItemModel* model = view_->model();
  view_->selectionModel()->select(QItemSelection(model->index(first, 0), model->index(last, 0)),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view_->scrollTo(model->index(last, 0));
}

}  // namespace slotsmith
