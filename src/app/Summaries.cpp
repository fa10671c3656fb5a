#include "app/Summaries.h"

#include <cstring>

namespace slotsmith {

QString soundSummaryText(const SlotTables& tables) {
  int sounds = 0;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed == kSoundOccupied) ++sounds;
  }
  return QStringLiteral("%1 sounds in %2 slots").arg(sounds).arg(kSlotCount);
}

QString modelSummaryText(const SlotTables& tables) {
  int inUse = 0;
  int disabled = 0;
  int unused = 0;
  for (const ModelSlot& model : tables.modelSlots) {
    if (model.sIsUsed == kModelInUse) {
      ++inUse;
    } else if (model.sIsUsed == kModelInUseDisabled) {
      ++disabled;
    } else if (std::strcmp(model.sModelName, kEmptySlotName) != 0) {
      ++unused;
    }
  }
  return QStringLiteral("%1 models: %2 in use, %3 in use - disabled, %4 unused")
      .arg(inUse + disabled + unused)
      .arg(inUse)
      .arg(disabled)
      .arg(unused);
}

}  // namespace slotsmith
