// Selection following: with the check box on, selecting sounds selects the models they use
// (switched-on references only), and selecting models selects every occupied sound that refers
// to one of them (switched on or off). Only a change the user makes in the list that has the
// focus is followed, so the change made here in the other list is never followed back. The other
// list's new selection is applied as one change, not one per row.
#pragma once

#include <QObject>

#include "core/SlotTables.h"
#include "core/Ui.h"

class QAbstractButton;
class QAbstractItemView;
class QWidget;

namespace slotsmith {

class SelectionFollower : public QObject {
  Q_OBJECT

 public:
  SelectionFollower(const slotsmith::SlotTables& tables, QAbstractItemView* soundList,
                    QAbstractItemView* unusedList, QAbstractButton* realtimeSearch,
                    QObject* parent = nullptr);

  // Follows the selection of list into the other list, if the check box is on.
  void selectRow(slotsmith::SlotList list);

  // Every sound with a reference (on or off) to a selected model becomes the sound selection.
  void selectSoundsOfSelectedModels();

 private:
  void selectionDidChange(slotsmith::SlotList list);
  void selectModelsOfSelectedSounds();

  const slotsmith::SlotTables& tables_;
  QAbstractItemView* soundList_;
  QAbstractItemView* unusedList_;
  QAbstractButton* realtimeSearch_;
};

}  // namespace slotsmith
