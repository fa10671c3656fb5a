#include "ModelListModel.h"
#include "RowDragPayload.h"
#include "SoundListModel.h"
#include "core/SlotCells.h"

namespace {

// Names are the bytes of the database files; each byte shows as one character.
QString nameText(const char* name) {
  return QString::fromLatin1(name);
}
QString nameText(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

SoundListModel::SoundListModel(const slotsmith::SlotTables& tables, QObject* parent)
    : SlotListModel(tables,
                    {QStringLiteral("soundNumber"), QStringLiteral("soundName"),
                     QStringLiteral("model1"), QStringLiteral("model2")},
                    {tr("#"), tr("Sound"), tr("Model 1"), tr("Model 2")},
                    rowdrag::kSoundRowsMimeType, parent) {}

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

ModelListModel::ModelListModel(const slotsmith::SlotTables& tables, QObject* parent)
    : SlotListModel(tables,
                    {QStringLiteral("modelNumber"), QStringLiteral("modelName"),
                     QStringLiteral("modelStatus")},
                    {tr("#"), tr("Model"), tr("Status")}, rowdrag::kModelRowsMimeType, parent) {}

QVariant ModelListModel::cellContent(const QString& identifier, int row) const {
  if (row < 0 || row >= slotsmith::kSlotCount) return QString();
  const slotsmith::ModelSlot& model = tables().modelSlots[static_cast<size_t>(row)];
  if (identifier == QLatin1String("modelNumber")) return model.sNumber;
  if (identifier == QLatin1String("modelName")) return nameText(model.sModelName);
  if (identifier == QLatin1String("modelStatus")) {
    return nameText(slotsmith::modelStatusText(model.sIsUsed));
  }
  return QString();
}
