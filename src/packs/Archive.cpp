#include "packs/Archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <openssl/evp.h>

#include <clocale>
#if defined(__APPLE__)
#include <xlocale.h>
#endif

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "core/NameFolding.h"
#include "core/PendingFlushes.h"
#include "core/UserText.h"
#include "ops/Journal.h"
#include "packs/ZipDirectory.h"

namespace slotsmith {

namespace {

using ArchivePtr = std::unique_ptr<archive, int (*)(archive*)>;

// libarchive converts names between the character set of the locale and the one an archive
// uses, and in the C locale (the command line's) it cannot convert any name outside ASCII. Names
// are bytes on the disk, and Slotsmith writes them as UTF-8 (refusing those that are not): while
// an archive is written, this thread's character set is UTF-8, whatever the locale. (Reading
// is done in the C locale instead, see ClassicLocaleHere.)
class Utf8Names {
 public:
  Utf8Names() {
    // glibc knows C.UTF-8 always; macOS only the named UTF-8 locales.
    for (const char* name : {"C.UTF-8", "en_US.UTF-8"}) {
      utf8_ = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
      if (utf8_ != static_cast<locale_t>(nullptr)) break;
    }
    if (utf8_ != static_cast<locale_t>(nullptr)) previous_ = uselocale(utf8_);
  }
  ~Utf8Names() {
    if (utf8_ == static_cast<locale_t>(nullptr)) return;
    uselocale(previous_);
    freelocale(utf8_);
  }
  Utf8Names(const Utf8Names&) = delete;
  Utf8Names& operator=(const Utf8Names&) = delete;

 private:
  locale_t utf8_ = static_cast<locale_t>(nullptr);
  locale_t previous_ = LC_GLOBAL_LOCALE;
};

// The ratio rule, the same for the reader and the writer: past the bytes free of it (and those a
// manifest declared), no more than maxRatio bytes unpacked for each byte packed.
bool looksLikeBomb(std::uint64_t unpacked, std::uint64_t packed, std::uint64_t declared,
                   const ArchiveLimits& limits) {
  return unpacked > std::max(limits.ratioFreeBytes, declared) &&
         unpacked / std::max<std::uint64_t>(packed, 1) > limits.maxRatio;
}

// The total the first entry (path, bytes) declares, its own bytes added, or 0.
std::uint64_t declaredBy(const ArchiveLimits& limits, const std::string& path,
                         const std::string& bytes) {
  if (!limits.declaredTotal) return 0;
  const std::optional<std::uint64_t> total = limits.declaredTotal(path, bytes);
  if (!total || *total > limits.maxTotalBytes) return 0;
  return *total + bytes.size();
}

std::string errorOf(archive* a) {
  const char* text = archive_error_string(a);
  return text != nullptr ? text : userText(USER_TEXT("Archive", "damaged or cut short"));
}

// A refusal that names an entry of the archive, as a name can be shown.
Status entryRefused(const TextTemplate& text, const std::string& path) {
  return Status::refused(userText(text, {{"entry", shownEntryName(path)}}));
}

// An entry that is neither a file nor a folder, refused with what it is.
Status refusedKind(const std::string& path, unsigned type) {
  switch (type) {
    case AE_IFLNK:
      return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" is a symbolic link"), path);
    case AE_IFCHR:
    case AE_IFBLK:
      return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" is a device file"), path);
    case AE_IFIFO:
      return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" is a pipe"), path);
    case AE_IFSOCK:
      return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" is a socket"), path);
    default:
      return entryRefused(
          USER_TEXT("Archive", "the entry \"{entry}\" is neither a file nor a folder"), path);
  }
}

Status damaged(const std::string& reason) {
  return Status::refused(userText(USER_TEXT("Archive", "it is damaged or cut short ({reason})"),
                                  {{"reason", reason}}));
}

Status tooManyEntries(std::uint64_t maxEntries) {
  return Status::refused(userText(USER_TEXT("Archive", "it has more than {count} entries"),
                                  {{"count", std::to_string(maxEntries)}}));
}

Status disagreesWithDirectory() {
  return Status::refused(
      userText(USER_TEXT("Archive",
                         "its entries disagree with its central directory (it is damaged, or made "
                         "to be read differently by different programs)")));
}

Status largerThanAnyDatabase(std::uint64_t maxBytes) {
  return Status::refused(
      userText(USER_TEXT("Archive", "it is larger than {size} MB, more than any database holds"),
               {{"size", std::to_string(maxBytes >> 20)}}));
}

// libarchive turns an entry's name into the locale's encoding, and a UTF-8 one into NFC on the
// way. In the "C" locale it cannot: a tar's names then stay the bytes the archive holds, and a
// zip's are lost (they are taken from its central directory instead). So an archive is read in
// the "C" locale on the reading thread, whatever the program's (the desktop's is the user's),
// and a name is the same bytes whichever front end reads it.
class ClassicLocaleHere {
 public:
#if defined(_WIN32)
  ClassicLocaleHere() = default;
#else
  ClassicLocaleHere() : classic_(newlocale(LC_ALL_MASK, "C", locale_t{})) {
    if (classic_ != locale_t{}) previous_ = uselocale(classic_);
  }
  ~ClassicLocaleHere() {
    if (classic_ == locale_t{}) return;
    uselocale(previous_);
    freelocale(classic_);
  }
  ClassicLocaleHere(const ClassicLocaleHere&) = delete;
  ClassicLocaleHere& operator=(const ClassicLocaleHere&) = delete;

 private:
  locale_t classic_;
  locale_t previous_ = locale_t{};
#endif
};

class TreeBuilder {
 public:
  // packedBytes: the size of the whole archive when it is known (a zip, read whole), else 0 and
  // the bytes read so far count.
  TreeBuilder(ArchiveTree& tree, const ArchiveLimits& limits, std::uint64_t packedBytes = 0)
      : tree_(tree), limits_(limits), packedBytes_(packedBytes) {}

  // Checks a new entry's path and records it (with the folders above it). Two paths are one
  // when a disk would take them for one (nameComparisonKey); a folder is one folder however the
  // entries below it spell it.
  Status add(std::string path, bool folder) {
    while (!path.empty() && path.back() == '/')
      path.pop_back();
    if (path.find('\0') != std::string::npos) {
      return entryRefused(USER_TEXT("Archive",
                                    "the entry \"{entry}\" has a NUL byte in its name, which ends "
                                    "a name where the archive does not"),
                          path);
    }
    if (!isSafeArchivePath(path)) {
      return entryRefused(
          USER_TEXT("Archive",
                    "the entry \"{entry}\" would lie outside the folder it is unpacked into"),
          path);
    }
    // Named twice: as spelt, and first as first.
    const auto twice = [](const std::string& spelt, const std::string& first) {
      if (first == spelt) {
        return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" appears twice"), spelt);
      }
      return Status::refused(userText(
          USER_TEXT("Archive",
                    "the entry \"{entry}\" appears twice (as \"{first}\": names that differ only "
                    "in letter case or in how an accent is written count as one on many disks)"),
          {{"entry", shownEntryName(spelt)}, {"first", shownEntryName(first)}}));
    };
    // Every folder above it: none may be a file, and each is spelt one way.
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
      const std::string above = path.substr(0, slash);
      const auto [seen, isNew] = seen_.try_emplace(nameComparisonKey(above), Seen{above, true});
      if (!seen->second.folder) {
        return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" lies inside a file"), path);
      }
      if (seen->second.path != above) return twice(above, seen->second.path);
      tree_.folders.emplace(above, false);
    }
    const auto [seen, isNew] = seen_.try_emplace(nameComparisonKey(path), Seen{path, folder, true});
    if (!isNew) {
      // Only a folder named by an entry after the entries inside it is there already.
      if (seen->second.path != path || seen->second.named) return twice(path, seen->second.path);
      if (!folder) {
        return entryRefused(
            USER_TEXT("Archive", "the entry \"{entry}\" is both a file and a folder"), path);
      }
      seen->second.named = true;
    }
    if (folder) tree_.folders[path] = true;
    return Status::ok();
  }

  // Reads the data of the current entry, counting it against the limits.
  Status readData(archive* a, const std::string& path) {
    std::string& contents = tree_.files[path];
    std::array<char, 65536> block;
    for (;;) {
      const la_ssize_t n = archive_read_data(a, block.data(), block.size());
      if (n == 0) break;
      if (n < 0) {
        return Status::refused(
            userText(USER_TEXT("Archive", "the entry \"{entry}\" cannot be read: {reason}"),
                     {{"entry", shownEntryName(path)}, {"reason", errorOf(a)}}));
      }
      const auto got = static_cast<std::uint64_t>(n);
      tree_.bytes += got;
      if (contents.size() + got > limits_.maxFileBytes) return tooLarge(path);
      if (tree_.bytes > limits_.maxTotalBytes) return tooMuch();
      const auto packed =
          packedBytes_ != 0
              ? packedBytes_
              : static_cast<std::uint64_t>(std::max<la_int64_t>(archive_filter_bytes(a, -1), 1));
      if (looksLikeBomb(tree_.bytes, packed, declared_, limits_)) {
        return bomb();
      }
      contents.append(block.data(), got);
    }
    return Status::ok();
  }

  void trust(std::uint64_t declared) { declared_ = declared; }
  Status tooLarge(const std::string& path) const {
    return Status::refused(userText(
        USER_TEXT(
            "Archive",
            "the entry \"{entry}\" is larger than {size} MB, more than any file of a database"),
        {{"entry", shownEntryName(path)}, {"size", std::to_string(limits_.maxFileBytes >> 20)}}));
  }
  Status tooMuch() const {
    return Status::refused(userText(
        USER_TEXT("Archive", "it unpacks to more than {size} MB, more than any database holds"),
        {{"size", std::to_string(limits_.maxTotalBytes >> 20)}}));
  }
  Status bomb() const {
    return Status::refused(userText(
        USER_TEXT("Archive", "it unpacks to more than {ratio} times its size (a compression bomb)"),
        {{"ratio", std::to_string(limits_.maxRatio)}}));
  }

 private:
  struct Seen {
    std::string path;  // as the archive spells it
    bool folder = false;
    bool named = false;  // by an entry of its own, not only as the folder of another
  };

  ArchiveTree& tree_;
  const ArchiveLimits& limits_;
  std::uint64_t packedBytes_ = 0;
  std::uint64_t declared_ = 0;
  std::map<std::string, Seen> seen_;  // by nameComparisonKey
};

// Checks the current entry, of the given type and path, and reads it into the tree; agrees, where
// given, checks what else the entry must be before its data is read.
Status addEntry(TreeBuilder& builder, archive* a, archive_entry* entry, const std::string& path,
                unsigned type, const std::function<bool()>& agrees = {}) {
  if (archive_entry_hardlink(entry) != nullptr) {
    return entryRefused(USER_TEXT("Archive", "the entry \"{entry}\" is a hard link"), path);
  }
  if (type != AE_IFREG && type != AE_IFDIR) {
    return refusedKind(path, type);
  }
  if (Status s = builder.add(path, type == AE_IFDIR); !s.isOk()) return s;
  if (agrees && !agrees()) return disagreesWithDirectory();
  if (type != AE_IFREG) return Status::ok();
  std::string clean = path;
  while (!clean.empty() && clean.back() == '/')
    clean.pop_back();
  return builder.readData(a, clean);
}

// A backup, read as it streams: a tar has no directory to check its entries against.
Status readTar(archive* a, ArchiveTree& tree, const ArchiveLimits& limits) {
  tree = {};
  TreeBuilder builder(tree, limits);
  std::uint64_t entries = 0;
  for (;;) {
    archive_entry* entry = nullptr;
    const int r = archive_read_next_header(a, &entry);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) return damaged(errorOf(a));
    if (++entries > limits.maxEntries) return tooManyEntries(limits.maxEntries);
    const char* name = archive_entry_pathname(entry);
    const std::string path = name != nullptr ? name : "";
    const auto type = archive_entry_filetype(entry);
    if (Status s = addEntry(builder, a, entry, path, type); !s.isOk()) {
      return s;
    }
    if (entries == 1 && type == AE_IFREG) {
      std::string clean = path;
      while (!clean.empty() && clean.back() == '/')
        clean.pop_back();
      builder.trust(declaredBy(limits, clean, tree.files[clean]));
    }
  }
  return Status::ok();
}

// A pack, read whole from memory: first its central directory, checked against the local
// headers (ZipDirectory.h), then its entries through libarchive's seekable reader, which follows
// the directory, in the same order. A name is the directory's bytes, whatever the zip's UTF-8
// flag and the locale; libarchive's own reading of it, where it has one, must be the same.
Status readZip(std::string_view bytes, ArchiveTree& tree, const ArchiveLimits& limits) {
  tree = {};
  std::vector<ZipEntryRecord> records;
  if (Status s = readZipDirectory(bytes, limits.maxEntries, records); !s.isOk()) return s;
  TreeBuilder builder(tree, limits, std::max<std::uint64_t>(bytes.size(), 1));
  // What the directory says the entries unpack to is refused before anything is unpacked.
  std::uint64_t total = 0;
  for (const ZipEntryRecord& record : records) {
    if (record.size > limits.maxFileBytes) return builder.tooLarge(record.name);
    total += record.size;
    if (total > limits.maxTotalBytes) return builder.tooMuch();
  }
  if (total > limits.ratioFreeBytes &&
      total / std::max<std::uint64_t>(bytes.size(), 1) > limits.maxRatio) {
    return builder.bomb();
  }
  ArchivePtr a(archive_read_new(), archive_read_free);
  archive_read_support_format_zip_seekable(a.get());
  // macOS resource forks ("__MACOSX/._NAME") stay entries of their own.
  archive_read_set_format_option(a.get(), "zip", "mac-ext", nullptr);
  if (archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) {
    return damaged(errorOf(a.get()));
  }
  std::size_t index = 0;
  for (;; ++index) {
    archive_entry* entry = nullptr;
    const int r = archive_read_next_header(a.get(), &entry);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) {
      return damaged(errorOf(a.get()));
    }
    if (index == records.size()) return disagreesWithDirectory();
    const ZipEntryRecord& record = records[index];
    // libarchive takes a fifo, a device or a socket of a Unix zip for a plain file.
    unsigned type = archive_entry_filetype(entry);
    if (record.unixType != 0 && record.unixType != AE_IFREG && record.unixType != AE_IFDIR) {
      type = record.unixType;
    }
    // libarchive's own reading of the name, where it has one (in the "C" locale it has none for
    // a name flagged UTF-8 that is not ASCII), and the size must be the directory's.
    const auto agrees = [&] {
      const char* name = archive_entry_pathname(entry);
      const char* utf8 = archive_entry_pathname_utf8(entry);
      const bool sameName = (name == nullptr && utf8 == nullptr) ||
                            (name != nullptr && record.name == name) ||
                            (utf8 != nullptr && record.name == utf8);
      return sameName && (archive_entry_size_is_set(entry) == 0 ||
                          static_cast<std::uint64_t>(archive_entry_size(entry)) == record.size);
    };
    if (Status s = addEntry(builder, a.get(), entry, record.name, type, agrees); !s.isOk()) {
      return s;
    }
  }
  if (index != records.size()) return disagreesWithDirectory();
  return Status::ok();
}

// The whole file at path, followed through links (the user named it), at most maxBytes.
Status readWholeFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes) {
  // Paths are UTF-8, which std::filesystem takes as such only from char8_t.
  const std::filesystem::path file(std::u8string(path.begin(), path.end()));
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return Status::refused(error ? error.message()
                                 : userText(USER_TEXT("Archive", "it is not a file")));
  }
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return Status::refused(error.message());
  if (size > maxBytes) return largerThanAnyDatabase(maxBytes);
  std::ifstream in(file, std::ios::binary);
  bytes.assign(static_cast<std::size_t>(size), '\0');
  if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(size))) {
    return Status::refused(std::strerror(errno));
  }
  // A file that grew since: read up to the limit, and what is there is what is checked.
  std::array<char, 65536> block;
  while (in.read(block.data(), block.size()) || in.gcount() > 0) {
    bytes.append(block.data(), static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > maxBytes) return largerThanAnyDatabase(maxBytes);
  }
  return Status::ok();
}

ArchivePtr tarReader() {
  ArchivePtr a(archive_read_new(), archive_read_free);
  archive_read_support_filter_zstd(a.get());
  archive_read_support_format_tar(a.get());
  return a;
}

Status refusedArchive(const std::string& path, const Status& why) {
  return Status::refused(userText(USER_TEXT("Archive", "{path} was not read: {reason}"),
                                  {{"path", path}, {"reason", why.message()}}));
}

la_ssize_t appendToString(archive*, void* target, const void* buffer, std::size_t length) {
  static_cast<std::string*>(target)->append(static_cast<const char*>(buffer), length);
  return static_cast<la_ssize_t>(length);
}

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool isUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::size_t length = c < 0x80                ? 1
                               : c >= 0xc2 && c < 0xe0 ? 2
                               : c >= 0xe0 && c < 0xf0 ? 3
                               : c >= 0xf0 && c < 0xf5 ? 4
                                                       : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xc0) != 0x80) return false;
    const auto second = static_cast<unsigned char>(text[i + 1 < text.size() ? i + 1 : i]);
    if ((c == 0xe0 && second < 0xa0) || (c == 0xed && second >= 0xa0) ||
        (c == 0xf0 && second < 0x90) || (c == 0xf4 && second >= 0x90)) {
      return false;
    }
    i += length;
  }
  return true;
}

// A name that is not UTF-8, shown with its stray bytes as \xNN.
std::string shownName(std::string_view name) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned char>(name[i]);
    if (c < 0x80 && c >= 0x20 && c != 0x7f) {
      shown += name[i];
    } else if (c >= 0x80 && isUtf8(name.substr(i, c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4))) {
      const std::size_t length = c < 0xe0 ? 2 : c < 0xf0 ? 3 : 4;
      shown += name.substr(i, length);
      i += length - 1;
    } else {
      shown += "\\x";
      shown += kHex[c >> 4];
      shown += kHex[c & 0xf];
    }
  }
  return shown;
}

// Whether tree fits every limit readArchive holds an archive to, but the ratio (which only the
// written bytes tell): the writer refuses what its own reader would.
Status checkAgainstLimits(const ArchiveTree& tree, const ArchiveLimits& limits) {
  const std::uint64_t entries = tree.folders.size() + tree.files.size();
  if (entries > limits.maxEntries) {
    return Status::refused(userText(
        USER_TEXT("Archive",
                  "it would hold {entries} entries, more than the {limit} an archive may have"),
        {{"entries", std::to_string(entries)}, {"limit", std::to_string(limits.maxEntries)}}));
  }
  std::uint64_t total = 0;
  for (const auto& [name, contents] : tree.files) {
    if (contents.size() > limits.maxFileBytes) {
      return Status::refused(userText(
          USER_TEXT("Archive",
                    "{path} is larger than {size} MB, more than an archive may carry in one file"),
          {{"path", name}, {"size", std::to_string(limits.maxFileBytes >> 20)}}));
    }
    total += contents.size();
  }
  if (total > limits.maxTotalBytes) {
    return Status::refused(userText(
        USER_TEXT("Archive", "its files hold more than {size} MB, more than an archive may carry"),
        {{"size", std::to_string(limits.maxTotalBytes >> 20)}}));
  }
  return Status::ok();
}

// A zip is read back from memory before it is written anywhere, by the reader every pack meets
// (names from the central directory, byte for byte): what that reader refuses or reads otherwise
// is never written.
Status checkReadBack(const std::string& bytes, const ArchiveTree& tree,
                     const ArchiveLimits& limits) {
  const ClassicLocaleHere classic;
  ArchiveTree back;
  if (Status s = readZip(bytes, back, limits); !s.isOk()) return s;
  if (back.files != tree.files) {
    return Status::refused(userText(USER_TEXT(
        "Archive", "it would not read back as written (a name or its bytes would differ)")));
  }
  return Status::ok();
}

// The whole archive of tree, in memory: the caller writes it to the disk through the FileSystem
// seam like any other file. The file first (if any) comes before every other entry, then folders
// before the files in them, in path order.
Status archiveBytes(ArchiveFormat format, const ArchiveTree& tree, const ArchiveLimits& limits,
                    const std::string& first, std::string& bytes) {
  bytes.clear();
  if (Status s = checkAgainstLimits(tree, limits); !s.isOk()) return s;
  const Utf8Names utf8;
  ArchivePtr a(archive_write_new(), archive_write_free);
  const auto failed = [&] { return Status::refused(errorOf(a.get())); };
  if (format == ArchiveFormat::Zip) {
    archive_write_set_format_zip(a.get());
  } else {
    archive_write_set_format_pax_restricted(a.get());
    archive_write_add_filter_zstd(a.get());
    // The names' bytes as they are (UTF-8, checked below), marked so that no reader converts
    // them: a reader that takes them for UTF-8 puts them in its normal form, which may not be
    // the name on the disk ("e" and a combining accent for "é").
    if (archive_write_set_options(a.get(), "hdrcharset=BINARY") != ARCHIVE_OK) return failed();
  }
  // A file, not a tape: no zeros padding the last block out, which would follow the compressed
  // data and make it unreadable.
  archive_write_set_bytes_in_last_block(a.get(), 1);
  if (archive_write_open(a.get(), &bytes, nullptr, appendToString, nullptr) != ARCHIVE_OK) {
    return failed();
  }
  const std::time_t now = std::time(nullptr);
  std::unique_ptr<archive_entry, void (*)(archive_entry*)> entry(archive_entry_new(),
                                                                 archive_entry_free);
  // Folders and files in one path order puts every folder before what it holds.
  std::vector<std::pair<std::string, const std::string*>> items;
  for (const auto& [name, named] : tree.folders)
    items.emplace_back(name + "/", nullptr);
  for (const auto& [name, contents] : tree.files)
    if (name != first) items.emplace_back(name, &contents);
  std::sort(items.begin(), items.end());
  std::uint64_t declared = 0;
  if (const auto manifest = tree.files.find(first);
      !first.empty() && manifest != tree.files.end()) {
    items.insert(items.begin(), {first, &manifest->second});
    declared = declaredBy(limits, first, manifest->second);
  }
  std::uint64_t unpacked = 0;
  for (const auto& [name, contents] : items) {
    if (!isUtf8(name)) {
      return Status::refused(
          userText(USER_TEXT("Archive",
                             "the name {name} is not UTF-8, so no archive can carry it; rename it"),
                   {{"name", shownName(name)}}));
    }
    // What a reader has unpacked once through this entry, against no more than has been written
    // before it: the reader has read at least that much by then.
    if (contents != nullptr) unpacked += contents->size();
    if (looksLikeBomb(unpacked, bytes.size(), declared, limits)) {
      return Status::refused(
          userText(USER_TEXT("Archive",
                             "it would unpack to more than {ratio} times its size, which its "
                             "reader takes for a compression bomb"),
                   {{"ratio", std::to_string(limits.maxRatio)}}));
    }
    archive_entry_clear(entry.get());
    archive_entry_set_pathname(entry.get(), name.c_str());
    archive_entry_set_mtime(entry.get(), now, 0);
    if (contents == nullptr) {
      archive_entry_set_filetype(entry.get(), AE_IFDIR);
      archive_entry_set_perm(entry.get(), 0755);
    } else {
      archive_entry_set_filetype(entry.get(), AE_IFREG);
      archive_entry_set_perm(entry.get(), 0644);
      archive_entry_set_size(entry.get(), static_cast<la_int64_t>(contents->size()));
    }
    if (archive_write_header(a.get(), entry.get()) != ARCHIVE_OK) return failed();
    if (contents != nullptr && !contents->empty() &&
        archive_write_data(a.get(), contents->data(), contents->size()) !=
            static_cast<la_ssize_t>(contents->size())) {
      return failed();
    }
  }
  if (archive_write_close(a.get()) != ARCHIVE_OK) return failed();
  if (format == ArchiveFormat::Zip) return checkReadBack(bytes, tree, limits);
  return Status::ok();
}

constexpr char kTemporaryPurpose[] = "slotsmith";

// Whether name is one temporarySibling(..., purpose) gives: ".NAME.purpose-XXXXXX".
bool isTemporaryName(std::string_view name, std::string_view purpose) {
  const std::string middle = "." + std::string(purpose) + "-";
  constexpr std::size_t kSuffix = 6;
  if (name.size() < 1 + 1 + middle.size() + kSuffix || name.front() != '.') return false;
  const std::string_view suffix = name.substr(name.size() - kSuffix);
  return name.substr(name.size() - kSuffix - middle.size(), middle.size()) == middle &&
         std::all_of(suffix.begin(), suffix.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
}

// Removes a leftover beside an archive or a restore when a run killed before it finished left it:
// for an archive the file itself, for a restore the database lock in its folder, which the run
// holds until its folder has its name. A lock that cannot be taken belongs to a live run; no lock
// file (a run killed before it made one, or a file system without locks) proves nothing.
bool removeDeadRunLeftover(FileSystem& fs, const std::string& path, const FolderEntry& entry) {
  std::string lockPath;
  if (entry.type == EntryType::File && isTemporaryName(entry.name, kTemporaryPurpose)) {
    // Only what began as an archive: a zip's local header or end record, or a zstd frame.
    std::string start;
    static_cast<void>(fs.readFile(path, start, 4, nullptr));
    if (start != std::string("PK\3\4", 4) && start != std::string("PK\5\6", 4) &&
        start != std::string("\x28\xb5\x2f\xfd", 4)) {
      return false;
    }
    lockPath = path;
  } else if (entry.type == EntryType::Folder && isTemporaryName(entry.name, kRestoringPurpose)) {
    lockPath = lockFilePath(path);
    if (fs.entryType(lockPath) != EntryType::File) return false;
  } else {
    return false;
  }
  // Held while the leftover is removed, so that no run can take it up meanwhile.
  std::unique_ptr<FileLock> lock;
  if (!fs.lockFileShared(lockPath, lock).isOk() || lock == nullptr) return false;
  return fs.entryType(path) == entry.type && fs.removeFolder(path).isOk();
}

}  // namespace

void addParentFolders(ArchiveTree& tree) {
  std::vector<std::string> paths;
  for (const auto& [path, bytes] : tree.files)
    paths.push_back(path);
  for (const auto& [path, named] : tree.folders)
    paths.push_back(path);
  for (const std::string& path : paths) {
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1))
      tree.folders.emplace(path.substr(0, slash), false);
  }
}

bool isSafeArchivePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return false;
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = std::min(path.find('/', begin), path.size());
    const std::string part = path.substr(begin, end - begin);
    if (part.empty() || part == "." || part == "..") return false;
    if (end == path.size()) break;
    begin = end + 1;
  }
  return std::none_of(path.begin(), path.end(), [](char c) {
    return c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
  });
}

Status copyFolderIntoTree(FileSystem& fs, const std::string& folder, const std::string& prefix,
                          ArchiveTree& tree, ArchiveFormat carrier, std::string_view leaveOut) {
  const bool pack = carrier == ArchiveFormat::Zip;
  // A file larger than an archive may hold is refused here rather than carried in part.
  const auto limit = static_cast<std::size_t>(ArchiveLimits{}.maxFileBytes);
  std::vector<FolderEntry> entries;
  if (Status s = fs.listFolderEntries(folder, entries); !s.isOk()) return s;
  if (!prefix.empty()) tree.folders.emplace(prefix, true);
  for (const FolderEntry& entry : entries) {
    if (!leaveOut.empty() && entry.name == leaveOut) continue;
    const std::string path = folder + "/" + entry.name;
    const std::string inside = prefix.empty() ? entry.name : prefix + "/" + entry.name;
    if (entry.type == EntryType::Folder) {
      if (Status s = copyFolderIntoTree(fs, path, inside, tree, carrier); !s.isOk()) return s;
    } else if (entry.type == EntryType::File) {
      std::string& bytes = tree.files[inside];
      bool tooLarge = false;
      if (Status s = fs.readFile(path, bytes, limit, &tooLarge); !s.isOk()) return s;
      if (tooLarge) {
        const std::initializer_list<TextArgument> arguments{{"path", path},
                                                            {"size", std::to_string(limit >> 20)}};
        return Status::refused(
            pack ? userText(
                       USER_TEXT(
                           "Archive",
                           "{path} is larger than {size} MB; a pack carries no file that large"),
                       arguments)
                 : userText(
                       USER_TEXT(
                           "Archive",
                           "{path} is larger than {size} MB; a backup carries no file that large"),
                       arguments));
      }
      tree.bytes += bytes.size();
    } else {
      return Status::refused(
          pack ? userText(
                     USER_TEXT("Archive",
                               "{path} is neither a file nor a folder; a pack carries only those"),
                     {{"path", path}})
               : userText(USER_TEXT(
                              "Archive",
                              "{path} is neither a file nor a folder; a backup carries only those"),
                          {{"path", path}}));
    }
  }
  return Status::ok();
}

Status readArchive(const std::string& path, ArchiveFormat format, ArchiveTree& tree,
                   const ArchiveLimits& limits) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  tree = {};
  if (format == ArchiveFormat::Zip) {
    std::string bytes;
    if (Status s = readWholeFile(path, limits.maxZipBytes, bytes); !s.isOk()) {
      return Status::refused(
          userText(USER_TEXT("Archive", "{path} cannot be read as a zip file: {reason}"),
                   {{"path", path}, {"reason", s.message()}}));
    }
    const ClassicLocaleHere classic;
    if (Status s = readZip(bytes, tree, limits); !s.isOk()) {
      tree = {};
      return refusedArchive(path, s);
    }
    return Status::ok();
  }
  const ClassicLocaleHere classic;
  ArchivePtr a = tarReader();
  if (archive_read_open_filename(a.get(), path.c_str(), 65536) != ARCHIVE_OK) {
    return Status::refused(
        userText(USER_TEXT("Archive", "{path} cannot be read as a .tar.zst file: {reason}"),
                 {{"path", path}, {"reason", errorOf(a.get())}}));
  }
  if (Status s = readTar(a.get(), tree, limits); !s.isOk()) {
    tree = {};
    return refusedArchive(path, s);
  }
  return Status::ok();
}

Status readArchiveBytes(const std::string& bytes, ArchiveFormat format, ArchiveTree& tree,
                        const ArchiveLimits& limits) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  const ClassicLocaleHere classic;
  Status status;
  if (format == ArchiveFormat::Zip) {
    status = readZip(bytes, tree, limits);
  } else {
    ArchivePtr a = tarReader();
    if (archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) {
      return Status::refused(userText(USER_TEXT("Archive", "The archive cannot be read: {reason}"),
                                      {{"reason", errorOf(a.get())}}));
    }
    status = readTar(a.get(), tree, limits);
  }
  if (!status.isOk()) {
    tree = {};
    return Status::refused(userText(USER_TEXT("Archive", "The archive was not read: {reason}"),
                                    {{"reason", status.message()}}));
  }
  return Status::ok();
}

std::string temporarySibling(const std::string& path, std::string_view purpose) {
  std::string clean = pathWithForwardSlashes(path);
  while (clean.size() > 1 && clean.back() == '/')
    clean.pop_back();
  const std::string folder = parentFolder(clean);
  const std::size_t slash = clean.rfind('/');
  const std::string name = slash == std::string::npos ? clean : clean.substr(slash + 1);
  static std::mt19937_64 random{std::random_device{}()};
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  std::string suffix;
  for (int i = 0; i < 6; ++i)
    suffix += kLetters[random() % (sizeof kLetters - 1)];
  return (folder == "/" ? "" : folder) + "/." + name + "." + std::string(purpose) + "-" + suffix;
}

std::size_t removeArchiveLeftovers(FileSystem& fs, const std::string& folder) {
  std::vector<FolderEntry> entries;
  if (!fs.listFolderEntries(folder, entries).isOk()) return 0;
  std::size_t removed = 0;
  for (const FolderEntry& entry : entries) {
    if (removeDeadRunLeftover(fs, (folder == "/" ? "" : folder) + "/" + entry.name, entry))
      ++removed;
  }
  return removed;
}

Status writeArchive(FileSystem& fs, const std::string& path, ArchiveFormat format,
                    const ArchiveTree& tree, const ArchiveLimits& limits,
                    const std::string& first) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  const auto refuse = [&](const std::string& why) {
    return Status::refused(userText(USER_TEXT("Archive", "{path} was not written: {reason}"),
                                    {{"path", path}, {"reason", why}}));
  };
  std::string bytes;
  if (Status s = archiveBytes(format, tree, limits, first, bytes); !s.isOk()) {
    return refuse(s.message());
  }
  // The bytes go to a new file beside the archive, reach the disk, and only then take its name,
  // so that a cut never leaves half an archive there; the rename never replaces what is there.
  // The new file stays locked until then, so that another run can tell it from one a killed run
  // left behind, which it removes.
  const std::string folder = parentFolder(pathWithForwardSlashes(path));
  removeArchiveLeftovers(fs, folder);
  const std::string temporary = temporarySibling(path, kTemporaryPurpose);
  std::unique_ptr<FileLock> writing;
  if (Status s = fs.createLockedFile(temporary, bytes, writing); !s.isOk()) {
    return Status::refused(userText(
        USER_TEXT("Archive",
                  "{path} was not written: a new file cannot be made beside it ({reason})"),
        {{"path", path}, {"reason", s.message()}}));
  }
  Status status = fs.syncFileSystem(folder);
  if (status.isOk()) status = fs.renameFile(temporary, path);
  if (status.code() == Status::Code::AlreadyExists) {
    static_cast<void>(fs.removeFolder(temporary));
    return Status::refused(
        userText(USER_TEXT("Archive", "{path} was not written: something is already there"),
                 {{"path", path}}));
  }
  if (!status.isOk()) {
    static_cast<void>(fs.removeFolder(temporary));
    return refuse(status.message());
  }
  // The rename itself must reach the disk before the archive is reported written.
  if (Status flushed = fs.syncFileSystem(folder); !flushed.isOk()) {
    static_cast<void>(fs.removeFolder(path));
    return refuse(flushed.message());
  }
  return Status::ok();
}

std::string sha256Hex(const std::string& bytes) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(std::size_t{length} * 2);
  for (unsigned int i = 0; i < length; ++i) {
    hex += kHex[digest[i] >> 4];
    hex += kHex[digest[i] & 0xf];
  }
  return hex;
}

}  // namespace slotsmith
