// The two in-memory slot tables that mirror a Neuron database: 1000 sound slots and 1000 model
// slots, indexed by slot number. The records are plain fixed-size structs so that a whole bank is
// two flat arrays: a reset is 2000 record clears and nothing is ever allocated per slot.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace slotsmith {

inline constexpr int kSlotCount = 1000;

// The name every slot carries until a scan finds its files (exactly 11 characters).
inline constexpr char kEmptySlotName[] = "--<empty>--";

// Values of ModelSlot::sIsUsed after a scan, and the removal mark edits set before compacting.
inline constexpr int32_t kModelUnused = 0;
inline constexpr int32_t kModelInUse = 1;
inline constexpr int32_t kModelInUseDisabled = -1;
inline constexpr int32_t kMarkedForRemoval = -2;

// Values of SoundSlot::sIsUsed after a scan.
inline constexpr int32_t kSoundEmpty = 0;
inline constexpr int32_t kSoundOccupied = 1;

// A model reference names a model slot only within 0..999; -1 (written for removed models) and
// every other number mean "no model" everywhere.
constexpr bool isModelNumber(int32_t reference) {
  return reference >= 0 && reference < kSlotCount;
}

struct SoundSlot {
  int32_t sNumber;
  int32_t sIsUsed;
  char sSoundName[17];
  int32_t sModel1;
  int32_t sModel2;
  int32_t sModelOn1;
  int32_t sModelOn2;
};

struct ModelSlot {
  int32_t sNumber;
  int32_t sIsUsed;
  char sModelName[17];
};

struct SlotTables {
  std::array<SoundSlot, kSlotCount> soundSlots;
  std::array<ModelSlot, kSlotCount> modelSlots;

  // Resets both tables to empty slots: numbers set, names "--<empty>--", everything else zero.
  void initSlots();
};

// A fingerprint of what the two lists show of the tables: every slot's state, name, model
// references and switches. Two scans of an unchanged database give the same value; a front end
// hands it to an edit so that the edit refuses when the database is no longer what the user saw.
std::uint64_t pictureOf(const SlotTables& tables);

// Whether a slot holds something: a sound slot when the scan read its script, a model slot when
// it found the model's name (the lists show "--<empty>--" otherwise).
inline bool holdsSound(const SoundSlot& sound) {
  return sound.sIsUsed == kSoundOccupied;
}
inline bool holdsModel(const ModelSlot& model) {
  return std::strcmp(model.sModelName, kEmptySlotName) != 0;
}

}  // namespace slotsmith
