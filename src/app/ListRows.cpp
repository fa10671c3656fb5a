#include "app/ListRows.h"

#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

SlotTableView* listView(const ListWindow& window, SlotList list) {
  return list == SlotList::Sounds ? window.soundList() : window.unusedList();
}

std::vector<int> slotsOf(const QList<int>& rows) {
  return std::vector<int>(rows.begin(), rows.end());
}

}  // namespace slotsmith
