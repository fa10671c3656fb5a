// `dedupe`: of every group of identical models the lowest slot stays and takes every reference;
// the other copies are deleted, their slots left empty.
#include <ostream>

#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class DedupeCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "dedupe",
        userText(USER_TEXT(
            "cli dedupe",
            "Point references at the lowest of each group of identical models; delete the "
            "other copies")));
    addDatabaseArgument();
    subcommand()->add_flag(
        "--ignore-model-names", ignoreModelNames_,
        userText(USER_TEXT("cli dedupe",
                           "Models are identical when their data is, whatever MName says")));
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    return runRequest(console, DedupeRequest{.ignoreModelNames = ignoreModelNames_});
  }

 private:
  bool ignoreModelNames_ = false;
};

}  // namespace

std::unique_ptr<Command> makeDedupeCommand() {
  return std::make_unique<DedupeCommand>();
}

}  // namespace slotsmith::cli
