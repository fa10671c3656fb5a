// The shared shape of `copy` and `move`: a bank, the slots of the block and the slot number it
// is dropped at, exactly as a row drop in the desktop application.
#pragma once

#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {

class BlockEditCommand : public Command {
 protected:
  void configureBlockEdit(CLI::App& app, const std::string& name, const std::string& help) {
    addSubcommand(app, name, help);
    addDatabaseArgument();
    addBankArgument();
    addSlotsArgument("SLOTS", slots_,
                     userText(USER_TEXT("cli", "The slots of the block: 3, 3,5 or 5-7,9")));
    addNumberOption("--to", destination_,
                    userText(USER_TEXT("cli",
                                       "The slot the block starts at afterwards (0-1000; "
                                       "1000 is below the last row, which never fits)")),
                    0, kSlotCount)
        ->required();
    addYesOption();
    addDryRunOption();
  }

  std::vector<int> slots_;
  int destination_ = 0;
};

}  // namespace slotsmith::cli
