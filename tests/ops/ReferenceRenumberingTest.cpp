// The one-pass renumbering against the step-by-step rewrites it replaces: each model edit as a
// sequence of whole-database passes (load every script, rewrite every line of each reference key
// by its own value, write back), implemented here directly on the script table, on random banks
// and random edits. The shift leaves references of 1000 and more alone in both.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "core/SoundScript.h"
#include "ops/ReferenceRenumbering.h"

namespace slotsmith {
namespace {

// Every line of both reference keys: a key given on two lines is rewritten line by line, each by
// its own value.
template <typename Visit>
void forEachReferenceLine(SoundScript& sound, Visit visit) {
  for (ScriptLine& line : sound.lines) {
    const std::string_view key = line.key;
    if (key == kModel1Key || key == kModel2Key) visit(line);
  }
}

// The scripts of a few sounds, rewritten pass by pass as the step-by-step edits do.
class SequentialRewrites {
 public:
  explicit SequentialRewrites(std::vector<std::string> scripts) : scripts_(std::move(scripts)) {}

  const std::vector<std::string>& scripts() const { return scripts_; }

  void replaceUniqueModelInAllSounds(int32_t find, int32_t by) {
    forEachLoaded([&](SoundScript& sound) {
      forEachReferenceLine(sound, [&](ScriptLine& line) {
        if (line.value == find) line.value = by;
      });
    });
  }

  void moveModelsUpFrom(int from, int n) {
    forEachLoaded([&](SoundScript& sound) {
      forEachReferenceLine(sound, [&](ScriptLine& line) {
        if (from <= line.value && line.value <= 999) line.value += n;
      });
    });
  }

  // All scripts stay loaded for the whole walk, and a line moved once is marked, so that a later
  // step of the walk does not move it again.
  void deleteAndCompactModelsStartingAtIndex(int start, const std::bitset<kSlotCount>& marked) {
    std::vector<std::unique_ptr<SoundScript>> loaded = loadAll();
    for (int src = start, dst = start; src <= 999; ++src) {
      if (marked.test(src)) continue;
      for (auto& sound : loaded) {
        forEachReferenceLine(*sound, [&](ScriptLine& line) {
          if (line.replaced || line.value != src) return;
          line.value = dst;
          line.replaced = true;
        });
      }
      ++dst;
    }
    saveAll(loaded);
  }

 private:
  std::vector<std::unique_ptr<SoundScript>> loadAll() const {
    std::vector<std::unique_ptr<SoundScript>> loaded;
    for (const std::string& bytes : scripts_) {
      loaded.push_back(std::make_unique<SoundScript>());
      loaded.back()->parse(bytes);
    }
    return loaded;
  }

  void saveAll(const std::vector<std::unique_ptr<SoundScript>>& loaded) {
    for (std::size_t k = 0; k < loaded.size(); ++k)
      scripts_[k] = loaded[k]->serialize();
  }

  template <typename Pass>
  void forEachLoaded(Pass pass) {
    std::vector<std::unique_ptr<SoundScript>> loaded = loadAll();
    for (auto& sound : loaded)
      pass(*sound);
    saveAll(loaded);
  }

  std::vector<std::string> scripts_;
};

// One model edit, described once and carried out on both implementations.
struct ModelEdit {
  enum class Kind { Move, Copy, Remove, Consolidate, Replace } kind;
  std::vector<int> slots;  // ascending sources, removed or unused slots
  int destination = 0;     // move/copy destination, consolidation start, replacement find
  int32_t by = 0;          // replacement

  template <typename Rewrites>
  void runOn(Rewrites& rewrites) const {
    std::bitset<kSlotCount> marked;
    for (int slot : slots)
      marked.set(slot);
    int count = static_cast<int>(slots.size());
    switch (kind) {
      case Kind::Move:
        for (int s : slots)
          rewrites.replaceUniqueModelInAllSounds(s, s + kModelParkingOffset);
        rewrites.deleteAndCompactModelsStartingAtIndex(destination, marked);
        rewrites.moveModelsUpFrom(destination, count);
        for (int k = 0; k < count; ++k) {
          rewrites.replaceUniqueModelInAllSounds(slots[k] + kModelParkingOffset, destination + k);
        }
        break;
      case Kind::Copy:
        rewrites.moveModelsUpFrom(destination, count);
        break;
      case Kind::Remove:
        for (int s : slots)
          rewrites.replaceUniqueModelInAllSounds(s, -1);
        if (count > 0) rewrites.deleteAndCompactModelsStartingAtIndex(slots.front(), marked);
        break;
      case Kind::Consolidate:
        rewrites.deleteAndCompactModelsStartingAtIndex(destination, marked);
        break;
      case Kind::Replace:
        rewrites.replaceUniqueModelInAllSounds(destination, by);
        break;
    }
  }
};

class RandomBanks {
 public:
  explicit RandomBanks(unsigned seed) : random_(seed) {}

  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return between(1, 100) <= percent; }

  // Mostly low model numbers so that edits and references meet; some near the top of the bank,
  // some that name no model. Parking-range numbers are left out: the step-by-step move would
  // capture a stray one as its own parked model, which the renumbering rightly does not.
  int32_t reference() {
    int kind = between(0, 19);
    if (kind < 13) return between(0, 24);
    if (kind < 16) return between(990, 999);
    if (kind == 16) return -1;
    if (kind == 17) return between(1000, 9999);
    if (kind == 18) return between(11000, 30000);
    return between(25, 989);
  }

  // A script in the file's own format, with the reference keys sometimes missing, repeated with
  // another value, or placed after other keys.
  std::string script() {
    std::string text = "SoundNameC00\t65\n";
    for (const char* key : {kModel1Key, kModel2Key}) {
      if (chance(10)) continue;
      text += std::string(key) + "\t" + std::to_string(reference()) + "\n";
      text += "R1Switch\t" + std::to_string(between(0, 1)) + "\n";
      if (chance(20)) text += std::string(key) + "\t" + std::to_string(reference()) + "\n";
    }
    text += "Volume\t" + std::to_string(between(0, 127)) + "\n";
    return text;
  }

  std::vector<int> sortedSlots(int count, int low, int high) {
    std::vector<int> slots;
    while (static_cast<int>(slots.size()) < count) {
      int slot = between(low, high);
      if (std::find(slots.begin(), slots.end(), slot) == slots.end()) slots.push_back(slot);
    }
    std::sort(slots.begin(), slots.end());
    return slots;
  }

  ModelEdit edit() {
    ModelEdit edit{static_cast<ModelEdit::Kind>(between(0, 4)), {}, 0, 0};
    bool nearTop = chance(20);
    int low = nearTop ? 985 : 0;
    int high = nearTop ? 999 : 24;
    int count = between(1, 5);
    edit.slots = sortedSlots(count, low, high);
    edit.destination = between(low, std::min(high, kSlotCount - count));
    if (edit.kind == ModelEdit::Kind::Replace) edit.by = chance(30) ? -1 : between(0, 30);
    return edit;
  }

 private:
  std::mt19937 random_;
};

std::string renumberedInOnePass(const std::string& original, const ReferenceRenumbering& map) {
  auto script = std::make_unique<SoundScript>();
  script->parse(original);
  map.applyTo(*script);
  return script->hasChangedValues() ? script->serialize() : original;
}

TEST(ReferenceRenumbering, OnePassEqualsTheStepByStepRewritesOnRandomBanksAndEdits) {
  RandomBanks banks(20261208);
  for (int round = 0; round < 250; ++round) {
    std::vector<std::string> scripts;
    for (int k = 0; k < 8; ++k)
      scripts.push_back(banks.script());
    ModelEdit edit = banks.edit();

    SequentialRewrites sequential(scripts);
    edit.runOn(sequential);
    ReferenceRenumbering map;
    edit.runOn(map);

    for (std::size_t k = 0; k < scripts.size(); ++k) {
      ASSERT_EQ(renumberedInOnePass(scripts[k], map), sequential.scripts()[k])
          << "round " << round << ", edit kind " << static_cast<int>(edit.kind) << ", destination "
          << edit.destination << ", script:\n"
          << scripts[k];
    }
  }
}

TEST(ReferenceRenumbering, ValuesOutsideTheBankAreNeverTouched) {
  ReferenceRenumbering map;
  map.moveModelsUpFrom(5, 3);
  map.replaceUniqueModelInAllSounds(4, -1);
  EXPECT_EQ(map.valueAfter(5), 8);
  EXPECT_EQ(map.valueAfter(999), 1002);
  EXPECT_EQ(map.valueAfter(4), -1);
  for (int32_t outside : {-1, 1000, 1200, 9999, 10003, 10999, 20000}) {
    EXPECT_FALSE(map.touches(outside)) << outside;
    EXPECT_EQ(map.valueAfter(outside), outside);
  }
}

TEST(ReferenceRenumbering, AMoveNeverLeavesAReferenceAtAParkingNumber) {
  ReferenceRenumbering map;
  std::vector<int> sources = {0, 7, 998};
  map.park(sources);
  std::bitset<kSlotCount> marked;
  for (int s : sources)
    marked.set(s);
  map.deleteAndCompactModelsStartingAtIndex(2, marked);
  map.moveModelsUpFrom(2, 3);
  map.place(sources, 2);
  for (int before = 0; before < kSlotCount; ++before) {
    EXPECT_LT(map.valueAfter(before), kModelParkingOffset) << before;
  }
  EXPECT_EQ(map.valueAfter(0), 2);
  EXPECT_EQ(map.valueAfter(998), 4);
  EXPECT_EQ(map.valueAfter(1), 1);
  EXPECT_FALSE(map.touches(1));
}

TEST(ReferenceRenumbering, ReferencesFollowTheOverflowFolderTheirModelReallyWentTo) {
  ReferenceRenumbering map;
  map.moveModelsUpFrom(990, 2);
  std::array<int, kSlotCount> finalNumbers;
  for (int s = 0; s < kSlotCount; ++s)
    finalNumbers[s] = s < 990 ? s : s + 2;
  finalNumbers[998] = 1002;  // 1000 was taken by a leftover
  map.followOverflowFolders(finalNumbers);
  EXPECT_EQ(map.valueAfter(998), 1002);
  EXPECT_EQ(map.valueAfter(999), 1001);
  EXPECT_EQ(map.valueAfter(997), 999);
}

}  // namespace
}  // namespace slotsmith
