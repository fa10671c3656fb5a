#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class NamesCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "names",
                  "Write the name lists SoundNames and ModelNames (1000 lines each) into DB");
    addDatabaseArgument();
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    Database& database = opened->database;
    Status written = database.updateModelNames();
    if (written.isOk()) written = database.updateSoundNames();
    if (!written.isOk()) {
      console.err << "File update failed: " << written.message() << '\n';
      return kExitRefused;
    }
    console.out << "File update complete: The new 'SoundNames' and 'ModelNames' files were "
                   "created.\n";
    return kExitDone;
  }
};

}  // namespace

std::unique_ptr<Command> makeNamesCommand() {
  return std::make_unique<NamesCommand>();
}

}  // namespace slotsmith::cli
