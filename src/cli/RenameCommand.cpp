// `rename`: one slot from the command line, or many from a names file (the SoundNames or
// ModelNames the program writes, edited, or hand-written "NNN<TAB>name" lines). Slots the file
// shows as empty and names that do not change are left alone; everything else is one edit.
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "cli/Commands.h"
#include "core/SlotNames.h"

namespace slotsmith::cli {
namespace {

class RenameCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "rename",
                  userText(USER_TEXT("cli rename", "Rename one slot, or many from a names file")));
    addDatabaseArgument();
    addBankArgument();
    CLI::Option* slot = addNumberOption(
        "SLOT", slot_, userText(USER_TEXT("cli rename", "The slot to rename (0-999)")), 0,
        kSlotCount - 1);
    CLI::Option* name =
        subcommand()->add_option("NAME", name_, userText(USER_TEXT("cli rename", "Its new name")));
    CLI::Option* from = subcommand()->add_option(
        "--from", file_,
        userText(USER_TEXT("cli rename",
                           "A names file: NNN<TAB>name lines, as SoundNames or ModelNames")));
    slot->excludes(from);
    name->excludes(from);
    addYesOption();
    addDryRunOption();
    subcommand()->footer(userText(USER_TEXT(
        "cli rename",
        "Give either SLOT and NAME or --from FILE. Sound names hold 1-16, model names 1-15\n"
        "printable ASCII characters. In a names file, lines naming --<empty>-- and names that\n"
        "do not change are skipped; --dry-run prints every rename with the old and new name.")));
  }

  int run(Console& console) override {
    std::map<int, std::string> names;
    if (!file_.empty()) {
      if (int status = readNamesFile(console, names); status != kExitDone) return status;
    } else if (slot_ && !name_.empty()) {
      names[*slot_] = name_;
    } else {
      console.err << userText(USER_TEXT("cli rename", "rename: give SLOT and NAME, or --from FILE"))
                  << '\n';
      return kExitUsage;
    }
    return runRequest(console, RenameRequest{bank(), std::move(names)});
  }

 private:
  int readNamesFile(Console& console, std::map<int, std::string>& names) {
    // The name is UTF-8, which std::filesystem reads as such only from char8_t (Windows would
    // take a char path to be in the local code page).
    std::ifstream in(std::filesystem::path(std::u8string(file_.begin(), file_.end())),
                     std::ios::binary);
    std::ostringstream text;
    if (!in || !(text << in.rdbuf())) {
      console.err << userText(USER_TEXT("cli rename", "{path}: cannot be read"), {{"path", file_}})
                  << '\n';
      return kExitRefused;
    }
    std::map<int, std::string> parsed;
    if (Status status = parseNamesFile(text.str(), parsed); !status.isOk()) {
      console.err << file_ << ": " << status.message() << '\n';
      return kExitRefused;
    }
    for (auto& [slot, name] : parsed) {
      if (name != kEmptySlotName) names[slot] = std::move(name);
    }
    return kExitDone;
  }

  std::optional<int> slot_;
  std::string name_;
  std::string file_;
};

}  // namespace

std::unique_ptr<Command> makeRenameCommand() {
  return std::make_unique<RenameCommand>();
}

}  // namespace slotsmith::cli
