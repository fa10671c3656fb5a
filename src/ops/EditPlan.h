// An edit as data: the change set that says what the database looks like after it, computed
// without touching anything and checked as a whole before anything changes. A change set says
// nothing about order: it names where each slot folder ends up, which folders are copied or
// deleted and which files get new bytes. Only the transaction (Transaction.h) turns it into
// steps on disk, in the one order that survives a power cut, so no kind of edit has to get that
// order right on its own. Changes name whole paths, so a plan can be printed, compared in tests
// and reversed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Status.h"

namespace slotsmith {

struct Change {
  enum class Kind {
    Move,    // the folder at from before the edit is at to after it
    Copy,    // a copy of the folder at from (before the edit; it may lie outside the database)
             // is at to after it
    Delete,  // the folder at from is gone after the edit (kept as undo data)
    Write,   // the file at to holds contents after the edit; to may lie in a copy's target
  };
  Kind kind = Kind::Move;
  std::string from;
  std::string to;
  std::string contents;
  // Shown on the progress display when this change is carried out; empty leaves the text.
  std::string progressText = {};
  // A names file, derived from the slots: an undo puts the old one back without asking whether
  // it was changed since.
  bool derived = false;

  // One line for a listing: "rename A -> B", "copy A -> B", "remove A", "write B (N bytes)".
  std::string describe() const;
};

struct EditPlan {
  std::string title;  // the operation, e.g. "Move sounds"
  std::vector<Change> changes;
  int occupiedSlotsLeavingBank = 0;  // occupied slots this edit pushes past slot 999
  std::vector<std::string> notes;    // what the user should know (e.g. where overflowed slots go)
};

// Verifies, before anything changes, that the change set can be carried out from what is on
// disk: every folder it moves or deletes exists and can be renamed, every place it fills is free
// or vacated by the same edit, every file it writes lies in a plain folder, and no two changes
// claim one place.
Status checkChanges(const EditPlan& plan, FileSystem& fs);

// The folder a path lies in.
std::string parentOf(const std::string& path);

}  // namespace slotsmith
