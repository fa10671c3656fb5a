#include "cli/TerminalUi.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <string_view>

#include "cli/PrintableStream.h"
#include "core/UserText.h"

namespace slotsmith::cli {
namespace {

// Back to the start of the line, and clear it: the progress line redrawn in place.
constexpr std::string_view kClearLine = "\r\033[K";

}  // namespace

TerminalUi::TerminalUi(std::istream& in, std::ostream& err, bool inputIsTerminal,
                       bool errorIsTerminal)
    : in_(in), err_(err), inputIsTerminal_(inputIsTerminal), showProgress_(errorIsTerminal) {}

void TerminalUi::openProgress() {
  progressOpen_ = true;
  lastPercentDrawn_ = -1;
  drawProgress();
}

void TerminalUi::setProgressText(const std::string& text) {
  progressText_ = text;
  lastPercentDrawn_ = -1;
  drawProgress();
}

void TerminalUi::setProgressPosition(int position) {
  progressPosition_ = position;
  drawProgress();
}

void TerminalUi::closeProgress() {
  if (progressOpen_ && showProgress_) {
    writeTerminalControl(err_, kClearLine);
    err_ << std::flush;
  }
  progressOpen_ = false;
}

void TerminalUi::drawProgress() {
  if (!progressOpen_ || !showProgress_) return;
  const int maximum = progressMaximum_ > 0 ? progressMaximum_ : 1;
  const int percent = std::clamp(progressPosition_ * 100 / maximum, 0, 100);
  if (percent == lastPercentDrawn_) return;  // one redraw per percent, not per slot
  lastPercentDrawn_ = percent;
  writeTerminalControl(err_, kClearLine);
  err_ << progressText_ << ' ' << percent << '%' << std::flush;
}

int TerminalUi::ask(const Question& question) {
  const auto printQuestion = [&] {
    closeProgress();
    err_ << question.message << "\n\n" << question.informative << "\n\n";
  };
  if (assumeYes) {
    if (question.isWarning) printQuestion();
    return question.confirmingAnswer;
  }
  printQuestion();
  if (!inputIsTerminal_) {
    err_ << userText(USER_TEXT("cli",
                               "Not confirmed: standard input is not a terminal (use --yes "
                               "to confirm)."))
         << '\n';
    return question.decliningAnswer;
  }
  const AlertButtons& buttons = question.buttons;
  const auto titleOf = [&buttons](int answer) -> const std::string& {
    return answer == kAlertDefault     ? buttons.defaultButton
           : answer == kAlertAlternate ? buttons.alternateButton
                                       : buttons.otherButton;
  };
  // Anything but a yes declines. A question that wants a deliberate choice says so, as the
  // desktop alert makes its declining button the one Return presses.
  // The replies stay y and N in every language: they are what is typed.
  if (question.declineByDefault) {
    err_ << userText(USER_TEXT("cli", "{answer}? [y/N, Return: {declining}] "),
                     {{"answer", titleOf(question.confirmingAnswer)},
                      {"declining", titleOf(question.decliningAnswer)}});
  } else {
    err_ << userText(USER_TEXT("cli", "{answer}? [y/N] "),
                     {{"answer", titleOf(question.confirmingAnswer)}});
  }
  err_ << std::flush;
  std::string reply;
  if (!std::getline(in_, reply)) return question.decliningAnswer;
  const bool yes = reply == "y" || reply == "Y" || reply == "yes";
  return yes ? question.confirmingAnswer : question.decliningAnswer;
}

void TerminalUi::showMessage(const std::string& message, const std::string&,
                             const std::string& informative) {
  closeProgress();
  err_ << (informative.empty() ? message
                               : userText(USER_TEXT("cli", "{message}: {informative}"),
                                          {{"message", message}, {"informative", informative}}))
       << '\n';
}

}  // namespace slotsmith::cli
