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
  if (!hasUnfinishedTransaction(fs, *root)) return recovery;
  static_cast<void>(recoverDatabase(database, &recovery.editRunning));
  recovery.unfinishedEdit = hasUnfinishedTransaction(fs, *root);
  return recovery;
}

std::vector<DoctorFinding> examineOpenedDatabase(Database& database,
                                                 const OpeningRecovery& recovery) {
  const DatabaseRoot& root = database.root();
  if (!root) return {};
  return examineDatabase(database.fileSystem(), *root, database.tables(),
                         {.banks = &database.bankListings(),
                          .modelNameFiles = &database.modelNameFiles(),
                          .oddSoundScripts = &database.oddSoundScripts(),
                          .unfinishedEdit = recovery.unfinishedEdit});
}

}  // namespace slotsmith
