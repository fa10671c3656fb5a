#include "library/SlotStamps.h"

#include <cstring>

#include "core/Hashes.h"

namespace slotsmith {

namespace {

constexpr std::array<const char*, 2> kBankNames = {"sound", "model"};

std::size_t bankIndex(Bank bank) {
  return bank == Bank::Sounds ? 0 : 1;
}

// The eight numbers of a slot's stamp, as bytes in this machine's order, appended to bytes: the
// library file is this user's own, and one taken to another machine only has its slots read
// again.
void appendStamp(std::string& bytes, const SlotStamp& stamp) {
  for (const EntryStamp* entry : {&stamp.folder, &stamp.file}) {
    const std::array<std::int64_t, 4> numbers = {entry->seconds, entry->nanoseconds, entry->size,
                                                 static_cast<std::int64_t>(entry->inode)};
    const std::size_t at = bytes.size();
    bytes.resize(at + sizeof numbers);
    std::memcpy(bytes.data() + at, numbers.data(), sizeof numbers);
  }
}

std::string encodedStamp(const SlotStamp& stamp) {
  std::string bytes;
  appendStamp(bytes, stamp);
  return bytes;
}

std::int64_t nanosecondsOf(const EntryStamp& stamp) {
  return stamp.seconds * 1'000'000'000 + stamp.nanoseconds;
}

bool changedSince(const SlotStamp& stamp, std::int64_t settledBefore) {
  return nanosecondsOf(stamp.folder) >= settledBefore || nanosecondsOf(stamp.file) >= settledBefore;
}

}  // namespace

std::string databaseStampText(const DatabaseStamp& stamp) {
  // A change is told, not guarded against: a fast hash of the 128 kB of a full database's stamps.
  std::string bytes;
  bytes.reserve(std::size_t{2} * kSlotCount * 64);
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    for (const SlotStamp& slot : stamp.of(bank))
      appendStamp(bytes, slot);
  }
  return std::to_string(hash64(bytes));
}

Status loadSlotStamps(SqliteConnection& connection, std::int64_t source, StoredSlotStamps& stored) {
  const std::string empty = encodedStamp(SlotStamp{});
  for (std::vector<std::string>& slots : stored.slots)
    slots.assign(kSlotCount, empty);
  stored.plays.assign(kSlotCount, {-1, -1});
  SqliteStatement query;
  Status status = connection.prepare(
      "SELECT bank, slot, stamp, plays1, plays2 FROM slot_stamps WHERE source = ?1", query);
  if (status.isOk()) status = query.bind(1, source);
  bool row = true;
  while (status.isOk()) {
    status = query.step(row);
    if (!status.isOk() || !row) break;
    const std::size_t bank = query.columnText(0) == kBankNames[0] ? 0 : 1;
    const std::int64_t slot = query.columnNumber(1);
    if (slot < 0 || slot >= kSlotCount) continue;
    const auto index = static_cast<std::size_t>(slot);
    stored.slots[bank][index] = query.columnIsNull(2) ? std::string() : query.columnText(2);
    if (bank == 0) {
      stored.plays[index] = {static_cast<int>(query.columnNumber(3)),
                             static_cast<int>(query.columnNumber(4))};
    }
  }
  return status;
}

SlotChoice changedSlots(const StoredSlotStamps& stored, const DatabaseStamp& now) {
  SlotChoice changed;
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    std::bitset<kSlotCount>& chosen = bank == Bank::Sounds ? changed.sounds : changed.models;
    const std::vector<std::string>& kept = stored.slots[bankIndex(bank)];
    std::string bytes;
    for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
      bytes.clear();
      appendStamp(bytes, now.of(bank)[slot]);
      if (kept[slot].empty() || kept[slot] != bytes) chosen.set(slot);
    }
  }
  if (changed.models.none()) return changed;
  for (std::size_t slot = 0; slot < kSlotCount; ++slot) {
    for (const int model : stored.plays[slot]) {
      if (model >= 0 && model < kSlotCount && changed.models.test(static_cast<std::size_t>(model)))
        changed.sounds.set(slot);
    }
  }
  return changed;
}

Status storeSlotStamps(SqliteConnection& connection, std::int64_t source, const DatabaseStamp& now,
                       const SlotChoice& read, const DatabaseReading& reading,
                       std::int64_t settledBefore) {
  std::array<std::bitset<kSlotCount>, 2> taken;
  std::vector<std::array<int, 2>> plays(kSlotCount, {-1, -1});
  for (const SoundReading& sound : reading.sounds) {
    taken[0].set(static_cast<std::size_t>(sound.slot));
    plays[static_cast<std::size_t>(sound.slot)] = sound.plays;
  }
  for (const ModelReading& model : reading.models)
    taken[1].set(static_cast<std::size_t>(model.slot));

  // A whole read forgets every stamp at once rather than slot by slot.
  const bool whole = read.sounds.all() && read.models.all();
  SqliteStatement forgetAll, forget, keep, summary;
  Status status = connection.prepare("DELETE FROM slot_stamps WHERE source = ?1", forgetAll);
  if (status.isOk()) {
    status = connection.prepare(
        "DELETE FROM slot_stamps WHERE source = ?1 AND bank = ?2 AND slot = ?3", forget);
  }
  if (status.isOk() && whole) status = forgetAll.runWith(source);
  if (status.isOk()) {
    status = connection.prepare(
        "INSERT INTO slot_stamps(source, bank, slot, stamp, plays1, plays2) "
        "VALUES (?1, ?2, ?3, ?4, ?5, ?6)",
        keep);
  }
  if (status.isOk()) {
    status = connection.prepare("UPDATE sources SET stamp = ?2 WHERE id = ?1", summary);
  }
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    const std::size_t b = bankIndex(bank);
    const std::bitset<kSlotCount>& chosen = bank == Bank::Sounds ? read.sounds : read.models;
    const std::string_view bankName = kBankNames[b];
    for (std::size_t slot = 0; slot < kSlotCount && status.isOk(); ++slot) {
      if (!chosen.test(slot)) continue;
      const auto number = static_cast<std::int64_t>(slot);
      if (!whole) status = forget.runWith(source, bankName, number);
      const SlotStamp& stamp = now.of(bank)[slot];
      // A file there that gave no sound or model has a note, which must be made again.
      const bool readAgain = changedSince(stamp, settledBefore) ||
                             (stamp.file != EntryStamp{} && !taken[b].test(slot));
      if (!status.isOk() || (!readAgain && stamp == SlotStamp{})) continue;
      const std::string bytes = encodedStamp(stamp);
      const std::array<int, 2>& played = plays[slot];
      if (readAgain) {
        status = keep.runWith(source, bankName, number, nullptr, std::int64_t{played[0]},
                              std::int64_t{played[1]});
      } else {
        status = keep.runWith(source, bankName, number, SqliteBlob{bytes}, std::int64_t{played[0]},
                              std::int64_t{played[1]});
      }
    }
  }
  if (status.isOk()) status = summary.runWith(source, databaseStampText(now));
  return status;
}

}  // namespace slotsmith
