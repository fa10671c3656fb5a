#include "packs/Backup.h"

#include <ctime>
#include <memory>
#include <nlohmann/json.hpp>

#include "core/DatabasePaths.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

namespace slotsmith {

namespace {

constexpr char kBackupFormat[] = "slotsmith-backup";

}  // namespace

std::string defaultBackupPath(const std::string& root) {
  std::string folder = root;
  while (folder.size() > 1 && folder.back() == '/')
    folder.pop_back();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "-%Y%m%d-%H%M%S.tar.zst", &local);
  return folder + stamp;
}

Status backUpDatabase(FileSystem& fs, const std::string& root, const std::string& path,
                      std::size_t& files) {
  // An edit running, or one left unfinished, would have the backup hold slots half moved.
  std::unique_ptr<FileLock> lock;
  if (Status locked = fs.lockFileShared(lockFilePath(root), lock); !locked.isOk()) {
    return Status::refused("An edit is running on " + root + " (" + locked.reason() +
                           "); nothing was written. Back up when it has finished.");
  }
  if (hasUnfinishedTransaction(fs, root)) {
    return Status::refused("An edit of " + root +
                           " is unfinished; open it once (`slotsmith check`), then back up.");
  }
  ArchiveTree tree;
  // The undo history and the lock are this machine's own, not the database's.
  if (Status s = copyFolderIntoTree(fs, root, "", tree, "a backup", ".slotsmith"); !s.isOk()) {
    return s;
  }
  nlohmann::json manifest;
  manifest["format"] = kBackupFormat;
  manifest["version"] = 1;
  manifest["made"] = static_cast<std::int64_t>(std::time(nullptr));
  nlohmann::json sums = nlohmann::json::object();
  for (const auto& [file, bytes] : tree.files)
    sums[file] = sha256Hex(bytes);
  manifest["sha256"] = sums;
  files = tree.files.size();
  tree.files[kBackupManifestName] =
      manifest.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
  return writeArchive(fs, path, ArchiveFormat::TarZstd, tree);
}

Status verifyBackup(const std::string& path, ArchiveTree& tree) {
  if (Status s = readArchive(path, ArchiveFormat::TarZstd, tree); !s.isOk()) return s;
  const auto refuse = [&](const std::string& why) {
    tree = {};
    return Status::refused(path + " does not verify: " + why);
  };
  const auto manifestFile = tree.files.find(kBackupManifestName);
  if (manifestFile == tree.files.end()) return refuse("it has no backup.json");
  const nlohmann::json manifest = nlohmann::json::parse(manifestFile->second, nullptr, false);
  if (manifest.is_discarded() || !manifest.is_object() ||
      manifest.value("format", "") != kBackupFormat || !manifest.contains("sha256") ||
      !manifest["sha256"].is_object()) {
    return refuse("backup.json is not a backup manifest");
  }
  const nlohmann::json& sums = manifest["sha256"];
  tree.files.erase(manifestFile);
  for (const auto& [file, bytes] : tree.files) {
    const auto sum = sums.find(file);
    if (sum == sums.end()) return refuse("\"" + file + "\" is not in the manifest");
    if (!sum->is_string() || sum->get<std::string>() != sha256Hex(bytes)) {
      return refuse("\"" + file + "\" does not match its sum");
    }
  }
  for (const auto& [file, sum] : sums.items()) {
    if (tree.files.count(file) == 0) return refuse("\"" + file + "\" is missing");
  }
  return Status::ok();
}

Status restoreBackup(FileSystem& fs, const std::string& path, const std::string& folder,
                     std::size_t& files) {
  const EntryType there = fs.entryType(folder);
  if (there == EntryType::Folder) {
    std::vector<std::string> names;
    if (Status s = fs.listFolder(folder, names); !s.isOk()) return s;
    if (!names.empty()) {
      return Status::refused(folder + " is not empty; restore into a new or empty folder.");
    }
  } else if (there != EntryType::Missing) {
    return Status::refused(folder + " is not a folder; restore into a new or empty folder.");
  }
  ArchiveTree tree;
  if (Status s = verifyBackup(path, tree); !s.isOk()) return s;
  if (there == EntryType::Missing) {
    if (Status s = fs.createFolder(folder); !s.isOk()) return s;
  }
  // Folders come before what they hold in path order.
  for (const auto& [name, named] : tree.folders) {
    if (Status s = fs.createFolder(folder + "/" + name); !s.isOk()) return s;
  }
  for (const auto& [name, bytes] : tree.files) {
    if (Status s = fs.createFile(folder + "/" + name, bytes); !s.isOk()) return s;
  }
  files = tree.files.size();
  return fs.syncFileSystem(folder);
}

}  // namespace slotsmith
