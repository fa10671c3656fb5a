#include "app/ModelListModel.h"

#include <cstring>

#include "app/RowDragPayload.h"
#include "core/SlotCells.h"

namespace slotsmith {

ModelListModel::ModelListModel(const slotsmith::SlotTables& tables, QObject* parent,
                               const QString& rowMimeType)
    : SlotListModel(tables,
                    {QStringLiteral("modelNumber"), QStringLiteral("modelName"),
                     QStringLiteral("modelStatus")},
                    {tr("#"), tr("Model"), tr("Status")},
                    rowMimeType.isEmpty() ? rowdrag::kModelRowsMimeType : rowMimeType, parent) {}

bool ModelListModel::holdsSlot(int row) const {
  return row >= 0 && row < kSlotCount && holdsModel(tables().modelSlots[static_cast<size_t>(row)]);
}

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

}  // namespace slotsmith
