// The rows of the list window's two lists, as every part of the desktop reads them: which view
// shows a list, and a set of rows in the one order requests and payloads use.
#pragma once

#include <QList>
#include <algorithm>
#include <vector>

#include "core/Ui.h"

namespace slotsmith {

class ListWindow;
class SlotTableView;

// The view of the list in the window: the sound list, or the model list (unusedList).
SlotTableView* listView(const ListWindow& window, SlotList list);

// The rows ascending, each once: a selection's ranges may overlap, a drag may name a row twice.
template <typename Rows>
void sortAndDeduplicate(Rows& rows) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
}

// The rows as the slot numbers a request names.
std::vector<int> slotsOf(const QList<int>& rows);

}  // namespace slotsmith
