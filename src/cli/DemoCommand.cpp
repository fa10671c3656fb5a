#include <ostream>

#include "cli/Commands.h"
#include "core/DemoDatabase.h"

namespace slotsmith::cli {
namespace {

class DemoCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "demo",
        userText(USER_TEXT("cli demo", "Write a demo database into DIR (a new or empty folder)")));
    subcommand()
        ->add_option("DIR", folder_, userText(USER_TEXT("cli demo", "The folder to write")))
        ->required();
    subcommand()->add_flag(
        "--full", full_,
        userText(USER_TEXT("cli demo", "Fill all 1000 sound and 1000 model slots")));
  }

  int run(Console& console) override {
    const Status status = writeDemoDatabase(folder_, {.full = full_});
    if (!status.isOk()) {
      console.err << status.message() << '\n';
      return kExitRefused;
    }
    console.out << userText(USER_TEXT("cli demo", "Demo database written to {path}"),
                            {{"path", folder_}})
                << '\n';
    return kExitDone;
  }

 private:
  std::string folder_;
  bool full_ = false;
};

}  // namespace

std::unique_ptr<Command> makeDemoCommand() {
  return std::make_unique<DemoCommand>();
}

}  // namespace slotsmith::cli
