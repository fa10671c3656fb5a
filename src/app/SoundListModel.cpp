#include "app/SoundListModel.h"

#include "app/RowDragPayload.h"
#include "core/SlotCells.h"

namespace slotsmith {

SoundListModel::SoundListModel(const slotsmith::SlotTables& tables, QObject* parent,
                               const QString& rowMimeType)
    : SlotListModel(tables,
                    {QStringLiteral("soundNumber"), QStringLiteral("soundName"),
                     QStringLiteral("model1"), QStringLiteral("model2")},
                    {tr("#"), tr("Sound"), tr("Model 1"), tr("Model 2")},
                    rowMimeType.isEmpty() ? rowdrag::kSoundRowsMimeType : rowMimeType, parent) {}

bool SoundListModel::holdsSlot(int row) const {
  return row >= 0 && row < kSlotCount &&
         tables().soundSlots[static_cast<size_t>(row)].sIsUsed == kSoundOccupied;
}

QVariant SoundListModel::cellContent(const QString& identifier, int row) const {
  if (row < 0 || row >= slotsmith::kSlotCount) return QString();
  const slotsmith::SoundSlot& sound = tables().soundSlots[static_cast<size_t>(row)];
  if (identifier == QLatin1String("soundNumber")) return sound.sNumber;
  if (identifier == QLatin1String("soundName")) return nameText(sound.sSoundName);
  if (identifier == QLatin1String("model1")) {
    return nameText(slotsmith::modelReferenceText(tables(), sound.sModel1, sound.sModelOn1));
  }
  if (identifier == QLatin1String("model2")) {
    return nameText(slotsmith::modelReferenceText(tables(), sound.sModel2, sound.sModelOn2));
  }
  return QString();
}

}  // namespace slotsmith
