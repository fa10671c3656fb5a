#include "packs/Backup.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <iterator>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string_view>

#include "core/PendingFlushes.h"
#include "core/UserText.h"

#include "core/DatabasePaths.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

constexpr char kBackupFormat[] = "slotsmith-backup";

// Whether a top-level name is Slotsmith's own folder (.slotsmith) as the disk it lands on may see
// it. Windows and macOS fold letter case; macOS also folds the long s (U+017F) to "s" and ignores
// the invisible joiners and marks, and Windows drops trailing dots and spaces. A backup planting
// any such name would have a restore write our lock or undo history.
bool namesSlotsmithFolder(std::string_view name) {
  static constexpr std::string_view kIgnored[] = {
      "\u200c", "\u200d", "\u200e", "\u200f", "\u202a", "\u202b", "\u202c", "\u202d",
      "\u202e", "\u206a", "\u206b", "\u206c", "\u206d", "\u206e", "\u206f", "\ufeff"};
  std::string folded;
  for (std::size_t i = 0; i < name.size();) {
    const std::string_view rest = name.substr(i);
    if (rest.starts_with("\u017f")) {
      folded += 's';
      i += std::string_view("\u017f").size();
      continue;
    }
    const auto ignored =
        std::find_if(std::begin(kIgnored), std::end(kIgnored),
                     [&](std::string_view mark) { return rest.starts_with(mark); });
    if (ignored != std::end(kIgnored)) {
      i += ignored->size();
      continue;
    }
    folded += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    ++i;
  }
  while (!folded.empty() && (folded.back() == '.' || folded.back() == ' '))
    folded.pop_back();
  return folded == ".slotsmith";
}

// The first entry of tree that lies in Slotsmith's own folder, or none.
std::optional<std::string> slotsmithEntry(const ArchiveTree& tree) {
  const auto inside = [](const std::string& path) {
    return namesSlotsmithFolder(std::string_view(path).substr(0, path.find('/')));
  };
  for (const auto& [path, bytes] : tree.files)
    if (inside(path)) return path;
  for (const auto& [path, named] : tree.folders)
    if (inside(path)) return path;
  return std::nullopt;
}

// The total a backup's manifest (written first) declares its files hold. Its own size is bounded
// by the ratio-free bytes it is read within.
std::optional<std::uint64_t> manifestTotal(const std::string& path, const std::string& bytes) {
  if (path != kBackupManifestName) return std::nullopt;
  const nlohmann::json manifest = nlohmann::json::parse(bytes, nullptr, false);
  if (!manifest.is_object() || manifest.value("format", "") != kBackupFormat) return std::nullopt;
  const auto total = manifest.find("bytes");
  if (total == manifest.end() || !total->is_number_unsigned()) return std::nullopt;
  return total->get<std::uint64_t>();
}

ArchiveLimits withManifest(const ArchiveLimits& limits) {
  ArchiveLimits backup = limits;
  backup.declaredTotal = manifestTotal;
  return backup;
}

// Why tree cannot be a database's slots as they are restored, or none: a bank or slot folder in
// another letter case (restored as it is, an edit refuses the bank; into a database, the slot of
// that number reads as empty and is emptied), or a slot that is a file.
std::optional<std::string> misspelledSlot(const ArchiveTree& tree) {
  const auto check = [](const std::string& path, bool folder) -> std::optional<std::string> {
    const std::size_t slash = path.find('/');
    const std::string top = path.substr(0, slash);
    for (const Bank bank : {Bank::Sounds, Bank::Models}) {
      const std::string_view bankName = bankFolderName(bank);
      if (top != bankName) {
        if (top.size() == bankName.size() &&
            std::equal(top.begin(), top.end(), bankName.begin(), [](char a, char b) {
              return std::tolower(static_cast<unsigned char>(a)) ==
                     std::tolower(static_cast<unsigned char>(b));
            })) {
          return userText(
              USER_TEXT("Backup",
                        "\"{path}\" lies in {folder}, not spelled as the bank folder {bank}"),
              {{"path", path}, {"folder", top}, {"bank", std::string(bankName)}});
        }
        continue;
      }
      if (slash == std::string::npos) return std::nullopt;
      const std::size_t next = path.find('/', slash + 1);
      const std::string slot = path.substr(slash + 1, next - slash - 1);
      if (const auto spelled = slotFolderNameInOtherCase(bank, slot)) {
        return userText(
            USER_TEXT("Backup",
                      "\"{path}\" lies in {folder}, not spelled as the slot folder {slot}"),
            {{"path", path}, {"folder", slot}, {"slot", *spelled}});
      }
      if (next == std::string::npos && !folder && slotNumberFromFolderName(bank, slot)) {
        return userText(USER_TEXT("Backup", "\"{path}\" is a file where a slot folder belongs"),
                        {{"path", path}});
      }
    }
    return std::nullopt;
  };
  for (const auto& [path, bytes] : tree.files)
    if (auto why = check(path, false)) return why;
  for (const auto& [path, named] : tree.folders)
    if (auto why = check(path, true)) return why;
  return std::nullopt;
}

// path made absolute and lexically normal, without a trailing slash ("DB/Sounds/.." is "DB").
std::filesystem::path normalised(const std::string& path) {
  std::filesystem::path p = std::filesystem::absolute(path).lexically_normal();
  if (!p.has_filename() && p.has_relative_path()) p = p.parent_path();
  return p;
}

// Whether inner lies at or below outer, both normal and absolute.
bool isAtOrInside(const std::filesystem::path& inner, const std::filesystem::path& outer) {
  const auto [end, unused] = std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end());
  static_cast<void>(unused);
  return end == outer.end();
}

// Fills the new folder with the folders and files of tree.
Status unpackInto(FileSystem& fs, const ArchiveTree& tree, const std::string& folder) {
  // Folders come before what they hold in path order.
  for (const auto& [name, named] : tree.folders) {
    if (Status s = fs.createFolder(folder + "/" + name); !s.isOk()) return s;
  }
  for (const auto& [name, bytes] : tree.files) {
    if (Status s = fs.createFile(folder + "/" + name, bytes); !s.isOk()) return s;
  }
  return Status::ok();
}

// Removes the empty folder the user chose to restore into, so that the restored one can take its
// name: a rename never replaces what is there. It is looked at again first, in case something
// came into it while the backup was unpacked.
Status removeEmptyFolder(FileSystem& fs, const std::string& folder) {
  std::vector<std::string> names;
  if (Status s = fs.listFolder(folder, names); !s.isOk()) return s;
  if (!names.empty()) {
    return Status::alreadyExists(folder, userText(USER_TEXT("Backup", "is no longer empty")));
  }
  return fs.removeFolder(folder);
}

}  // namespace

std::string defaultBackupPath(const std::string& root) {
  // Beside the database folder, whatever root says: "." or "../.." would put it inside.
  const std::filesystem::path absolute = normalised(root);
  const std::string name = absolute.has_filename() ? absolute.filename().string() : "database";
  const std::string folder = (absolute.parent_path() / name).string();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "-%Y%m%d-%H%M%S.tar.zst", &local);
  return folder + stamp;
}

namespace {

Status takeSharedLock(FileSystem& fs, const std::string& root, std::unique_ptr<FileLock>& lock) {
  if (Status locked = fs.lockFileShared(lockFilePath(root), lock); !locked.isOk()) {
    return Status::refused(userText(USER_TEXT("Backup",
                                              "An edit is running on {database} ({reason}); "
                                              "nothing was written. Back up when it has finished."),
                                    {{"database", root}, {"reason", locked.reason()}}));
  }
  return Status::ok();
}

Status checkBackupTarget(const std::string& root, const std::string& path) {
  // By name and through the links on the way: either way the file would land in the database.
  std::error_code targetError, databaseError;
  const std::filesystem::path target = normalised(path);
  const std::filesystem::path database = normalised(root);
  const std::filesystem::path realTarget =
      std::filesystem::weakly_canonical(target, targetError).lexically_normal();
  const std::filesystem::path realDatabase =
      std::filesystem::weakly_canonical(database, databaseError).lexically_normal();
  if (isAtOrInside(target, database) ||
      (!targetError && !databaseError && isAtOrInside(realTarget, realDatabase))) {
    return Status::refused(userText(
        USER_TEXT("Backup",
                  "{path} lies inside the database {database}, where the next backup would carry "
                  "it. Nothing was written; choose a file outside the database folder."),
        {{"path", path}, {"database", root}}));
  }
  return Status::ok();
}

}  // namespace

Status checkBackupCanStart(FileSystem& fs, const std::string& root, const std::string& path) {
  if (Status s = checkBackupTarget(root, path); !s.isOk()) return s;
  std::unique_ptr<FileLock> lock;
  return takeSharedLock(fs, root, lock);
}

Status backUpDatabase(FileSystem& fs, const std::string& root, const std::string& path,
                      std::size_t& files, const ArchiveLimits& limits) {
  if (Status loaded = loadArchiveLibraries(); !loaded.isOk()) return loaded;
  if (Status s = checkBackupTarget(root, path); !s.isOk()) return s;
  // An edit running, or one left unfinished, would have the backup hold slots half moved.
  std::unique_ptr<FileLock> lock;
  if (Status locked = takeSharedLock(fs, root, lock); !locked.isOk()) return locked;
  if (hasUnfinishedTransaction(fs, root)) {
    return Status::refused(userText(
        USER_TEXT(
            "Backup",
            "An edit of {database} is unfinished; open it once (`slotsmith check`), then back up."),
        {{"database", root}}));
  }
  ArchiveTree tree;
  // The undo history and the lock are this machine's own, not the database's.
  if (Status s = copyFolderIntoTree(fs, root, "", tree, ArchiveFormat::TarZstd, ".slotsmith");
      !s.isOk()) {
    return s;
  }
  // On a disk that tells letter case apart, another spelling is a folder of the user's, but one
  // that would restore as Slotsmith's own on most others: it cannot travel in a backup.
  if (const std::optional<std::string> other = slotsmithEntry(tree)) {
    return Status::refused(userText(
        USER_TEXT("Backup",
                  "{path} would be taken for Slotsmith's own .slotsmith folder on many disks, so a "
                  "backup cannot carry it. Nothing was written; rename it and back up again."),
        {{"path", root + "/" + other->substr(0, other->find('/'))}}));
  }
  if (const std::optional<std::string> why = misspelledSlot(tree)) {
    return Status::refused(
        userText(USER_TEXT("Backup",
                           "{database}: {reason}, so no restore could bring it back as it is. "
                           "Nothing was written; rename it and back up again."),
                 {{"database", root}, {"reason", *why}}));
  }
  nlohmann::json manifest;
  manifest["format"] = kBackupFormat;
  manifest["version"] = 1;
  manifest["made"] = static_cast<std::int64_t>(std::time(nullptr));
  nlohmann::json sums = nlohmann::json::object();
  for (const auto& [file, bytes] : tree.files)
    sums[file] = sha256Hex(bytes);
  manifest["sha256"] = sums;
  // Declared, and written first, so that verify unpacks up to this many bytes however well
  // they compress (a model's data may be long runs of zeros).
  manifest["bytes"] = tree.bytes;
  files = tree.files.size();
  tree.files[kBackupManifestName] =
      manifest.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  return writeArchive(fs, path, ArchiveFormat::TarZstd, tree, withManifest(limits),
                      kBackupManifestName);
}

Status verifyBackup(const std::string& path, ArchiveTree& tree, const ArchiveLimits& limits) {
  if (Status s = readArchive(path, ArchiveFormat::TarZstd, tree, withManifest(limits)); !s.isOk())
    return s;
  const auto refuse = [&](const std::string& why) {
    tree = {};
    return Status::refused(userText(USER_TEXT("Backup", "{path} does not verify: {reason}"),
                                    {{"path", path}, {"reason", why}}));
  };
  const auto manifestFile = tree.files.find(kBackupManifestName);
  if (manifestFile == tree.files.end())
    return refuse(userText(USER_TEXT("Backup", "it has no backup.json")));
  const nlohmann::json manifest = nlohmann::json::parse(manifestFile->second, nullptr, false);
  if (manifest.is_discarded() || !manifest.is_object() ||
      manifest.value("format", "") != kBackupFormat || !manifest.contains("sha256") ||
      !manifest["sha256"].is_object()) {
    return refuse(userText(USER_TEXT("Backup", "backup.json is not a backup manifest")));
  }
  const nlohmann::json& sums = manifest["sha256"];
  tree.files.erase(manifestFile);
  // Backups leave .slotsmith out: the lock and the undo history belong to the machine that made
  // them. One that carries it was made to plant a history or a lock.
  if (const std::optional<std::string> planted = slotsmithEntry(tree)) {
    return refuse(userText(USER_TEXT("Backup",
                                     "\"{path}\" lies in Slotsmith's own .slotsmith folder (its "
                                     "lock and undo history), which no backup carries"),
                           {{"path", *planted}}));
  }
  for (const auto& [file, bytes] : tree.files) {
    const auto sum = sums.find(file);
    if (sum == sums.end()) {
      return refuse(
          userText(USER_TEXT("Backup", "\"{path}\" is not in the manifest"), {{"path", file}}));
    }
    if (!sum->is_string() || sum->get<std::string>() != sha256Hex(bytes)) {
      return refuse(
          userText(USER_TEXT("Backup", "\"{path}\" does not match its sum"), {{"path", file}}));
    }
  }
  for (const auto& [file, sum] : sums.items()) {
    if (tree.files.count(file) == 0) {
      return refuse(userText(USER_TEXT("Backup", "\"{path}\" is missing"), {{"path", file}}));
    }
  }
  if (const std::optional<std::string> why = misspelledSlot(tree)) return refuse(*why);
  return Status::ok();
}

Status restoreBackup(FileSystem& fs, const std::string& path, const std::string& folder,
                     std::size_t& files) {
  const EntryType there = fs.entryType(folder);
  if (there == EntryType::Folder) {
    std::vector<std::string> names;
    if (Status s = fs.listFolder(folder, names); !s.isOk()) return s;
    if (!names.empty()) {
      return Status::refused(
          userText(USER_TEXT("Backup", "{path} is not empty; restore into a new or empty folder."),
                   {{"path", folder}}));
    }
  } else if (there != EntryType::Missing) {
    return Status::refused(
        userText(USER_TEXT("Backup", "{path} is not a folder; restore into a new or empty folder."),
                 {{"path", folder}}));
  }
  ArchiveTree tree;
  if (Status s = verifyBackup(path, tree); !s.isOk()) {
    return Status::refused(
        userText(USER_TEXT("Backup", "{reason}\nNothing was written."), {{"reason", s.message()}}));
  }
  // Unpacked beside the chosen folder and renamed to it only when complete and on the disk, so
  // that a cut leaves no half-restored database under the name the user chose. The new folder's
  // database lock is held until then (and across the rename, which keeps it): the next restore or
  // backup beside it tells what a killed run left from a live one by it, as for archives.
  const std::string parent = parentFolder(pathWithForwardSlashes(folder));
  removeArchiveLeftovers(fs, parent);
  const std::string temporary = temporarySibling(folder, kRestoringPurpose);
  if (Status s = fs.createFolder(temporary); !s.isOk()) {
    return Status::refused(
        userText(USER_TEXT("Backup", "{path} was not restored: {reason}\nNothing was written."),
                 {{"path", folder}, {"reason", s.message()}}));
  }
  std::unique_ptr<FileLock> restoring;
  Status status = fs.createFolder(slotsmithFolderPath(temporary));
  if (status.isOk()) {
    status = fs.lockFile(lockFilePath(temporary), thisProcessDescription(), restoring);
  }
  if (status.isOk()) {
    // The new folder is ours, but its parent is not always: what is unpacked finds its way from
    // the folder just made, never through a link something else put there meanwhile.
    std::unique_ptr<RootAnchor> anchor;
    status = fs.anchorRoot(temporary, anchor);
    if (status.isOk()) status = unpackInto(fs, tree, temporary);
    if (status.isOk()) status = fs.syncFileSystem(temporary);
  }
  if (status.isOk() && there == EntryType::Folder) status = removeEmptyFolder(fs, folder);
  bool renamed = false;
  if (status.isOk()) {
    status = fs.renameFolder(temporary, folder);
    renamed = status.isOk();
  }
  // The restore is reported done only once its name is on the disk as well.
  if (status.isOk()) status = fs.syncFileSystem(parent);
  if (!status.isOk()) {
    static_cast<void>(fs.removeFolder(renamed ? folder : temporary));
    return Status::refused(userText(USER_TEXT("Backup", "{path} was not restored: {reason}"),
                                    {{"path", folder}, {"reason", status.message()}}));
  }
  files = tree.files.size();
  return Status::ok();
}

}  // namespace slotsmith
