// The user's own data about sounds: tags, a favourite flag, a hidden flag and a note, kept by
// sound identity (library/Identity.h) and never by place, so they follow a sound through moves,
// renames, copies, imports and other databases. The rules' side of the tags is in
// library/Rules.h.
//
// This is data the user made and cannot get back from the sources, so it can be taken out whole
// (readUserData, for `library export` and for `library rebuild`) and merged back (mergeUserData):
// tags are united (a tag set by hand on either side stays set by hand), the flags set on either
// side stay set, a note is kept and one that differs is added below it, lists are merged by name
// (the items a list lacks are added at its end) and rules by tag and pattern.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "library/Rules.h"
#include "library/Sqlite.h"

namespace slotsmith {

// A sound identity's 32 bytes.
using SoundId = std::string;

// The identity as lower-case hex, as the library commands print it.
std::string soundIdText(std::string_view id);

// The sound in slot of the source at sourcePath (a path as added, made absolute as
// library/Library.h's sourcePathOf does) as the library last read it.
Status findSoundAt(SqliteConnection& connection, const std::string& sourcePath, int slot,
                   SoundId& id);
// The sound whose identity begins with the hex digits of prefix (at least 8, either case);
// refused when none or more than one of the sounds the library knows begins so.
Status findSoundById(SqliteConnection& connection, std::string_view prefix, SoundId& id);

enum class TagOrigin { Rule, Hand };

// The spelling the library already gives tag (a rule's first, then a sound's) where the two differ
// only in letter case, in any script the name comparison knows ("übergang" is "Übergang"); tag
// is left as it is when the library has no such tag.
Status knownTagSpelling(SqliteConnection& connection, std::string& tag);

// Sets the tags in add by hand and takes those in remove off by hand, in one transaction. A tag
// is written as the library spells it already when it differs only in letter case.
Status changeTags(SqliteConnection& connection, const SoundId& id,
                  const std::vector<std::string>& add, const std::vector<std::string>& remove);
Status setFavourite(SqliteConnection& connection, const SoundId& id, bool on);
Status setHidden(SqliteConnection& connection, const SoundId& id, bool on);
// An empty note takes the note away.
Status setNote(SqliteConnection& connection, const SoundId& id, const std::string& note);

// A name one of the sound's places bears; empty when no place holds it (or it cannot be read).
std::string soundNameOf(SqliteConnection& connection, const SoundId& id);
Status tagsOf(SqliteConnection& connection, const SoundId& id,
              std::map<std::string, TagOrigin>& tags);

struct SoundUserData {
  bool favourite = false;
  bool hidden = false;
  std::string note;
  std::map<std::string, TagOrigin> tags;
  std::vector<std::string> removedTags;
  std::string name;  // a name one of its places bears, for whoever reads an export; may be empty
};

struct ListData {
  std::string name;
  std::vector<SoundId> items;
};

struct UserDataSnapshot {
  std::map<SoundId, SoundUserData> sounds;
  std::vector<RuleRecord> rules;
  // Whether the rules were read whole: a merge with replaceRules puts them in place of the
  // library's only then.
  bool rulesWhole = true;
  std::vector<ListData> lists;
};

// What reading a library's user data met: in a damaged file, the rows that could not be read.
struct UserDataReading {
  Status firstFailure;
  std::int64_t rowsRead = 0;
  std::int64_t tablesCut = 0;  // tables of which some rows could not be read
};

// Reads the rows of select (whose first keyColumns columns are a key, order its ORDER BY) to
// onRow, in key order and, where SQLite fails midway (a damaged page), again from the other end
// until it meets the rows already read or fails too: a damaged page costs the rows on it and
// those SQLite cannot reach past it, not the whole table. A failure is counted in reading, and
// whole, when given, is cleared.
void readBothEnds(SqliteConnection& connection, const std::string& select, const std::string& order,
                  int keyColumns, const std::function<void(SqliteStatement&)>& onRow,
                  UserDataReading& reading, bool* whole = nullptr);

// Reads the user's data from the library. A table SQLite cannot read to its end is read from
// both ends as far as it can; the first failure is kept in reading, and the caller decides
// whether what was read is enough (an export refuses, a rebuild salvages). Rows that are no
// valid user data (an identity of the wrong length, an unknown origin) are left out.
void readUserData(SqliteConnection& connection, UserDataSnapshot& snapshot,
                  UserDataReading& reading);

// Merges the snapshot into the library in one transaction (see above). With replaceRules the
// snapshot's rules, when read whole, take the place of the library's. The rules then run again
// on every sound a place holds (library/Rules.h).
Status mergeUserData(SqliteConnection& connection, const UserDataSnapshot& snapshot,
                     bool replaceRules = false);

}  // namespace slotsmith
