#include "cli/Command.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <optional>
#include <set>

#include "cli/Interruption.h"
#include "cli/PrintableStream.h"
#include "ops/QuestionText.h"
#include "ops/Transaction.h"

namespace slotsmith::cli {

namespace {

// The help's last lines: what a list of slots is (for the commands that take one), then what
// holds for every command.
constexpr TextTemplate kSlotsFooter =
    USER_TEXT("cli", "SLOTS is a list of slot numbers and ranges: 3, 3,5 or 5-7,9.");
constexpr TextTemplate kGeneralFooter =
    USER_TEXT("cli",
              "Edits ask before they change anything; --yes confirms, and without a terminal an\n"
              "unconfirmed edit is refused. Exit status: 0 done, 1 refused/declined/failed, 2 bad "
              "usage.");

std::string slotsAndGeneralFooter() {
  return userText(kSlotsFooter) + '\n' + userText(kGeneralFooter);
}

// CLI11's own words in the help, in the user's language: the labels of its formatter, the
// group the options are listed under, the one the subcommands are, and the help and version
// flags (set again, so that they are listed under the group's new name).
void translateHelpWords(CLI::App& app) {
  const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
  formatter->label("Usage", userText(USER_TEXT("cli", "Usage")));
  formatter->label("OPTIONS", userText(USER_TEXT("cli", "OPTIONS")));
  formatter->label("SUBCOMMAND", userText(USER_TEXT("cli", "SUBCOMMAND")));
  formatter->label("SUBCOMMANDS", userText(USER_TEXT("cli", "SUBCOMMANDS")));
  formatter->label("Positionals", userText(USER_TEXT("cli", "Positionals")));
  formatter->label("REQUIRED", userText(USER_TEXT("cli", "REQUIRED")));
  formatter->label("Needs", userText(USER_TEXT("cli", "Needs")));
  formatter->label("Excludes", userText(USER_TEXT("cli", "Excludes")));
  app.option_defaults()->group(userText(USER_TEXT("cli", "Options")));
  app.group(userText(USER_TEXT("cli", "Subcommands")));
  app.set_help_flag("-h,--help", userText(USER_TEXT("cli", "Print this help message and exit")));
}

}  // namespace

void listHelpFlagWithOptions(CLI::App& subcommand) {
  if (CLI::Option* help = subcommand.get_help_ptr())
    help->group(subcommand.option_defaults()->get_group());
}

OpenedDatabase::OpenedDatabase(Console& console, FileSystem& fs)
    : ui(console.in, console.err, console.inputIsTerminal, console.errorIsTerminal),
      database(ui, fs) {}

CLI::App* Command::addSubcommand(CLI::App& app, const std::string& name, const std::string& help) {
  subcommand_ = app.add_subcommand(name, help);
  listHelpFlagWithOptions(*subcommand_);
  // What SLOTS means is told only where the command takes slots (addSlotsArgument).
  subcommand_->footer(userText(kGeneralFooter));
  return subcommand_;
}

void Command::addDatabaseArgument() {
  subcommand_
      ->add_option("DB", databasePath_,
                   userText(USER_TEXT("cli", "The database folder (holding Sounds/ and Models/)")))
      ->required();
}

void Command::addBankArgument() {
  subcommand_
      ->add_option("BANK", bankName_, userText(USER_TEXT("cli", "Which bank: sounds or models")))
      ->required()
      ->check(CLI::IsMember({"sounds", "models"}));
}

void Command::addYesOption() {
  edits_ = true;
  subcommand_->add_flag("-y,--yes", yes_, userText(USER_TEXT("cli", "Confirm without asking")));
}

void Command::addDryRunOption() {
  subcommand_->add_flag(
      "-n,--dry-run", dryRun_,
      userText(USER_TEXT("cli", "Print the steps the edit would take; change nothing")));
}

namespace {

CLI::Validator wholeNumberIn(int minimum, int maximum) {
  return CLI::Validator(
      [minimum, maximum](std::string& text) -> std::string {
        int value = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || end != text.data() + text.size() ||
            error == std::errc::invalid_argument) {
          return userText(USER_TEXT("cli", "\"{text}\" is not a whole number"), {{"text", text}});
        }
        if (error != std::errc() || value < minimum || value > maximum) {
          return userText(USER_TEXT("cli", "{text} is not in range {minimum} to {maximum}"),
                          {{"text", text},
                           {"minimum", std::to_string(minimum)},
                           {"maximum", std::to_string(maximum)}});
        }
        return {};
      },
      "INT in [" + std::to_string(minimum) + " - " + std::to_string(maximum) + "]");
}

}  // namespace

CLI::Option* Command::addNumberOption(const std::string& name, int& target, const std::string& help,
                                      int minimum, int maximum) {
  return subcommand_->add_option(name, target, help)->check(wholeNumberIn(minimum, maximum));
}

CLI::Option* Command::addNumberOption(const std::string& name, std::optional<int>& target,
                                      const std::string& help, int minimum, int maximum) {
  return subcommand_->add_option(name, target, help)->check(wholeNumberIn(minimum, maximum));
}

void Command::addSlotsArgument(const std::string& name, std::vector<int>& target,
                               const std::string& help, bool required) {
  subcommand_->footer(slotsAndGeneralFooter());
  CLI::Option* option = subcommand_->add_option_function<std::string>(
      name, [&target](const std::string& text) { target = *parseSlotList(text); }, help);
  option->check(CLI::Validator(
      [](std::string& text) -> std::string {
        return parseSlotList(text)
                   ? std::string()
                   : userText(
                         USER_TEXT("cli", "expected slot numbers 0-999 and ranges like 3,5-7,9"));
      },
      "SLOTS"));
  if (required) option->required();
}

std::unique_ptr<OpenedDatabase> Command::openDatabase(Console& console, bool scan) {
  if (!isValidDatabase(databasePath_)) {
    console.err << userText(USER_TEXT("cli",
                                      "{path}: not a Neuron database (no "
                                      "Sounds/NNN.sound/sound.script or Models/NNN.model/MName "
                                      "found)"),
                            {{"path", databasePath_}})
                << '\n';
    return nullptr;
  }
  return openCheckedDatabase(console, scan);
}

std::unique_ptr<OpenedDatabase> Command::openCheckedDatabase(Console& console, bool scan) {
  auto opened = std::make_unique<OpenedDatabase>(
      console, fileSystem_ != nullptr ? *fileSystem_ : realFileSystem());
  opened->database.setRoot(databaseRootFromPath(databasePath_));
  opened->ui.assumeYes = yes_;
  // An edit a crash left unfinished is finished or rolled back before anything is read (the
  // Ui says which, on standard error; edits refuse while it stays unfinished). Never waits:
  // while another edit holds the lock, the command reads what is on disk now.
  opened->recovery = recoverOnOpening(opened->database);
  if (opened->recovery.editRunning) {
    console.err << userText(USER_TEXT("cli",
                                      "Note: another edit is in progress on this database; "
                                      "reading it as it is now."))
                << '\n';
  }
  if (const int foreign = opened->recovery.foreignEntries; foreign > 0) {
    console.err << userText(USER_TEXT_N("cli",
                                        "Note: this database holds {n} entr(y|ies) of undo "
                                        "history made elsewhere (on another computer, by another "
                                        "user or an earlier version), left as they are: "
                                        "`slotsmith doctor {database}` shows them."),
                            {{"database", databasePath_}}, foreign)
                << '\n';
  }
  if (scan) opened->database.evaluateNeuronDb();
  return opened;
}

EditOutcome Command::runInterruptibleEdit(OpenedDatabase& opened, const EditRequest& request,
                                          Console& console) {
  InterruptionGuard guard;
  EditOutcome outcome = runEdit(opened.database, request, {.dryRun = dryRun_});
  // A signal after the commit point: the edit was finished, and the user hears why it went on.
  if (outcome.isDone() && !outcome.message.empty() && interruptionRequested) {
    console.err << outcome.message << '\n';
  }
  return outcome;
}

int Command::runRequest(Console& console, const EditRequest& request) {
  const auto opened = openDatabase(console, false);
  if (!opened) return kExitRefused;
  opened->ui.assumeYes = yes_ || dryRun_;
  const EditOutcome outcome = runInterruptibleEdit(*opened, request, console);
  return reportEdit(outcome, console);
}

int Command::reportOutcome(const EditOutcome& outcome, Console& console) {
  if (dryRun_) {
    // "steps" even for one: the English of this line is read by scripts as it has always been.
    console.out << userText(USER_TEXT_N("cli", "Dry run: {title}, {n} steps; nothing was changed."),
                            {{"title", outcome.plan.title}},
                            static_cast<long long>(outcome.plan.changes.size()))
                << '\n';
    for (const Change& change : outcome.plan.changes)
      console.out << "  " << change.describe() << '\n';
    for (const std::string& note : outcome.plan.notes)
      console.out << "  " << userText(USER_TEXT("cli", "note: {note}"), {{"note", note}}) << '\n';
  }
  switch (outcome.kind) {
    case EditOutcome::Kind::Done:
      return kExitDone;
    case EditOutcome::Kind::Cancelled:
      console.err << userText(USER_TEXT("cli", "Cancelled; nothing was changed.")) << '\n';
      return kExitRefused;
    case EditOutcome::Kind::NoDatabase:
      console.err << userText(USER_TEXT("cli", "No database.")) << '\n';
      return kExitRefused;
    case EditOutcome::Kind::Refused:
    case EditOutcome::Kind::Failed:
      // The engine has already told the user why, through the terminal Ui.
      return kExitRefused;
  }
  return kExitRefused;
}

int Command::reportEdit(const EditOutcome& outcome, Console& console) {
  if (outcome.kind == EditOutcome::Kind::Done && !dryRun_) {
    console.out << userText(USER_TEXT_N("cli", "{title}: done ({n} steps)."),
                            {{"title", outcome.plan.title}},
                            static_cast<long long>(outcome.plan.changes.size()))
                << '\n';
    // An edit with nothing to do says why no step was needed.
    if (outcome.plan.changes.empty() && !outcome.message.empty()) {
      console.out << outcome.message << '\n';
    }
  }
  return reportOutcome(outcome, console);
}

std::optional<std::vector<int>> parseSlotList(std::string_view text) {
  const auto parseNumber = [](std::string_view digits) -> std::optional<int> {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      return std::nullopt;
    }
    if (value < 0 || value >= kSlotCount) return std::nullopt;
    return value;
  };
  std::set<int> slots;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    if (comma != std::string_view::npos && text.empty()) return std::nullopt;
    const std::size_t dash = item.find('-');
    const auto first = parseNumber(item.substr(0, dash));
    const auto last = dash == std::string_view::npos ? first : parseNumber(item.substr(dash + 1));
    if (!first || !last || *last < *first) return std::nullopt;
    for (int n = *first; n <= *last; ++n)
      slots.insert(n);
  }
  if (slots.empty()) return std::nullopt;
  return std::vector<int>(slots.begin(), slots.end());
}

int runCli(int argc, const char* const* argv, Console& console) {
  CLI::App app{userText(USER_TEXT("cli",
                                  "Slotsmith organises the sound database of a Neuron "
                                  "synthesizer: 1000 sound slots and 1000 model slots, with "
                                  "every sound's model references kept consistent by every "
                                  "edit.")),
               "slotsmith"};
  translateHelpWords(app);
  app.require_subcommand(1);
  // "/Users/me/NeuronDB" is a path on Windows too: an argument starting with "/" is never an
  // option, on every system alike (subcommands made below take this from the app).
  app.allow_windows_style_options(false);
  app.set_version_flag("--version", SLOTSMITH_VERSION,
                       userText(USER_TEXT("cli", "Display program version information and exit")));
  app.footer(slotsAndGeneralFooter()
#if !defined(SLOTSMITH_PACKS)
             + '\n' +
             userText(USER_TEXT("cli",
                                "Sound packs and backups (export, backup, verify, restore, import "
                                "--from\nPACK.zip) are not part of this build."))
#endif
  );
  // Everything a command prints reaches the terminal through printableText.
  PrintableStreamBuf printableOut(console.out.rdbuf()), printableErr(console.err.rdbuf());
  std::ostream out(&printableOut), err(&printableErr);
  Console printable{console.in, out, err, console.inputIsTerminal, console.errorIsTerminal};
  std::vector<std::unique_ptr<Command>> commands = allCommands();
  for (auto& command : commands)
    command->configure(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error, printable.out, printable.err);
    return status == 0 ? kExitDone : kExitUsage;
  }
  for (auto& command : commands) {
    if (!command->subcommand() || !command->subcommand()->parsed()) continue;
    // From the first step to the last line of output: a signal before the commit point rolls
    // the edit back, one after it lets the edit and its report finish, with its exit status.
    std::optional<InterruptionGuard> guard;
    if (command->editsDatabase()) guard.emplace();
    return command->run(printable);
  }
  return kExitUsage;
}

}  // namespace slotsmith::cli
