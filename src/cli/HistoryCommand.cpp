// `history`: the edits that can be undone and redone, newest first, with the bounds of the
// undo data and what it takes on the disk; --clear deletes it after a confirmation.
#include <cstdio>
#include <ostream>

#include "cli/Commands.h"
#include "ops/History.h"

namespace slotsmith::cli {
namespace {

std::string megabytes(std::uint64_t bytes) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / (1024.0 * 1024.0));
  return text;
}

std::string describeState(const HistoryEntry& entry) {
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
    addSubcommand(app, "history",
                  "List the edits that can be undone or redone, newest first, and the disk space "
                  "their undo data takes; --clear deletes it");
    addDatabaseArgument();
    subcommand()->add_flag("--clear", clear_,
                           "Delete the undo data of every edit (asks first; the slots stay)");
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
    const std::vector<HistoryEntry> entries = readHistory(fs, root);
    if (entries.empty()) console.out << "No edits to undo or redo.\n";
    std::uint64_t bytes = 0;
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
      bytes += entryBytes(fs, root, it->number);
      if (!it->status.isOk()) {
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
  bool clear_ = false;
};

}  // namespace

std::unique_ptr<Command> makeHistoryCommand() {
  return std::make_unique<HistoryCommand>();
}

}  // namespace slotsmith::cli
