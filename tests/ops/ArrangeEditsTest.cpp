// Sorting and closing the gaps of a block, over random databases and random blocks: the block
// holds the same slot folders byte for byte, occupied ones first in the promised order, empty
// ones last; nothing outside the block changes; in the model bank every sound plays the same
// model files afterwards; undo gives back the exact tree and redo the exact arranged one.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "core/NaturalOrder.h"
#include "core/SoundScript.h"
#include "ops/DropPreview.h"
#include "ops/Edits.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

constexpr int kSounds = 40;
constexpr int kModels = 30;

using Tree = std::map<std::string, std::string>;

// The files of one slot folder, by their path inside it.
Tree slotFiles(const Tree& tree, Bank bank, int slot) {
  const std::string prefix =
      "/" + std::string(bankFolderName(bank)) + "/" + slotFolderName(bank, slot) + "/";
  Tree files;
  for (auto it = tree.lower_bound(prefix); it != tree.end() && it->first.rfind(prefix, 0) == 0;
       ++it) {
    files[it->first.substr(prefix.size())] = it->second;
  }
  return files;
}

// The tree without the given bank's slot folders and both names files.
Tree outside(const Tree& tree, Bank bank, const std::vector<int>& block) {
  Tree rest = tree;
  for (int slot : block) {
    const std::string prefix =
        "/" + std::string(bankFolderName(bank)) + "/" + slotFolderName(bank, slot) + "/";
    for (auto it = rest.lower_bound(prefix); it != rest.end() && it->first.rfind(prefix, 0) == 0;)
      it = rest.erase(it);
  }
  rest.erase("/SoundNames");
  rest.erase("/ModelNames");
  return rest;
}

class ArrangeEditsTest : public ::testing::TestWithParam<unsigned> {
 protected:
  ArrangeEditsTest() : dir_("arrange") {}

  std::string root() const { return dir_.path() + "/DB"; }

  // Names that sort naturally in other ways than by their bytes, equal names among them.
  std::string randomName(std::mt19937& random) {
    static const std::vector<std::string> names{"Pad 2",  "pad 10",   "Pad 02", "Bass",  "bass",
                                                "Lead 7", "Lead 07b", "A",      "Pad 2", "x"};
    return names[random() % names.size()];
  }

  void makeDatabase(std::mt19937& random) {
    for (int slot = 0; slot < kModels; ++slot) {
      if (random() % 10 < 6) {
        writeModel(root(), slot, randomName(random));
        writeFile(slotFolderPath(root(), Bank::Models, slot) + "/Origin", std::to_string(slot));
      }
    }
    for (int slot = 0; slot < kSounds; ++slot) {
      if (random() % 10 < 7) {
        const auto reference = [&] { return static_cast<int>(random() % (kModels + 2)) - 1; };
        writeFile(soundScriptPath(root(), slot),
                  soundScriptText(randomName(random), reference(), static_cast<int>(random() % 2),
                                  reference(), static_cast<int>(random() % 2)) +
                      "Origin\t" + std::to_string(slot) + "\n");
      }
    }
    database_ = std::make_unique<Database>(ui_, realFileSystem());
    database_->setRoot(root());
    database_->rescanQuietly();
  }

  // The Origin of every model a sound refers to by each key, as the files say.
  std::map<int, std::pair<std::string, std::string>> playedModels(const Tree& tree) {
    std::map<int, std::pair<std::string, std::string>> played;
    const auto originOf = [&](int32_t model) -> std::string {
      if (!isModelNumber(model)) return "none " + std::to_string(model);
      const auto files = slotFiles(tree, Bank::Models, model);
      const auto origin = files.find("Origin");
      return origin == files.end() ? "empty slot" : origin->second;
    };
    for (int slot = 0; slot < kSounds; ++slot) {
      const auto files = slotFiles(tree, Bank::Sounds, slot);
      const auto script = files.find("sound.script");
      if (script == files.end()) continue;
      SoundScript parsed;
      parsed.parse(script->second);
      played[valueForKey("Origin", parsed)] = {originOf(valueForKey(kModel1Key, parsed)),
                                               originOf(valueForKey(kModel2Key, parsed))};
    }
    return played;
  }

  TempDir dir_;
  FakeUi ui_;
  std::unique_ptr<Database> database_;
};

TEST_P(ArrangeEditsTest, TheBlockIsArrangedAsPromisedAndUndoAndRedoGiveBackExactTrees) {
  std::mt19937 random(GetParam());
  makeDatabase(random);
  const Bank bank = random() % 2 ? Bank::Models : Bank::Sounds;
  const int slots = bank == Bank::Sounds ? kSounds : kModels;
  Arrangement arrangement = static_cast<Arrangement>(random() % 3);
  if (bank == Bank::Models && arrangement == Arrangement::ByModel)
    arrangement = Arrangement::ByName;
  // A run of slots, or slots scattered over the bank.
  std::vector<int> block;
  if (random() % 2) {
    const int first = static_cast<int>(random() % slots);
    const int last = first + static_cast<int>(random() % (slots - first));
    for (int slot = first; slot <= last; ++slot)
      block.push_back(slot);
  } else {
    for (int slot = 0; slot < slots; ++slot)
      if (random() % 3 == 0) block.push_back(slot);
  }
  SCOPED_TRACE(std::string(bankFolderName(bank)) + ", arrangement " +
               std::to_string(static_cast<int>(arrangement)) + ", " + std::to_string(block.size()) +
               " slots");
  const Tree before = treeSnapshot(root());
  const SlotTables tablesBefore = database_->tables();
  const ArrangementPreview preview =
      previewArrangement(tablesBefore, ArrangeRequest{bank, block, arrangement});
  ui_.answerWith(kAlertDefault);
  const EditOutcome arranged = runEdit(*database_, ArrangeRequest{bank, block, arrangement});
  ASSERT_TRUE(arranged.isDone()) << arranged.message;
  ui_.answers.clear();
  const Tree after = treeSnapshot(root());
  // The tables the edit leaves (for sounds, its scan's records at their new numbers, no file read
  // again) and the names file written from them are what a scan of the result finds.
  Database rescanned(ui_, realFileSystem());
  rescanned.setRoot(root());
  rescanned.rescanQuietly();
  EXPECT_EQ(pictureOf(database_->tables()), pictureOf(rescanned.tables()));
  for (int slot = 0; slot < kSlotCount; ++slot)
    ASSERT_EQ(database_->tables().soundSlots[slot].sNumber, slot);
  if (bank == Bank::Sounds && !arranged.plan.changes.empty()) {
    EXPECT_EQ(after.at("/SoundNames"), soundNamesText(rescanned.tables()));
  }

  // The same folders, occupied first, then the empty slots; nothing else changed.
  std::multiset<Tree> folderBefore;
  std::multiset<Tree> folderAfter;
  std::vector<int> origins;  // the earlier slot of each occupied slot of the block, in order
  bool emptySeen = false;
  for (int slot : block) {
    folderBefore.insert(slotFiles(before, bank, slot));
    const Tree files = slotFiles(after, bank, slot);
    folderAfter.insert(files);
    const bool occupied =
        bank == Bank::Sounds ? files.count("sound.script") > 0 : files.count("MName") > 0;
    if (!occupied) {
      emptySeen = true;
      continue;
    }
    EXPECT_FALSE(emptySeen) << "slot " << slot << " follows an empty slot of the block";
    if (bank == Bank::Sounds) {
      SoundScript parsed;
      parsed.parse(files.at("sound.script"));
      origins.push_back(valueForKey("Origin", parsed));
    } else {
      origins.push_back(std::stoi(files.at("Origin")));
    }
  }
  EXPECT_EQ(folderAfter, folderBefore);
  // The preview the desktop tints the rows by names exactly the slots that moved.
  std::vector<int> moved;
  for (std::size_t k = 0; k < origins.size(); ++k)
    if (origins[k] != block[k]) moved.push_back(origins[k]);
  std::sort(moved.begin(), moved.end());
  EXPECT_EQ(preview.movingSlots, moved);
  if (bank == Bank::Sounds) {
    EXPECT_EQ(outside(after, bank, block), outside(before, bank, block));
  } else {
    EXPECT_EQ(playedModels(after), playedModels(before));
    // The scripts' references change; every other file outside the block stays.
    const auto withoutScripts = [&](const Tree& tree) {
      Tree rest = outside(tree, Bank::Models, block);
      std::erase_if(rest, [](const auto& entry) { return entry.first.rfind("/Sounds/", 0) == 0; });
      return rest;
    };
    EXPECT_EQ(withoutScripts(after), withoutScripts(before));
  }
  // The promised order, told by the tables as they were: equal keys keep their earlier order.
  const auto name = [&](int slot) -> std::string {
    return bank == Bank::Sounds ? tablesBefore.soundSlots[slot].sSoundName
                                : tablesBefore.modelSlots[slot].sModelName;
  };
  const auto group = [&](int slot) {
    const SoundSlot& sound = tablesBefore.soundSlots[slot];
    return sound.sModelOn1 > 0 && isModelNumber(sound.sModel1) ? sound.sModel1 : kSlotCount;
  };
  for (std::size_t k = 0; k + 1 < origins.size(); ++k) {
    const int a = origins[k];
    const int b = origins[k + 1];
    int order = 0;
    if (arrangement == Arrangement::ByModel) order = group(a) - group(b);
    if (order == 0 && arrangement != Arrangement::CloseGaps) {
      order = compareNaturally(name(a), name(b));
    }
    EXPECT_TRUE(order < 0 || (order == 0 && a < b))
        << "slot " << a << " (" << name(a) << ") before slot " << b << " (" << name(b) << ")";
  }

  if (arranged.plan.changes.empty()) {  // in order already: nothing was written at all
    EXPECT_EQ(after, before);
    return;
  }
  // Arranged again: nothing to do, and no history entry that undo would have to skip.
  const EditOutcome again = runEdit(*database_, ArrangeRequest{bank, block, arrangement});
  EXPECT_TRUE(again.isDone());
  EXPECT_TRUE(again.plan.changes.empty());
  EXPECT_EQ(treeSnapshot(root()), after);

  ASSERT_TRUE(runEdit(*database_, UndoRequest{}, {.confirmed = true}).isDone());
  EXPECT_EQ(treeSnapshot(root()), before);
  ASSERT_TRUE(runEdit(*database_, RedoRequest{}, {.confirmed = true}).isDone());
  EXPECT_EQ(treeSnapshot(root()), after);
}

INSTANTIATE_TEST_SUITE_P(RandomDatabases, ArrangeEditsTest, ::testing::Range(1u, 25u));

}  // namespace
}  // namespace slotsmith::testing
