#include "ops/Opening.h"

#include "ops/Edits.h"
#include "ops/Transaction.h"

namespace slotsmith {

OpeningRecovery recoverOnOpening(Database& database) {
  OpeningRecovery recovery;
  const DatabaseRoot& root = database.root();
  if (!root) return recovery;
  FileSystem& fs = database.fileSystem();
  // recoverDatabase would read the journals for this same question and do nothing when the
  // answer is no; asked here, the answer serves the health check as well.
  HistorySummary summary = summarizeHistory(fs, *root);
  if (summary.ownUnfinished) {
    static_cast<void>(recoverDatabase(database, &recovery.editRunning));
    summary = summarizeHistory(fs, *root);
  }
  recovery.unfinishedEdit = summary.ownUnfinished || summary.foreignUnfinished > 0;
  recovery.foreignEntries = summary.foreignEntries;
  recovery.foreignUnfinished = summary.foreignUnfinished;
  return recovery;
}

std::vector<DoctorFinding> examineOpenedDatabase(Database& database,
                                                 const OpeningRecovery& recovery,
                                                 bool lookInsideSlots) {
  const DatabaseRoot& root = database.root();
  if (!root) return {};
  return examineDatabase(database.fileSystem(), *root, database.tables(),
                         {.banks = &database.bankListings(),
                          .modelNameFiles = lookInsideSlots ? nullptr : &database.modelNameFiles(),
                          .oddSoundScripts = &database.oddSoundScripts(),
                          .unfinishedEdit = recovery.unfinishedEdit,
                          .foreignEntries = recovery.foreignEntries});
}

}  // namespace slotsmith
