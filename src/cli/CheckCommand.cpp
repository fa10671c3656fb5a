#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class CheckCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "check",
        userText(USER_TEXT("cli check", "Exit 0 when DB is a Neuron database, 1 when it is not")));
    addDatabaseArgument();
  }

  int run(Console& console) override {
    if (isValidDatabase(databasePath_)) {
      console.out << userText(USER_TEXT("cli check", "{path}: a Neuron database"),
                              {{"path", databasePath_}})
                  << '\n';
      if (const auto opened = openCheckedDatabase(console)) {
        noteDoctorFindings(*opened, console, databasePath_);
      }
      return kExitDone;
    }
    console.err << userText(USER_TEXT("cli check", "{path}: not a Neuron database"),
                            {{"path", databasePath_}})
                << '\n';
    return kExitRefused;
  }
};

}  // namespace

std::unique_ptr<Command> makeCheckCommand() {
  return std::make_unique<CheckCommand>();
}

}  // namespace slotsmith::cli
