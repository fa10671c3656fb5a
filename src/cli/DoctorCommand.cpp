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

// The kind a finding line starts with, in the user's words.
std::string kindName(DoctorFinding::Kind kind) {
  switch (kind) {
    case DoctorFinding::Kind::UnfinishedEdit:
      return userText(USER_TEXT("Doctor", "unfinished edit"));
    case DoctorFinding::Kind::TemporaryFolder:
      return userText(USER_TEXT("Doctor", "leftover folder"));
    case DoctorFinding::Kind::TemporaryFile:
      return userText(USER_TEXT("Doctor", "leftover file"));
    case DoctorFinding::Kind::OverflowFolder:
      return userText(USER_TEXT("Doctor", "overflow folder"));
    case DoctorFinding::Kind::EmptyModelReference:
      return userText(USER_TEXT("Doctor", "reference to an empty slot"));
    case DoctorFinding::Kind::StaleLock:
      return userText(USER_TEXT("Doctor", "stale lock"));
    case DoctorFinding::Kind::SetAside:
      return userText(USER_TEXT("Doctor", "set aside"));
    case DoctorFinding::Kind::DamagedSoundScript:
      return userText(USER_TEXT("Doctor", "damaged sound"));
    case DoctorFinding::Kind::RepeatedReference:
      return userText(USER_TEXT("Doctor", "reference key given twice"));
    case DoctorFinding::Kind::ForeignHistory:
      return userText(USER_TEXT("Doctor", "history made elsewhere"));
    case DoctorFinding::Kind::HiddenSlotFolder:
      return userText(USER_TEXT("Doctor", "hidden slot folder"));
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
      console.out << userText(USER_TEXT("cli doctor", "deleted: {path}"),
                              {{"path", asideFolderPath(root) + "/" + clearAside_}})
                  << '\n';
    }
    std::vector<DoctorFinding> findings =
        examineOpenedDatabase(opened->database, opened->recovery, true);
    if (adopt_ && !fix_) {
      console.err << userText(USER_TEXT("cli doctor", "--adopt goes with --fix.")) << '\n';
      return kExitUsage;
    }
    if (fix_ && adopt_ && !confirmAdoption(*opened, findings)) {
      console.err << userText(USER_TEXT("cli doctor", "Nothing was changed.")) << '\n';
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
        const TextArgument cleared{"path", path};
        console.out << (path == lockFilePath(root)
                            ? userText(USER_TEXT("cli doctor",
                                                 "cleared: {path} (it named a process that is "
                                                 "gone)"),
                                       {cleared})
                        : foreign && adopt_
                            ? userText(USER_TEXT("cli doctor",
                                                 "cleared: {path} (adopted as your own, checked "
                                                 "and finished or rolled back)"),
                                       {cleared})
                        : foreign
                            ? userText(USER_TEXT("cli doctor",
                                                 "cleared: {path} (made elsewhere: set aside "
                                                 "whole, no slot was touched)"),
                                       {cleared})
                            : userText(USER_TEXT("cli doctor",
                                                 "cleared: {path} (what it proves it took out is "
                                                 "back where it was free; the rest is set aside)"),
                                       {cleared}))
                    << '\n';
      }
      // The bank's copy of a place kept under both names stays: what now plays another model
      // than before the edit is said, since nothing else would tell.
      for (const std::string& line : playingOtherwise)
        console.out << userText(USER_TEXT("cli doctor", "plays another model: {line}"),
                                {{"line", line}})
                    << '\n';
      if (!fixed.isOk()) console.err << fixed.message() << '\n';
      opened->database.evaluateNeuronDb();
      findings = examineDatabase(fs, root, opened->database.tables());
    }
    for (const DoctorFinding& finding : findings) {
      const std::initializer_list<TextArgument> line = {
          {"kind", kindName(finding.kind)}, {"path", finding.path}, {"text", finding.text}};
      console.out << (finding.removable && !fix_
                          ? userText(
                                USER_TEXT("cli doctor", "{kind}: {path}: {text} (--fix clears it)"),
                                line)
                          : userText(USER_TEXT("cli doctor", "{kind}: {path}: {text}"), line))
                  << '\n';
    }
    if (findings.empty())
      console.out << userText(USER_TEXT("cli doctor", "Nothing odd found.")) << '\n';
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
        .message = userText(USER_TEXT("cli doctor", "Adopt history made elsewhere")),
        .informative = userText(
            USER_TEXT_N("cli doctor",
                        "Adopt {n} unfinished edit(s) made elsewhere as your own? Only do so if "
                        "you made it, on another computer or with an earlier version: it is then "
                        "checked and finished or rolled back, which moves slot folders."),
            {}, static_cast<long long>(count)),
        .buttons = {userText(kCancel), userText(USER_TEXT("Buttons", "Adopt")), ""},
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
  // One line for any count, so the count stands in it as a number, not as a plural form.
  console.err << userText(
                     USER_TEXT("cli doctor",
                               "Note: `slotsmith doctor {path}` has {count} thing(s) to show."),
                     {{"path", path}, {"count", std::to_string(worthANote)}})
              << '\n';
}

}  // namespace slotsmith::cli
