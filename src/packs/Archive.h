// Archives as Slotsmith reads and writes them: a zip for a sound pack, a zstd-compressed tar for a
// backup. An archive from elsewhere is hostile input, so reading one is bounded and checked as a
// whole before anything is made of it: every entry a plain file or folder whose path stays
// inside, each path once (in any letter case, with accents written either way: core/NameFolding.h),
// and no more bytes than a database can hold, at a ratio no honest compression reaches. A zip is
// read from memory, its central directory checked against its local headers (ZipDirectory.h). The
// caller gets the whole tree in memory, or a refusal that names the entry and says why, with
// nothing written anywhere.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "core/FileSystem.h"
#include "core/Status.h"

namespace slotsmith {

enum class ArchiveFormat { Zip, TarZstd };

// An archive's contents: folders and files by path ("Sounds/000.sound/sound.script"), without a
// trailing slash. A file's folders are listed too, whether the archive named them or not.
struct ArchiveTree {
  std::map<std::string, std::string> files;
  std::map<std::string, bool> folders;
  std::uint64_t bytes = 0;  // of all files
};

struct ArchiveLimits {
  std::uint64_t maxEntries = 100'000;
  std::uint64_t maxFileBytes = std::uint64_t{256} << 20;
  std::uint64_t maxTotalBytes = std::uint64_t{2} << 30;
  // Past this much, the bytes unpacked may be at most maxRatio times those read from the file.
  std::uint64_t ratioFreeBytes = std::uint64_t{64} << 20;
  std::uint64_t maxRatio = 200;
  // A manifest written first may declare how many bytes the files hold in all (its own bytes
  // left out): up to that total the ratio rule is waived, so that a database of highly
  // compressible files still reads back, while an archive that unpacks to more than it declared
  // is held to the rule again. The total is what this returns for the first entry, or none.
  std::function<std::optional<std::uint64_t>(const std::string& path, const std::string& bytes)>
      declaredTotal;
  // A zip is read whole into memory: at most a database's bytes and its entries' records.
  std::uint64_t maxZipBytes = (std::uint64_t{2} << 30) + (std::uint64_t{64} << 20);
};

// Lists in tree.folders every folder above a file or folder of tree that is not there yet.
void addParentFolders(ArchiveTree& tree);

// Reads every file below folder (on fs) into tree under prefix ("" for the top), leaving out the
// entry of the top folder named leaveOut. A link or anything else that is neither a file nor a
// folder is refused, in a message that says what carries only those: a pack for a zip, a backup
// for a .tar.zst.
Status copyFolderIntoTree(FileSystem& fs, const std::string& folder, const std::string& prefix,
                          ArchiveTree& tree, ArchiveFormat carrier, std::string_view leaveOut = {});

// Reads the whole archive at path, of the given format only, into tree. The file is the user's
// choice, so a link to it is followed; nothing inside an archive ever is.
Status readArchive(const std::string& path, ArchiveFormat format, ArchiveTree& tree,
                   const ArchiveLimits& limits = {});

// Reads an archive from memory (the fuzz target and the tests' hostile archives).
Status readArchiveBytes(const std::string& bytes, ArchiveFormat format, ArchiveTree& tree,
                        const ArchiveLimits& limits = {});

// Writes tree as a new archive at path through fs: into a temporary file beside it, flushed, then
// renamed to path, so that a reader never sees half an archive. Fails, leaving no file behind,
// when anything is at path already. The file first (when named) is written before every other
// entry; then folders before the files in them, in path order. Nothing is written that
// readArchive would refuse under the same limits: not a name that is not UTF-8, not more entries
// or bytes than it reads, not a ratio it takes for a bomb. Temporary files that killed runs left
// beside path are removed first (see removeArchiveLeftovers).
Status writeArchive(FileSystem& fs, const std::string& path, ArchiveFormat format,
                    const ArchiveTree& tree, const ArchiveLimits& limits = {},
                    const std::string& first = {});

// What temporarySibling names the folder a restore unpacks into.
inline constexpr char kRestoringPurpose[] = "restoring";

// Removes from folder what writes and restores cut short left beside their targets: temporary
// files of archives, only those whose name is one writeArchive gives them, that are plain files
// beginning as a zip or a zstd stream does, and that no live run still holds locked; and
// restoring folders (".NAME.restoring-XXXXXX", see restoreBackup) whose database lock no live run
// holds. Says how many went.
std::size_t removeArchiveLeftovers(FileSystem& fs, const std::string& folder);

// A name for something made beside path and renamed to it once complete:
// "FOLDER/.NAME.purpose-XXXXXX", hidden, in the same folder (so on the same file system, where
// the rename is atomic), with six random letters that no other run picks at the same moment.
std::string temporarySibling(const std::string& path, std::string_view purpose);

// Whether a path from an archive is one Slotsmith may make anything of: relative, "/" between
// non-empty parts that are neither "." nor "..", no "\" or ":" (drive letters, Windows streams),
// no control characters.
bool isSafeArchivePath(const std::string& path);

// Loads libarchive and libcrypto, once, on the first call: ok, or why packs and backups cannot be
// used. Every function here that reads or writes an archive calls it first.
Status loadArchiveLibraries();

// The SHA-256 of bytes, as 64 lowercase hex digits.
std::string sha256Hex(const std::string& bytes);

}  // namespace slotsmith
