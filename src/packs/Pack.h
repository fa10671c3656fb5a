// Sound packs: chosen sounds with every model they use, as a small database of their own in one
// zip file. Sounds sit at 000 on, models are numbered from 000 in the order of their slots in the
// source, references are rewritten to match, and both names files come along, so that an
// unzipped pack is a database Slotsmith opens. "pack.json" names the format, the source's slot
// of every sound and model, their names, and the SHA-256 of every other file.
//
// A pack is read in place: PackFileSystem shows its tree at the pack file's own path, so that an
// import reads it exactly as it reads another database folder, and the transaction copies its
// folders straight into the database. Nothing is ever unpacked beside the database.
#pragma once

#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/SlotTables.h"
#include "packs/Archive.h"

namespace slotsmith {

inline constexpr char kPackManifestName[] = "pack.json";
inline constexpr char kPackFormat[] = "slotsmith-pack";
inline constexpr int kPackVersion = 1;

// Builds the pack of the given sounds (ascending, every one occupied) of the database at root.
// report says what went in, and models, when given, how many models.
Status buildPack(FileSystem& fs, const std::string& root, const std::vector<int>& sounds,
                 ArchiveTree& pack, std::string& report, std::size_t* models = nullptr);

// Builds the pack of the given sounds of the database at root under the database's shared lock (an
// edit running would have the pack hold slots half moved) and writes it as a new file at path.
// report says what went in, and models, when given, how many models (for a sentence of the
// front end's own: report is English).
Status exportPack(FileSystem& fs, const std::string& root, const std::vector<int>& sounds,
                  const std::string& path, std::string& report, std::size_t* models = nullptr);

// Whether a tree read from a file is a pack this version can import: its manifest is there and
// names every other file with its sum, every file matches, nothing lies outside the two banks and
// the names files, every slot folder holds its sound's script or its model's name, and every
// script refers only to models the pack carries.
Status checkPack(const ArchiveTree& pack);

// Reads and checks the pack at path.
Status readPack(const std::string& path, ArchiveTree& pack);

// Whether path names a pack file, not a database folder: a regular file (reached through a link
// or not: the user named it) that begins as a zip does, whatever its name.
bool looksLikePackFile(const std::string& path);

// Whether path names a regular file (reached through a link or not). Where a database folder or a
// pack is asked for, a file can only be meant as a pack: it goes to readPack, which says so when
// it is none, naming the file, rather than calling it a folder that holds no database.
bool namesAFile(const std::string& path);

// A file system that shows a pack's tree, read only, at the pack file's path, and passes every
// other path to the one below. A copy out of the pack writes its files through that one.
class PackFileSystem final : public FileSystem {
 public:
  PackFileSystem(FileSystem& below, std::string mount, const ArchiveTree& pack)
      : below_(below), mount_(std::move(mount)), pack_(pack) {}

  // A root in the pack is read only and has nothing to anchor; any other is anchored below.
  Status anchorRoot(const std::string& root, std::unique_ptr<RootAnchor>& anchor) override;
  EntryType entryType(const std::string& path) override;
  bool canReadFile(const std::string& path) override;
  Status readFile(const std::string& path, std::string& contents, std::size_t maxBytes,
                  bool* truncated = nullptr) override;
  Status writeFileAtomically(const std::string& path, const std::string& contents) override;
  Status createFile(const std::string& path, const std::string& contents) override;
  Status createFolder(const std::string& path) override;
  Status listFolder(const std::string& path, std::vector<std::string>& names) override;
  Status listFolderEntries(const std::string& path, std::vector<FolderEntry>& entries) override;
  Status renameFolder(const std::string& from, const std::string& to) override;
  Status copyFolder(const std::string& from, const std::string& to) override;
  Status removeFolder(const std::string& path) override;
  bool isWritableFolder(const std::string& path) override;
  Status renameFile(const std::string& from, const std::string& to) override;
  Status appendToFileDurably(const std::string& path, const std::string& text) override;
  Status syncFileSystem(const std::string& path) override;
  void rememberRenameToFlush(const std::string& from, const std::string& to) override {
    below_.rememberRenameToFlush(from, to);
  }
  Status diskUsage(const std::string& path, std::uint64_t& bytes) override;
  Status lockFile(const std::string& path, const std::string& holder,
                  std::unique_ptr<FileLock>& lock) override;
  Status lockFileShared(const std::string& path, std::unique_ptr<FileLock>& lock) override;

 private:
  // The path inside the pack ("" for the pack itself), or false when path lies outside it.
  bool inside(const std::string& path, std::string& relative) const;
  bool contains(const std::string& path) const {
    std::string relative;
    return inside(path, relative);
  }
  Status readOnly(const std::string& path) const;

  FileSystem& below_;
  std::string mount_;
  const ArchiveTree& pack_;
};

}  // namespace slotsmith
