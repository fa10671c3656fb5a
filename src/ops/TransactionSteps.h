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

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileSystem.h"
#include "core/Ui.h"
#include "ops/EditPlan.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"

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
  Status status;          // ok when the final marker is durable
  FailedStep failedStep;  // the rename, flush or marker that failed
  int failedPhase = 0;
  bool renameFailed = false;  // a rename failed (a rollback can reverse the phase); otherwise a
                              // flush or marker failed, and only the next open can go on
};

// Runs the phases of a direction from fromPhase on (its starting marker is already durable),
// and writes the final marker.
DriveResult drive(FileSystem& fs, const std::string& root, int entry, const Journal& journal,
                  Direction direction, int fromPhase, const Progress& progress = {});

// The largest file whose bytes an edit fingerprints: far beyond any model file.
inline constexpr std::size_t kLargestPlacedFile = std::size_t{1} << 30;

// A file an edit writes into a folder it places (an imported sound's renumbered script).
struct WrittenFile {
  std::string name;  // relative to the folder
  const std::string* contents = nullptr;
};

// What an edit placed in a slot, as the journal records it: for a file, a 64-bit hash of its
// bytes; for a folder, one of every path below it with the bytes of each file (those in written
// counted with the bytes the edit writes). Never 0. An undo, a rollback and the doctor compare it
// with what the slot holds then, so that nothing changed or added since is ever taken away.
std::uint64_t fileFingerprint(std::string_view bytes);
Status folderFingerprint(FileSystem& fs, const std::string& folder,
                         const std::vector<WrittenFile>& written, std::uint64_t& fingerprint);

// What a placed folder or file holds now, in the terms of a rename's placedChecksum: a folder's
// fingerprint, a file's. Ok with the fingerprint, or the error of a listing or read that failed.
Status placedChecksumNow(FileSystem& fs, const std::string& path, std::uint64_t& checksum);

// Appends the marker of state to the journal of entry, signed in its chain, durably.
Status appendMarker(FileSystem& fs, const std::string& root, int entry, JournalState state);

std::string absolute(const std::string& root, const std::string& relative);
std::string journalPath(const std::string& root, int entry);
std::string entryPath(const std::string& root, int entry);

}  // namespace slotsmith::transaction
