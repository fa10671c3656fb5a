// The sound list: one row per sound slot with its number, name and two model references. A
// reference shows as "12 (Lead)" when switched on and "---" when off; a number outside the bank
// shows with the name "unused".
#pragma once

#include "app/SlotListModel.h"

namespace slotsmith {

class SoundListModel : public SlotListModel {
  Q_OBJECT

 public:
  // rowMimeType: the list's own (default) or, for another database's window, its own type.
  explicit SoundListModel(const slotsmith::SlotTables& tables, QObject* parent = nullptr,
                          const QString& rowMimeType = {});

  QVariant cellContent(const QString& identifier, int row) const override;

 protected:
  QString nameIdentifier() const override { return QStringLiteral("soundName"); }
  bool holdsSlot(int row) const override;
};

}  // namespace slotsmith
