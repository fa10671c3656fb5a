// Where each sound of a list can be taken from now, for placing the list into a database as one
// edit (ops/Edits.h's PlaceSoundsRequest). The library records places as they were when a source
// was last read; a place is used only when the sound read there now has the identity the list
// keeps, else the next place is tried: databases first, then packs, then backups. A database is
// read under its shared lock, which the caller keeps until the edit is done, so that what was
// checked is what the edit copies.
//
// The target database is never a place to take from: an edit reads its sources and writes only
// its target.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Status.h"
#include "library/Library.h"
#include "library/Lists.h"
#include "ops/Edits.h"

namespace slotsmith {

// The file system that shows the archive source at its own path (a pack or a backup, read whole
// and checked), or none with the reason it cannot be read now.
using ArchiveOpener = std::function<FileSystem*(const ListPlace& archive, std::string& reason)>;

// The archives sounds are taken from, each read whole and checked, and shown at its path on top
// of the ones opened before it (and of the real file system): the edit that places the sounds
// reads through top(). Where packs are not built no archive opens.
class ArchiveViews {
 public:
  ArchiveViews();
  ~ArchiveViews();
  ArchiveViews(const ArchiveViews&) = delete;
  ArchiveViews& operator=(const ArchiveViews&) = delete;

  FileSystem& top();
  // Opens archive for findListPlaces and findSoundPlaces; empty where packs are not built.
  ArchiveOpener opener();

 private:
  struct Views;
  std::unique_ptr<Views> views_;
};

struct ListPlacing {
  std::vector<SoundSource> sounds;  // in the list's order, when every sound has a place
  // The sounds no place holds now, "position name", and why each of their places failed.
  std::vector<std::string> unplaced;
  std::vector<std::unique_ptr<FileLock>> locks;  // the sources' shared locks, held by the caller
};

// Finds a place for every sound of the list. Databases are read through fs; archives through
// what openArchive gives (none: they are not reachable in this build).
Status findListPlaces(Library& library, const std::string& list, const std::string& target,
                      FileSystem& fs, const ArchiveOpener& openArchive, ListPlacing& placing);
// The same for sounds named by identity, in that order (what the desktop drags out of the
// library); unplaced names them by position in that order too.
Status findSoundPlaces(Library& library, const std::vector<Digest>& identities,
                       const std::string& target, FileSystem& fs, const ArchiveOpener& openArchive,
                       ListPlacing& placing);

}  // namespace slotsmith
