// The aids beside the two lists of a list window: a filter field above each list and a bank map
// beside it, wired to the lists and to the slot tables they show. The main window and another
// database's read-only window have the same aids.
#pragma once

#include <QObject>
#include <QString>

#include "core/SlotTables.h"
#include "core/Ui.h"

namespace slotsmith {

class BankMapBinding;
class ListFilter;
class ListWindow;

struct ListAids {
  ListFilter* filters[2] = {};  // by SlotList
  BankMapBinding* maps[2] = {};
  ListFilter* filter(SlotList list) const { return filters[static_cast<int>(list)]; }
  BankMapBinding* map(SlotList list) const { return maps[static_cast<int>(list)]; }
};

// The setting that shows or hides the bank maps of every list window (Window > Show Bank Maps).
inline const QString kShowBankMapsKey = QStringLiteral("showBankMaps");

// Wires the filters and maps of the window's lists, which must have their models; owned by owner.
ListAids attachListAids(const SlotTables& tables, ListWindow& window, QObject* owner);

}  // namespace slotsmith
