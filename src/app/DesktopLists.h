// The two slot lists of the list window as the windows and actions work with them: their views
// and models, which rows are selected, their filters and bank maps, the selection following from
// one list into the other and the drop preview. The controller makes it and hands it to every
// part that reads a selection or writes to the status bar, so none of them needs the controller.
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <vector>

#include "app/ListAids.h"
#include "app/ListRows.h"
#include "core/SlotTables.h"
#include "core/Ui.h"

namespace slotsmith {

class Database;
class DropPreviewer;
class ListFilter;
class ListWindow;
class ModelListModel;
class SelectionFollower;
class SlotListModel;
class SlotTableView;
class SoundListModel;

class DesktopLists : public QObject {
  Q_OBJECT

 public:
  // Gives the window's views their models at once: the menus and the edit actions follow the
  // selections from the moment they are built.
  DesktopLists(ListWindow& window, const SlotTables& tables, QObject* parent = nullptr);

  // The filters, the bank maps and the selection following, made once the window is set up (the
  // start-up sequence).
  void prepareAids();

  // The sound list marks damaged scripts of this database, read when a tool tip asks.
  void markOddScriptsOf(Database& database);
  // Marks the sound slots only this database holds (SoundListModel::setAtRiskSlots).
  void markAtRisk(std::vector<bool> slots);

  ListWindow& window() const { return window_; }
  SlotListModel* model(SlotList list) const;
  SlotTableView* view(SlotList list) const;
  // The selected rows of the list, in ascending order, each once.
  QList<int> selectedRows(SlotList list) const;
  // The lowest selected row of the list, or -1 when none is.
  int firstSelectedRow(SlotList list) const;
  ListFilter* filter(SlotList list) const { return aids_.filter(list); }
  BankMapBinding* bankMap(SlotList list) const { return aids_.map(list); }
  SelectionFollower* follower() const { return follower_; }
  // What a drag over the lists would do, shown while it hovers.
  DropPreviewer* previewer() const { return previewer_; }

  // A short message in the list window's status bar, until the next one.
  void showStatus(const QString& text);
  // Shows the list window in front, on a screen.
  void showWindow();

 private:
  void showSelectionCount();

  ListWindow& window_;
  const SlotTables& tables_;
  SoundListModel* soundModel_;
  ModelListModel* modelModel_;
  SelectionFollower* follower_ = nullptr;
  DropPreviewer* previewer_;
  ListAids aids_;
};

}  // namespace slotsmith
