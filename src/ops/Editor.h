// Every edit of a database, as the front ends start them. Each edit runs the same four steps:
// plan the whole change as a list of primitive steps (touching nothing), check that every step
// can succeed, carry the steps out in order, and finish with a rescan and the affected names file.
//
// Confirmations, warnings, progress and failure reports go through the Ui port with the texts the
// user knows from the desktop application; the same texts reach the terminal in the CLI. An edit
// that cannot be done (no root, a block that does not fit the bank, a target taken) is refused
// before anything on disk changes; a step that fails while carrying out stops the edit, the lists
// are rescanned, and the user is told exactly what was done and what was not.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Database.h"
#include "ops/EditPlan.h"
#include "ops/ModelEditPlan.h"
#include "ops/ReferenceRenumbering.h"
#include "ops/SlotRelocation.h"

namespace slotsmith {

// Row numbers (= slot numbers 0..999) of a drag or a selection, in any order; duplicates and
// numbers outside 0..999 are ignored.
using RowSet = std::vector<int>;

// The slot numbers of a row set: ascending, without duplicates, only 0..999.
std::vector<int> slotsOf(const RowSet& rows);

struct EditOutcome {
  enum class Kind {
    Done,        // carried out (and rescanned)
    Cancelled,   // the user declined; nothing changed, no rescan
    NoDatabase,  // no root set; nothing changed
    Refused,     // the check refused the edit before any change; message says why
    Failed,      // a step failed while carrying out; message says what was done and what not
  };
  Kind kind = Kind::Done;
  std::string message;
  int occurrences = 0;  // find and replace: the number of references replaced
  EditPlan plan;        // what was (or, in a dry run, would have been) carried out
};

class Editor {
 public:
  explicit Editor(Database& database);

  // A dry run plans, checks and reports, asks the same questions, and changes nothing.
  void setDryRun(bool dryRun) { dryRun_ = dryRun; }
  bool dryRun() const { return dryRun_; }

  // Copy or move a block of slots so that it starts at destination (0..1000; 1000 means below the
  // last row), the slots behind it making room. Models keep every sound pointing at the same
  // model contents.
  EditOutcome copySounds(const RowSet& rows, int destination);
  EditOutcome copyModels(const RowSet& rows, int destination);
  EditOutcome moveSounds(const RowSet& rows, int destination);
  EditOutcome moveModels(const RowSet& rows, int destination);

  // The selected rows of the list (through the Ui) are deleted ("Delete": slots stay empty) or
  // removed ("Remove": later slots move up), after the three-button alert.
  EditOutcome doDeleteSelectedSounds();
  EditOutcome doDeleteSelectedModels();

  // Replaces the model `find` by `replacement` in the sounds selected in the sound list; the
  // outcome carries the count of occurrences, and the result alert is shown.
  EditOutcome doFindAndReplace(int find, int replacement);

  // Removes every unused model and closes the gaps, from slot 0 or from the first selected model
  // row, after the consolidation alert.
  EditOutcome consolidate();

  // The sound bank's two building blocks, planned from the slot tables and the disk and appended
  // to plan: the compaction closes the gaps of the slots marked for removal from start on, the
  // shift opens a gap of numSounds slots at from. Nothing is added without a root or for a start
  // past slot 999; not ok when the bank cannot be listed or the layout cannot be reached.
  Status deleteAndCompactSoundsStartingAtIndex(int start, EditPlan& plan);
  Status moveSoundsUpFrom(int from, int numSounds, EditPlan& plan);

 private:
  // How the shared run of an edit presents one kind of edit.
  struct EditRun {
    Bank bank = Bank::Sounds;
    std::string title;         // names the edit in warnings and failure reports, e.g. "Move sounds"
    std::string progressText;  // empty: no progress display
    int progressMaximum = 999;
    bool disableDrops = false;
    bool writeNamesFile = true;  // find and replace changes no name and writes none
    // Shown when the sound scripts' references start being rewritten; empty keeps the text.
    std::string scriptProgressText = {};
    // What else a failure after the given number of steps leaves inconsistent (the sounds whose
    // model references are stale); empty when nothing is.
    std::function<std::string(std::size_t stepsDone)> describeInconsistency = nullptr;
  };

  // The steps that bring a bank from what is on disk to the layout, with the notes and the count
  // of occupied slots leaving the bank; not ok when the bank cannot be listed or the layout
  // cannot be reached. relocation (when given) receives the planner's full result.
  Status planLayout(Bank bank, const std::string& root, const SlotLayout& layout, EditPlan& plan,
                    SlotRelocation* relocation = nullptr);
  // Checks a confirmed edit's plan, warns when occupied slots would leave the bank, carries it
  // out with progress, and finishes with the rescan and the bank's names file.
  EditOutcome runPlannedEdit(const EditRun& run, EditPlan plan);
  // Refuses an edit before anything changed: the user is told why.
  EditOutcome refuse(const std::string& title, const std::string& reason);
  // The start every copy and move shares: the root, the slots, a block that fits the bank, and
  // the confirmation (informativeFormat takes count, first slot and destination). False, with the
  // outcome filled in, when the edit ends here.
  struct BlockEdit {
    std::string root;
    std::vector<int> slots;
    int destination = 0;
  };
  bool startBlockEdit(const RowSet& rows, int destination, const std::string& title,
                      const char* informativeFormat, const char* noun, BlockEdit& edit,
                      EditOutcome& outcome);
  // Collects the rows selected in the list into slots and asks the delete-or-remove alert about
  // them; returns the answer (Cancel, Delete or Remove).
  int askDeleteOrRemove(SlotList list, std::vector<int>& slots);
  bool confirmLeavingBank(const EditRun& run, const EditPlan& plan);
  void reportFailure(const EditRun& run, const EditPlan& plan, const CarryOutResult& result,
                     EditOutcome& outcome);
  // Rescans and rewrites the bank's names file. A names file that cannot be written is reported
  // to the user; the report is returned (empty when it was written).
  std::string finishEdit(Bank bank);
  // How many of the slots hold a sound (a readable sound.script) or a model (a folder).
  int countOccupied(Bank bank, const std::string& root, const std::vector<int>& slots);
  EditOutcome deleteSounds(const std::string& root, const std::vector<int>& slots);
  EditOutcome removeSounds(const std::vector<int>& slots);
  // The model edits (ModelEdits.cpp): the folder steps to the layout, then the script writes that
  // make every reference follow its model; a failure names the sounds with stale references.
  EditOutcome runModelEdit(EditRun run, const std::string& root, const SlotLayout& layout,
                           ReferenceRenumbering renumbering);
  EditOutcome runWithReferenceRewrites(EditRun run, ModelEditPlan edit);

  Database& database_;
  bool dryRun_ = false;
};

}  // namespace slotsmith
