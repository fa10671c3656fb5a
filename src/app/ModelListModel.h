// The model list: one row per model slot with its number, name and use status ("in use",
// "in use - disabled" or "!!UNUSED!!").
#pragma once

#include "app/SlotListModel.h"

namespace slotsmith {

class ModelListModel : public SlotListModel {
  Q_OBJECT

 public:
  // rowMimeType: the list's own (default) or, for another database's window, its own type.
  explicit ModelListModel(const slotsmith::SlotTables& tables, QObject* parent = nullptr,
                          const QString& rowMimeType = {});

  QVariant cellContent(const QString& identifier, int row) const override;

 protected:
  QString nameIdentifier() const override { return QStringLiteral("modelName"); }
  bool holdsSlot(int row) const override;
};

}  // namespace slotsmith
