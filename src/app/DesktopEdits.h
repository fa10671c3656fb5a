// Every edit the windows start leaves through here: a row drop, a menu item, a dialog's button.
// The request goes to the engine with the fingerprint of the picture the user chose from and the
// answers the window already has (an undo on a key press, a name typed in place, slots leaving
// the bank named in the confirmation); the engine's one locked scan refuses it when the disk is
// not what was shown. Afterwards the lists are redrawn once and the selection is what the edit
// placed: the block at its new place after a copy or a move, the slots put back after an undo.
#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

struct Interface;
class DatabaseSession;
class DesktopUi;
class SlotTableView;

class DesktopEdits : public QObject {
  Q_OBJECT

 public:
  DesktopEdits(Interface& interface, DesktopUi& ui, DatabaseSession& session,
               std::function<void(QString)> status, QObject* parent = nullptr);

  // How the user asked for the edit, where it spares a question.
  enum class Asked {
    ByMenuOrDrop,  // the engine asks its confirmation
    Already,       // the user's own gesture was the confirmation (a key press, a name typed in)
  };

  // Runs one edit on the open database; the selection and the status bar follow its outcome.
  // With readingThrough, the edit sees the disk through that view: a pack or a backup shown read
  // only at its file's path, from which the edit copies.
  EditOutcome run(const EditRequest& request, FileSystem* readingThrough = nullptr,
                  Asked asked = Asked::ByMenuOrDrop);

  // A drop between rows of a list: the copy or move of the dragged rows to the target row.
  void runRowDrop(SlotList list, const QList<int>& rows, int row, Qt::DropAction action);

  void selectSlots(SlotList list, const std::vector<int>& slots);
  void clearSelection(SlotList list);

 Q_SIGNALS:
  // An edit ran (or was refused or declined): what can be done next may have changed.
  void finished();

 private:
  EditOutcome runReading(FileSystem& view, const EditRequest& request, const EditOptions& options);
  void followOutcome(const EditRequest& request, const EditOutcome& outcome, int undoneEntry);
  void selectBlock(SlotList list, int first, int count);
  SlotTableView* view(SlotList list) const;

  Interface& interface_;
  DesktopUi& ui_;
  DatabaseSession& session_;
  std::function<void(QString)> status_;
  // Where a block edit of this run put its block, by the history entry that records it: an undo
  // puts the block back where it came from, a redo where it went, and the selection follows the
  // block rather than every slot that shifted to make room.
  struct PlacedBlock {
    SlotList list;
    std::vector<int> from;
    std::vector<int> to;
  };
  std::map<int, PlacedBlock> placed_;
};

}  // namespace slotsmith
