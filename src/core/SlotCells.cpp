#include "core/SlotCells.h"

namespace slotsmith {

std::string modelReferenceText(const SlotTables& tables, int32_t model, int32_t switchValue) {
  if (switchValue <= 0) return "---";
  const char* name = isModelNumber(model) ? tables.modelSlots[model].sModelName : "unused";
  return std::to_string(model) + " (" + name + ")";
}

std::string modelStatusText(int32_t isUsed) {
  if (isUsed == kModelInUse) return "in use";
  if (isUsed == kModelInUseDisabled) return "in use - disabled";
  return "!!UNUSED!!";
}

}  // namespace slotsmith
