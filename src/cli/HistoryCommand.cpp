// `history`: the edits that can be undone and redone, newest first, with the bounds of the
// undo data and what it takes on the disk; --clear deletes it after a confirmation.
#include <cstdio>
#include <ostream>

#include "cli/Commands.h"
#include "ops/Doctor.h"
#include "ops/History.h"
#include "ops/QuestionText.h"

namespace slotsmith::cli {
namespace {

std::string megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
  return text;
}

std::string describeState(const HistoryEntry& entry) {
  if (entry.foreign) {
    return entry.finished() ? "made elsewhere (not undone here; --adopt makes it yours)"
                            : "unfinished, made elsewhere (doctor shows it)";
  }
  if (!entry.status.isOk()) return "damaged (doctor shows it)";
  switch (entry.journal.state) {
    case JournalState::Applied:
      return "in place";
    case JournalState::Undone:
      return "undone";
    default:
      return std::string("unfinished (") + stateName(entry.journal.state) + ")";
  }
}

class HistoryCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "history",
        userText(USER_TEXT(
            "cli history",
            "List the edits that can be undone or redone, newest first, and the disk space "
            "their undo data takes; --clear deletes it")));
    addDatabaseArgument();
    subcommand()->add_flag(
        "--clear", clear_,
        userText(USER_TEXT("cli history",
                           "Delete the undo data of every edit (asks first; the slots stay); "
                           "history made elsewhere is set aside instead")));
    subcommand()->add_flag(
        "--adopt", adopt_,
        userText(USER_TEXT("cli history",
                           "Make the finished edits made elsewhere yours (from your other "
                           "computer, say), each one that its checks prove still fits the slots "
                           "(asks first)")));
    addYesOption();
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    if (clear_) {
      const EditOutcome outcome = clearUndoHistory(opened->database);
      if (outcome.kind == EditOutcome::Kind::Done) {
        console.out << "The undo history was cleared.\n";
      } else if (!outcome.message.empty()) {
        console.err << outcome.message << '\n';
      }
      return reportOutcome(outcome, console);
    }
    FileSystem& fs = opened->database.fileSystem();
    const std::string& root = *opened->database.root();
    if (adopt_) return adopt(*opened, console);
    Status unreadable;
    const std::vector<HistoryEntry> entries = readHistory(fs, root, &unreadable);
    if (!unreadable.isOk()) {
      console.err << "The undo history cannot be read: " << unreadable.message() << '\n';
      return kExitRefused;
    }
    if (entries.empty()) console.out << "No edits to undo or redo.\n";
    std::uint64_t bytes = 0;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      bytes += entryBytes(fs, root, it->number);
      if (!it->status.isOk() || (it->foreign && it->journal.title.empty())) {
        console.out << "#" << it->number << "\t?\t?\t" << describeState(*it) << '\n';
        continue;
      }
      const Journal& journal = it->journal;
      console.out << "#" << it->number << '\t' << formatEditTime(journal.time) << '\t'
                  << journal.title << '\t' << journal.folders << " folders, " << journal.scripts
                  << " scripts\t" << describeState(*it) << '\n';
    }
    console.out << "Keeps the newest " << kHistoryEdits << " edits within "
                << megabytes(kHistoryBytes) << " of undo data; now " << entries.size() << " edits, "
                << megabytes(bytes) << ".\n";
    return kExitDone;
  }

 private:
  int adopt(OpenedDatabase& opened, Console& console) {
    FileSystem& fs = opened.database.fileSystem();
    const std::string& root = *opened.database.root();
    std::size_t foreign = 0;
    for (const HistoryEntry& entry : readHistory(fs, root))
      foreign += entry.foreign && entry.finished() ? 1 : 0;
    if (foreign == 0) {
      console.out << "No finished edits made elsewhere to adopt.\n";
      return kExitDone;
    }
    const Question question{
        .message = "Adopt history made elsewhere",
        .informative = "Make " + countText(foreign, "edit") +
                       " made elsewhere your own, so that they can be undone and redone here? "
                       "Only do so if you made them (on another computer, say).",
        .buttons = {"Cancel", "Adopt", ""},
        .confirmingAnswer = kAlertAlternate,
        .decliningAnswer = kAlertDefault,
    };
    if (opened.database.ui().ask(question) != question.confirmingAnswer) {
      console.err << "Nothing was changed.\n";
      return kExitRefused;
    }
    std::vector<int> adopted;
    std::vector<std::string> refused;
    const Status status = adoptFinishedEntries(fs, root, adopted, refused);
    for (int entry : adopted)
      console.out << "adopted: #" << entry << '\n';
    for (const std::string& line : refused)
      console.err << "not adopted: " << line << '\n';
    if (!status.isOk()) console.err << status.message() << '\n';
    return status.isOk() && refused.empty() ? kExitDone : kExitRefused;
  }

  bool clear_ = false;
  bool adopt_ = false;
};

}  // namespace

std::unique_ptr<Command> makeHistoryCommand() {
  return std::make_unique<HistoryCommand>();
}

}  // namespace slotsmith::cli
