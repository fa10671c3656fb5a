// The shared base of the `slotsmith` commands: one small class per command, each adding its own
// subcommand and options to the parser, with the common arguments (the database folder, the
// bank, --yes, --dry-run) and the common ways to open a database and report an edit's outcome
// defined once here.
//
// Exit status: 0 done; 1 refused, declined or failed (the reason on standard error); 2 bad usage.
#pragma once

#include <CLI/CLI.hpp>

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/TerminalUi.h"
#include "core/Database.h"
#include "core/UserText.h"
#include "ops/Edits.h"
#include "ops/Opening.h"

namespace slotsmith::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

struct Console {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool inputIsTerminal = false;
  bool errorIsTerminal = false;
};

// A database folder opened for a command: its terminal Ui and its scanned slot tables.
struct OpenedDatabase {
  TerminalUi ui;
  Database database;
  OpeningRecovery recovery;  // what the open's recovery found, for the health check
  explicit OpenedDatabase(Console& console, FileSystem& fs = realFileSystem());
};

class Command {
 public:
  // Whether the command edits the database (it has --yes): a signal from its start to its last
  // line of output stops it safely instead of killing it.
  bool editsDatabase() const { return edits_; }
  virtual ~Command() = default;
  // Adds this command's subcommand and options to the parser.
  virtual void configure(CLI::App& app) = 0;
  // Runs the command after a successful parse; returns the exit status.
  virtual int run(Console& console) = 0;
  // The subcommand this command added (set by configure through addSubcommand).
  CLI::App* subcommand() const { return subcommand_; }

 protected:
  CLI::App* addSubcommand(CLI::App& app, const std::string& name, const std::string& help);
  void addDatabaseArgument();
  void addBankArgument();
  // Marks the command as one that edits: its whole run catches the interrupting signals.
  void addYesOption();
  void addDryRunOption();
  // A whole number from minimum to maximum into target; "5.5" or "x" is refused as not a whole
  // number, "1200" as out of range.
  CLI::Option* addNumberOption(const std::string& name, int& target, const std::string& help,
                               int minimum, int maximum);
  CLI::Option* addNumberOption(const std::string& name, std::optional<int>& target,
                               const std::string& help, int minimum, int maximum);
  // A list of slot numbers and ranges ("3", "3,5", "5-7,9") into target.
  void addSlotsArgument(const std::string& name, std::vector<int>& target, const std::string& help,
                        bool required = true);

  Bank bank() const { return bankName_ == "models" ? Bank::Models : Bank::Sounds; }

  // Checks that the folder is a database and scans it; none (with the reason on standard
  // error) when it is not. An edit scans under the database's lock itself, so a command that
  // only edits need not scan first.
  std::unique_ptr<OpenedDatabase> openDatabase(Console& console, bool scan = true);
  // openDatabase for a folder the command has already found to be a database.
  std::unique_ptr<OpenedDatabase> openCheckedDatabase(Console& console, bool scan = true);

  // Runs an edit with SIGINT, SIGTERM and SIGHUP caught: a signal before the commit point rolls
  // the edit back, one after it lets the edit finish; either way the user is told on standard
  // error, and the handlers before the edit are back afterwards.
  EditOutcome runInterruptibleEdit(OpenedDatabase& opened, const EditRequest& request,
                                   Console& console);

  // Opens the database and runs the request: --yes confirms, --dry-run changes nothing (and
  // needs no confirmation to show its plan). Reports like reportEdit.
  int runRequest(Console& console, const EditRequest& request);

  // Prints a dry run's plan or a refusal, and maps the outcome to the exit status.
  int reportOutcome(const EditOutcome& outcome, Console& console);
  // reportOutcome, after saying how many steps a carried-out edit took.
  int reportEdit(const EditOutcome& outcome, Console& console);

  std::string databasePath_;
  std::string bankName_;
  bool edits_ = false;
  bool yes_ = false;
  bool dryRun_ = false;
  // The file system the database is opened on; the real one when none is set (an import from a
  // pack sets one that shows the pack beside it).
  FileSystem* fileSystem_ = nullptr;

 private:
  CLI::App* subcommand_ = nullptr;
};

// A subcommand's help flag is made before it takes its parent's option defaults: this lists it
// under the same group as the other options, whatever the group is called in the user's language.
void listHelpFlagWithOptions(CLI::App& subcommand);

// Parses "3", "3,5", "5-7,9" into ascending numbers below limit (slot numbers 0..999 unless told
// otherwise); none for anything else.
std::optional<std::vector<int>> parseSlotList(std::string_view text, int limit = kSlotCount);

// Every command of the tool, in the order --help lists them.
std::vector<std::unique_ptr<Command>> allCommands();

// CLI11's message for a usage error, in the user's language: the kinds it throws for a command
// line of ours are read back into their parts (the message is all the exception carries) and put
// into templates whose English is CLI11's own, byte for byte; any other stays CLI11's English.
std::string usageErrorText(const CLI::Error& error);

// Parses the arguments and runs the chosen command; returns the exit status.
int runCli(int argc, const char* const* argv, Console& console);

}  // namespace slotsmith::cli
