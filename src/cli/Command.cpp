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

// The text between prefix and suffix when message is prefix + text + suffix.
std::optional<std::string> between(std::string_view message, std::string_view prefix,
                                   std::string_view suffix) {
  if (message.size() < prefix.size() + suffix.size() || !message.starts_with(prefix) ||
      !message.ends_with(suffix)) {
    return std::nullopt;
  }
  return std::string(message.substr(prefix.size(), message.size() - prefix.size() - suffix.size()));
}

// Message split at the first separator: "NAME: rest" into NAME and rest.
std::optional<std::pair<std::string, std::string>> splitAt(std::string_view message,
                                                           std::string_view separator) {
  const std::size_t at = message.find(separator);
  if (at == std::string_view::npos) return std::nullopt;
  return std::pair<std::string, std::string>(message.substr(0, at),
                                             message.substr(at + separator.size()));
}

// A validator's refusal inside a ValidationError: the ones of CLI11's validators that the
// commands use (CLI::Range, CLI::IsMember); ours are in the user's language already.
std::optional<std::string> validatorText(std::string_view reason) {
  if (const auto range = between(reason, "Value ", "")) {
    if (const auto value = splitAt(*range, " not in range ")) {
      if (const auto bounds = splitAt(value->second, " to ")) {
        return userText(
            USER_TEXT("cli", "Value {value} not in range {minimum} to {maximum}"),
            {{"value", value->first}, {"minimum", bounds->first}, {"maximum", bounds->second}});
      }
    }
  }
  const std::size_t notIn = reason.rfind(" not in {");
  if (notIn != std::string_view::npos && reason.ends_with("}")) {
    return userText(USER_TEXT("cli", "{value} not in {choices}"),
                    {{"value", std::string(reason.substr(0, notIn))},
                     {"choices", std::string(reason.substr(notIn + 8))}});
  }
  return std::nullopt;
}

std::optional<std::string> parseErrorText(const CLI::Error& error) {
  const std::string_view message = error.what();
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    if (const auto arguments = between(message, "The following argument was not expected: ", "")) {
      return userText(USER_TEXT("cli", "The following argument was not expected: {arguments}"),
                      {{"arguments", *arguments}});
    }
    if (const auto arguments =
            between(message, "The following arguments were not expected: ", "")) {
      return userText(USER_TEXT("cli", "The following arguments were not expected: {arguments}"),
                      {{"arguments", *arguments}});
    }
  } else if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    if (message == "A subcommand is required") {
      return userText(USER_TEXT("cli", "A subcommand is required"));
    }
    // An option's or a subcommand's name; the other forms are of option groups, which no
    // command has.
    if (const auto name = between(message, "", " is required");
        name && name->find(' ') == std::string::npos) {
      return userText(USER_TEXT("cli", "{name} is required"), {{"name", *name}});
    }
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    if (const auto parts = splitAt(message, ": ")) {
      const auto& [name, rest] = *parts;
      if (const auto numbers = splitAt(rest, " required but received ")) {
        if (const auto least = between(numbers->first, "At least ", "")) {
          return userText(
              USER_TEXT("cli", "{name}: At least {minimum} required but received {received}"),
              {{"name", name}, {"minimum", *least}, {"received", numbers->second}});
        }
        if (const auto most = between(numbers->first, "At Most ", "")) {
          return userText(
              USER_TEXT("cli", "{name}: At Most {maximum} required but received {received}"),
              {{"name", name}, {"maximum", *most}, {"received", numbers->second}});
        }
      }
      if (const auto missing = between(rest, "", " missing")) {
        if (const auto typed = splitAt(*missing, " required ")) {
          return userText(USER_TEXT("cli", "{name}: {count} required {type} missing"),
                          {{"name", name}, {"count", typed->first}, {"type", typed->second}});
        }
      }
    }
  } else if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) {
    if (const auto parts = splitAt(message, ": ")) {
      if (const auto reason = validatorText(parts->second)) {
        return userText(USER_TEXT("cli", "{name}: {reason}"),
                        {{"name", parts->first}, {"reason", *reason}});
      }
    }
  } else if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
    if (const auto parts = splitAt(message, ": ")) {
      if (parts->second == "too many inputs for a flag") {
        return userText(USER_TEXT("cli", "{name}: too many inputs for a flag"),
                        {{"name", parts->first}});
      }
      if (parts->second == "Should be true/false or a number") {
        return userText(USER_TEXT("cli", "{name}: Should be true/false or a number"),
                        {{"name", parts->first}});
      }
    }
    if (const auto conversion = between(message, "Could not convert: ", "")) {
      if (const auto parts = splitAt(*conversion, " = ")) {
        return userText(USER_TEXT("cli", "Could not convert: {name} = {values}"),
                        {{"name", parts->first}, {"values", parts->second}});
      }
    }
    if (const auto value = between(message, "The value ", "")) {
      if (const auto parts = splitAt(*value, " is not an allowed value for ")) {
        return userText(USER_TEXT("cli", "The value {value} is not an allowed value for {name}"),
                        {{"value", parts->first}, {"name", parts->second}});
      }
    }
  } else if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
    if (const auto parts = splitAt(message, " excludes ")) {
      return userText(USER_TEXT("cli", "{name} excludes {other}"),
                      {{"name", parts->first}, {"other", parts->second}});
    }
  } else if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
    if (const auto parts = splitAt(message, " requires ")) {
      return userText(USER_TEXT("cli", "{name} requires {other}"),
                      {{"name", parts->first}, {"other", parts->second}});
    }
  }
  return std::nullopt;
}

// CLI11's FailureMessage::simple, in the user's language.
std::string usageErrorMessage(const CLI::App* app, const CLI::Error& error) {
  std::string text = usageErrorText(error) + '\n';
  if (const CLI::Option* help = app->get_help_ptr()) {
    text += userText(USER_TEXT("cli", "Run with {help} for more information."),
                     {{"help", help->get_name()}}) +
            '\n';
  }
  return text;
}

}  // namespace

std::string usageErrorText(const CLI::Error& error) {
  return parseErrorText(error).value_or(error.what());
}

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

std::optional<std::vector<int>> parseSlotList(std::string_view text, int limit) {
  const auto parseNumber = [limit](std::string_view digits) -> std::optional<int> {
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) {
      return std::nullopt;
    }
    if (value < 0 || value >= limit) return std::nullopt;
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
  app.failure_message(usageErrorMessage);
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
