// Every edit is a transaction. One sweep over a table of edits fails every change and every read
// in turn, and also cuts the power at every change, then recovers each tree the disk may hold
// after the cut (changes since the last flush kept in order, each one of them lost, the last one
// torn) on a fresh Database: afterwards the database (every file but the hidden .slotsmith
// folder, names files included) is byte for byte as before the edit or as after it, no temporary
// name is left, and the names files list what a scan of the slots finds. At every cut the
// newest journal is also damaged (emptied, cut, torn, garbage, planted): then no slot data may be
// lost and nothing outside the database touched. Random sequences of
// edits, undone one by one, give back every earlier tree, and redone, every later one.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <ostream>
#include <random>
#include <regex>
#include <set>
#include <utility>

#include "core/Database.h"
#include "ops/Edits.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"
#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/InMemoryFileSystem.h"
#include "support/JournalText.h"
#include "support/PowerLossFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

const std::string kRoot = "/db";
const std::string kOtherRoot = "/other";

// Confirms every question with its confirming answer, as --yes does.
class ConfirmingUi : public FakeUi {
 public:
  int ask(const Question& question) override {
    questions.push_back({question.message, question.informative, question.buttons,
                         question.confirmingAnswer, question.isWarning});
    return question.confirmingAnswer;
  }
};

using Tree = std::map<std::string, std::string>;

// Every path below the root with its bytes ("/" for a folder), without the hidden folder.
Tree snapshot(const InMemoryFileSystem& fs) {
  Tree tree;
  for (const std::string& path : fs.treeBelow(kRoot)) {
    if (path.starts_with(".slotsmith")) continue;
    tree[path] = path.ends_with("/") ? "/" : fs.contentsOf(kRoot + "/" + path);
  }
  return tree;
}

// Twelve models and twenty sounds referring to them in a pattern, with both names files.
// The first path where a tree differs from each of two others, for a failure message.
std::string describeDifference(const Tree& now, const Tree& before, const Tree& after) {
  auto first = [&](const Tree& other) -> std::string {
    for (const auto& [path, bytes] : now) {
      auto found = other.find(path);
      if (found == other.end() || found->second != bytes) return path;
    }
    for (const auto& [path, bytes] : other)
      if (!now.count(path)) return "missing " + path;
    return "-";
  };
  return "vs before: " + first(before) + "; vs after: " + first(after);
}

void layOutDatabase(InMemoryFileSystem& fs) {
  for (int slot = 0; slot < 12; ++slot) {
    fs.addFile(modelNamePath(kRoot, slot), "M" + std::to_string(slot) + "\n");
    fs.addFile(slotFolderPath(kRoot, Bank::Models, slot) + "/data", std::to_string(slot * 7));
  }
  for (int slot = 0; slot < 14; ++slot) {
    fs.addFile(soundScriptPath(kRoot, slot), soundScriptText("S" + std::to_string(slot), slot % 12,
                                                             1, (slot * 5) % 12, slot % 2));
  }
  // Another database to import from: one model identical to model 1 here, one new.
  fs.addFile(modelNamePath(kOtherRoot, 0), "M1\n");
  fs.addFile(slotFolderPath(kOtherRoot, Bank::Models, 0) + "/data", "7");
  fs.addFile(modelNamePath(kOtherRoot, 1), "New\n");
  for (int slot = 0; slot < 2; ++slot) {
    fs.addFile(soundScriptPath(kOtherRoot, slot),
               soundScriptText("I" + std::to_string(slot), slot, 1, 0, 0));
  }
  ConfirmingUi ui;
  Database database(ui, fs);
  database.setRoot(kRoot);
  database.evaluateNeuronDb();
  EXPECT_TRUE(database.updateSoundNames().isOk());
  EXPECT_TRUE(database.updateModelNames().isOk());
}

EditOutcome edit(FileSystem& fs, const EditRequest& request) {
  ConfirmingUi ui;
  Database database(ui, fs);
  database.setRoot(kRoot);
  // Consolidation finds the unused models in the lists; every other edit reads the disk itself.
  if (std::holds_alternative<ConsolidateRequest>(request)) database.evaluateNeuronDb();
  return runEdit(database, request);
}

// What a crash or a hand can do to a journal.
std::vector<std::pair<std::string, std::function<std::string(const std::string&)>>>
journalDamages() {
  return {
      {"the journal is empty", [](const std::string&) { return std::string(); }},
      {"the journal is cut in half",
       [](const std::string& text) { return text.substr(0, text.size() / 2); }},
      {"the journal's last line is torn",
       [](const std::string& text) { return text.substr(0, text.size() - 3); }},
      {"the journal is garbage", [](const std::string&) { return std::string("hello\n"); }},
      {"the journal names a path outside the database",
       [](const std::string&) {
         Journal planted;
         planted.renames = {{"Sounds/005.sound", "../other/Sounds/009.sound", 0}};
         planted.firstPhaseRenames = 1;
         return testing::journalWithMarkers(planted, 1, {JournalState::Forward});
       }},
  };
}

// The journal of the newest history entry ("" when there is none).
std::string newestJournal(const InMemoryFileSystem& fs) {
  std::string newest;
  for (const std::string& path : fs.treeBelow(historyFolderPath(kRoot)))
    if (path.ends_with("/journal")) newest = std::max(newest, path);
  return newest.empty() ? newest : historyFolderPath(kRoot) + "/" + newest;
}

// The bytes of every file in the banks and in what the history keeps or moves (or, with
// anywhere, every file below the root): slot data, wherever an edit has put it.
std::set<std::string> slotDataIn(const InMemoryFileSystem& fs, bool anywhere) {
  std::set<std::string> data;
  for (const std::string& path : fs.treeBelow(kRoot)) {
    if (path.ends_with("/")) continue;
    const bool slotData = path.starts_with("Sounds/") || path.starts_with("Models/") ||
                          path.find("/kept/") != std::string::npos ||
                          path.find("/moving/") != std::string::npos;
    if (anywhere || slotData) data.insert(fs.contentsOf(kRoot + "/" + path));
  }
  return data;
}

struct SweepCase {
  std::string title;
  std::vector<EditRequest> setup;  // edits done first, without faults (for undo and redo)
  EditRequest request;
  // Recovery itself loses power too, at each of its own changes, and is recovered again.
  bool cutRecovery = false;
};

void PrintTo(const SweepCase& sweepCase, std::ostream* out) {
  *out << sweepCase.title;
}

// Slots 0 to count - 1.
std::vector<int> allOf(int count) {
  std::vector<int> slots(static_cast<std::size_t>(count));
  std::iota(slots.begin(), slots.end(), 0);
  return slots;
}

std::vector<SweepCase> sweepCases() {
  const MoveRequest moveModels{Bank::Models, {9, 10}, 2};
  const DeleteRequest removeModels{Bank::Models, {3, 5}, Removal::Remove};
  const FindReplaceRequest makeModelFourUnused{
      4, 7, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}};
  return {
      {"copy sounds", {}, CopyRequest{Bank::Sounds, {2, 3}, 7}},
      {"copy models", {}, CopyRequest{Bank::Models, {1}, 4}},
      {"move sounds", {}, MoveRequest{Bank::Sounds, {0, 12}, 5}},
      {"delete models", {}, DeleteRequest{Bank::Models, {6}, Removal::Delete}},
      {"move models", {}, moveModels, true},
      {"delete sounds", {}, DeleteRequest{Bank::Sounds, {4, 6}, Removal::Delete}},
      {"remove sounds", {}, DeleteRequest{Bank::Sounds, {1}, Removal::Remove}},
      {"remove models", {}, DeleteRequest{Bank::Models, {3, 5}, Removal::Remove}},
      {"find and replace", {}, FindReplaceRequest{2, 7, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}}},
      {"redo", {moveModels, UndoRequest{}}, RedoRequest{}},
      {"undo move models", {moveModels}, UndoRequest{}},
      {"undo remove models", {removeModels}, UndoRequest{}},
      {"undo find and replace", {makeModelFourUnused}, UndoRequest{}},
      // Model 4 unused first, so that there is something to consolidate.
      {"consolidate", {makeModelFourUnused}, ConsolidateRequest{}},
      {"undo consolidate", {makeModelFourUnused, ConsolidateRequest{}}, UndoRequest{}},
      // Model 4 unused first, so that a new model has a free slot to go to.
      {"import sounds", {makeModelFourUnused}, ImportSoundsRequest{kOtherRoot, {0, 1}, 3}},
      {"rename sounds", {}, RenameRequest{Bank::Sounds, {{0, "Renamed"}, {5, "Also"}}}},
      {"rename models", {}, RenameRequest{Bank::Models, {{2, "Other"}}}},
      {"import models", {makeModelFourUnused}, ImportModelsRequest{kOtherRoot, {0, 1}}},
      // A copy of model 1 first, so that there is a duplicate to merge.
      {"dedupe", {CopyRequest{Bank::Models, {1}, 4}}, DedupeRequest{}},
      // A deleted model leaves the references to it pointing at its empty slot.
      {"clear empty references",
       {DeleteRequest{Bank::Models, {6}, Removal::Delete}},
       ClearEmptyReferencesRequest{}},
      // Every slot becomes the other database's: most go, two of each bank come.
      {"restore", {}, RestoreRequest{kOtherRoot}},
      // Sounds 12 and 13 play models 0 and 1: they move in between, the others make room.
      {"sort sounds by model", {}, ArrangeRequest{Bank::Sounds, allOf(14), Arrangement::ByModel}},
      // Model 2 renamed to sort last: the models after it move down, in a cycle with it.
      {"sort models by name",
       {RenameRequest{Bank::Models, {{2, "Z"}}}},
       ArrangeRequest{Bank::Models, allOf(12), Arrangement::ByName},
       true},
      {"close gaps in models",
       {DeleteRequest{Bank::Models, {3, 7}, Removal::Delete}},
       ArrangeRequest{Bank::Models, allOf(12), Arrangement::CloseGaps}},
      {"undo sort models",
       {RenameRequest{Bank::Models, {{2, "Z"}}},
        ArrangeRequest{Bank::Models, allOf(12), Arrangement::ByName}},
       UndoRequest{}},
  };
}

class TransactionSweep : public ::testing::TestWithParam<SweepCase> {
 protected:
  // A fresh database with the case's setup done; returns the tree before the edit.
  Tree freshDatabase() {
    if (!prepared) {
      prepared = std::make_unique<InMemoryFileSystem>();
      layOutDatabase(*prepared);
      for (const EditRequest& request : GetParam().setup) {
        EXPECT_TRUE(edit(*prepared, request).isDone());
      }
    }
    memory = std::make_unique<InMemoryFileSystem>(*prepared);
    faulty = std::make_unique<FaultInjectingFileSystem>(*memory);
    return snapshot(*memory);
  }

  // Opens the database afresh, as the next command would, which recovers what is unfinished.
  void reopen() {
    ConfirmingUi ui;
    Database reopened(ui, *memory);
    reopened.setRoot(kRoot);
    const Status recovered = recoverDatabase(reopened);
    ASSERT_TRUE(recovered.isOk()) << recovered.message();
  }

  std::unique_ptr<InMemoryFileSystem> prepared;  // the database before the edit
  std::unique_ptr<InMemoryFileSystem> memory;
  std::unique_ptr<FaultInjectingFileSystem> faulty;
};

TEST_P(TransactionSweep, TheDatabaseIsBeforeOrAfterWhereverAChangeOrReadFailsOrTheProcessDies) {
  const Tree before = freshDatabase();
  faulty->failChange(1u << 30);
  faulty->failRead(1u << 30);
  ASSERT_TRUE(edit(*faulty, GetParam().request).isDone());
  const Tree after = snapshot(*memory);
  ASSERT_NE(before, after);
  // The names files came with the edit, computed before it ran: they list what a scan finds now.
  {
    ConfirmingUi ui;
    Database scanned(ui, *memory);
    scanned.setRoot(kRoot);
    scanned.evaluateNeuronDb();
    EXPECT_EQ(after.at("SoundNames"), scanned.soundNamesText());
    EXPECT_EQ(after.at("ModelNames"), scanned.modelNamesText());
  }
  for (const auto& [path, bytes] : after) {
    EXPECT_EQ(path.find("slotsmith-"), std::string::npos) << "a temporary name: " << path;
  }
  const std::size_t changes = faulty->changesAttempted();
  const std::size_t reads = faulty->readsAttempted();

  for (std::size_t k = 0; k < changes; ++k) {
    SCOPED_TRACE("change " + std::to_string(k) + " of " + std::to_string(changes) + " fails");
    freshDatabase();
    faulty->failChange(k);
    const EditOutcome outcome = edit(*faulty, GetParam().request);
    // A flush or marker that failed after the commit is settled by the next open, and what the
    // edit said is then true: done means after, anything else before.
    reopen();
    const Tree now = snapshot(*memory);
    EXPECT_TRUE(now == (outcome.isDone() ? after : before))
        << (outcome.isDone() ? "said done: " : "said not done: ") << outcome.message;
    EXPECT_FALSE(hasUnfinishedTransaction(*memory, kRoot));
  }
  for (std::size_t k = 0; k < changes; ++k) {
    SCOPED_TRACE("the power fails at change " + std::to_string(k) + " of " +
                 std::to_string(changes));
    freshDatabase();
    PowerLossFileSystem disk(*memory);
    disk.cutPowerAtChange(k);
    static_cast<void>(edit(disk, GetParam().request));
    const std::vector<InMemoryFileSystem> states = disk.statesAfterCut();
    for (std::size_t state = 0; state < states.size(); ++state) {
      SCOPED_TRACE("disk state " + std::to_string(state) + " of " + std::to_string(states.size()));
      *memory = states[state];
      reopen();
      const Tree now = snapshot(*memory);
      ASSERT_TRUE(now == before || now == after) << describeDifference(now, before, after);
      EXPECT_FALSE(hasUnfinishedTransaction(*memory, kRoot));
    }
  }
  // A second cut while recovery runs, at each of its own changes, on the disk the first cut left
  // in order: what that recovery made durable is recovered again, to before or after. Every fourth
  // first cut, which keeps the sweep to seconds (and to minutes under Wine) and still lands in
  // each phase.
  for (std::size_t k = 0; GetParam().cutRecovery && k < changes; k += 4) {
    freshDatabase();
    PowerLossFileSystem firstCut(*memory);
    firstCut.cutPowerAtChange(k);
    static_cast<void>(edit(firstCut, GetParam().request));
    const InMemoryFileSystem cut = firstCut.statesAfterCut().front();
    for (std::size_t r = 0;; ++r) {
      SCOPED_TRACE("the power fails at change " + std::to_string(k) + ", then at change " +
                   std::to_string(r) + " of the recovery");
      *memory = cut;
      PowerLossFileSystem secondCut(*memory);
      secondCut.cutPowerAtChange(r);
      ConfirmingUi ui;
      Database recovering(ui, secondCut);
      recovering.setRoot(kRoot);
      static_cast<void>(recoverDatabase(recovering));
      bool first = true;
      for (const InMemoryFileSystem& state : secondCut.statesAfterCut()) {
        *memory = state;
        // Every byte any slot held when the power failed, whichever way recovery settles it and
        // whatever the next two edits trim from the history (on the disk kept in order).
        const std::set<std::string> slotData = slotDataIn(*memory, false);
        reopen();
        const Tree now = snapshot(*memory);
        ASSERT_TRUE(now == before || now == after) << describeDifference(now, before, after);
        if (!std::exchange(first, false)) continue;
        for (const EditRequest& next : {EditRequest{CopyRequest{Bank::Sounds, {2}, 13}},
                                        EditRequest{MoveRequest{Bank::Sounds, {13}, 0}}}) {
          static_cast<void>(edit(*memory, next));
        }
        const std::set<std::string> kept = slotDataIn(*memory, true);
        ASSERT_TRUE(std::includes(kept.begin(), kept.end(), slotData.begin(), slotData.end()));
      }
      if (secondCut.changesAttempted() <= r) break;
    }
  }
  // The same cuts with the newest journal then damaged by hand or by a disk that lost what it had
  // made durable: the next open may not be able to tell before from after any more, but it never
  // deletes slot data, wherever that was (in the banks, or kept or moving in the history), never
  // touches anything outside the database, and says why when it cannot recover.
  for (std::size_t k = 0; k < changes; ++k) {
    for (const auto& [damage, damaged] : journalDamages()) {
      SCOPED_TRACE("the power fails at change " + std::to_string(k) + ", then " + damage);
      freshDatabase();
      PowerLossFileSystem disk(*memory);
      disk.cutPowerAtChange(k);
      static_cast<void>(edit(disk, GetParam().request));
      *memory = disk.statesAfterCut().front();
      const std::string journal = newestJournal(*memory);
      if (journal.empty()) continue;
      memory->addFile(journal, damaged(memory->contentsOf(journal)));
      const std::set<std::string> slotData = slotDataIn(*memory, false);
      const std::vector<std::string> outside = memory->treeBelow(kOtherRoot);
      ConfirmingUi ui;
      Database reopened(ui, *memory);
      reopened.setRoot(kRoot);
      const Status recovered = recoverDatabase(reopened);
      const std::set<std::string> kept = slotDataIn(*memory, true);
      EXPECT_TRUE(std::includes(kept.begin(), kept.end(), slotData.begin(), slotData.end()));
      EXPECT_EQ(memory->treeBelow(kOtherRoot), outside);
      EXPECT_TRUE(recovered.isOk() || !recovered.message().empty());
    }
  }
  for (std::size_t k = 0; k < reads; ++k) {
    SCOPED_TRACE("read " + std::to_string(k) + " of " + std::to_string(reads) + " fails");
    freshDatabase();
    faulty->failRead(k);
    static_cast<void>(edit(*faulty, GetParam().request));
    // A file the edit cannot read refuses it, names files included; the journal read back for a
    // marker's signature that fails leaves the edit for the next open, as a failed marker does.
    reopen();
    const Tree now = snapshot(*memory);
    EXPECT_TRUE(now == before || now == after) << describeDifference(now, before, after);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryKindOfEdit, TransactionSweep, ::testing::ValuesIn(sweepCases()),
                         [](const ::testing::TestParamInfo<SweepCase>& info) {
                           std::string name = info.param.title;
                           for (char& c : name)
                             if (c == ' ') c = '_';
                           return name;
                         });

// A random edit of either bank that the engine may carry out or refuse.
EditRequest randomEdit(std::mt19937& random) {
  auto slot = [&](int below) { return static_cast<int>(random() % below); };
  const Bank bank = random() % 2 ? Bank::Sounds : Bank::Models;
  const int first = slot(bank == Bank::Sounds ? 14 : 12);
  const std::vector<int> slots{first, first + slot(3)};
  switch (random() % 7) {
    case 0:
      return CopyRequest{bank, slots, slot(24)};
    case 1:
      return MoveRequest{bank, slots, slot(24)};
    case 2:
      return DeleteRequest{bank, slots, Removal::Delete};
    case 3:
      return DeleteRequest{bank, slots, Removal::Remove};
    case 4:
      return FindReplaceRequest{slot(12), slot(14) - 1, {0, 2, 3, 5, 8, 13}};
    case 5: {
      const Arrangement arrangement = bank == Bank::Sounds && random() % 2 == 0
                                          ? Arrangement::ByModel
                                          : static_cast<Arrangement>(random() % 2 * 2);
      return ArrangeRequest{bank, allOf(first + 1 + slot(8)), arrangement};
    }
    default:
      return ConsolidateRequest{};
  }
}

// The slot counts a question gives: "12 sound slots and 1 model slot" (the restore) or "It puts
// 12 sound slots, 1 model slot and" (its undo).
std::pair<int, int> slotCountsIn(const std::string& text) {
  std::smatch found;
  if (!std::regex_search(text, found,
                         std::regex("(\\d+) sound slots?(,| and) (\\d+) model slots?"))) {
    ADD_FAILURE() << "no slot counts in: " << text;
    return {-1, -1};
  }
  return {std::stoi(found[1]), std::stoi(found[3])};
}

// The restore asks about the slots it changes, each once, and its undo about the same slots: a
// slot whose folder is replaced is one slot to both, not a folder out and a folder in.
TEST(UndoRedo, TheRestoreQuestionAndItsUndoCountTheSameSlots) {
  const std::string source = "/source";
  using Change = std::function<void(InMemoryFileSystem&)>;
  const auto replaceSound = [&](int slot) {
    return [=](InMemoryFileSystem& fs) {
      fs.addFile(soundScriptPath(source, slot), soundScriptText("Other", 1, 1, 0, 0));
    };
  };
  const auto addSound = [&](int slot) {
    return [=](InMemoryFileSystem& fs) {
      fs.addFile(soundScriptPath(source, slot), soundScriptText("New", 0, 1, 0, 0));
    };
  };
  const auto removeSlot = [&](Bank bank, int slot) {
    return [=](InMemoryFileSystem& fs) {
      ASSERT_TRUE(fs.removeFolder(slotFolderPath(source, bank, slot)).isOk());
    };
  };
  const struct {
    std::string what;
    std::vector<Change> changes;  // made to a copy of the database
    std::pair<int, int> slots;    // sound slots, model slots
  } cases[] = {
      {"a sound replaced", {replaceSound(3)}, {1, 0}},
      {"a sound added", {addSound(20)}, {1, 0}},
      {"a sound and a model gone",
       {removeSlot(Bank::Sounds, 5), removeSlot(Bank::Models, 7)},
       {1, 1}},
      {"a sound moved",
       {[&](InMemoryFileSystem& fs) {
         ASSERT_TRUE(fs.renameFolder(slotFolderPath(source, Bank::Sounds, 0),
                                     slotFolderPath(source, Bank::Sounds, 30))
                         .isOk());
       }},
       {2, 0}},
      {"slots replaced, added and gone in both banks",
       {replaceSound(1), replaceSound(2), addSound(40), addSound(41), removeSlot(Bank::Sounds, 13),
        removeSlot(Bank::Models, 0),
        [&](InMemoryFileSystem& fs) {
          fs.addFile(slotFolderPath(source, Bank::Models, 4) + "/data", "other data");
          fs.addFile(modelNamePath(source, 20), "Added\n");
        }},
       {5, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    InMemoryFileSystem fs;
    layOutDatabase(fs);
    fs.addFolder(source);
    for (Bank bank : {Bank::Sounds, Bank::Models}) {
      ASSERT_TRUE(fs.copyFolder(bankFolderPath(kRoot, bank), bankFolderPath(source, bank)).isOk());
    }
    for (const Change& change : c.changes)
      change(fs);
    ConfirmingUi ui;
    Database database(ui, fs);
    database.setRoot(kRoot);
    ASSERT_TRUE(runEdit(database, RestoreRequest{source}).isDone());
    ASSERT_TRUE(runEdit(database, UndoRequest{}).isDone());
    ASSERT_EQ(ui.questions.size(), 2u);
    EXPECT_EQ(slotCountsIn(ui.questions[0].informative), c.slots) << ui.questions[0].informative;
    EXPECT_EQ(slotCountsIn(ui.questions[1].informative), c.slots) << ui.questions[1].informative;
  }
}

TEST(UndoRedo, UndoingRandomEditsGivesBackEveryEarlierTreeAndRedoingEveryLaterOne) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    InMemoryFileSystem fs;
    layOutDatabase(fs);
    std::vector<Tree> trees{snapshot(fs)};
    while (trees.size() < 6) {
      // Every edit that took a step is in the history, even one that left the tree as it was.
      const EditOutcome outcome = edit(fs, randomEdit(random));
      if (outcome.isDone() && !outcome.plan.changes.empty()) trees.push_back(snapshot(fs));
    }
    for (std::size_t i = trees.size() - 1; i > 0; --i) {
      ASSERT_TRUE(edit(fs, UndoRequest{}).isDone());
      ASSERT_TRUE(snapshot(fs) == trees[i - 1]) << "after undoing edit " << i;
    }
    EXPECT_EQ(edit(fs, UndoRequest{}).kind, EditOutcome::Kind::Refused);
    for (std::size_t i = 1; i < trees.size(); ++i) {
      ASSERT_TRUE(edit(fs, RedoRequest{}).isDone());
      ASSERT_TRUE(snapshot(fs) == trees[i]) << "after redoing edit " << i;
    }
    EXPECT_EQ(edit(fs, RedoRequest{}).kind, EditOutcome::Kind::Refused);
  }
}

// What every sound plays: for each of its two references, the model folder's bytes there (or
// nothing), as a scan of the disk finds it.
std::vector<std::string> modelsPlayed(InMemoryFileSystem& fs) {
  ConfirmingUi ui;
  Database database(ui, fs);
  database.setRoot(kRoot);
  database.evaluateNeuronDb();
  std::vector<std::string> played;
  for (const SoundSlot& sound : database.tables().soundSlots) {
    std::string models;
    for (int32_t model : {sound.sModel1, sound.sModel2}) {
      models += "|";
      if (!isModelNumber(model)) continue;
      models += fs.contentsOf(modelNamePath(kRoot, model)) +
                fs.contentsOf(slotFolderPath(kRoot, Bank::Models, model) + "/data");
    }
    played.push_back(sound.sIsUsed == kSoundOccupied ? models : "");
  }
  return played;
}

TEST(UndoRedo, AnUndoAfterAnOutsideChangeRefusesOrKeepsEverySoundsModelAndEveryUsersFile) {
  int refused = 0;
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    auto slot = [&](int below) { return static_cast<int>(random() % below); };
    InMemoryFileSystem fs;
    layOutDatabase(fs);
    std::vector<std::string> expected = modelsPlayed(fs);
    const int first = slot(10);
    const std::vector<int> models{first, first + 1};
    const int to = slot(12);
    const EditRequest modelEdits[] = {MoveRequest{Bank::Models, models, to},
                                      CopyRequest{Bank::Models, models, to},
                                      DeleteRequest{Bank::Models, models, Removal::Remove}};
    if (!edit(fs, modelEdits[random() % 3]).isDone()) continue;
    // Another program points a sound at a model of its choice, or the user adds a file of their
    // own to a model folder.
    const int sound = slot(14);
    const bool addsFile = random() % 2 == 0;
    // Mostly into a folder the edit put in place.
    const int into = random() % 4 == 0 ? slot(12) : to + slot(2);
    const std::string added = slotFolderPath(kRoot, Bank::Models, into) + "/mine";
    if (addsFile && fs.entryType(parentOf(added)) == EntryType::Folder) {
      fs.addFile(added, "the user's own");
    } else {
      fs.addFile(soundScriptPath(kRoot, sound), soundScriptText("Outside", slot(14), 1, 0, 0));
      expected[sound] = modelsPlayed(fs)[sound];
    }
    const Tree changed = snapshot(fs);
    // Undone, every sound plays what it played before the edit, the changed one what it was
    // changed to play, and the user's file is still in the bank.
    const EditOutcome undo = edit(fs, UndoRequest{});
    if (!undo.isDone()) {
      ++refused;
      EXPECT_TRUE(snapshot(fs) == changed) << undo.message;
      continue;
    }
    EXPECT_EQ(modelsPlayed(fs), expected);
    const auto usersFiles = [](const Tree& tree) {
      return std::count_if(tree.begin(), tree.end(),
                           [](const auto& file) { return file.second == "the user's own"; });
    };
    EXPECT_EQ(usersFiles(snapshot(fs)), usersFiles(changed));
  }
  EXPECT_GT(refused, 0);  // the sweep reached the case it is about
}

}  // namespace
}  // namespace slotsmith::testing
