// The database as it will be after a change set, seen before anything changed. The names files
// are part of an edit's change set, so their bytes must be known before the transaction starts:
// the scan that computes them reads this view instead of the disk. Files the edit writes are read
// from memory, folders it moves or copies from where they lie now, so the scan costs no more than
// the rescan after an edit did, and its tables are the database's tables once the edit is done.
#pragma once

#include <memory>
#include <string>

#include "core/FileSystem.h"
#include "core/SlotTables.h"
#include "ops/EditPlan.h"

namespace slotsmith {

// The slot tables a scan of the database finds after the change set is carried out. Not ok,
// naming the file, when the scan could not read a file it found: the tables would show its slot
// as empty.
Status scanAfterChanges(FileSystem& fs, const std::string& root, const EditPlan& plan,
                        std::unique_ptr<SlotTables>& tables);

// The same tables, without reading a file, for a change set that only moves sound slot folders
// within the bank (a move or an arrangement of sounds): the records of `scanned`, a scan of the
// database as it is now, at their new numbers. Null for any other change set. A sound's record
// depends on its script alone and the models' use on the multiset of sounds, so a scan of the
// result would find exactly these records.
std::unique_ptr<SlotTables> tablesAfterSoundMoves(const SlotTables& scanned,
                                                  const std::string& root, const EditPlan& plan);

// A read-only FileSystem showing the tree after the change set; every change it is asked to make
// is refused.
std::unique_ptr<FileSystem> changedTreeView(FileSystem& fs, const EditPlan& plan);

}  // namespace slotsmith
