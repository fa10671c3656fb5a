// The duplicates of the open database in a window of their own: the groups of identical models and
// of sounds identical but for their names (core/Duplicates.h), read from the disk. Choosing a
// group selects exactly its rows in the slot list, so the user sees where the copies are and can
// work on them there. The models can be merged from here: every reference then points at the
// lowest copy of its group and the other copies are deleted, as one undoable edit.
//
// The search reads every model folder, so it runs when asked (the window is shown, the check box
// or Refresh is used) and after every edit or newly opened database while the window is visible;
// a hidden window is searched again when it is shown.
#pragma once

#include <QWidget>

#include "core/Duplicates.h"
#include "core/Ui.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace slotsmith {

class DatabaseSession;
class DesktopEdits;
class DesktopLists;

class DuplicatesWindow : public QWidget {
  Q_OBJECT

 public:
  DuplicatesWindow(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists,
                   QWidget* parent = nullptr);

  // Searches the open database again; lists nothing while none is open.
  void refresh();
  // Merges the duplicate models as the check box compares them; the engine asks first.
  void mergeModels();

  QTreeWidget* groupList() const { return groups_; }
  QCheckBox* compareNames() const { return compareNames_; }
  QLabel* findings() const { return findings_; }
  QLabel* unreadable() const { return unreadable_; }
  QPushButton* mergeButton() const { return merge_; }

 private:
  void addGroups(SlotList list, const DuplicateGroups& duplicates);
  void showFindings(const DuplicateGroups& models, const DuplicateGroups& sounds);
  void selectGroup(const QTreeWidgetItem* item);

  DatabaseSession& session_;
  DesktopEdits& edits_;
  DesktopLists& lists_;
  QTreeWidget* groups_;
  QCheckBox* compareNames_;
  QLabel* findings_;
  QLabel* unreadable_;
  QPushButton* refresh_;
  QPushButton* merge_;
};

}  // namespace slotsmith
