#include "library/ArchiveSources.h"

#include <filesystem>
#include <fstream>
#include <memory>

#include "core/Hashes.h"

#if defined(SLOTSMITH_PACKS)
#include "packs/Backup.h"
#include "packs/Pack.h"
#endif

namespace slotsmith {

#if defined(SLOTSMITH_PACKS)
namespace {

// The hex SHA-256 of the file at path, read in pieces so that a large backup is never held whole
// for it; empty when it cannot be read.
std::string fileDigest(const std::string& path) {
  std::ifstream file(std::filesystem::path(std::u8string(path.begin(), path.end())),
                     std::ios::binary);
  if (!file) return {};
  Sha256 digest;
  std::string piece(std::size_t{1} << 20, '\0');
  while (file) {
    file.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    digest.update(piece.data(), static_cast<std::size_t>(file.gcount()));
  }
  return file.bad() ? std::string() : hexOf(digest.finish());
}

}  // namespace
#endif

SourceKind archiveKindOf(const std::string& path) {
#if defined(SLOTSMITH_PACKS)
  return looksLikePackFile(path) ? SourceKind::Pack : SourceKind::Backup;
#else
  return path.ends_with(".zip") ? SourceKind::Pack : SourceKind::Backup;
#endif
}

std::optional<std::string> archiveFileStamp(FileSystem& fs, const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return std::nullopt;
  const std::unique_ptr<FolderReader> folder =
      fs.folderReader(slash == 0 ? std::string("/") : path.substr(0, slash));
  EntryStamp stamp;
  if (!folder->stampEntry(path.substr(slash + 1), stamp)) return std::nullopt;
  return std::to_string(stamp.size) + ' ' + std::to_string(stamp.seconds) + ' ' +
         std::to_string(stamp.nanoseconds) + ' ';
}

ArchiveReading readArchiveSource(FileSystem& fs, const std::string& path, SourceKind kind,
                                 const std::string& knownDigest) {
  ArchiveReading archive;
#if defined(SLOTSMITH_PACKS)
  archive.digest = fileDigest(path);
  if (archive.digest.empty()) {
    archive.refusal = Status::ioError(path, "cannot be read");
    return archive;
  }
  if (archive.digest == knownDigest) {
    archive.unchanged = true;
    return archive;
  }
  ArchiveTree tree;
  archive.refusal = kind == SourceKind::Pack ? readPack(path, tree) : verifyBackup(path, tree);
  if (!archive.refusal.isOk()) return archive;
  PackFileSystem view(fs, path, tree);
  archive.reading = readDatabaseIdentities(view, path);
  archive.refusal = archive.reading.refusal;
#else
  static_cast<void>(fs);
  static_cast<void>(path);
  static_cast<void>(kind);
  static_cast<void>(knownDigest);
  archive.refusal = Status::refused(kNoArchives);
#endif
  return archive;
}

}  // namespace slotsmith
