#include <ostream>

#include "cli/Commands.h"
#include "cli/TextCell.h"
#include "core/SoundDiff.h"
#include "core/SoundScriptFile.h"

namespace slotsmith::cli {
namespace {

// Like diff: 0 the same, 1 different, 2 trouble (bad usage, no database, a slot without a
// readable script).
constexpr int kExitSame = 0;
constexpr int kExitDifferent = 1;
constexpr int kExitTrouble = 2;

char marker(const ParameterPair& pair) {
  if (!pair.second) return '<';
  if (!pair.first) return '>';
  return pair.differs() ? '!' : '=';
}

void printPair(std::ostream& out, const ParameterPair& pair) {
  std::string key = pair.key;
  if (pair.occurrence > 1) key += "#" + std::to_string(pair.occurrence);
  out << marker(pair) << '\t' << textCell(key) << '\t' << textCell(pair.first.value_or("")) << '\t'
      << textCell(pair.second.value_or("")) << '\n';
}

class DiffCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(app, "diff",
                  userText(USER_TEXT(
                      "cli diff", "Print two sounds' parameters side by side, differences first")));
    addDatabaseArgument();
    subcommand()
        ->add_option("A", slots_[0], userText(USER_TEXT("cli diff", "The first sound slot")))
        ->required()
        ->check(CLI::Range(0, kSlotCount - 1));
    subcommand()
        ->add_option("B", slots_[1], userText(USER_TEXT("cli diff", "The second sound slot")))
        ->required()
        ->check(CLI::Range(0, kSlotCount - 1));
    subcommand()->add_flag(
        "-d,--only-differences", onlyDifferences_,
        userText(USER_TEXT("cli diff", "Print only the parameters that differ")));
    subcommand()->footer(userText(USER_TEXT(
        "cli diff",
        "One line per parameter (a line of sound.script, paired by key), differences first:\n"
        "  MARK<TAB>KEY<TAB>value in A<TAB>value in B\n"
        "MARK is ! (values differ), < (only A has the line), > (only B has it) or = (equal).\n"
        "Values are compared as text, as the script holds them; CRLF and LF endings are the\n"
        "same. A key's second and later lines are paired by occurrence and print as KEY#2, ...\n"
        "Exit status, like diff: 0 the sounds are the same, 1 they differ, 2 trouble (bad\n"
        "usage, not a database, an empty slot or a script that cannot be read).")));
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitTrouble;
    std::string scripts[2];
    for (int side = 0; side < 2; ++side) {
      if (!readScript(*opened, console, slots_[side], scripts[side])) return kExitTrouble;
    }
    const SoundComparison comparison = compareSoundScripts(scripts[0], scripts[1]);
    const std::size_t shown =
        onlyDifferences_ ? comparison.differing : comparison.parameters.size();
    for (std::size_t i = 0; i < shown; ++i)
      printPair(console.out, comparison.parameters[i]);
    return comparison.identical() ? kExitSame : kExitDifferent;
  }

 private:
  bool readScript(OpenedDatabase& opened, Console& console, int slot, std::string& bytes) {
    const Status status =
        readSoundScriptFile(opened.database.fileSystem(), databasePath_, slot, bytes);
    if (status.isNotFound()) {
      console.err << userText(USER_TEXT("cli diff", "sound {slot} is empty: {path} does not exist"),
                              {{"slot", std::to_string(slot)}, {"path", status.path()}})
                  << '\n';
    } else if (!status.isOk()) {
      console.err << userText(USER_TEXT("cli diff", "sound {slot} cannot be read: {reason}"),
                              {{"slot", std::to_string(slot)}, {"reason", status.message()}})
                  << '\n';
    }
    return status.isOk();
  }

  int slots_[2] = {0, 0};
  bool onlyDifferences_ = false;
};

}  // namespace

std::unique_ptr<Command> makeDiffCommand() {
  return std::make_unique<DiffCommand>();
}

}  // namespace slotsmith::cli
