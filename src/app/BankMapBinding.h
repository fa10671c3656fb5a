// Keeps a bank map in step with its list: the cells follow every scan, the framed cells the
// list's selection, the faint ones its filter. A click on a cell selects that slot (Ctrl toggles
// it, Shift extends from the current row) and scrolls the list to it; a drag across cells selects
// the range. Cells the filter hides cannot be picked: a selection holds only rows the list shows.
#pragma once

#include <QObject>

#include "core/DatabasePaths.h"
#include "core/SlotTables.h"
#include "ui/BankMap.h"

namespace slotsmith {

class SlotTableView;

class BankMapBinding : public QObject {
  Q_OBJECT

 public:
  BankMapBinding(const SlotTables& tables, Bank bank, BankMap* map, SlotTableView* view,
                 QObject* parent = nullptr);

  // What each slot holds, as the map colours it.
  static std::array<BankMap::Cell, kSlotCount> cellsOf(const SlotTables& tables, Bank bank);

  void refreshCells();
  void refreshSelection();
  void refreshShown();

 private:
  void clicked(int slot, Qt::KeyboardModifiers modifiers);
  void selectRange(int first, int last);

  const SlotTables& tables_;
  Bank bank_;
  BankMap* map_;
  SlotTableView* view_;
};

}  // namespace slotsmith
