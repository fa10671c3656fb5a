// What the library remembers of a database source's stamps (core/DatabaseStamp.h), so that a
// refresh reads again only the slots whose stamps changed since the last read. Each slot's stamp
// is kept in slot_stamps, with the model slots its sound plays: a change of one of those models
// changes the sound's identity, so the sound is read again with it. A slot whose stamp is kept as
// NULL is read again at every refresh: one that could not be read (its note must stay true) and
// one whose files changed too recently to trust their stamps, which a rewrite in place within the
// same tick of the file system's clock would not change. The source's own stamp (sources.stamp)
// is a hash of all its slots' stamps: `library sources` compares it to tell a changed source.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/DatabaseStamp.h"
#include "library/Identity.h"
#include "library/Sqlite.h"

namespace slotsmith {

// The hash of every slot's stamp, as sources.stamp keeps it for a database.
std::string databaseStampText(const DatabaseStamp& stamp);

struct StoredSlotStamps {
  // The hash kept in sources.stamp (which loadSlotStamps leaves to its caller); empty when the
  // source was never read with its stamps.
  std::string summary;
  // Each slot's stamp as kept; empty when it is NULL.
  std::array<std::vector<std::string>, 2> slots;  // by Bank
  std::vector<std::array<int, 2>> plays;          // by sound slot
};

Status loadSlotStamps(SqliteConnection& connection, std::int64_t source, StoredSlotStamps& stored);

// The slots to read again: those whose stamp changed or is kept as NULL, and the sounds that play
// a model slot among them.
SlotChoice changedSlots(const StoredSlotStamps& stored, const DatabaseStamp& now);

// Keeps the stamps of the slots read (every slot when whole), inside the caller's transaction, and
// the source's hash. A slot read and found holding what a reading could not take (it has a note)
// and one whose entries changed at or after settledBefore (nanoseconds since 1970) is kept as
// NULL.
Status storeSlotStamps(SqliteConnection& connection, std::int64_t source, const DatabaseStamp& now,
                       const SlotChoice& read, const DatabaseReading& reading,
                       std::int64_t settledBefore);

}  // namespace slotsmith
