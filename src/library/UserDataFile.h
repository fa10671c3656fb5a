// The user's data as a file of its own, to keep it apart from the library: `library export`
// writes it, `library import` merges it back (library/UserData.h says how). The file is JSON:
//   {"format": "slotsmith library user data", "version": 1,
//    "sounds": [{"id": HEX, "name": TEXT, "favourite": BOOL, "hidden": BOOL, "note": TEXT,
//                "tags": [{"tag": TEXT, "origin": "rule"|"hand"}], "removedTags": [TEXT]}],
//    "rules": [{"tag": TEXT, "pattern": TEXT}],
//    "lists": [{"name": TEXT, "items": [HEX]}]}
// "name" is there for whoever reads the file and is not read back. A sound's id is its identity
// as 64 hex digits. Reading refuses the whole file at its first fault (library/Json.h), so an
// import changes nothing unless it is all good; members it does not know are passed over, so a
// later version's file is read as far as this one understands it.
#pragma once

#include <string>
#include <string_view>

#include "core/Status.h"
#include "library/UserData.h"

namespace slotsmith {

// The largest file import reads: far more than the data of every sound a library holds.
inline constexpr std::size_t kLargestUserDataFile = 256u << 20;

std::string userDataJson(const UserDataSnapshot& snapshot);
Status userDataFromJson(std::string_view text, UserDataSnapshot& snapshot);

// Writes the snapshot to the file at path, under a temporary name first and then renamed into
// place, so an existing file is replaced whole or not at all.
Status writeUserDataFile(const std::string& path, const UserDataSnapshot& snapshot);
Status readUserDataFile(const std::string& path, UserDataSnapshot& snapshot);

}  // namespace slotsmith
