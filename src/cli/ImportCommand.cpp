// `import`: sounds from another database with the models they use, inserted at a slot as a copy
// would insert them; or models alone into free model slots. The other database is only read.
#include <ostream>

#include "cli/Commands.h"
#if defined(SLOTSMITH_PACKS)
#include "packs/Pack.h"
#endif

namespace slotsmith::cli {
namespace {

class ImportCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "import",
        userText(USER_TEXT("cli import",
                           "Import sounds (with their models) or models from another database")));
    addDatabaseArgument();
    subcommand()
        ->add_option("--from", source_,
                     userText(USER_TEXT(
                         "cli import",
                         "The database folder or sound pack (.zip) to import from (only read)")))
        ->required();
    addSlotsArgument("SLOTS", sounds_,
                     userText(USER_TEXT("cli import", "The sounds to import: 3, 3,5 or 5-7,9")),
                     false);
    addNumberOption(
        "--to", destination_,
        userText(USER_TEXT("cli import", "The slot the imported block starts at (0-999)")), 0,
        kSlotCount - 1);
    addSlotsArgument(
        "--models", models_,
        userText(USER_TEXT("cli import", "Import these models alone: 3, 3,5 or 5-7,9")), false);
    addYesOption();
    addDryRunOption();
    subcommand()->footer(userText(USER_TEXT(
        "cli import",
        "Give SLOTS and --to, or --models. A model identical to one in DB (every file, byte\n"
        "for byte, MName included) is not copied; the others go to the lowest model slots\n"
        "without a folder that no sound refers to. A reference to an empty model slot of\n"
        "OTHER becomes -1. The report names every model reused or copied.")));
  }

  int run(Console& console) override {
    const bool soundImport = !sounds_.empty() && destination_ && models_.empty();
    const bool modelImport = sounds_.empty() && !destination_ && !models_.empty();
    if (!soundImport && !modelImport) {
      console.err << userText(USER_TEXT("cli import",
                                        "import: give SLOTS and --to N, or --models SLOTS"))
                  << '\n';
      return kExitUsage;
    }
#if defined(SLOTSMITH_PACKS)
    // A pack is read whole and checked, then shown at its own path beside the database: the
    // import reads it as it reads a folder, and nothing is unpacked anywhere.
    ArchiveTree pack;
    std::unique_ptr<PackFileSystem> packView;
    if (namesAFile(source_)) {
      if (Status read = readPack(source_, pack); !read.isOk()) {
        console.err << userText(USER_TEXT("cli", "{reason}\nNothing was changed."),
                                {{ "reason",
                                   read.message() }})
                    << '\n';
        return kExitRefused;
      }
      packView = std::make_unique<PackFileSystem>(realFileSystem(), source_, pack);
      fileSystem_ = packView.get();
    }
#else
    if (realFileSystem().entryType(source_) == EntryType::File) {
      console.err << userText(USER_TEXT("cli import",
                                        "{path} is a file, not a database folder. This build of "
                                        "Slotsmith reads no sound packs: unzip the pack and import "
                                        "from its folder.\nNothing was changed."),
                              {{"path", source_}})
                  << '\n';
      return kExitRefused;
    }
#endif
    const auto opened = openDatabase(console, false);
    if (!opened) return kExitRefused;
    opened->ui.assumeYes = yes_ || dryRun_;
    const EditOutcome outcome =
        soundImport ? runInterruptibleEdit(*opened,
                                           ImportSoundsRequest{source_, sounds_, *destination_,
                                                               fileSystem_ != nullptr},
                                           console)
                    : runInterruptibleEdit(*opened, ImportModelsRequest{source_, models_}, console);
    const int status = reportEdit(outcome, console);
    if (outcome.isDone() && !dryRun_ && !outcome.message.empty()) {
      console.out << outcome.message << '\n';
    }
    return status;
  }

 private:
  std::string source_;
  std::vector<int> sounds_;
  std::optional<int> destination_;
  std::vector<int> models_;
};

}  // namespace

std::unique_ptr<Command> makeImportCommand() {
  return std::make_unique<ImportCommand>();
}

}  // namespace slotsmith::cli
