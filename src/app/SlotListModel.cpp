#include "app/SlotListModel.h"

#include <QMimeData>

#include "app/RowDragPayload.h"

namespace slotsmith {

SlotListModel::SlotListModel(const slotsmith::SlotTables& tables, QStringList identifiers,
                             QStringList titles, QString rowMimeType, QObject* parent)
    : QAbstractTableModel(parent),
      tables_(tables),
      identifiers_(std::move(identifiers)),
      titles_(std::move(titles)),
      rowMimeType_(std::move(rowMimeType)) {}

void SlotListModel::redraw() {
  Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::DisplayRole});
}

int SlotListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : slotsmith::kSlotCount;
}

int SlotListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(identifiers_.size());
}

QVariant SlotListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const QVariant content = cellContent(columnIdentifier(index.column()), index.row());
  if (role == Qt::DisplayRole || role == Qt::EditRole) return content;
  if (role == Qt::TextAlignmentRole && content.typeId() == QMetaType::Int) {
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  }
  return {};
}

QVariant SlotListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return {};
  if (role == ColumnIdentifierRole) return columnIdentifier(section);
  if (role == Qt::DisplayRole) return titles_.value(section);
  return {};
}

Qt::ItemFlags SlotListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
  const bool nameCell = columnIdentifier(index.column()) == nameIdentifier();
  if (renameHandler_ && nameCell && holdsSlot(index.row())) flags |= Qt::ItemIsEditable;
  return flags;
}

bool SlotListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  const QString name = value.toString();
  if (name == data(index, Qt::EditRole).toString()) return false;
  renameHandler_(index.row(), name);
  return true;
}

QStringList SlotListModel::mimeTypes() const {
  return {rowMimeType_};
}

QMimeData* SlotListModel::mimeData(const QModelIndexList& indexes) const {
  QList<int> rows;
  for (const QModelIndex& index : indexes)
    rows << index.row();
  auto* data = new QMimeData;
  data->setData(rowMimeType_, rowdrag::encode(rows));
  if (!dragData_.first.isEmpty()) data->setData(dragData_.first, dragData_.second);
  return data;
}

bool SlotListModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int row, int,
                                    const QModelIndex& parent) const {
  // Only between two rows (or below the last one), never onto a row.
  if (data == nullptr || parent.isValid() || row < 0 || row > rowCount()) return false;
  const bool imported = importHandler_ && data->hasFormat(rowdrag::kOtherSoundRowsMimeType) &&
                        data->hasFormat(rowdrag::kOtherRootMimeType);
  const bool placed = libraryHandler_ && data->hasFormat(rowdrag::kLibrarySoundsMimeType);
  return imported || placed || (dropHandler_ && data->hasFormat(rowMimeType_)) || takesFile(data);
}

bool SlotListModel::takesFile(const QMimeData* data) const {
  if (!fileDropHandler_.accepts) return false;
  const QString file = rowdrag::droppedFile(data);
  return !file.isEmpty() && fileDropHandler_.accepts(file);
}

bool SlotListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                 const QModelIndex& parent) {
  if (!canDropMimeData(data, action, row, column, parent)) return false;
  if (importHandler_ && data->hasFormat(rowdrag::kOtherSoundRowsMimeType)) {
    const std::optional<QList<int>> imported =
        rowdrag::decode(data->data(rowdrag::kOtherSoundRowsMimeType));
    if (!imported) return false;
    importHandler_(data->data(rowdrag::kOtherRootMimeType), *imported, row);
    return true;
  }
  if (libraryHandler_ && data->hasFormat(rowdrag::kLibrarySoundsMimeType)) {
    const std::optional<std::vector<std::string>> ids =
        rowdrag::decodeLibrarySounds(data->data(rowdrag::kLibrarySoundsMimeType));
    if (!ids) return false;
    libraryHandler_(*ids, row);
    return true;
  }
  if (!data->hasFormat(rowMimeType_) && takesFile(data)) {
    fileDropHandler_.drop(rowdrag::droppedFile(data), row);
    return true;
  }
  const std::optional<QList<int>> rows = rowdrag::decode(data->data(rowMimeType_));
  if (!rows) return false;
  if (dropHandler_) dropHandler_(*rows, row, action);
  // Accepted whatever became of the edit: declining it in the alert is not a failed drop.
  return true;
}

Qt::DropActions SlotListModel::supportedDragActions() const {
  return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions SlotListModel::supportedDropActions() const {
  return Qt::CopyAction | Qt::MoveAction;
}

QString nameText(const char* name) {
  return QString::fromLatin1(name);
}

QString nameText(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace slotsmith
