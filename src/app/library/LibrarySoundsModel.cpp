#include "app/library/LibrarySoundsModel.h"

#include <QBrush>
#include <QGuiApplication>
#include <QMimeData>
#include <QPalette>
#include <algorithm>
#include <set>

#include "app/RowDragPayload.h"

namespace slotsmith {

namespace {

QString text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString tagsText(const FoundItem& sound) {
  QStringList tags;
  for (const std::string& tag : sound.tags)
    tags << text(tag);
  return tags.join(QStringLiteral(", "));
}

// The ids of the rows a drag within the table carries, whether or not a bank could take them.
const QString kRowsMimeType = QStringLiteral("application/x-slotsmith-library-rows");

QString modelsText(const FoundItem& sound) {
  QStringList models;
  for (const std::string& model : sound.models)
    models << text(model);
  return models.join(QStringLiteral(", "));
}

// One line a place: the source, the slot and the name there.
QString placesTooltip(const FoundItem& sound) {
  QStringList lines;
  for (const Place& place : sound.places) {
    lines << QStringLiteral("%1 — %2 %3")
                 .arg(text(place.source), QString::number(place.slot).rightJustified(3, u'0'),
                      text(place.name));
  }
  return lines.join(u'\n');
}

}  // namespace

LibrarySoundsModel::LibrarySoundsModel(QObject* parent) : QAbstractTableModel(parent) {}

void LibrarySoundsModel::setSounds(std::vector<FoundItem> sounds) {
  beginResetModel();
  sounds_ = std::move(sounds);
  endResetModel();
}

void LibrarySoundsModel::setModelNames(
    const std::map<std::string, std::vector<std::string>>& models) {
  for (FoundItem& sound : sounds_) {
    const auto found = models.find(sound.id);
    if (found != models.end()) sound.models = found->second;
  }
  if (!sounds_.empty()) Q_EMIT dataChanged(index(0, Models), index(rowCount() - 1, Models));
}

void LibrarySoundsModel::setSourceStates(std::map<std::string, SourceState> states) {
  states_ = std::move(states);
  if (!sounds_.empty()) {
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
  }
}

bool LibrarySoundsModel::isReachable(const FoundItem& sound) const {
  return std::any_of(sound.places.begin(), sound.places.end(), [this](const Place& place) {
    const auto state = states_.find(place.source);
    return state == states_.end() || state->second == SourceState::Ok ||
           state->second == SourceState::Changed;
  });
}

const FoundItem* LibrarySoundsModel::soundAt(int row) const {
  if (row < 0 || row >= rowCount()) return nullptr;
  return &sounds_[static_cast<std::size_t>(row)];
}

int LibrarySoundsModel::rowOf(const std::string& id) const {
  const auto found = std::find_if(sounds_.begin(), sounds_.end(),
                                  [&id](const FoundItem& sound) { return sound.id == id; });
  return found == sounds_.end() ? -1 : static_cast<int>(found - sounds_.begin());
}

int LibrarySoundsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(sounds_.size());
}

int LibrarySoundsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant LibrarySoundsModel::data(const QModelIndex& index, int role) const {
  const FoundItem* sound = soundAt(index.row());
  if (sound == nullptr) return {};
  const bool reachable = isReachable(*sound);
  switch (role) {
    case Qt::DisplayRole:
      switch (index.column()) {
        case Name:
          return text(sound->name);
        case Tags:
          return tagsText(*sound);
        case Favourite:
          return sound->favourite ? QStringLiteral("★") : QString();
        case Places:
          return static_cast<int>(sound->places.size());
        case Models:
          return modelsText(*sound);
        default:
          return {};
      }
    case Qt::ToolTipRole:
      if (!reachable) {
        return tr("No source that holds this sound can be read now (%1), so it cannot be placed "
                  "into a bank.")
            .arg(placesTooltip(*sound));
      }
      return index.column() == Places ? placesTooltip(*sound) : QVariant();
    case Qt::ForegroundRole:
      if (!reachable) {
        return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
      }
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == Places || index.column() == Favourite
                 ? QVariant(Qt::AlignCenter)
                 : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant LibrarySoundsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case Name:
      return tr("Name");
    case Tags:
      return tr("Tags");
    case Favourite:
      return QStringLiteral("★");
    case Places:
      return tr("Places");
    case Models:
      return tr("Models");
    default:
      return {};
  }
}

Qt::ItemFlags LibrarySoundsModel::flags(const QModelIndex& index) const {
  const FoundItem* sound = soundAt(index.row());
  if (sound == nullptr) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (reorderable_ || isReachable(*sound)) flags |= Qt::ItemIsDragEnabled;
  return flags;
}

QStringList LibrarySoundsModel::mimeTypes() const {
  return {rowdrag::kLibrarySoundsMimeType, kRowsMimeType};
}

bool LibrarySoundsModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int,
                                         const QModelIndex&) const {
  return reorderable_ && data != nullptr && data->hasFormat(kRowsMimeType);
}

bool LibrarySoundsModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                      int column, const QModelIndex& parent) {
  if (!canDropMimeData(data, action, row, column, parent)) return false;
  const auto ids = rowdrag::decodeLibrarySounds(data->data(kRowsMimeType));
  if (!ids) return false;
  // Dropped onto a row rather than between two: before it.
  if (row < 0) row = parent.isValid() ? parent.row() : rowCount();
  Q_EMIT reorderRequested(*ids, row);
  // Nothing moves here: the list is reordered in the library and read again.
  return false;
}

QMimeData* LibrarySoundsModel::mimeData(const QModelIndexList& indexes) const {
  std::set<int> rows;
  for (const QModelIndex& index : indexes)
    rows.insert(index.row());
  QByteArray ids, all;
  for (int row : rows) {
    const FoundItem* sound = soundAt(row);
    if (sound == nullptr) continue;
    all += QByteArray::fromStdString(sound->id) + '\n';
    if (isReachable(*sound)) ids += QByteArray::fromStdString(sound->id) + '\n';
  }
  if (all.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  if (!ids.isEmpty()) data->setData(rowdrag::kLibrarySoundsMimeType, ids);
  if (reorderable_) data->setData(kRowsMimeType, all);
  return data;
}

}  // namespace slotsmith
