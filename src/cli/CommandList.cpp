#include "cli/Commands.h"

namespace slotsmith::cli {

std::vector<std::unique_ptr<Command>> allCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(makeCheckCommand());
  commands.push_back(makeListCommand());
  commands.push_back(makeNamesCommand());
  commands.push_back(makeCopyCommand());
  commands.push_back(makeMoveCommand());
  commands.push_back(makeDeleteCommand());
  commands.push_back(makeRemoveCommand());
  commands.push_back(makeReplaceCommand());
  commands.push_back(makeConsolidateCommand());
  commands.push_back(makeDemoCommand());
  commands.push_back(makeDuplicatesCommand());
  commands.push_back(makeDiffCommand());
  commands.push_back(makeRenameCommand());
  commands.push_back(makeImportCommand());
  commands.push_back(makeDedupeCommand());
  commands.push_back(makeSortCommand());
  commands.push_back(makeCompactCommand());
  commands.push_back(makeUndoCommand());
  commands.push_back(makeRedoCommand());
  commands.push_back(makeHistoryCommand());
  commands.push_back(makeDoctorCommand());
#if defined(SLOTSMITH_PACKS)
  commands.push_back(makeExportCommand());
  commands.push_back(makeBackupCommand());
  commands.push_back(makeVerifyCommand());
  commands.push_back(makeRestoreCommand());
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
  commands.push_back(makeLibraryAddCommand());
  commands.push_back(makeLibraryRemoveCommand());
  commands.push_back(makeLibrarySourcesCommand());
  commands.push_back(makeLibraryRefreshCommand());
  commands.push_back(makeLibrarySearchCommand());
  commands.push_back(makeLibraryWhereCommand());
  commands.push_back(makeLibraryAtRiskCommand());
  commands.push_back(makeLibraryTagCommand());
  commands.push_back(makeLibraryFavCommand());
  commands.push_back(makeLibraryHideCommand());
  commands.push_back(makeLibraryNoteCommand());
  commands.push_back(makeLibraryRulesCommand());
  commands.push_back(makeLibraryCategorizeCommand());
  commands.push_back(makeLibraryExportCommand());
  commands.push_back(makeLibraryImportCommand());
  commands.push_back(makeLibraryRebuildCommand());
  commands.push_back(makeLibraryListCreateCommand());
  commands.push_back(makeLibraryListAddCommand());
  commands.push_back(makeLibraryListRemoveCommand());
  commands.push_back(makeLibraryListShowCommand());
  commands.push_back(makeLibraryListMoveCommand());
  commands.push_back(makeLibraryListRenameCommand());
  commands.push_back(makeLibraryListDeleteCommand());
  commands.push_back(makeLibraryPlaceCommand());
#endif
  return commands;
}

}  // namespace slotsmith::cli
