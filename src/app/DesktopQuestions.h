// What the desktop adds to the engine's questions. The engine asks one question at a time, the
// way a terminal must; in a window the user should be told more before answering: a copy, move
// or import that pushes occupied slots past slot 999 says so in its one confirmation, from the
// same preview a drag shows. The note travels in the edit's options (EditOptions::leavingNote);
// confirming it agrees to those slots leaving, and the engine asks its later warning only when
// more slots leave than the note named.
#pragma once

#include <QString>

#include "core/SlotTables.h"
#include "ops/Edits.h"

namespace slotsmith {

struct LeavingNote {
  QString text;   // empty when no occupied slot leaves the bank
  int slots = 0;  // how many occupied slots it names
};

// The note for the edit about to run, with the tables the lists show (the ones the user decided
// from).
LeavingNote leavingNoteFor(const EditRequest& request, const SlotTables& tables);

}  // namespace slotsmith
