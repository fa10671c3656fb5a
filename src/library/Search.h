// Finding sounds in the library. A query is a list of terms, all of which a sound must meet:
//   WORD        a name of one of its places holds WORD (substring; letter case and accents
//               ignored, both sides folded as core/NameFolding.h's nameSearchKey folds them)
//   tag:NAME    it carries the tag NAME (letter case ignored)
//   fav         it is a favourite
//   hidden      it is hidden; without this term hidden sounds are left out
//   model:TEXT  it plays a model one of whose names holds TEXT (folded as a word)
//   in:PATH     it has a place in the source at PATH (made absolute as a source's path is)
//   places:N+   it has N places or more (places:N: exactly N)
//   at-risk     it is at risk (library/AtRisk.h)
// Any other term, one holding a colon among them, is a word.
//
// A search answers one result per sound with every place the library knows of it, whatever the
// state of the source (a missing card's places included). It reads one snapshot of the library:
// a refresh committing meanwhile is seen whole or not at all.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Status.h"
#include "library/Sqlite.h"

namespace slotsmith {

enum class HiddenSounds { LeftOut, Only, Included };

struct SearchQuery {
  std::vector<std::string> words;  // folded
  std::vector<std::string> tags;
  std::vector<std::string> models;   // folded
  std::vector<std::string> sources;  // source paths, as sourcePathOf gives them
  bool favouritesOnly = false;
  HiddenSounds hidden = HiddenSounds::LeftOut;
  std::optional<std::int64_t> placesAtLeast;
  std::optional<std::int64_t> placesExactly;
  bool atRiskOnly = false;
};

// Parses the terms of a query (a term holding white space counts as its words); a term that
// names a filter badly (`places:x`, an empty `tag:`) is refused as invalid with the reason.
Status parseSearchQuery(const std::vector<std::string>& terms, SearchQuery& query);

struct Place {
  std::string source;  // the source's path
  int slot = 0;
  std::string name;  // as it is there, as UTF-8
};

// A sound or a model as the library knows it.
struct FoundItem {
  std::string id;  // its identity in lower-case hexadecimal
  // The name most of its places bear; of names borne equally often, the first place's.
  std::string name;
  std::vector<Place> places;  // by source path, then slot
  // For a sound: the user's data about it. A model has none.
  std::vector<std::string> tags;  // in byte order
  bool favourite = false;
  bool hidden = false;
  // For a sound, once readModelNames has run: the names of the models it plays, in its order of
  // them (the name most places of each model bear, the first in byte order of names borne
  // equally often; its id when no place holds it).
  std::vector<std::string> models;
};

// The sounds meeting every term of the query, by name in natural order (core/NaturalOrder.h),
// then by id. A source named by in: that the library does not have is refused as not found.
Status searchSounds(SqliteConnection& connection, const SearchQuery& query,
                    std::vector<FoundItem>& sounds);

// Fills in the models each sound plays. Apart from the search, so that a window shows the rows
// first and the models a moment later.
Status readModelNames(SqliteConnection& connection, std::vector<FoundItem>& sounds);

// How many sounds a search for tag:NAME finds (hidden sounds left out), for every tag a sound
// some place holds has; tags that differ only in letter case, which such a search does not tell
// apart, are one, named as the first of them in byte order. By tag, letter case ignored.
struct TagCount {
  std::string tag;
  std::int64_t sounds = 0;
};
Status countSoundsByTag(SqliteConnection& connection, std::vector<TagCount>& counts);

// The sound in sound slot of the source at sourcePath, as the library last read it: none when
// it read that slot empty. A source the library does not have is refused as not found.
Status soundAtPlace(SqliteConnection& connection, const std::string& sourcePath, int slot,
                    std::optional<FoundItem>& sound);

// At risk: what a dead card would take with it. A sound (a model) is at risk when every place
// the library knows of it lies in one source and that source is a database folder: no other
// database, no pack and no backup of the library holds it. The places of a missing or refused
// source count like any other, for the library cannot tell an unplugged card from a dead one;
// two slots of one database are one place to lose.
struct AtRiskItems {
  std::vector<FoundItem> sounds;  // hidden ones too, in the order of searchSounds
  std::vector<FoundItem> models;  // in the same order
};
Status findAtRisk(SqliteConnection& connection, AtRiskItems& items);

// How many sounds and models only the source holds, by source path; a source with none is not
// listed.
struct SourceRisk {
  std::int64_t sounds = 0;
  std::int64_t models = 0;
};
Status countAtRiskBySource(SqliteConnection& connection, std::map<std::string, SourceRisk>& risks);

}  // namespace slotsmith
