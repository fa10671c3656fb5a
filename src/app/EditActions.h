// The edits as the windows start them: the contextual menus of the two lists, delete/remove,
// copy and move to a slot number typed in (the keyboard's way to do what a row drag does), find
// and replace, consolidation, the names export and the reveal of a slot's file. Each one hands
// the work to the edit engine, which asks, shows progress, rescans and reports. Beside them the
// two windows that look without editing: the duplicates (from which they are merged) and the
// comparison of two sounds.
#pragma once

#include <QList>
#include <QObject>
#include <memory>

#include "app/DesktopEdits.h"
#include "core/Ui.h"
#include "ops/Edits.h"

class QMenu;
class QModelIndex;

namespace slotsmith {

class CompareWindow;
class DatabaseSession;
class DesktopEdits;
class DesktopLists;
class DuplicatesWindow;
class FindReplaceWindow;

class EditActions : public QObject {
  Q_OBJECT

 public:
  // ui reports what is refused before an edit runs.
  EditActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists,
              FindReplaceWindow& findReplace, Ui& ui, QObject* parent = nullptr);
  ~EditActions() override;

  QMenu* soundContextualMenu() const { return soundContextualMenu_; }
  QMenu* modelContextualMenu() const { return modelContextualMenu_; }
  // Fills the list's menu anew: its one item, titled for the list, enabled with a selection.
  void updateContextualMenu(slotsmith::SlotList list);

  // The one name of the deletion, in the lists' own menus and in the menu bar: the lists' menu
  // item as the system's own description titles it, word for word.
  static QString deleteSelectedTitle(slotsmith::SlotList list);

  void doDeleteSelectedSounds();
  void doDeleteSelectedModels();
  // Asks for a slot number and copies or moves the selected rows there, as a row drop would.
  void copyOrMoveSelectedTo(slotsmith::SlotList list, bool copy);
  // Sorts the selected slots by name or by model (sounds), or closes their gaps, as one edit: the
  // rows that will move are tinted while the question is asked.
  void arrangeSelected(slotsmith::SlotList list, slotsmith::Arrangement arrangement);
  // asked is Already when the user chose the slot in the dialog that previewed the edit: its OK is
  // the confirmation.
  void copyOrMoveSelectedTo(slotsmith::SlotList list, bool copy, int destination,
                            DesktopEdits::Asked asked = DesktopEdits::Asked::ByMenuOrDrop);

  void showFindAndReplace();
  void doFindAndReplace();
  void cancelFindAndReplace();

  void consolidate();

  // The duplicates window, searched anew and brought to the front.
  void showDuplicates();
  DuplicatesWindow* duplicatesWindow() const { return duplicates_.get(); }
  // Merges every group of identical models, names compared, into its lowest slot.
  void mergeDuplicateModels();

  // The two selected sound rows when exactly two are selected and both hold a sound; else none.
  QList<int> twoSelectedSounds() const;
  // The two selected sounds side by side; a script that cannot be read is reported instead.
  void compareSelectedSounds();
  CompareWindow* compareWindow() const { return compare_.get(); }

  // Renames the slots of the list from a names file (the SoundNames or ModelNames the program
  // writes, edited, or NNN<TAB>name lines), in one edit; the file is chosen in a dialog.
  void applyNamesFile(slotsmith::SlotList list);
  void applyNamesFile(slotsmith::SlotList list, const QString& file);
  void updateSoundAndModelFiles();

  // The slot's file (the model's MName, the sound's sound.script) in the file manager.
  void doubleClickedUnusedAction(int row);
  void doubleClickedSoundAction(int row);
  // The path revealed for a row, empty without a database root.
  QString revealPathFor(slotsmith::SlotList list, int row);

 private:
  void showContextualMenu(slotsmith::SlotList list, const QPoint& position);
  void doDeleteSelected(slotsmith::SlotList list);
  void selectSoundsUsingSelectedModels();
  void reveal(slotsmith::SlotList list, int row);
  void fillPopups();

  DatabaseSession& session_;
  DesktopEdits& edits_;
  DesktopLists& lists_;
  FindReplaceWindow& findReplace_;
  Ui& ui_;
  QMenu* soundContextualMenu_;
  QMenu* modelContextualMenu_;
  // Made when first asked for; they belong to the list window, so they never count as the
  // application's last window.
  std::unique_ptr<DuplicatesWindow> duplicates_;
  std::unique_ptr<CompareWindow> compare_;
};

}  // namespace slotsmith
