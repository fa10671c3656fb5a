// The user's lists of sounds: named, ordered, and made of identities, not places, so that a list
// follows its sounds through moves, renames and copies, and a sound stays in it while no source
// holds it (its place comes back when a source does). Each item also keeps the name the sound had
// where it was added, to name it when no place is left. A sound is in a list once; positions
// count from 1 and close up when items are removed.
//
// Like tags, lists are data the user made: every change is one SQLite transaction.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Hashes.h"
#include "core/Status.h"
#include "library/Library.h"

namespace slotsmith {

struct ListPlace {
  std::string source;  // the source's path as the library records it
  SourceKind kind = SourceKind::Database;
  SourceState state = SourceState::Ok;
  int slot = 0;
  std::string name;  // the sound's name there
};

struct ListItem {
  int position = 0;  // from 1
  Digest identity{};
  std::string name;  // from a place that holds it now, else as it was when it was added
  // Every place the library records, those of sources in reach (ok or changed) first, then by
  // source path and slot.
  std::vector<ListPlace> places;
};

// What an addition came to: the sounds added, and those the list had already.
struct ListAddition {
  int added = 0;
  std::vector<int> alreadyListed;  // slots of the source whose sound the list holds
};

struct ListSummary {
  std::string name;
  std::int64_t sounds = 0;
};
// Every list with how many sounds it holds, by name in natural order.
Status listSummaries(Library& library, std::vector<ListSummary>& lists);

Status createList(Library& library, const std::string& name);
// Deletes the list and its items; the sounds and the user's data about them stay.
Status deleteList(Library& library, const std::string& name);
// Appends the sounds the library records in those slots of the source, in the order given. A
// source the library does not have, or a slot where it records no sound, refuses the whole
// addition, naming them.
Status addToList(Library& library, const std::string& name, const std::string& source,
                 const std::vector<int>& slots, ListAddition& addition);
// Removes the items at the positions (from 1); a position the list does not have refuses, and
// nothing is removed.
Status removeFromList(Library& library, const std::string& name, const std::vector<int>& positions);
// Gives the list a new name; a list of that name already refuses.
Status renameList(Library& library, const std::string& name, const std::string& newName);
// Moves the items at the positions (from 1) to stand, in their order, before the item at position
// `before` as the list is now (one past the last moves them to the end).
Status moveInList(Library& library, const std::string& name, const std::vector<int>& positions,
                  int before);
// Appends the sounds with the identities, in that order, those it holds already left out; a sound
// no source holds now is added under its id. What the desktop drops on a list.
Status addSoundsToList(Library& library, const std::string& name,
                       const std::vector<Digest>& identities, int& added);
Status listItems(Library& library, const std::string& name, std::vector<ListItem>& items);
// The sounds with the identities, as items of a list that holds them in that order (what the
// desktop drags out of the library): a sound no place holds is named by its id.
Status soundItems(Library& library, const std::vector<Digest>& identities,
                  std::vector<ListItem>& items);

// Whether a place's source can be read now as far as the library knows.
bool isInReach(const ListPlace& place);

}  // namespace slotsmith
