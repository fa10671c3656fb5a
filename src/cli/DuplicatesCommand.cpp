#include <ostream>

#include "cli/Commands.h"
#include "core/Duplicates.h"

namespace slotsmith::cli {
namespace {

void printGroups(std::ostream& out, const char* bank, const DuplicateGroups& duplicates) {
  for (const std::vector<int>& group : duplicates.groups) {
    out << bank << ':';
    for (int slot : group)
      out << ' ' << slot;
    out << '\n';
  }
}

void printJsonGroups(std::ostream& out, const DuplicateGroups& duplicates) {
  out << '[';
  for (std::size_t g = 0; g < duplicates.groups.size(); ++g) {
    out << (g == 0 ? "[" : ", [");
    for (std::size_t i = 0; i < duplicates.groups[g].size(); ++i)
      out << (i == 0 ? "" : ", ") << duplicates.groups[g][i];
    out << ']';
  }
  out << ']';
}

class DuplicatesCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "duplicates",
                  userText(USER_TEXT(
                      "cli duplicates",
                      "Print the groups of identical models and of sounds identical but for their "
                      "names")));
    addDatabaseArgument();
    subcommand()->add_flag(
        "--json", json_,
        userText(USER_TEXT("cli duplicates",
                           "Print {\"models\": [[slots...], ...], \"sounds\": [...]} instead")));
    subcommand()->add_flag(
        "--ignore-model-names", ignoreModelNames_,
        userText(USER_TEXT("cli duplicates",
                           "Models are identical when their data is, whatever MName says")));
    subcommand()->footer(userText(USER_TEXT(
        "cli duplicates",
        "One line per group of two or more slots, groups ordered by their lowest slot:\n"
        "  models: 3 17 204     model folders identical file for file, byte for byte\n"
        "  sounds: 5 9          sound scripts identical but for SoundNameC00..C15\n"
        "Models come first, then sounds; no line means no duplicates. A slot that cannot be\n"
        "read is named on standard error and left out. Exit status: 0 done, 1 when a slot\n"
        "could not be read (the groups found are still printed), 2 bad usage.")));
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    FileSystem& fs = opened->database.fileSystem();
    const DuplicateGroups models = findDuplicateModels(fs, databasePath_, {!ignoreModelNames_});
    const DuplicateGroups sounds = findDuplicateSounds(fs, databasePath_);
    if (json_) {
      console.out << "{\"models\": ";
      printJsonGroups(console.out, models);
      console.out << ", \"sounds\": ";
      printJsonGroups(console.out, sounds);
      console.out << "}\n";
    } else {
      printGroups(console.out, "models", models);
      printGroups(console.out, "sounds", sounds);
    }
    for (const DuplicateGroups* bank : {&models, &sounds}) {
      for (const Status& status : bank->unreadable)
        console.err << userText(USER_TEXT("cli duplicates", "not compared: {reason}"),
                                {{"reason", status.message()}})
                    << '\n';
    }
    return models.unreadable.empty() && sounds.unreadable.empty() ? kExitDone : kExitRefused;
  }

 private:
  bool json_ = false;
  bool ignoreModelNames_ = false;
};

}  // namespace

std::unique_ptr<Command> makeDuplicatesCommand() {
  return std::make_unique<DuplicatesCommand>();
}

}  // namespace slotsmith::cli
