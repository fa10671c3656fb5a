#include "ops/ReferenceRenumbering.h"

#include <memory>
#include <optional>

#include "core/ScriptKeyReader.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

// A script is read whole, however long, so that one that does not fit the table is still
// written back complete.
constexpr std::size_t kWholeScript = std::size_t{1} << 30;

}  // namespace

ReferenceRenumbering::ReferenceRenumbering() {
  for (int before = 0; before < kSlotCount; ++before)
    current_[before] = before;
  current_[kNoModelIndex] = -1;
}

ReferenceRenumbering ReferenceRenumbering::forBlockCopy(int count, int destination) {
  ReferenceRenumbering renumbering;
  renumbering.moveModelsUpFrom(destination, count);
  return renumbering;
}

ReferenceRenumbering ReferenceRenumbering::forBlockMove(const std::vector<int>& sortedSlots,
                                                        int destination) {
  std::bitset<kSlotCount> block;
  for (int slot : sortedSlots)
    block.set(slot);
  ReferenceRenumbering renumbering;
  renumbering.park(sortedSlots);
  renumbering.deleteAndCompactModelsStartingAtIndex(destination, block);
  renumbering.moveModelsUpFrom(destination, static_cast<int>(sortedSlots.size()));
  renumbering.place(sortedSlots, destination);
  return renumbering;
}

template <typename Step>
void ReferenceRenumbering::applyStep(Step step) {
  for (int index = 0; index < kFollowedValues; ++index) {
    if (std::optional<int32_t> after = step(current_[index])) {
      current_[index] = *after;
      touched_.set(index);
    }
  }
}

void ReferenceRenumbering::replaceUniqueModelInAllSounds(int32_t find, int32_t by) {
  applyStep([find, by](int32_t value) -> std::optional<int32_t> {
    if (value != find) return std::nullopt;
    return by;
  });
}

void ReferenceRenumbering::moveModelsUpFrom(int from, int numModels) {
  applyStep([from, numModels](int32_t value) -> std::optional<int32_t> {
    if (value < from || value >= kSlotCount) return std::nullopt;
    return value + numModels;
  });
}

void ReferenceRenumbering::deleteAndCompactModelsStartingAtIndex(
    int start, const std::bitset<kSlotCount>& marked) {
  if (start < 0 || start >= kSlotCount) return;
  std::array<int32_t, kSlotCount> destination;
  destination.fill(-1);
  int next = start;
  for (int source = start; source < kSlotCount; ++source) {
    if (!marked.test(source)) destination[source] = next++;
  }
  applyStep([&destination](int32_t value) -> std::optional<int32_t> {
    if (!isModelNumber(value) || destination[value] < 0) return std::nullopt;
    return destination[value];
  });
}

ReferenceRenumbering ReferenceRenumbering::forArrangement(const std::vector<int>& positions,
                                                          const std::vector<int>& order) {
  // Parked first, all of them, so that no placed reference is taken for one still to move.
  ReferenceRenumbering renumbering;
  renumbering.park(order);
  for (std::size_t k = 0; k < order.size() && k < positions.size(); ++k) {
    renumbering.replaceUniqueModelInAllSounds(order[k] + kModelParkingOffset, positions[k]);
  }
  return renumbering;
}

void ReferenceRenumbering::park(const std::vector<int>& sortedSources) {
  for (int source : sortedSources) {
    replaceUniqueModelInAllSounds(source, source + kModelParkingOffset);
  }
}

void ReferenceRenumbering::place(const std::vector<int>& sortedSources, int destination) {
  int position = destination;
  for (int source : sortedSources) {
    replaceUniqueModelInAllSounds(source + kModelParkingOffset, position++);
  }
}

void ReferenceRenumbering::followOverflowFolders(const std::array<int, kSlotCount>& finalNumbers) {
  for (int before = 0; before < kSlotCount; ++before) {
    bool pushedOut = current_[before] >= kSlotCount && current_[before] < kModelParkingOffset;
    if (touched_[before] && pushedOut && finalNumbers[before] >= kSlotCount) {
      current_[before] = finalNumbers[before];
    }
  }
}

bool ReferenceRenumbering::touchesAny() const {
  return touched_.any();
}

void ReferenceRenumbering::applyTo(SoundScript& script) const {
  for (const char* key : {kModel1Key, kModel2Key}) {
    mapValuesForKey(
        key, [this](int32_t before) { return valueAfter(before); }, script);
  }
}

std::bitset<kSlotCount> allSounds() {
  return std::bitset<kSlotCount>().set();
}

Status planScriptRewrites(FileSystem& fs, const std::string& root,
                          const ReferenceRenumbering& renumbering,
                          const std::bitset<kSlotCount>& sounds, EditPlan& plan,
                          ScriptRewritePass& pass) {
  pass = {};
  if (!renumbering.touchesAny()) return Status::ok();
  // One buffer and one table, reused for every sound: the pass never holds more than one script.
  std::string bytes;
  auto script = std::make_unique<SoundScript>();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!sounds.test(slot)) continue;
    const std::string path = soundScriptPath(root, slot);
    const Status read = fs.readFile(path, bytes, kWholeScript);
    if (read.isNotFound()) continue;
    if (!read.isOk()) {
      return Status::ioError(
          path, userText(USER_TEXT("Changes",
                                   "the sound script cannot be read ({reason}), so its model "
                                   "references cannot be kept right"),
                         {{"reason", read.reason()}}));
    }
    // Most scripts hold no reference the edit touches; they are never parsed into a table.
    const ScriptKeyValues keys = readScriptKeys(bytes);
    const int touched = (keys.hasModel1 && renumbering.touches(keys.model1)) +
                        (keys.hasModel2 && renumbering.touches(keys.model2));
    pass.touchedReferences += touched;
    if (touched == 0 && !keys.repeatsModel1 && !keys.repeatsModel2) continue;
    script->parse(bytes);
    renumbering.applyTo(*script);
    if (!script->hasChangedValues()) continue;
    plan.changes.push_back({Change::Kind::Write, {}, path, script->serialize()});
    pass.rewrittenSounds.push_back(slot);
  }
  return Status::ok();
}

}  // namespace slotsmith
