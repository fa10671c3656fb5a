// The parts the transaction is made of, shared by its three files and by nothing else:
//
//  - TransactionCompile.cpp turns a change set into a journal: what prepare stages, and the
//    renames of the two phases;
//  - TransactionRun.cpp prepares, commits and drives the phases of a new edit, an undo or a
//    redo, and rolls them back;
//  - Recovery.cpp drives what a crash or a power cut left unfinished to its end.
//
// Driving the phases is one function for all three, so that recovery does exactly what the
// interrupted run would have done: apply a phase's renames (each one checkable), flush, write the
// next marker durably; a marker is never written before the flush under it succeeded.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Ui.h"
#include "ops/EditPlan.h"
#include "ops/Journal.h"

namespace slotsmith::transaction {

// What prepare makes under staged/ before the commit.
struct StagedItem {
  bool isCopy = false;
  std::string source;                     // a copy's source folder (absolute)
  const std::string* contents = nullptr;  // a new file's bytes (owned by the plan)
  std::string staged;                     // where it goes (relative to the root)
  bool replaces = false;                  // a file rewritten inside a copy staged before it
};

struct CompiledTransaction {
  Journal journal;
  std::vector<StagedItem> staged;
  std::vector<std::string> progressTexts;  // by rename, shown when the rename starts
};

// The journal of a change set in history entry `entry`. Invalid when a change lies outside the
// root or two changes contradict each other.
Status compileChanges(FileSystem& fs, const std::string& root, const EditPlan& plan, int entry,
                      CompiledTransaction& compiled);

enum class Direction { Forward, Backward };

Direction opposite(Direction direction);
// The marker that starts phase 1 or 2 of a direction, and the one that ends it.
JournalState phaseMarker(Direction direction, int phase);
JournalState finalMarker(Direction direction, const Journal& journal);

// The renames of one phase of a direction. Backward phase 1 reverses forward phase 2.
std::vector<JournalRename> phaseRenames(const Journal& journal, Direction direction, int phase);

struct Progress {
  Ui* ui = nullptr;
  int maximum = 999;
  const std::vector<std::string>* texts = nullptr;  // by forward rename index
};

struct DriveResult {
  Status status;             // ok when the final marker is durable
  std::string failedAction;  // the rename, flush or marker that failed
  int failedPhase = 0;
  bool renameFailed = false;  // a rename failed (a rollback can reverse the phase); otherwise a
                              // flush or marker failed, and only the next open can go on
};

// Runs the phases of a direction from fromPhase on (its starting marker is already durable),
// and writes the final marker.
DriveResult drive(FileSystem& fs, const std::string& root, int entry, const Journal& journal,
                  Direction direction, int fromPhase, const Progress& progress = {});

// What a slot folder holds, by name: the checksum of every path below it (folders marked), in
// order, with extraNames (paths below it that the edit writes) among them. An undo compares it
// with what the folder holds then, so that it never takes away a file added since. Ok with the
// checksum, or the error of a listing that failed.
Status folderFingerprint(FileSystem& fs, const std::string& folder,
                         const std::vector<std::string>& extraNames, std::uint64_t& fingerprint);

// What a placed folder or file holds now, in the terms of a rename's placedChecksum: a folder's
// fingerprint, a file's checksum. An undo, a rollback and the doctor compare it with the record
// before they take the item out of its slot.
Status placedChecksumNow(FileSystem& fs, const std::string& path, std::uint64_t& checksum);

std::string absolute(const std::string& root, const std::string& relative);
std::string journalPath(const std::string& root, int entry);
std::string entryPath(const std::string& root, int entry);

}  // namespace slotsmith::transaction
