// The doctor: what in a database folder is not as Slotsmith leaves it after a finished edit. It
// reads through the FileSystem seam only and acts only on proof: the fix clears a lock that names
// a process of this host that is gone (the lock itself is free), with the database locked.
// Everything else is reported so that the user decides, since only a name or a shape says what it
// is: overflow folders, files and folders named like the temporary ones of earlier versions,
// sound scripts that are no text of a sound or give a reference twice, slot folders hidden inside
// other slot folders, references to empty model slots, an edit that could not be recovered.
#pragma once

#include <bitset>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/BankListing.h"
#include "core/FileSystem.h"
#include "core/SlotTables.h"

namespace slotsmith {

struct DoctorFinding {
  enum class Kind {
    UnfinishedEdit,       // a transaction recovery could not finish or roll back
    TemporaryFolder,      // slotsmith-N-... in Sounds/ or Models/
    TemporaryFile,        // .NAME.slotsmith-XXXXXX beside a script, MName or names file
    OverflowFolder,       // a slot folder numbered 1000 or more
    EmptyModelReference,  // a sound refers to a model slot that has no model
    StaleLock,            // the lock file names a process of this host that is not running
    SetAside,             // an entry taken out of the history whole: .slotsmith/aside/NAME
    DamagedSoundScript,   // a sound.script that is no text of a sound (see soundScriptDamage)
    RepeatedReference,    // a sound.script that gives a model reference key on two lines
    ForeignHistory,       // a history entry made elsewhere: listed, never carried out
    HiddenSlotFolder,     // a slot folder inside another slot folder: Sounds/010.sound/004.sound
  };
  Kind kind;
  std::string path;        // absolute
  std::string text;        // one line for the user
  bool removable = false;  // --fix clears it
};

// Whether a finding is worth a note after any command: an unfinished edit, damage, leftovers,
// history made elsewhere. A reference to an empty model slot is not: a real database has many,
// made on purpose, so the doctor and the health window list them but nothing else points at them.
bool needsTheUser(const DoctorFinding& finding);

// Whether a process of this host runs (the real one asks the system: ops/posix/ProcessProbe.cpp,
// ops/windows/ProcessProbe.cpp).
using ProcessProbe = std::function<bool(long pid)>;
bool processIsRunning(long pid);

// What was found out about the database just before the examination, so that it is not looked
// up again: the bank listings of the scan whose tables are examined, the model slots whose MName
// it read, the sound slots whose script it found damaged or giving a reference key twice, and
// whether an edit is still unfinished after the recovery of the open. What is not given is looked
// up. Given the MName files, the slot folders themselves are not listed: files named like the
// temporary ones of earlier versions inside them are the doctor's own look, which keeps opening a
// database as cheap as reading it.
struct AlreadyKnown {
  const DatabaseListing* banks = nullptr;
  const std::bitset<kSlotCount>* modelNameFiles = nullptr;
  const std::bitset<kSlotCount>* oddSoundScripts = nullptr;
  std::optional<bool> unfinishedEdit;
  std::optional<int> foreignEntries;  // history entries made elsewhere
};

// Examines the database at root, with the slot tables of a scan of it.
std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables,
                                           const ProcessProbe& isRunning = processIsRunning);
std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables, const AlreadyKnown& known,
                                           const ProcessProbe& isRunning = processIsRunning);

// Clears the removable findings, holding the database's lock (refused while an edit runs). The
// paths cleared go into `cleared`; a finding that could not be cleared is left and reported.
// An unfinished edit is cleared by putting back into the banks every folder and file whose place
// before the edit its journal proves and that is free, then setting the entry aside whole: no
// byte is deleted, and edits run again.
// An unfinished edit made elsewhere is set aside whole, by one rename; with adopt it is made this
// user's (adoptEntry) and carried on by recovery, with every check recovery makes.
// A place the fix finds taken (a folder or script a pulled card kept under both names on FAT or
// exFAT) keeps the bank's copy, and the entry's goes aside; the sounds that therefore refer to
// another model than before the edit go into playingOtherwise, one line each.
Status fixDatabase(FileSystem& fs, const std::string& root,
                   const std::vector<DoctorFinding>& findings, std::vector<std::string>& cleared,
                   bool adopt = false, std::vector<std::string>* playingOtherwise = nullptr);

// Makes a history entry made elsewhere this user's own: its journal is signed again, as it
// stands, with the user's key. Refused for a journal too old to carry the renames of its names
// files, or one that is damaged or not of the transaction's shape. Call with the lock held.
Status adoptEntry(FileSystem& fs, const std::string& root, int entry);

// Adopts every finished entry made elsewhere that proves itself: its shape, and what its undo
// (or redo) would find, every byte of what it placed included. The numbers adopted go into
// adopted, one line for each one refused into refused. Takes the lock.
Status adoptFinishedEntries(FileSystem& fs, const std::string& root, std::vector<int>& adopted,
                            std::vector<std::string>& refused);

// Deletes an entry set aside (.slotsmith/aside/NAME), holding the database's lock: only the user,
// naming it, decides that what it holds is not needed.
Status clearAsideEntry(FileSystem& fs, const std::string& root, const std::string& name);

}  // namespace slotsmith
