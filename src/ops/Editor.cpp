#include "ops/Editor.h"

#include <algorithm>
#include <cstdio>

namespace slotsmith {

namespace {

// Failure reports list at most this many steps or paths; the rest is counted.
constexpr std::size_t kListedLines = 12;

EditOutcome outcomeOf(EditOutcome::Kind kind, std::string message = {}) {
  EditOutcome outcome;
  outcome.kind = kind;
  outcome.message = std::move(message);
  return outcome;
}

std::string formatBlockText(const char* format, int count, int first, int destination) {
  char text[512];
  std::snprintf(text, sizeof text, format, count, first, destination);
  return text;
}

// Lines for a report: the first few items, then how many more there are.
std::string listLines(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size() && i < kListedLines; ++i)
    text += "\n  " + items[i];
  if (items.size() > kListedLines) {
    text += "\n  ... and " + std::to_string(items.size() - kListedLines) + " more";
  }
  return text;
}

const char* nounOf(Bank bank) {
  return bank == Bank::Sounds ? "sound" : "model";
}

}  // namespace

std::vector<int> slotsOf(const RowSet& rows) {
  std::vector<int> slots;
  for (int row : rows) {
    if (row >= 0 && row < kSlotCount) slots.push_back(row);
  }
  std::sort(slots.begin(), slots.end());
  slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
  return slots;
}

Editor::Editor(Database& database) : database_(database) {}

EditOutcome Editor::refuse(const std::string& title, const std::string& reason) {
  database_.ui().showMessage(title, "Ok", reason);
  return outcomeOf(EditOutcome::Kind::Refused, reason);
}

bool Editor::startBlockEdit(const RowSet& rows, int destination, const std::string& title,
                            const char* informativeFormat, const char* noun, BlockEdit& edit,
                            EditOutcome& outcome) {
  const DatabaseRoot root = database_.root();
  if (!root) {
    outcome = outcomeOf(EditOutcome::Kind::NoDatabase, "No database is open.");
    return false;
  }
  edit.root = *root;
  edit.slots = slotsOf(rows);
  edit.destination = destination;
  const int count = static_cast<int>(edit.slots.size());
  if (count == 0) {
    outcome = refuse(title, std::string("No ") + noun + "s were chosen.");
    return false;
  }
  // A block that runs past slot 999 would land its own slots outside the bank, where the
  // synthesizer never sees them; such a drop is refused before anything is asked.
  if (destination < 0 || destination + count > kSlotCount) {
    outcome = refuse(title, "A block of " + std::to_string(count) + " " + noun +
                                "s does not fit at slot #" + std::to_string(destination) +
                                ": the bank ends at slot #999, so the block can start at slot #" +
                                std::to_string(kSlotCount - count) + " at the latest.");
    return false;
  }
  const std::string informative =
      formatBlockText(informativeFormat, count, edit.slots.front(), destination);
  const int answer = database_.ui().ask(title, informative, {"Ok", "Cancel", ""});
  if (answer != kAlertDefault) {
    outcome = outcomeOf(EditOutcome::Kind::Cancelled);
    return false;
  }
  return true;
}

int Editor::countOccupied(Bank bank, const std::string& root, const std::vector<int>& slots) {
  if (bank == Bank::Models) return static_cast<int>(slots.size());
  FileSystem& fs = database_.fileSystem();
  return static_cast<int>(std::count_if(slots.begin(), slots.end(), [&](int slot) {
    return fs.canReadFile(soundScriptPath(root, slot));
  }));
}

Status Editor::planLayout(Bank bank, const std::string& root, const SlotLayout& layout,
                          EditPlan& plan, SlotRelocation* relocation) {
  std::vector<std::string> listing;
  Status listed = database_.fileSystem().listFolder(bankFolderPath(root, bank), listing);
  // A database without a Sounds or Models folder simply has no slot folders in that bank.
  if (!listed.isOk() && !listed.isNotFound()) return listed;
  SlotRelocation planned = planSlotRelocation(bank, root, listing, layout);
  if (!planned.status.isOk()) return planned.status;
  for (EditStep& step : planned.steps)
    plan.steps.push_back(std::move(step));
  for (std::string& path : planned.temporaryPaths)
    plan.temporaryPaths.push_back(std::move(path));
  for (std::string& note : planned.notes)
    plan.notes.push_back(std::move(note));
  plan.occupiedSlotsLeavingBank += countOccupied(bank, root, planned.slotsLeavingBank);
  if (relocation != nullptr) *relocation = std::move(planned);
  return Status::ok();
}

int Editor::askDeleteOrRemove(SlotList list, std::vector<int>& slots) {
  Ui& ui = database_.ui();
  slots.clear();
  for (int row = 0; row < kSlotCount; ++row) {
    if (ui.isRowSelected(list, row)) slots.push_back(row);
  }
  const char* noun = list == SlotList::Sounds ? "sounds" : "models";
  char informative[256];
  std::snprintf(informative, sizeof informative,
                "Are you sure you want to delete or remove %d selected %s now? This cannot be "
                "undone.\n\nDeleting leaves empty slots, remove moves the remaining %s up.",
                static_cast<int>(slots.size()), noun, noun);
  return ui.ask(std::string("Delete/remove selected ") + noun, informative,
                {"Cancel", "Delete", "Remove"});
}

bool Editor::confirmLeavingBank(const EditRun& run, const EditPlan& plan) {
  const std::string noun = nounOf(run.bank);
  const std::string informative =
      std::to_string(plan.occupiedSlotsLeavingBank) + " occupied " + noun +
      " slots will be pushed past slot #999 into folders outside the bank, where the synthesizer "
      "no longer sees them:" +
      listLines(plan.notes) + "\n\nDo you want to continue?";
  const int answer = database_.ui().ask(run.title + ": " + noun + "s will leave the bank",
                                        informative, {"Cancel", "Continue", ""});
  return answer == kAlertAlternate;
}

std::string Editor::finishEdit(Bank bank) {
  database_.evaluateNeuronDb();
  const Status written =
      bank == Bank::Sounds ? database_.updateSoundNames() : database_.updateModelNames();
  if (written.isOk()) return {};
  const std::string text = "The names file could not be written: " + written.message();
  database_.ui().showMessage(
      bank == Bank::Sounds ? "SoundNames not written" : "ModelNames not written", "Ok", text);
  return text;
}

void Editor::reportFailure(const EditRun& run, const EditPlan& plan, const CarryOutResult& result,
                           EditOutcome& outcome) {
  const std::size_t total = plan.steps.size();
  const std::size_t done = result.stepsDone;
  std::string text = "Step " + std::to_string(done + 1) + " of " + std::to_string(total) +
                     " failed: could not " + plan.steps[done].describe() + " (" +
                     result.status.message() + ").\n";
  text += std::to_string(done) + " steps were done; the remaining " + std::to_string(total - done) +
          " were not.";
  std::vector<std::string> doneSteps;
  for (std::size_t i = 0; i < done; ++i)
    doneSteps.push_back(plan.steps[i].describe());
  if (!doneSteps.empty()) text += "\nDone:" + listLines(doneSteps);
  const std::vector<std::string> waiting = temporaryPathsInUse(plan, done);
  if (!waiting.empty()) {
    text += "\nThese folders wait under temporary names; nothing in them was lost:" +
            listLines(waiting);
  }
  if (run.describeInconsistency) {
    const std::string inconsistent = run.describeInconsistency(done);
    if (!inconsistent.empty()) text += "\n" + inconsistent;
  }
  text += "\nThe lists show the database as it is on disk now.";
  database_.ui().showMessage(run.title + " failed", "Ok", text);
  outcome.kind = EditOutcome::Kind::Failed;
  outcome.message = text;
}

EditOutcome Editor::runPlannedEdit(const EditRun& run, EditPlan plan) {
  Ui& ui = database_.ui();
  FileSystem& fs = database_.fileSystem();
  if (plan.title.empty()) plan.title = run.title;
  if (Status checked = checkPlan(plan, fs); !checked.isOk()) {
    EditOutcome outcome = refuse(run.title, "Nothing was changed: " + checked.message());
    outcome.plan = std::move(plan);
    return outcome;
  }
  if (plan.occupiedSlotsLeavingBank > 0 && !confirmLeavingBank(run, plan)) {
    EditOutcome outcome = outcomeOf(EditOutcome::Kind::Cancelled);
    outcome.plan = std::move(plan);
    return outcome;
  }
  EditOutcome outcome;
  if (dryRun_) {
    outcome.message = "Dry run: nothing was changed.";
    outcome.plan = std::move(plan);
    return outcome;
  }
  if (run.disableDrops) ui.setDropDisabled();
  const bool showProgress = !run.progressText.empty();
  if (showProgress) ui.openProgressWithText(run.progressText, run.progressMaximum);
  const CarryOutResult result =
      carryOut(plan, fs, showProgress ? &ui : nullptr, run.progressMaximum);
  if (showProgress) ui.closeProgress();
  if (run.disableDrops) ui.setDropEnabled();
  std::string namesFailure;
  if (run.writeNamesFile) {
    namesFailure = finishEdit(run.bank);
  } else {
    database_.evaluateNeuronDb();
  }
  if (!result.status.isOk()) {
    reportFailure(run, plan, result, outcome);
  } else if (!namesFailure.empty()) {
    outcome.kind = EditOutcome::Kind::Failed;
    outcome.message = "The edit was carried out. " + namesFailure;
  }
  outcome.plan = std::move(plan);
  return outcome;
}

}  // namespace slotsmith
