// An edit as data: the ordered list of primitive steps that carries it out on disk. A plan is
// computed without touching anything, checked as a whole before its first step, and carried out
// step by step through the FileSystem seam. Steps name whole paths, so a plan can be printed,
// compared in tests, stored, and reversed.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "core/Status.h"
#include "core/Ui.h"

namespace slotsmith {

struct EditStep {
  enum class Kind {
    RenameFolder,  // from -> to; to must not exist
    CopyFolder,    // from -> to, recursively; to must not exist
    RemoveFolder,  // from, recursively
    WriteFile,     // contents -> to, atomically; to's folder must exist
  };
  Kind kind = Kind::RenameFolder;
  std::string from;
  std::string to;
  std::string contents;
  // Shown on the progress display when this step starts; empty leaves the text as it is.
  std::string progressText = {};

  // One line for a listing: "rename A -> B", "copy A -> B", "remove A", "write B (N bytes)".
  std::string describe() const;
};

struct EditPlan {
  std::string title;  // the operation, e.g. "Move sounds"
  std::vector<EditStep> steps;
  int occupiedSlotsLeavingBank = 0;  // occupied slots this edit pushes past slot 999
  std::vector<std::string> notes;    // what the user should know (e.g. where overflowed slots go)
  // Staging and temporary paths the steps pass through. A folder found under one of them after a
  // failure is named to the user, so nothing is ever lost silently.
  std::vector<std::string> temporaryPaths;
};

// The temporary paths that hold a folder after the first stepsDone steps of the plan ran: where
// to look for what an interrupted edit left half way.
std::vector<std::string> temporaryPathsInUse(const EditPlan& plan, std::size_t stepsDone);

// Verifies, before anything changes, that every step can succeed in order: each source exists,
// each target is free (or freed by an earlier step), each folder it writes into is writable.
Status checkPlan(const EditPlan& plan, FileSystem& fs);

struct CarryOutResult {
  Status status;              // ok, or the failure of the step that stopped the edit
  std::size_t stepsDone = 0;  // steps completed before the failure (all of them when ok)
};

// Runs the steps in order, stopping at the first failure. Progress goes to the Ui when given,
// one position per step, within the maximum the caller opened the display with.
CarryOutResult carryOut(const EditPlan& plan, FileSystem& fs, Ui* progress = nullptr,
                        int progressMaximum = 999);

}  // namespace slotsmith
