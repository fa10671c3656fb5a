// `library rebuild`: the library made again from its sources, keeping the user's own data
// (library/UserData.h), which the sources cannot give back.
//
// A library file that SQLite finds whole is rebuilt where it is: every source is read again in
// full (each in its own transaction, as a refresh reads it), the name index and the other indexes
// are made anew and the rules run on every sound. A source that cannot be reached now keeps its
// places, as in a refresh.
//
// Once found damaged, a file is never written to. The user's data and the list of sources are
// read from it row by row as far as SQLite can read them; a new library is made beside it under
// a temporary name, with that data put back; then the damaged file (and its write-ahead log) is
// renamed aside to "<file>.damaged-<UTC time>" and the new one takes its name, and the sources
// are read.
// A kill before those renames leaves the damaged file where it was, to rebuild again; after them,
// a refresh reads what the rebuild did not.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/Status.h"
#include "library/Library.h"
#include "library/UserData.h"

namespace slotsmith {

struct RebuildOutcome {
  bool damaged = false;
  std::string setAside;  // where the damaged file went
  UserDataReading salvage;
  std::int64_t sounds = 0;  // sounds with user data kept
  std::int64_t tags = 0;
  std::int64_t lists = 0;
  std::int64_t rules = 0;
  std::int64_t sources = 0;
  std::vector<RefreshOutcome> refreshed;
};

Status rebuildLibrary(const std::string& path, RebuildOutcome& outcome);

}  // namespace slotsmith
