#include "app/SoundListModel.h"

#include <algorithm>

#include "app/RowDragPayload.h"
#include "core/SlotCells.h"
#include "core/SoundScript.h"
#include "core/SoundScriptFile.h"

#include <QApplication>
#include <QStyle>

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

bool SoundListModel::isOdd(int row) const {
  return database_ != nullptr && database_->root() && row >= 0 && row < kSlotCount &&
         database_->oddSoundScripts()[static_cast<size_t>(row)];
}

QString SoundListModel::oddness(int row) const {
  std::string bytes;
  const Status read = readSoundScriptFile(database_->fileSystem(), *database_->root(), row, bytes);
  if (!read.isOk()) {
    return tr("Its sound.script cannot be read: %1").arg(QString::fromStdString(read.message()));
  }
  const ScriptKeyValues keys = readScriptKeys(bytes);
  const std::string damage = soundScriptDamage(bytes, keys);
  if (!damage.empty()) {
    return tr("Its sound.script %1: it lists as a sound all the same. Put the file back from a "
              "backup, or delete the sound.")
        .arg(QString::fromStdString(damage));
  }
  if (keys.repeatsModel1 || keys.repeatsModel2) {
    return tr(
        "Its sound.script gives a model reference key on more than one line: only the "
        "first counts, and edits renumber every line alike.");
  }
  return {};
}

QVariant SoundListModel::data(const QModelIndex& index, int role) const {
  const bool nameCell = index.isValid() && columnIdentifier(index.column()) == nameIdentifier();
  if (nameCell && (role == Qt::DecorationRole || role == Qt::ToolTipRole) && isOdd(index.row())) {
    if (role == Qt::DecorationRole) {
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    }
    return oddness(index.row());
  }
  const auto row = static_cast<std::size_t>(index.row());
  if (nameCell && (role == Qt::DecorationRole || role == Qt::ToolTipRole) && row < atRisk_.size() &&
      atRisk_[row] && holdsSlot(index.row())) {
    if (role == Qt::DecorationRole) {
      return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return tr(
        "Only this database holds this sound: no other database, pack or backup in the "
        "library has it. Back it up, or keep it in a pack.");
  }
  return SlotListModel::data(index, role);
}

void SoundListModel::setAtRiskSlots(std::vector<bool> slots) {
  // Only the name cells of the rows whose mark changed are drawn again.
  int first = rowCount();
  int last = -1;
  for (int row = 0; row < rowCount(); ++row) {
    const auto at = static_cast<std::size_t>(row);
    const bool was = at < atRisk_.size() && atRisk_[at];
    const bool is = at < slots.size() && slots[at];
    if (was == is) continue;
    first = std::min(first, row);
    last = row;
  }
  atRisk_ = std::move(slots);
  const int name = columnOf(nameIdentifier());
  if (last < first || name < 0) return;
  Q_EMIT dataChanged(index(first, name), index(last, name), {Qt::DecorationRole, Qt::ToolTipRole});
}

}  // namespace slotsmith
