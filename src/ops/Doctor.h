// The doctor: what in a database folder is not as Slotsmith leaves it after a finished edit, and
// the leftovers that can provably be removed. It reads through the FileSystem seam only; the
// fix removes only temporary script files (never renamed into place, so never the user's) and
// temporary folders that are empty, with the database locked. Everything else is reported so
// that the user decides: overflow folders, non-empty temporary folders, references to empty
// model slots, an edit that could not be recovered, a lock naming a process that is gone.
#pragma once

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
  };
  Kind kind;
  std::string path;        // absolute
  std::string text;        // one line for the user
  bool removable = false;  // --fix removes it
};

// Whether a process of this host runs (the real one asks the system: ops/posix/ProcessProbe.cpp,
// ops/windows/ProcessProbe.cpp).
using ProcessProbe = std::function<bool(long pid)>;
bool processIsRunning(long pid);

// What was found out about the database just before the examination, so that it is not looked
// up again: the bank listings of the scan whose tables are examined, and whether an edit is
// still unfinished after the recovery of the open. What is not given is looked up.
struct AlreadyKnown {
  const DatabaseListing* banks = nullptr;
  std::optional<bool> unfinishedEdit;
};

// Examines the database at root, with the slot tables of a scan of it.
std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables,
                                           const ProcessProbe& isRunning = processIsRunning);
std::vector<DoctorFinding> examineDatabase(FileSystem& fs, const std::string& root,
                                           const SlotTables& tables, const AlreadyKnown& known,
                                           const ProcessProbe& isRunning = processIsRunning);

// Removes the removable findings, holding the database's lock (refused while an edit runs). The
// paths removed go into `removed`; a finding that could not be removed is left and reported.
Status fixDatabase(FileSystem& fs, const std::string& root,
                   const std::vector<DoctorFinding>& findings, std::vector<std::string>& removed);

}  // namespace slotsmith
