// One factory per command; each command lives in its own source file.
#pragma once

#include <memory>

#include "cli/Command.h"

namespace slotsmith::cli {

std::unique_ptr<Command> makeCheckCommand();
std::unique_ptr<Command> makeListCommand();
std::unique_ptr<Command> makeNamesCommand();
std::unique_ptr<Command> makeCopyCommand();
std::unique_ptr<Command> makeMoveCommand();
std::unique_ptr<Command> makeDeleteCommand();
std::unique_ptr<Command> makeRemoveCommand();
std::unique_ptr<Command> makeReplaceCommand();
std::unique_ptr<Command> makeConsolidateCommand();
std::unique_ptr<Command> makeDemoCommand();
std::unique_ptr<Command> makeDuplicatesCommand();
std::unique_ptr<Command> makeDiffCommand();
std::unique_ptr<Command> makeRenameCommand();
std::unique_ptr<Command> makeImportCommand();
std::unique_ptr<Command> makeDedupeCommand();
std::unique_ptr<Command> makeUndoCommand();
std::unique_ptr<Command> makeRedoCommand();
std::unique_ptr<Command> makeHistoryCommand();
std::unique_ptr<Command> makeDoctorCommand();
std::unique_ptr<Command> makeSortCommand();
std::unique_ptr<Command> makeCompactCommand();
#if defined(SLOTSMITH_PACKS)
std::unique_ptr<Command> makeExportCommand();
std::unique_ptr<Command> makeBackupCommand();
std::unique_ptr<Command> makeVerifyCommand();
std::unique_ptr<Command> makeRestoreCommand();
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
std::unique_ptr<Command> makeLibraryAddCommand();
std::unique_ptr<Command> makeLibraryRemoveCommand();
std::unique_ptr<Command> makeLibrarySourcesCommand();
std::unique_ptr<Command> makeLibraryRefreshCommand();
std::unique_ptr<Command> makeLibrarySearchCommand();
std::unique_ptr<Command> makeLibraryWhereCommand();
std::unique_ptr<Command> makeLibraryAtRiskCommand();
std::unique_ptr<Command> makeLibraryTagCommand();
std::unique_ptr<Command> makeLibraryFavCommand();
std::unique_ptr<Command> makeLibraryHideCommand();
std::unique_ptr<Command> makeLibraryNoteCommand();
std::unique_ptr<Command> makeLibraryRulesCommand();
std::unique_ptr<Command> makeLibraryCategorizeCommand();
std::unique_ptr<Command> makeLibraryExportCommand();
std::unique_ptr<Command> makeLibraryImportCommand();
std::unique_ptr<Command> makeLibraryRebuildCommand();
std::unique_ptr<Command> makeLibraryListCreateCommand();
std::unique_ptr<Command> makeLibraryListAddCommand();
std::unique_ptr<Command> makeLibraryListRemoveCommand();
std::unique_ptr<Command> makeLibraryListShowCommand();
std::unique_ptr<Command> makeLibraryListMoveCommand();
std::unique_ptr<Command> makeLibraryListRenameCommand();
std::unique_ptr<Command> makeLibraryListDeleteCommand();
std::unique_ptr<Command> makeLibraryPlaceCommand();
#endif

// One line on standard error when the doctor has something for the opened database that needs
// the user (needsTheUser): references to empty model slots alone are no reason.
void noteDoctorFindings(OpenedDatabase& opened, Console& console, const std::string& path);

}  // namespace slotsmith::cli
