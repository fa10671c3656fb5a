// Sound packs (.zip) and backups (.tar.zst) as sources of the library. An archive is read whole
// and checked with the packs' own limits (packs/Pack.h's readPack, packs/Backup.h's
// verifyBackup), then shown read-only at its file's path (PackFileSystem) and read as any other
// database. It is stamped by its file's size and time, and known by the digest of its bytes: a
// file touched or copied over with the same bytes is not read again. Where packs are not part of
// the build, an archive is refused with a message that says so.
#pragma once

#include <optional>
#include <string>

#include "core/FileSystem.h"
#include "library/Identity.h"
#include "library/Library.h"

namespace slotsmith {

// Why an archive cannot be read in a build without packs: a source's reason, English as the
// library file keeps it.
inline constexpr char kNoArchives[] =
    "sound packs and backups are not part of this build of Slotsmith";

// Pack when the file begins as a zip does, else backup (which verifying then tells).
SourceKind archiveKindOf(const std::string& path);

// "SIZE SECONDS NANOSECONDS " of the archive file's entry, the start of what sources.stamp keeps
// for it; none where the file system keeps no stamps.
std::optional<std::string> archiveFileStamp(FileSystem& fs, const std::string& path);

struct ArchiveReading {
  std::string digest;       // of the file's bytes, as hex
  bool unchanged = false;   // the digest is the one known: nothing else was read
  Status refusal;           // not ok when the archive could not be read or was refused
  DatabaseReading reading;  // the database it holds
};

// Reads the archive at path: its digest, and, when that differs from knownDigest, its database.
ArchiveReading readArchiveSource(FileSystem& fs, const std::string& path, SourceKind kind,
                                 const std::string& knownDigest);

}  // namespace slotsmith
