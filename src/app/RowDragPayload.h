// The payload of a row drag: the set of dragged row numbers, encoded losslessly. Each list has
// its own MIME type, so rows of one list can never be taken for rows of the other.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace slotsmith {

namespace rowdrag {

inline const QString kSoundRowsMimeType = QStringLiteral("application/x-slotsmith-sound-rows");
inline const QString kModelRowsMimeType = QStringLiteral("application/x-slotsmith-model-rows");
// Sound rows of another, read-only database, and that database's root (its path's bytes): what a
// drag from the other database's window carries, to be imported where it is dropped.
inline const QString kOtherSoundRowsMimeType =
    QStringLiteral("application/x-slotsmith-other-sound-rows");
inline const QString kOtherRootMimeType = QStringLiteral("application/x-slotsmith-other-root");

// Sounds dragged out of the library window: their identities, lower-case hex, one a line.
inline const QString kLibrarySoundsMimeType =
    QStringLiteral("application/x-slotsmith-library-sounds");

// Rows in ascending order without duplicates.
QByteArray encode(QList<int> rows);
// The rows, or none when the bytes are not a payload (truncated, foreign, rows out of range).
std::optional<QList<int>> decode(const QByteArray& payload);

// The ids a drag out of the library carries (payload in order, each 64 lower-case hex digits),
// or none when the bytes are not such a payload.
std::optional<std::vector<std::string>> decodeLibrarySounds(const QByteArray& payload);

// The one local file a drag from another program carries (a sound pack from the file manager),
// or an empty string when it carries none, several, or something else.
QString droppedFile(const QMimeData* data);

}  // namespace rowdrag

}  // namespace slotsmith
