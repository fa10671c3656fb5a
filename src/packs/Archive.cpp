#include "packs/Archive.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>
#include <openssl/evp.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <set>
#include <vector>

#include "core/PendingFlushes.h"

namespace slotsmith {

namespace {

using ArchivePtr = std::unique_ptr<archive, int (*)(archive*)>;

std::string lowered(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// libarchive converts names between the character set of the locale and the one an archive
// uses, and in the C locale (the command line's) it cannot convert any name outside ASCII. Names
// are bytes on the disk, and Slotsmith writes them as UTF-8 (refusing those that are not): while
// an archive is read or written, this thread's character set is UTF-8, whatever the locale.
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
  return text != nullptr ? text : "damaged or cut short";
}

// The entry's kind in words, for a refusal.
const char* kindOf(archive_entry* entry) {
  switch (archive_entry_filetype(entry)) {
    case AE_IFLNK:
      return "a symbolic link";
    case AE_IFCHR:
    case AE_IFBLK:
      return "a device file";
    case AE_IFIFO:
      return "a pipe";
    case AE_IFSOCK:
      return "a socket";
    default:
      return "neither a file nor a folder";
  }
}

class TreeBuilder {
 public:
  TreeBuilder(ArchiveTree& tree, const ArchiveLimits& limits) : tree_(tree), limits_(limits) {}

  // Checks a new entry's path and records it (with the folders above it).
  Status add(std::string path, bool folder) {
    while (!path.empty() && path.back() == '/')
      path.pop_back();
    if (!isSafeArchivePath(path)) {
      return Status::refused("the entry \"" + path +
                             "\" would lie outside the folder it is unpacked into");
    }
    if (!seen_.insert(lowered(path)).second) {
      return Status::refused("the entry \"" + path +
                             "\" appears twice (names that differ only in letter case count as "
                             "one on many disks)");
    }
    // Every folder above it: none may be a file.
    for (std::size_t slash = path.find('/'); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
      const std::string above = path.substr(0, slash);
      if (tree_.files.count(above) != 0) {
        return Status::refused("the entry \"" + path + "\" lies inside a file");
      }
      tree_.folders.emplace(above, false);
    }
    if (folder) {
      if (tree_.files.count(path) != 0) {
        return Status::refused("the entry \"" + path + "\" appears twice");
      }
      tree_.folders[path] = true;
    } else if (tree_.folders.count(path) != 0) {
      return Status::refused("the entry \"" + path + "\" is both a file and a folder");
    }
    return Status::ok();
  }

  // Reads the data of the current entry, counting it against the limits.
  Status readData(archive* a, const std::string& path) {
    std::string& contents = tree_.files[path];
    std::array<char, 65536> block;
    for (;;) {
      const la_ssize_t n = archive_read_data(a, block.data(), block.size());
      if (n == 0) break;
      if (n < 0) return Status::refused("the entry \"" + path + "\" cannot be read: " + errorOf(a));
      const auto got = static_cast<std::uint64_t>(n);
      tree_.bytes += got;
      if (contents.size() + got > limits_.maxFileBytes) {
        return Status::refused("the entry \"" + path + "\" is larger than " +
                               std::to_string(limits_.maxFileBytes >> 20) +
                               " MB, more than any file of a database");
      }
      if (tree_.bytes > limits_.maxTotalBytes) {
        return Status::refused("it unpacks to more than " +
                               std::to_string(limits_.maxTotalBytes >> 20) +
                               " MB, more than any database holds");
      }
      const auto packed =
          static_cast<std::uint64_t>(std::max<la_int64_t>(archive_filter_bytes(a, -1), 1));
      if (looksLikeBomb(tree_.bytes, packed, declared_, limits_)) {
        return Status::refused("it unpacks to more than " + std::to_string(limits_.maxRatio) +
                               " times its size (a compression bomb)");
      }
      contents.append(block.data(), got);
    }
    return Status::ok();
  }

  void trust(std::uint64_t declared) { declared_ = declared; }

 private:
  ArchiveTree& tree_;
  const ArchiveLimits& limits_;
  std::set<std::string> seen_;
  std::uint64_t declared_ = 0;
};

Status readOpened(archive* a, ArchiveTree& tree, const ArchiveLimits& limits) {
  tree = {};
  TreeBuilder builder(tree, limits);
  std::uint64_t entries = 0;
  for (;;) {
    archive_entry* entry = nullptr;
    const int r = archive_read_next_header(a, &entry);
    if (r == ARCHIVE_EOF) break;
    if (r < ARCHIVE_WARN) return Status::refused("it is damaged or cut short (" + errorOf(a) + ")");
    if (++entries > limits.maxEntries) {
      return Status::refused("it has more than " + std::to_string(limits.maxEntries) + " entries");
    }
    const char* name = archive_entry_pathname(entry);
    const std::string path = name != nullptr ? name : "";
    if (archive_entry_hardlink(entry) != nullptr) {
      return Status::refused("the entry \"" + path + "\" is a hard link");
    }
    const auto type = archive_entry_filetype(entry);
    if (type != AE_IFREG && type != AE_IFDIR) {
      return Status::refused("the entry \"" + path + "\" is " + kindOf(entry));
    }
    if (Status s = builder.add(path, type == AE_IFDIR); !s.isOk()) return s;
    if (type == AE_IFREG) {
      std::string clean = path;
      while (!clean.empty() && clean.back() == '/')
        clean.pop_back();
      if (Status s = builder.readData(a, clean); !s.isOk()) return s;
      if (entries == 1) builder.trust(declaredBy(limits, clean, tree.files[clean]));
    }
  }
  return Status::ok();
}

ArchivePtr readerFor(ArchiveFormat format) {
  ArchivePtr a(archive_read_new(), archive_read_free);
  if (format == ArchiveFormat::Zip) {
    archive_read_support_format_zip(a.get());
  } else {
    archive_read_support_filter_zstd(a.get());
    archive_read_support_format_tar(a.get());
  }
  return a;
}

Status refusedArchive(const std::string& label, const Status& why) {
  return Status::refused(label + " was not read: " + why.message());
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
    return Status::refused("it would hold " + std::to_string(entries) + " entries, more than the " +
                           std::to_string(limits.maxEntries) + " an archive may have");
  }
  std::uint64_t total = 0;
  for (const auto& [name, contents] : tree.files) {
    if (contents.size() > limits.maxFileBytes) {
      return Status::refused(name + " is larger than " + std::to_string(limits.maxFileBytes >> 20) +
                             " MB, more than an archive may carry in one file");
    }
    total += contents.size();
  }
  if (total > limits.maxTotalBytes) {
    return Status::refused("its files hold more than " +
                           std::to_string(limits.maxTotalBytes >> 20) +
                           " MB, more than an archive may carry");
  }
  return Status::ok();
}

// A zip marks its names as UTF-8, and the reader puts them in Unicode's composed form: a name
// spelled otherwise would come back as another name. Only the headers are read again.
Status checkNamesReadBack(const std::string& bytes,
                          const std::vector<std::pair<std::string, const std::string*>>& items) {
  ArchivePtr a = readerFor(ArchiveFormat::Zip);
  if (archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) {
    return Status::refused(errorOf(a.get()));
  }
  for (const auto& [name, contents] : items) {
    archive_entry* entry = nullptr;
    if (archive_read_next_header(a.get(), &entry) < ARCHIVE_WARN) {
      return Status::refused(errorOf(a.get()));
    }
    const char* read = archive_entry_pathname(entry);
    if (read == nullptr || name != read) {
      return Status::refused("the name " + name + " would be read back as another name, " +
                             (read != nullptr ? read : "none") +
                             " (its accents composed); rename it");
    }
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
      return Status::refused("the name " + shownName(name) +
                             " is not UTF-8, so no archive can carry it; rename it");
    }
    // What a reader has unpacked once through this entry, against no more than has been written
    // before it: the reader has read at least that much by then.
    if (contents != nullptr) unpacked += contents->size();
    if (looksLikeBomb(unpacked, bytes.size(), declared, limits)) {
      return Status::refused("it would unpack to more than " + std::to_string(limits.maxRatio) +
                             " times its size, which its reader takes for a compression bomb");
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
  if (format == ArchiveFormat::Zip) return checkNamesReadBack(bytes, items);
  return Status::ok();
}

constexpr char kTemporaryPurpose[] = "slotsmith";

// Whether name is one temporarySibling(..., kTemporaryPurpose) gives: ".NAME.slotsmith-XXXXXX".
bool isArchiveTemporaryName(std::string_view name) {
  const std::string middle = std::string(".") + kTemporaryPurpose + "-";
  constexpr std::size_t kSuffix = 6;
  if (name.size() < 1 + 1 + middle.size() + kSuffix || name.front() != '.') return false;
  const std::string_view suffix = name.substr(name.size() - kSuffix);
  return name.substr(name.size() - kSuffix - middle.size(), middle.size()) == middle &&
         std::all_of(suffix.begin(), suffix.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); });
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
                          ArchiveTree& tree, std::string_view carrier, std::string_view leaveOut) {
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
        return Status::refused(path + " is larger than " + std::to_string(limit >> 20) + " MB; " +
                               std::string(carrier) + " carries no file that large");
      }
      tree.bytes += bytes.size();
    } else {
      return Status::refused(path + " is neither a file nor a folder; " + std::string(carrier) +
                             " carries only those");
    }
  }
  return Status::ok();
}

Status readArchive(const std::string& path, ArchiveFormat format, ArchiveTree& tree,
                   const ArchiveLimits& limits) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  const Utf8Names utf8;
  ArchivePtr a = readerFor(format);
  if (archive_read_open_filename(a.get(), path.c_str(), 65536) != ARCHIVE_OK) {
    return Status::refused(path + " cannot be read as " +
                           (format == ArchiveFormat::Zip ? "a zip file" : "a .tar.zst file") +
                           ": " + errorOf(a.get()));
  }
  if (Status s = readOpened(a.get(), tree, limits); !s.isOk()) {
    tree = {};
    return refusedArchive(path, s);
  }
  return Status::ok();
}

Status readArchiveBytes(const std::string& bytes, ArchiveFormat format, ArchiveTree& tree,
                        const ArchiveLimits& limits) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  const Utf8Names utf8;
  ArchivePtr a = readerFor(format);
  if (archive_read_open_memory(a.get(), bytes.data(), bytes.size()) != ARCHIVE_OK) {
    return Status::refused("The archive cannot be read: " + errorOf(a.get()));
  }
  if (Status s = readOpened(a.get(), tree, limits); !s.isOk()) {
    tree = {};
    return refusedArchive("The archive", s);
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
    if (entry.type != EntryType::File || !isArchiveTemporaryName(entry.name)) continue;
    const std::string path = (folder == "/" ? "" : folder) + "/" + entry.name;
    // Only what began as an archive: a zip's local header or end record, or a zstd frame.
    std::string start;
    static_cast<void>(fs.readFile(path, start, 4, nullptr));
    if (start != std::string("PK\3\4", 4) && start != std::string("PK\5\6", 4) &&
        start != std::string("\x28\xb5\x2f\xfd", 4)) {
      continue;
    }
    // A run still writing it holds it locked until it has renamed it into place; held while it
    // is removed, so that no such run can take it up meanwhile.
    std::unique_ptr<FileLock> lock;
    if (!fs.lockFileShared(path, lock).isOk() || lock == nullptr) continue;
    if (fs.entryType(path) == EntryType::File && fs.removeFolder(path).isOk()) ++removed;
  }
  return removed;
}

Status writeArchive(FileSystem& fs, const std::string& path, ArchiveFormat format,
                    const ArchiveTree& tree, const ArchiveLimits& limits,
                    const std::string& first) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  const auto refuse = [&](const std::string& why) {
    return Status::refused(path + " was not written: " + why);
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
    return refuse("a new file cannot be made beside it (" + s.message() + ")");
  }
  Status status = fs.syncFileSystem(folder);
  if (status.isOk()) status = fs.renameFile(temporary, path);
  if (status.code() == Status::Code::AlreadyExists) {
    static_cast<void>(fs.removeFolder(temporary));
    return refuse("something is already there");
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
