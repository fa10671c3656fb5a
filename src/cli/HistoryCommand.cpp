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
    return entry.finished()
               ? userText(USER_TEXT("cli history",
                                    "made elsewhere (not undone here; --adopt makes it yours)"))
               : userText(USER_TEXT("cli history", "unfinished, made elsewhere (doctor shows it)"));
  }
  if (!entry.status.isOk()) return userText(USER_TEXT("cli history", "damaged (doctor shows it)"));
  switch (entry.journal.state) {
    case JournalState::Applied:
      return userText(USER_TEXT("cli history", "in place"));
    case JournalState::Undone:
      return userText(USER_TEXT("cli history", "undone"));
    default:
      // The journal's own name of the state: what the doctor and the journal call it.
      return userText(USER_TEXT("cli history", "unfinished ({state})"),
                      {{"state", stateName(entry.journal.state)}});
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
        console.out << userText(USER_TEXT("cli history", "The undo history was cleared.")) << '\n';
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
      console.err << userText(USER_TEXT("cli history", "The undo history cannot be read: {reason}"),
                              {{"reason", unreadable.message()}})
                  << '\n';
      return kExitRefused;
    }
    if (entries.empty())
      console.out << userText(USER_TEXT("cli history", "No edits to undo or redo.")) << '\n';
    std::uint64_t bytes = 0;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      bytes += entryBytes(fs, root, it->number);
      if (!it->status.isOk() || (it->foreign && it->journal.title.empty())) {
        console.out << "#" << it->number << "\t?\t?\t" << describeState(*it) << '\n';
        continue;
      }
      const Journal& journal = it->journal;
      console.out << "#" << it->number << '\t' << formatEditTime(journal.time) << '\t'
                  << journal.title << '\t'
                  << userText(USER_TEXT("cli history", "{folders} folders, {scripts} scripts"),
                              {{"folders", std::to_string(journal.folders)},
                               {"scripts", std::to_string(journal.scripts)}})
                  << '\t' << describeState(*it) << '\n';
    }
    // The counts stand as numbers in one line for any count, as in the table above.
    console.out << userText(USER_TEXT("cli history",
                                      "Keeps the newest {kept} edits within {limit} of undo data; "
                                      "now {count} edits, {size}."),
                            {{"kept", std::to_string(kHistoryEdits)},
                             {"limit", megabytes(kHistoryBytes)},
                             {"count", std::to_string(entries.size())},
                             {"size", megabytes(bytes)}})
                << '\n';
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
      console.out << userText(
                         USER_TEXT("cli history", "No finished edits made elsewhere to adopt."))
                  << '\n';
      return kExitDone;
    }
    const Question question{
        .message = userText(USER_TEXT("cli doctor", "Adopt history made elsewhere")),
        .informative = userText(USER_TEXT_N("cli history",
                                            "Make {n} edit(s) made elsewhere your own, so that "
                                            "they can be undone and redone here? Only do so if "
                                            "you made them (on another computer, say)."),
                                {}, static_cast<long long>(foreign)),
        .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Adopt")), ""},
        .confirmingAnswer = kAlertAlternate,
        .decliningAnswer = kAlertDefault,
    };
    if (opened.database.ui().ask(question) != question.confirmingAnswer) {
      console.err << userText(USER_TEXT("cli doctor", "Nothing was changed.")) << '\n';
      return kExitRefused;
    }
    std::vector<int> adopted;
    std::vector<std::string> refused;
    const Status status = adoptFinishedEntries(fs, root, adopted, refused);
    for (int entry : adopted)
      console.out << userText(USER_TEXT("cli history", "adopted: #{entry}"),
                              {{"entry", std::to_string(entry)}})
                  << '\n';
    for (const std::string& line : refused)
      console.err << userText(USER_TEXT("cli history", "not adopted: {reason}"), {{"reason", line}})
                  << '\n';
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
