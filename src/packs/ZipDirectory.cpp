#include "packs/ZipDirectory.h"

#include <algorithm>
#include <limits>

#include "core/NameFolding.h"
#include "core/UserText.h"

namespace slotsmith {

namespace {

constexpr std::uint32_t kLocalHeader = 0x04034b50;
constexpr std::uint32_t kCentralHeader = 0x02014b50;
constexpr std::uint32_t kEndRecord = 0x06054b50;
constexpr std::uint32_t kEndRecord64 = 0x06064b50;
constexpr std::uint32_t kEndLocator64 = 0x07064b50;
constexpr std::uint32_t kDataDescriptor = 0x08074b50;
constexpr std::uint64_t kEndRecordSize = 22;
constexpr std::uint64_t kEndLocator64Size = 20;
constexpr std::uint64_t kEndRecord64Size = 56;
constexpr std::uint64_t kCentralHeaderSize = 46;
constexpr std::uint64_t kLocalHeaderSize = 30;
constexpr std::uint32_t kNotHere32 = 0xFFFFFFFF;  // the value is in the Zip64 extra field
constexpr std::uint16_t kZip64Extra = 0x0001;
constexpr unsigned kUnixHost = 3;

// Little-endian numbers read from the bytes of the zip, every read bounds-checked first.
class Bytes {
 public:
  explicit Bytes(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t size() const { return bytes_.size(); }
  bool holds(std::uint64_t at, std::uint64_t length) const {
    return at <= bytes_.size() && length <= bytes_.size() - at;
  }
  // Only after holds(at, width).
  std::uint64_t number(std::uint64_t at, int width) const {
    std::uint64_t value = 0;
    for (int k = width - 1; k >= 0; --k)
      value = (value << 8) | static_cast<unsigned char>(bytes_[at + static_cast<std::uint64_t>(k)]);
    return value;
  }
  std::uint16_t u16(std::uint64_t at) const { return static_cast<std::uint16_t>(number(at, 2)); }
  std::uint32_t u32(std::uint64_t at) const { return static_cast<std::uint32_t>(number(at, 4)); }
  std::uint64_t u64(std::uint64_t at) const { return number(at, 8); }
  std::string_view view(std::uint64_t at, std::uint64_t length) const {
    return bytes_.substr(at, length);
  }

 private:
  std::string_view bytes_;
};

// A zip damaged or cut short, said with where; entry names the entry where the text has one.
Status damaged(const TextTemplate& text, std::string_view entry = {}) {
  return Status::refused(userText(text, {{"entry", shownEntryName(entry)}}));
}

Status spansDisks() {
  return Status::refused(userText(USER_TEXT("Archive", "it spans several disks")));
}

Status fewerEntries() {
  return damaged(USER_TEXT("Archive",
                           "it is damaged or cut short (its central directory holds fewer entries "
                           "than its end record says)"));
}

// The Zip64 values an extra field holds for the fields set to all ones, in the order the format
// gives them; false when the extra fields are malformed or lack one that is needed.
struct Zip64Fields {
  std::uint64_t* size = nullptr;
  std::uint64_t* compressedSize = nullptr;
  std::uint64_t* offset = nullptr;
};
bool readZip64Extra(std::string_view extra, const Zip64Fields& wanted, bool& present) {
  present = false;
  const Bytes bytes(extra);
  std::uint64_t at = 0;
  // Writers may pad the extra fields with fewer bytes than a field header.
  while (bytes.holds(at, 4)) {
    const std::uint16_t id = bytes.u16(at);
    const std::uint16_t length = bytes.u16(at + 2);
    if (!bytes.holds(at + 4, length)) return false;
    if (id == kZip64Extra) {
      present = true;
      std::uint64_t field = at + 4;
      for (std::uint64_t* value : {wanted.size, wanted.compressedSize, wanted.offset}) {
        if (value == nullptr) continue;
        if (field + 8 > at + 4 + length) return false;
        *value = bytes.u64(field);
        field += 8;
      }
    }
    at += 4 + std::uint64_t{length};
  }
  return true;
}

// Where the central directory lies, from the end records.
struct Directory {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint64_t end = 0;  // where the records after it begin
  std::uint64_t entries = 0;
};

Status findDirectory(const Bytes& zip, Directory& directory) {
  if (zip.size() < kEndRecordSize)
    return damaged(
        USER_TEXT("Archive", "it is damaged or cut short (it is too short to be a zip file)"));
  // The end record is the last 22 bytes, or is followed by exactly its comment.
  const std::uint64_t lowest =
      zip.size() - kEndRecordSize - std::min<std::uint64_t>(zip.size() - kEndRecordSize, 0xFFFF);
  std::uint64_t end = zip.size() - kEndRecordSize;
  for (;; --end) {
    if (zip.u32(end) == kEndRecord && end + kEndRecordSize + zip.u16(end + 20) == zip.size()) break;
    if (end == lowest)
      return damaged(USER_TEXT(
          "Archive", "it is damaged or cut short (the end of its central directory is missing)"));
  }
  std::uint64_t disk = zip.u16(end + 4);
  std::uint64_t directoryDisk = zip.u16(end + 6);
  std::uint64_t entriesHere = zip.u16(end + 8);
  directory.entries = zip.u16(end + 10);
  directory.size = zip.u32(end + 12);
  directory.offset = zip.u32(end + 16);
  directory.end = end;
  if (end >= kEndLocator64Size && zip.u32(end - kEndLocator64Size) == kEndLocator64) {
    const std::uint64_t locator = end - kEndLocator64Size;
    const std::uint64_t record = zip.u64(locator + 8);
    const std::uint32_t disks = zip.u32(locator + 16);
    if (zip.u32(locator + 4) != 0 || disks > 1) return spansDisks();
    if (record > locator || locator - record < kEndRecord64Size ||
        zip.u32(record) != kEndRecord64 || zip.u64(record + 4) != locator - record - 12) {
      return damaged(USER_TEXT(
          "Archive",
          "it is damaged or cut short (its Zip64 end record is not where its locator says)"));
    }
    disk = zip.u32(record + 16);
    directoryDisk = zip.u32(record + 20);
    entriesHere = zip.u64(record + 24);
    directory.entries = zip.u64(record + 32);
    directory.size = zip.u64(record + 40);
    directory.offset = zip.u64(record + 48);
    directory.end = record;
  }
  if (disk != 0 || directoryDisk != 0 || entriesHere != directory.entries) {
    return spansDisks();
  }
  if (directory.offset > directory.end || directory.end - directory.offset != directory.size) {
    return damaged(USER_TEXT(
        "Archive",
        "it is damaged or cut short (its central directory is not where its end record says)"));
  }
  return Status::ok();
}

// The central directory's record of each entry, in the directory's order.
Status readCentralRecords(const Bytes& zip, const Directory& directory,
                          std::vector<ZipEntryRecord>& entries) {
  std::uint64_t at = directory.offset;
  for (std::uint64_t index = 0; index < directory.entries; ++index) {
    if (at > directory.end || directory.end - at < kCentralHeaderSize ||
        zip.u32(at) != kCentralHeader) {
      return fewerEntries();
    }
    const unsigned host = zip.u16(at + 4) >> 8;
    ZipEntryRecord entry;
    entry.method = zip.u16(at + 10);
    entry.crc = zip.u32(at + 16);
    entry.compressedSize = zip.u32(at + 20);
    entry.size = zip.u32(at + 24);
    const std::uint64_t nameLength = zip.u16(at + 28);
    const std::uint64_t extraLength = zip.u16(at + 30);
    const std::uint64_t commentLength = zip.u16(at + 32);
    const std::uint32_t startDisk = zip.u16(at + 34);
    const std::uint32_t external = zip.u32(at + 38);
    entry.offset = zip.u32(at + 42);
    const std::uint64_t length = kCentralHeaderSize + nameLength + extraLength + commentLength;
    if (directory.end - at < length)
      return damaged(
          USER_TEXT("Archive", "it is damaged or cut short (its central directory is cut short)"));
    entry.name = std::string(zip.view(at + kCentralHeaderSize, nameLength));
    if (host == kUnixHost) entry.unixType = (external >> 16) & 0170000u;
    bool zip64 = false;
    if (!readZip64Extra(
            zip.view(at + kCentralHeaderSize + nameLength, extraLength),
            {.size = entry.size == kNotHere32 ? &entry.size : nullptr,
             .compressedSize = entry.compressedSize == kNotHere32 ? &entry.compressedSize : nullptr,
             .offset = entry.offset == kNotHere32 ? &entry.offset : nullptr},
            zip64)) {
      return damaged(USER_TEXT("Archive",
                               "it is damaged or cut short (the directory's extra fields of the "
                               "entry \"{entry}\" are malformed)"),
                     entry.name);
    }
    if (startDisk != 0 && startDisk != 0xFFFF) return spansDisks();
    entries.push_back(std::move(entry));
    at += length;
  }
  if (at != directory.end) {
    return damaged(USER_TEXT(
        "Archive",
        "it is damaged or cut short (its central directory holds more than its end record says)"));
  }
  return Status::ok();
}

// The end of the entry's data (and data descriptor) when its local header agrees with the
// directory's record.
Status checkLocalHeader(const Bytes& zip, const ZipEntryRecord& entry, std::uint64_t limit,
                        std::uint64_t& end) {
  const std::uint64_t at = entry.offset;
  if (!zip.holds(at, kLocalHeaderSize) || zip.u32(at) != kLocalHeader) {
    return damaged(
        USER_TEXT(
            "Archive",
            "it is damaged or cut short (the local header of the entry \"{entry}\" is missing)"),
        entry.name);
  }
  const std::uint16_t flags = zip.u16(at + 6);
  const std::uint16_t method = zip.u16(at + 8);
  const std::uint32_t crc = zip.u32(at + 14);
  std::uint64_t compressedSize = zip.u32(at + 18);
  std::uint64_t size = zip.u32(at + 22);
  const std::uint64_t nameLength = zip.u16(at + 26);
  const std::uint64_t extraLength = zip.u16(at + 28);
  if (!zip.holds(at + kLocalHeaderSize, nameLength + extraLength)) {
    return damaged(
        USER_TEXT(
            "Archive",
            "it is damaged or cut short (the local header of the entry \"{entry}\" is cut short)"),
        entry.name);
  }
  const std::string_view name = zip.view(at + kLocalHeaderSize, nameLength);
  if (name != entry.name) {
    return Status::refused(userText(
        USER_TEXT(
            "Archive",
            "the entry \"{entry}\" is named \"{name}\" in its local header: a zip whose two names "
            "of an entry disagree is read one way by one program and another way by the next"),
        {{"entry", shownEntryName(entry.name)}, {"name", shownEntryName(name)}}));
  }
  bool zip64 = false;
  if (!readZip64Extra(zip.view(at + kLocalHeaderSize + nameLength, extraLength),
                      {.size = size == kNotHere32 ? &size : nullptr,
                       .compressedSize = compressedSize == kNotHere32 ? &compressedSize : nullptr},
                      zip64)) {
    return damaged(USER_TEXT("Archive",
                             "it is damaged or cut short (the local extra fields of the entry "
                             "\"{entry}\" are malformed)"),
                   entry.name);
  }
  const std::uint64_t data = at + kLocalHeaderSize + nameLength + extraLength;
  if (data > limit || limit - data < entry.compressedSize) {
    return damaged(
        USER_TEXT(
            "Archive",
            "it is damaged or cut short (the data of the entry \"{entry}\" runs past its end)"),
        entry.name);
  }
  end = data + entry.compressedSize;
  const auto agree = [&](std::uint32_t c, std::uint64_t packed, std::uint64_t unpacked) {
    return c == entry.crc && packed == entry.compressedSize && unpacked == entry.size;
  };
  const std::string disagree =
      userText(USER_TEXT("Archive",
                         "the compression, sizes or checksum of the entry \"{entry}\" in its local "
                         "header disagree with its central directory"),
               {{"entry", shownEntryName(entry.name)}});
  if (method != entry.method) return Status::refused(disagree);
  if ((flags & 0x0008u) == 0) {
    if (!agree(crc, compressedSize, size)) return Status::refused(disagree);
    return Status::ok();
  }
  // The sizes follow the data, in a descriptor with or without its signature; the local header
  // holds zeros or the same values.
  if ((crc != 0 && crc != entry.crc) ||
      (compressedSize != 0 && compressedSize != entry.compressedSize) ||
      (size != 0 && size != entry.size)) {
    return Status::refused(disagree);
  }
  const int width = zip64 ? 8 : 4;
  for (const std::uint64_t signature : {std::uint64_t{4}, std::uint64_t{0}}) {
    const std::uint64_t descriptor = end;
    const std::uint64_t length = signature + 4 + 2 * static_cast<std::uint64_t>(width);
    if (descriptor > limit || limit - descriptor < length) continue;
    if (signature != 0 && zip.u32(descriptor) != kDataDescriptor) continue;
    const std::uint64_t values = descriptor + signature;
    if (agree(zip.u32(values), zip.number(values + 4, width),
              zip.number(values + 4 + static_cast<std::uint64_t>(width), width))) {
      end = descriptor + length;
      return Status::ok();
    }
  }
  return Status::refused(disagree);
}

}  // namespace

Status readZipDirectory(std::string_view bytes, std::uint64_t maxEntries,
                        std::vector<ZipEntryRecord>& entries) {
  entries.clear();
  const Bytes zip(bytes);
  Directory directory;
  if (Status found = findDirectory(zip, directory); !found.isOk()) return found;
  if (directory.entries > maxEntries) {
    return Status::refused(userText(USER_TEXT("Archive", "it has more than {count} entries"),
                                    {{"count", std::to_string(maxEntries)}}));
  }
  if (directory.entries > directory.size / kCentralHeaderSize) {
    return fewerEntries();
  }
  entries.reserve(directory.entries);
  if (Status read = readCentralRecords(zip, directory, entries); !read.isOk()) {
    entries.clear();
    return read;
  }
  std::stable_sort(
      entries.begin(), entries.end(),
      [](const ZipEntryRecord& a, const ZipEntryRecord& b) { return a.offset < b.offset; });
  // Every entry's local header, data and descriptor lie before the central directory, each after
  // the end of the one before: entries that share bytes are how some zip bombs multiply them.
  std::uint64_t previousEnd = 0;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].offset < previousEnd) {
      const std::string name = entries[i].name;
      entries.clear();
      return Status::refused(
          userText(USER_TEXT("Archive", "the entry \"{entry}\" overlaps another entry"),
                   {{"entry", shownEntryName(name)}}));
    }
    if (Status local = checkLocalHeader(zip, entries[i], directory.offset, previousEnd);
        !local.isOk()) {
      entries.clear();
      return local;
    }
  }
  return Status::ok();
}

}  // namespace slotsmith
