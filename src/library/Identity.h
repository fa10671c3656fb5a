// What makes two sounds one sound, wherever they lie. A sound is its script without its name
// together with the bytes of the models it plays: the same sound under another name, in another
// slot or in another database is one sound. A model is its data: every file of its folder but
// the name file MName (core/ModelIdentity.h's modelDataDigest). Beside the identity every sound
// has an exact identity, its name included, so that a renamed copy shows as one.
//
// Both identities hash the script line by line. The sixteen name lines count for the exact
// identity only. A model reference line (R1ModellIndex, R2ModellIndex) whose switch is on counts
// by the identity of the model it names, never by its slot number, which differs from one
// database to the next; a reference to no model or to an empty model slot counts as "no model".
// A reference switched off counts as "off" whatever it names: the sound does not play that model,
// and a switched-off reference left at 0 would otherwise make one sound two in databases where
// model slot 0 differs. Every other line counts byte for byte, the switches among them. A line
// ends at a line feed; a last line without one counts as if it had one.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileSystem.h"
#include "core/Hashes.h"
#include "core/SlotTables.h"
#include "core/Status.h"

namespace slotsmith {

// The identity of the model in each model slot of one database, if it holds one.
using ModelIdentities = std::array<std::optional<Digest>, kSlotCount>;

struct SoundIdentity {
  Digest identity{};
  Digest exact{};
};

// The identities of a sound from its script's bytes and the identities of its database's models.
SoundIdentity soundIdentityOf(std::string_view script, const ModelIdentities& models);

struct SoundReading {
  int slot = 0;
  std::string name;  // as the scan reads it
  SoundIdentity identity;
  // The identities of the models the two references play: switched on and naming a model.
  std::array<std::optional<Digest>, 2> models;
  // The model slots the two references name while switched on, or -1: a change of the model in
  // one changes this sound's identity.
  std::array<int, 2> plays{-1, -1};
};

struct ModelReading {
  int slot = 0;
  std::string name;  // the first line of MName, without its line ending
  Digest identity{};
};

struct DatabaseReading {
  std::vector<SoundReading> sounds;  // by slot, ascending
  std::vector<ModelReading> models;  // by slot, ascending
  // What could not be read, one line each: such a slot is left out, never guessed. The notes and
  // the refusal become the source's reason, kept in the library file and printed as data by
  // `library sources`, so they are English in every language.
  std::vector<std::string> notes;
  // Not ok when the database as a whole was not read (a bank folder is a link): nothing else is
  // filled in.
  Status refusal;
};

// Reads every occupied slot of the database at root through fs, changing nothing and following
// no link: a bank folder that is a link refuses the whole database, a slot folder or a script that
// is one leaves that slot out with a note. A model that
// cannot be read is left out with a note, and so is every sound that plays it: without the
// model's bytes the sound has no identity.
DatabaseReading readDatabaseIdentities(FileSystem& fs, const std::string& root);

// The slots a partial reading reads again.
struct SlotChoice {
  std::bitset<kSlotCount> sounds;
  std::bitset<kSlotCount> models;
};

// Reads only the chosen slots, exactly as readDatabaseIdentities reads them, for a reader that
// knows which slots changed since it last read the database. models comes in with the identities
// of the database's other models as that reader knows them; each chosen model slot's is replaced
// (or cleared, when it holds no model now) before the chosen sounds are read with them. A chosen
// slot that holds nothing now is in neither list and has no note.
DatabaseReading readDatabaseSlots(FileSystem& fs, const std::string& root, const SlotChoice& slots,
                                  ModelIdentities& models);

// The identities of the sounds in the given slots of the database at root as they are now, read
// as readDatabaseIdentities reads them but with only the models those sounds play. A slot that
// holds no sound, or whose sound or a model it plays cannot be read, is left out; so is every
// slot of a database whose bank folders are not plain folders.
std::map<int, SoundIdentity> readSoundIdentities(FileSystem& fs, const std::string& root,
                                                 const std::vector<int>& slots);

}  // namespace slotsmith
