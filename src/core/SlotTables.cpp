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

}  // namespace slotsmith
