// Backups: a whole database (not its undo history) in one .tar.zst file with "backup.json", a
// manifest of the SHA-256 of every file. A backup is verified against its manifest, and restored
// into a new or empty folder only after the whole of it was read and checked. A backup never
// carries Slotsmith's own folder (.slotsmith, in any spelling a disk may fold to it): one that does
// is refused, so that no restore writes a lock or an undo history that came from elsewhere.
#pragma once

#include <string>

#include "core/FileSystem.h"
#include "packs/Archive.h"

namespace slotsmith {

inline constexpr char kBackupManifestName[] = "backup.json";

// The file a backup made now goes to by default: NAME-YYYYMMDD-HHMMSS.tar.zst beside the
// database folder, NAME being that folder's own name however root spells it ("." or "..").
std::string defaultBackupPath(const std::string& root);

// Why a backup of the database at root to path cannot start now, or ok: a file inside the
// database would be carried by the next backup of it (and restored into a slot), and an edit that
// holds the database's lock would have it hold slots half moved.
Status checkBackupCanStart(FileSystem& fs, const std::string& root, const std::string& path);

// Writes the backup of the database at root (read under its shared lock) to path, which must not
// exist yet nor lie inside the database. files tells how many files went in. What is written
// verifies under the same limits: the manifest comes first and declares the files' total.
Status backUpDatabase(FileSystem& fs, const std::string& root, const std::string& path,
                      std::size_t& files, const ArchiveLimits& limits = {});

// Reads the backup at path and checks every file against the manifest, and the manifest against
// the files, and every slot folder's spelling: ok with the tree (manifest left out) and its file
// count, or why not.
Status verifyBackup(const std::string& path, ArchiveTree& tree, const ArchiveLimits& limits = {});

// Restores the backup at path into folder, which must be missing or empty. Nothing is written
// unless the whole backup was read and verified first. The backup is unpacked into a hidden
// folder beside folder (".NAME.restoring-XXXXXX"), flushed, and only then renamed to folder (an
// empty folder there is removed just before), so that a cut leaves either no restore under that
// name or the whole of it; a failure removes the hidden folder.
Status restoreBackup(FileSystem& fs, const std::string& path, const std::string& folder,
                     std::size_t& files);

}  // namespace slotsmith
