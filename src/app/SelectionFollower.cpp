#include "app/SelectionFollower.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelection>
#include <algorithm>
#include <array>

namespace slotsmith {

namespace {

std::array<bool, kSlotCount> selectedRows(const QAbstractItemView* view) {
  std::array<bool, kSlotCount> selected{};
  for (const QItemSelectionRange& range : view->selectionModel()->selection()) {
    for (int row = std::max(range.top(), 0); row <= std::min(range.bottom(), kSlotCount - 1);
         ++row) {
      selected[static_cast<size_t>(row)] = true;
    }
  }
  return selected;
}

// Replaces the view's selection by the rows marked, merged into contiguous ranges.
void selectExactly(QAbstractItemView* view, const std::array<bool, kSlotCount>& rows) {
  const QAbstractItemModel* model = view->model();
  const int lastColumn = model->columnCount() - 1;
  QItemSelection selection;
  int first = -1;
  for (int row = 0; row < kSlotCount; ++row) {
    if (!rows[static_cast<size_t>(row)]) continue;
    if (first < 0) first = row;
    int end = row;
    while (end + 1 < kSlotCount && rows[static_cast<size_t>(end + 1)])
      ++end;
    selection.select(model->index(row, 0), model->index(end, lastColumn));
    row = end;
  }
  view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  // Rows selected off screen would go unseen: the list shows the first of them.
  if (first >= 0) view->scrollTo(model->index(first, 0));
}

}  // namespace

SelectionFollower::SelectionFollower(const slotsmith::SlotTables& tables,
                                     QAbstractItemView* soundList, QAbstractItemView* unusedList,
                                     QAbstractButton* realtimeSearch, QObject* parent)
    : QObject(parent),
      tables_(tables),
      soundList_(soundList),
      unusedList_(unusedList),
      realtimeSearch_(realtimeSearch) {
  connect(soundList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { selectionDidChange(SlotList::Sounds); });
  connect(unusedList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { selectionDidChange(SlotList::Models); });
}

void SelectionFollower::selectionDidChange(SlotList list) {
  QAbstractItemView* view = list == SlotList::Sounds ? soundList_ : unusedList_;
  // The list the user works in is the one holding its window's focus.
  if (view->window()->focusWidget() == view) selectRow(list);
}

void SelectionFollower::selectRow(SlotList list) {
  if (!realtimeSearch_->isChecked()) return;
  if (list == SlotList::Models) {
    selectSoundsOfSelectedModels();
  } else {
    selectModelsOfSelectedSounds();
  }
}

void SelectionFollower::selectSoundsOfSelectedModels() {
  const std::array<bool, kSlotCount> models = selectedRows(unusedList_);
  const auto isSelectedModel = [&models](int32_t model) {
    return slotsmith::isModelNumber(model) && models[static_cast<size_t>(model)];
  };
  std::array<bool, kSlotCount> sounds{};
  for (int s = 0; s < kSlotCount; ++s) {
    const slotsmith::SoundSlot& sound = tables_.soundSlots[static_cast<size_t>(s)];
    // Switches do not matter this way round: a switched-off reference still uses the model.
    sounds[static_cast<size_t>(s)] =
        sound.sIsUsed == slotsmith::kSoundOccupied &&
        (isSelectedModel(sound.sModel1) || isSelectedModel(sound.sModel2));
  }
  selectExactly(soundList_, sounds);
}

void SelectionFollower::selectModelsOfSelectedSounds() {
  const std::array<bool, kSlotCount> sounds = selectedRows(soundList_);
  std::array<bool, kSlotCount> models{};
  for (int s = 0; s < kSlotCount; ++s) {
    if (!sounds[static_cast<size_t>(s)]) continue;
    const slotsmith::SoundSlot& sound = tables_.soundSlots[static_cast<size_t>(s)];
    if (slotsmith::isModelNumber(sound.sModel1) && sound.sModelOn1 > 0) {
      models[static_cast<size_t>(sound.sModel1)] = true;
    }
    if (slotsmith::isModelNumber(sound.sModel2) && sound.sModelOn2 > 0) {
      models[static_cast<size_t>(sound.sModel2)] = true;
    }
  }
  selectExactly(unusedList_, models);
}

}  // namespace slotsmith
