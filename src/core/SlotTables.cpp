#include "core/SlotTables.h"

#include <cstring>

namespace slotsmith {

void SlotTables::initSlots() {
  for (int n = 0; n < kSlotCount; ++n) {
    ModelSlot& model = modelSlots[n];
    std::memset(&model, 0, sizeof model);
    model.sNumber = n;
    model.sIsUsed = kModelUnused;
    std::memcpy(model.sModelName, kEmptySlotName, sizeof kEmptySlotName);

    SoundSlot& sound = soundSlots[n];
    std::memset(&sound, 0, sizeof sound);
    sound.sNumber = n;
    sound.sIsUsed = kSoundEmpty;
    std::memcpy(sound.sSoundName, kEmptySlotName, sizeof kEmptySlotName);
  }
}

namespace {

// FNV-1a: the fingerprint only has to tell two pictures apart, not resist anyone.
class Fingerprint {
 public:
  void add(const void* data, std::size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::size_t i = 0; i < size; ++i) {
      value_ = (value_ ^ bytes[i]) * 1099511628211ULL;
    }
  }
  void addNumber(int32_t number) { add(&number, sizeof number); }
  // Up to the terminator: what follows it in the record is not shown.
  void addName(const char* name, std::size_t capacity) {
    add(name, strnlen(name, capacity));
    add("", 1);
  }
  std::uint64_t value() const { return value_; }

 private:
  std::uint64_t value_ = 14695981039346656037ULL;
};

}  // namespace

std::uint64_t pictureOf(const SlotTables& tables) {
  Fingerprint fingerprint;
  for (const SoundSlot& sound : tables.soundSlots) {
    fingerprint.addNumber(sound.sIsUsed);
    fingerprint.addName(sound.sSoundName, sizeof sound.sSoundName);
    fingerprint.addNumber(sound.sModel1);
    fingerprint.addNumber(sound.sModel2);
    fingerprint.addNumber(sound.sModelOn1);
    fingerprint.addNumber(sound.sModelOn2);
  }
  for (const ModelSlot& model : tables.modelSlots) {
    fingerprint.addNumber(model.sIsUsed);
    fingerprint.addName(model.sModelName, sizeof model.sModelName);
  }
  return fingerprint.value();
}

}  // namespace slotsmith
