// `export`: chosen sounds with the models they use, as a sound pack (a zip that is a small
// database of its own). The database is only read.
#include <memory>
#include <ostream>

#include "cli/Commands.h"
#include "packs/Pack.h"

namespace slotsmith::cli {
namespace {

class ExportCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "export",
        userText(USER_TEXT("cli export",
                           "Write sounds of DB with every model they use to a sound pack")));
    addDatabaseArgument();
    addSlotsArgument("SLOTS", sounds_,
                     userText(USER_TEXT("cli export", "The sounds to export: 3, 3,5 or 5-7,9")));
    subcommand()
        ->add_option(
            "--to", pack_,
            userText(USER_TEXT("cli export", "The pack file to write (.zip; must not exist)")))
        ->required();
    subcommand()->footer(userText(USER_TEXT(
        "cli export",
        "The pack holds the sounds at 000 on and their models renumbered from 000, with\n"
        "references rewritten to match, both names files and pack.json (the source slots,\n"
        "names and a SHA-256 per file). Unzipped, it is a database. `slotsmith import DB\n"
        "--from PACK.zip SLOTS --to N` imports from it.")));
  }

  int run(Console& console) override {
    if (!pack_.ends_with(".zip")) {
      console.err << userText(USER_TEXT("cli export", "export: the pack's name must end in .zip"))
                  << '\n';
      return kExitUsage;
    }
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    std::string report;
    std::size_t models = 0;
    if (Status status = exportPack(opened->database.fileSystem(), *opened->database.root(), sounds_,
                                   pack_, report, &models);
        !status.isOk()) {
      console.err << status.message() << '\n';
      return kExitRefused;
    }
    // "sounds" and "models" even for one: the English of this line is as it has always been.
    console.out << userText(USER_TEXT_N("cli export",
                                        "Exported {n} sounds and {models} models to {path}."),
                            {{"models", std::to_string(models)}, {"path", pack_}},
                            static_cast<long long>(sounds_.size()))
                << '\n';
    return kExitDone;
  }

 private:
  std::vector<int> sounds_;
  std::string pack_;
};

}  // namespace

std::unique_ptr<Command> makeExportCommand() {
  return std::make_unique<ExportCommand>();
}

}  // namespace slotsmith::cli
