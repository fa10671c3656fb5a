#include "app/RowDragPayload.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "app/ListRows.h"
#include "core/SlotTables.h"

namespace slotsmith {

namespace rowdrag {

namespace {

// Marks the start of a payload so that stray bytes of the same type are not read as rows.
constexpr quint32 kMagic = 0x534c5452;  // "SLTR"

}  // namespace

QByteArray encode(QList<int> rows) {
  sortAndDeduplicate(rows);
  QByteArray bytes;
  QDataStream stream(&bytes, QIODevice::WriteOnly);
  stream.setVersion(QDataStream::Qt_6_0);
  stream << kMagic << static_cast<quint32>(rows.size());
  for (int row : rows)
    stream << static_cast<qint32>(row);
  return bytes;
}

std::optional<QList<int>> decode(const QByteArray& payload) {
  QDataStream stream(payload);
  stream.setVersion(QDataStream::Qt_6_0);
  quint32 magic = 0;
  quint32 count = 0;
  stream >> magic >> count;
  if (stream.status() != QDataStream::Ok || magic != kMagic || count > slotsmith::kSlotCount) {
    return std::nullopt;
  }
  QList<int> rows;
  rows.reserve(static_cast<int>(count));
  for (quint32 i = 0; i < count; ++i) {
    qint32 row = -1;
    stream >> row;
    if (stream.status() != QDataStream::Ok || row < 0 || row >= slotsmith::kSlotCount) {
      return std::nullopt;
    }
    rows << row;
  }
  return rows;
}

QString droppedFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return {};
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  return urls.front().toLocalFile();
}

std::optional<std::vector<std::string>> decodeLibrarySounds(const QByteArray& payload) {
  std::vector<std::string> ids;
  for (const QByteArray& line : payload.split('\n')) {
    if (line.isEmpty()) continue;
    const bool hex = line.size() == 64 && std::all_of(line.begin(), line.end(), [](char c) {
                       return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
                     });
    if (!hex) return std::nullopt;
    ids.push_back(line.toStdString());
  }
  if (ids.empty()) return std::nullopt;
  return ids;
}

}  // namespace rowdrag

}  // namespace slotsmith
