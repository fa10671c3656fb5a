// The run every edit shares, and what each kind of edit uses to plan itself. A kind of edit
// (one file each: BlockEdits, DeleteEdits, FindReplace, Consolidation) turns its request into a
// planned edit: the settings that say how it is presented, and the plan of steps. The runner then
// does the rest the same way for all of them:
//
//   check the change set -> confirm slots leaving the bank -> add the names files, from a scan of
//   the database as the change set leaves it -> carry out as a transaction with progress (see
//   Transaction.h) -> the tables of that scan become the database's -> report
//
// Nothing here is part of the public interface; front ends go through runEdit (Edits.h).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/UserText.h"
#include "ops/EditPlan.h"
#include "ops/Edits.h"
#include "ops/ModelEditPlan.h"
#include "ops/ReferenceRenumbering.h"
#include "ops/SlotRelocation.h"
#include "ops/Transaction.h"

namespace slotsmith {

// How the runner presents one kind of edit.
struct EditSettings {
  Bank bank = Bank::Sounds;
  std::string title = {};       // names the edit in the history and in reports, e.g. "Move sounds"
  std::string shownTitle = {};  // the title in the user's language, for questions; empty: title
  std::string progressText = {};  // empty: no progress display
  int progressMaximum = 999;
  bool disableDrops = false;
  bool writeNamesFile = true;        // find and replace changes no name and writes none
  bool writeBothNamesFiles = false;  // an import of sounds also brings models
  // The names files are rewritten after the transaction instead of within it (the undo of an
  // edit journaled by an earlier version, whose names files are not among its renames).
  bool rewriteNamesAfter = false;
};

struct PlannedEdit {
  EditSettings settings = {};
  EditPlan plan = {};
};

// One edit in progress: the database it works on, its root, and the options it runs with.
class EditContext {
 public:
  EditContext(Database& database, std::string root, const EditOptions& options);

  Database& database() { return database_; }
  FileSystem& fileSystem() { return database_.fileSystem(); }
  Ui& ui() { return database_.ui(); }
  const std::string& root() const { return root_; }
  const EditOptions& options() const { return options_; }

  // Keeps the tables of the locked scan the edit plans from, before planning touches them: the
  // tables after a change set that only moves sound folders are these, permuted.
  void rememberScan(const SlotTables& tables) { scanned_ = std::make_unique<SlotTables>(tables); }

  // Tells the user why the edit is refused before anything changed.
  EditOutcome refuse(const std::string& title, const std::string& reason);
  // Asks; true when the user gave the question's confirming answer.
  bool confirm(const Question& question);

  // The changes that bring a bank from what is on disk to the layout, with the notes and the count
  // of occupied slots leaving the bank, appended to plan; not ok when the bank cannot be listed
  // or the layout cannot be reached. relocation (when given) receives the planner's full result.
  Status planLayout(Bank bank, const SlotLayout& layout, EditPlan& plan,
                    SlotRelocation* relocation = nullptr);

  // Checks a confirmed edit's change set, warns when occupied slots would leave the bank, adds the
  // bank's names file and carries it out with progress.
  EditOutcome run(PlannedEdit edit);

  // A model edit: the folder changes to the layout, and the script writes that make every
  // reference follow its model. scriptProgressText (when not empty) is shown once the script
  // writes begin.
  EditOutcome runModelEdit(EditSettings settings, const SlotLayout& layout,
                           ReferenceRenumbering renumbering,
                           const std::string& scriptProgressText = {});

  // Runs a transaction (an edit's, an undo's or a redo's) with the settings' progress display
  // and reports a failure. Once it is done, `after` becomes the database's tables (a rescan
  // when there are none).
  EditOutcome carryOutTransaction(
      const EditSettings& settings,
      const std::function<TransactionResult(const TransactionSettings&)>& transaction,
      std::unique_ptr<SlotTables> after = nullptr);

 private:
  // How many of the slots hold a sound (a readable sound.script) or a model (a folder).
  int countOccupied(Bank bank, const std::vector<int>& slots);
  bool confirmLeavingBank(const EditSettings& settings, const EditPlan& plan);
  EditOutcome reportFailure(const std::string& title, const TransactionResult& result);
  // Adds to the change set the names files it changes, from a scan of the database as the change
  // set leaves it, whose tables go to `after` (none when a file could not be read).
  Status addNamesFiles(const EditSettings& settings, EditPlan& plan,
                       std::unique_ptr<SlotTables>& after);
  void adoptTables(std::unique_ptr<SlotTables> after);
  // Rewrites the names files from the tables, outside a transaction (see rewriteNamesAfter). A
  // names file that cannot be written is reported; the report is returned.
  std::string rewriteNamesFiles(const EditSettings& settings);

  Database& database_;
  std::unique_ptr<SlotTables> scanned_;
  std::string root_;
  EditOptions options_;
  bool leavingNoteShown_ = false;
  int leavingAgreed_ = 0;  // occupied slots leaving the bank the user agreed to in a confirmation
};

// The kinds of edit, each in its own file. Slots arrive ascending, without duplicates, 0..999.
EditOutcome copySlots(EditContext& context, const CopyRequest& request);
EditOutcome moveSlots(EditContext& context, const MoveRequest& request);
EditOutcome deleteSlots(EditContext& context, const DeleteRequest& request);
EditOutcome findAndReplace(EditContext& context, const FindReplaceRequest& request);
EditOutcome consolidate(EditContext& context, const ConsolidateRequest& request);
EditOutcome renameSlots(EditContext& context, const RenameRequest& request);
EditOutcome importSounds(EditContext& context, const ImportSoundsRequest& request);
EditOutcome importModels(EditContext& context, const ImportModelsRequest& request);
EditOutcome placeSounds(EditContext& context, const PlaceSoundsRequest& request);
// "Place list NAME" ("Place sounds from the library" without a list), the name's control
// characters made spaces: the title is one journal line.
std::string placeTitle(const std::string& listName);
EditOutcome dedupeModels(EditContext& context, const DedupeRequest& request);
EditOutcome undoOrRedo(EditContext& context, HistoryDirection direction);
EditOutcome exportNames(EditContext& context);
EditOutcome clearEmptyReferences(EditContext& context);
EditOutcome restoreDatabase(EditContext& context, const RestoreRequest& request);
EditOutcome arrangeSlots(EditContext& context, const ArrangeRequest& request);

// The title of an arrangement, e.g. "Sort sounds by name".
std::string arrangementTitle(Bank bank, Arrangement arrangement);

// "sound" or "model".
const char* nounOf(Bank bank);

// What a model edit shows once the folders are in place and the sounds' references are rewritten.
inline constexpr TextTemplate kUpdatingSounds = USER_TEXT("Progress", "Updating sounds...");

// "Nothing was changed: " and the reason, in the user's language.
std::string nothingChanged(const std::string& reason);
// What a dry run reports, in the user's language.
std::string dryRunText();

}  // namespace slotsmith
