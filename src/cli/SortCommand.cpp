// `sort`: a block of slots put in the natural order of their names, or sounds grouped by the
// model they play; `compact`: a block's gaps closed. One edit each, undone as one.
#include "cli/Commands.h"

namespace slotsmith::cli {
namespace {

class SortCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "sort",
        userText(USER_TEXT(
            "cli sort",
            "Put the sounds or models of SLOTS in order among those slots: by name (Pad 2 "
            "before Pad 10, letter case ignored) or, for sounds, by the model they play "
            "first. Empty slots of SLOTS end up at its end; nothing outside SLOTS moves. "
            "Models: references follow")));
    addDatabaseArgument();
    addBankArgument();
    addSlotsArgument("SLOTS", slots_,
                     userText(USER_TEXT("cli sort", "The slots to arrange: 3, 3,5 or 5-7,9")));
    subcommand()
        ->add_option("--by", by_,
                     userText(USER_TEXT(
                         "cli sort",
                         "name, or model (sounds only): grouped by the model slot their first "
                         "reference names when it is on (an empty model slot too), those whose "
                         "first reference is off or names no slot last; by name within a group")))
        ->required()
        ->check(CLI::IsMember({"name", "model"}));
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    if (by_ == "model" && bank() == Bank::Models) {
      console.err << userText(USER_TEXT("cli sort", "sort: models are sorted --by name only"))
                  << '\n';
      return kExitUsage;
    }
    return runRequest(console,
                      ArrangeRequest{bank(), slots_,
                                     by_ == "model" ? Arrangement::ByModel : Arrangement::ByName});
  }

 private:
  std::vector<int> slots_;
  std::string by_;
};

class CompactCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "compact",
                  userText(USER_TEXT(
                      "cli compact",
                      "Close the gaps of SLOTS: its sounds or models keep their order and move to "
                      "its first slots, the empty slots end up at its end; nothing outside SLOTS "
                      "moves. Models: references follow")));
    addDatabaseArgument();
    addBankArgument();
    addSlotsArgument("SLOTS", slots_,
                     userText(USER_TEXT("cli compact", "The slots to close up: 3, 3,5 or 5-7,9")));
    addYesOption();
    addDryRunOption();
  }

  int run(Console& console) override {
    return runRequest(console, ArrangeRequest{bank(), slots_, Arrangement::CloseGaps});
  }

 private:
  std::vector<int> slots_;
};

}  // namespace

std::unique_ptr<Command> makeSortCommand() {
  return std::make_unique<SortCommand>();
}

std::unique_ptr<Command> makeCompactCommand() {
  return std::make_unique<CompactCommand>();
}

}  // namespace slotsmith::cli
