// Opening a database to read it, as the command line does before it prints anything: recover what
// a crash left unfinished, scan, and (for the commands that show it) the health check. The
// journals are read once on the way: only a database whose journals show an unfinished edit goes
// through recovery, and what recovery leaves is handed on to the health check, which also finds
// its leftovers in the scan's listings of the bank folders.
#pragma once

#include <vector>

#include "core/Database.h"
#include "ops/Doctor.h"

namespace slotsmith {

struct OpeningRecovery {
  // An unfinished edit was left alone because another edit holds the lock (it is running).
  bool editRunning = false;
  // An edit is still unfinished after the recovery (the health check reports it).
  bool unfinishedEdit = false;
  // History entries made elsewhere (another computer, user or version), left as they are; of
  // which unfinished (edits are refused until the doctor sets them aside or adopts them).
  int foreignEntries = 0;
  int foreignUnfinished = 0;
};

// Recovers an edit a crash left unfinished in the database at database's root (see
// recoverDatabase), before it is scanned. The Ui tells the user what was recovered.
OpeningRecovery recoverOnOpening(Database& database);

// The health check of a database just recovered with recoverOnOpening and scanned, reusing what
// both found out. Only with lookInsideSlots (the doctor's own look) are the slot folders listed,
// for leftovers and slot folders hidden in them; opening skips that to cost what a read costs.
std::vector<DoctorFinding> examineOpenedDatabase(Database& database,
                                                 const OpeningRecovery& recovery,
                                                 bool lookInsideSlots = false);

}  // namespace slotsmith
