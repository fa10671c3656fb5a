#include "app/ListAids.h"

#include "app/BankMapBinding.h"
#include "app/ListFilter.h"
#include "app/ListRows.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

ListAids attachListAids(const SlotTables& tables, ListWindow& window, QObject* owner) {
  ListAids aids;
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    const bool sounds = list == SlotList::Sounds;
    const Bank bank = sounds ? Bank::Sounds : Bank::Models;
    const int at = static_cast<int>(list);
    SlotTableView* view = listView(window, list);
    aids.filters[at] =
        new ListFilter(tables, bank, sounds ? window.soundFilter() : window.modelFilter(),
                       sounds ? window.soundFilterCount() : window.modelFilterCount(), view, owner);
    aids.maps[at] = new BankMapBinding(tables, bank, sounds ? window.soundMap() : window.modelMap(),
                                       view, owner);
    QObject::connect(aids.filters[at], &ListFilter::applied, aids.maps[at],
                     &BankMapBinding::refreshShown);
  }
  return aids;
}

}  // namespace slotsmith
