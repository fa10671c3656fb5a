// The sound list: one row per sound slot with its number, name and two model references. A
// reference shows as "12 (Lead)" when switched on and "---" when off; a number outside the bank
// shows with the name "unused".
#pragma once

#include <vector>
#include "app/SlotListModel.h"

#include "core/Database.h"

namespace slotsmith {

class SoundListModel : public SlotListModel {
  Q_OBJECT

 public:
  // rowMimeType: the list's own (default) or, for another database's window, its own type.
  explicit SoundListModel(const slotsmith::SlotTables& tables, QObject* parent = nullptr,
                          const QString& rowMimeType = {});

  QVariant cellContent(const QString& identifier, int row) const override;

  // The database whose scan filled the tables: a slot whose sound.script it found odd (damaged,
  // or giving a model reference key twice) carries a warning icon in its name cell, and its tool
  // tip says what is wrong, rather than a blank name that looks like any other.
  void markOddScriptsOf(Database& database) { database_ = &database; }
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // The slots whose sound only this database holds, as far as the sound library knows (no other
  // database, pack or backup it reads has it): their name cell carries a mark and says so.
  void setAtRiskSlots(std::vector<bool> slots);

 protected:
  QString nameIdentifier() const override { return QStringLiteral("soundName"); }
  bool holdsSlot(int row) const override;

 private:
  bool isOdd(int row) const;
  // Read from the disk when asked (a tool tip): only the odd rows are marked in the tables.
  QString oddness(int row) const;

  Database* database_ = nullptr;
  std::vector<bool> atRisk_;
};

}  // namespace slotsmith
