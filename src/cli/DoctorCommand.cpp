// `doctor`: what in the database folder is not as a finished edit leaves it, one line each;
// --fix clears what is provably left over (a lock naming a process that is gone) and reports the
// rest. Exit 0 when nothing is odd
// (after --fix: nothing is left), 1 when something is.
#include <algorithm>
#include <ostream>

#include "cli/Commands.h"
#include "ops/Doctor.h"
#include "ops/History.h"
#include "ops/Journal.h"
#include "ops/QuestionText.h"

namespace slotsmith::cli {
namespace {

const char* kindName(DoctorFinding::Kind kind) {
  switch (kind) {
    case DoctorFinding::Kind::UnfinishedEdit:
      return "unfinished edit";
    case DoctorFinding::Kind::TemporaryFolder:
      return "leftover folder";
    case DoctorFinding::Kind::TemporaryFile:
      return "leftover file";
    case DoctorFinding::Kind::OverflowFolder:
      return "overflow folder";
    case DoctorFinding::Kind::EmptyModelReference:
      return "reference to an empty slot";
    case DoctorFinding::Kind::StaleLock:
      return "stale lock";
    case DoctorFinding::Kind::SetAside:
      return "set aside";
    case DoctorFinding::Kind::DamagedSoundScript:
      return "damaged sound";
    case DoctorFinding::Kind::RepeatedReference:
      return "reference key given twice";
    case DoctorFinding::Kind::ForeignHistory:
      return "history made elsewhere";
    case DoctorFinding::Kind::HiddenSlotFolder:
      return "hidden slot folder";
  }
  return "?";
}

class DoctorCommand : public Command {
 public:
  void configure(CLI::App& app) override {
    addSubcommand(
        app, "doctor",
        userText(USER_TEXT(
            "cli doctor",
            "Show what an interrupted edit or an earlier program left in DB, sound scripts "
            "that are no sound, and references to empty model slots; --fix clears what is "
            "provably left over")));
    addDatabaseArgument();
    subcommand()->add_flag(
        "--fix", fix_,
        userText(USER_TEXT("cli doctor",
                           "Clear a lock that names a process of this host that is gone; put "
                           "back what an edit that cannot be recovered took out of its place, "
                           "and set that edit aside; report the rest, which only you can judge")));
    subcommand()->add_flag(
        "--adopt", adopt_,
        userText(USER_TEXT("cli doctor",
                           "With --fix: an unfinished edit made elsewhere that is your own (from "
                           "your other computer, say) is adopted, checked and finished or rolled "
                           "back instead of set aside (asks first)")));
    addYesOption();
    subcommand()->add_option(
        "--clear-aside", clearAside_,
        userText(USER_TEXT("cli doctor",
                           "Delete the folder NAME that was set aside in .slotsmith/aside "
                           "(doctor lists them)")));
  }

  int run(Console& console) override {
    const auto opened = openDatabase(console);
    if (!opened) return kExitRefused;
    FileSystem& fs = opened->database.fileSystem();
    const std::string& root = *opened->database.root();
    if (!clearAside_.empty()) {
      if (Status s = clearAsideEntry(fs, root, clearAside_); !s.isOk()) {
        console.err << s.message() << '\n';
        return kExitRefused;
      }
      console.out << "deleted: " << asideFolderPath(root) << "/" << clearAside_ << '\n';
    }
    std::vector<DoctorFinding> findings =
        examineOpenedDatabase(opened->database, opened->recovery, true);
    if (adopt_ && !fix_) {
      console.err << "--adopt goes with --fix.\n";
      return kExitUsage;
    }
    if (fix_ && adopt_ && !confirmAdoption(*opened, findings)) {
      console.err << "Nothing was changed.\n";
      return kExitRefused;
    }
    if (fix_) {
      std::vector<std::string> cleared;
      std::vector<std::string> playingOtherwise;
      const Status fixed = fixDatabase(fs, root, findings, cleared, adopt_, &playingOtherwise);
      for (const std::string& path : cleared) {
        const auto found =
            std::find_if(findings.begin(), findings.end(),
                         [&](const DoctorFinding& finding) { return finding.path == path; });
        const bool foreign =
            found != findings.end() && found->kind == DoctorFinding::Kind::ForeignHistory;
        console.out << "cleared: " << path
                    << (path == lockFilePath(root) ? " (it named a process that is gone)\n"
                        : foreign && adopt_
                            ? " (adopted as your own, checked and finished or rolled back)\n"
                        : foreign ? " (made elsewhere: set aside whole, no slot was touched)\n"
                                  : " (what it proves it took out is back where it was free; the "
                                    "rest is set aside)\n");
      }
      // The bank's copy of a place kept under both names stays: what now plays another model
      // than before the edit is said, since nothing else would tell.
      for (const std::string& line : playingOtherwise)
        console.out << "plays another model: " << line << '\n';
      if (!fixed.isOk()) console.err << fixed.message() << '\n';
      opened->database.evaluateNeuronDb();
      findings = examineDatabase(fs, root, opened->database.tables());
    }
    for (const DoctorFinding& finding : findings) {
      console.out << kindName(finding.kind) << ": " << finding.path << ": " << finding.text;
      if (finding.removable && !fix_) console.out << " (--fix clears it)";
      console.out << '\n';
    }
    if (findings.empty()) console.out << "Nothing odd found.\n";
    return findings.empty() ? kExitDone : kExitRefused;
  }

 private:
  // Adopting history made elsewhere lets it change slots: asked like an edit, --yes answers.
  bool confirmAdoption(OpenedDatabase& opened, const std::vector<DoctorFinding>& findings) {
    const auto count =
        std::count_if(findings.begin(), findings.end(), [](const DoctorFinding& finding) {
          return finding.kind == DoctorFinding::Kind::ForeignHistory && finding.removable;
        });
    if (count == 0) return true;
    const Question question{
        .message = "Adopt history made elsewhere",
        .informative = "Adopt " + countText(static_cast<std::size_t>(count), "unfinished edit") +
                       " made elsewhere as your own? Only do so if you made it, on another "
                       "computer or with an earlier version: it is then checked and finished or "
                       "rolled back, which moves slot folders.",
        .buttons = {"Cancel", "Adopt", ""},
        .confirmingAnswer = kAlertAlternate,
        .decliningAnswer = kAlertDefault,
    };
    return opened.database.ui().ask(question) == question.confirmingAnswer;
  }

  bool fix_ = false;
  bool adopt_ = false;
  std::string clearAside_;
};

}  // namespace

std::unique_ptr<Command> makeDoctorCommand() {
  return std::make_unique<DoctorCommand>();
}

void noteDoctorFindings(OpenedDatabase& opened, Console& console, const std::string& path) {
  const std::vector<DoctorFinding> findings =
      examineOpenedDatabase(opened.database, opened.recovery);
  const auto worthANote = std::count_if(findings.begin(), findings.end(), needsTheUser);
  if (worthANote == 0) return;
  console.err << "Note: `slotsmith doctor " << path << "` has " << worthANote
              << " thing(s) to show.\n";
}

}  // namespace slotsmith::cli
