#include "cli/TerminalUi.h"

#include <algorithm>
#include <istream>
#include <ostream>

namespace slotsmith::cli {
namespace {

int answerOf(const AlertButtons& buttons, const std::string& title) {
  if (buttons.defaultButton == title) return kAlertDefault;
  if (!buttons.alternateButton.empty() && buttons.alternateButton == title) return kAlertAlternate;
  if (!buttons.otherButton.empty() && buttons.otherButton == title) return kAlertOther;
  return -2;
}

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
  if (progressOpen_ && showProgress_) err_ << "\r\033[K" << std::flush;
  progressOpen_ = false;
}

void TerminalUi::drawProgress() {
  if (!progressOpen_ || !showProgress_) return;
  const int maximum = progressMaximum_ > 0 ? progressMaximum_ : 1;
  const int percent = std::clamp(progressPosition_ * 100 / maximum, 0, 100);
  if (percent == lastPercentDrawn_) return;  // one redraw per percent, not per slot
  lastPercentDrawn_ = percent;
  err_ << "\r\033[K" << progressText_ << ' ' << percent << '%' << std::flush;
}

int TerminalUi::ask(const std::string& message, const std::string& informative,
                    const AlertButtons& buttons) {
  int confirm = answerOf(buttons, intendedButton);
  if (confirm == -2) confirm = answerOf(buttons, "Ok");
  if (confirm == -2) confirm = answerOf(buttons, "Continue");
  int decline = answerOf(buttons, "Cancel");
  if (decline == -2) decline = kAlertDefault;
  if (confirm == -2) return decline;
  if (assumeYes) return confirm;

  err_ << message << "\n\n" << informative << "\n\n";
  if (!inputIsTerminal_) {
    err_ << "Not confirmed: standard input is not a terminal (use --yes to confirm).\n";
    return decline;
  }
  const std::string& title = confirm == kAlertDefault     ? buttons.defaultButton
                             : confirm == kAlertAlternate ? buttons.alternateButton
                                                          : buttons.otherButton;
  err_ << title << "? [y/N] " << std::flush;
  std::string reply;
  if (!std::getline(in_, reply)) return decline;
  return (reply == "y" || reply == "Y" || reply == "yes") ? confirm : decline;
}

void TerminalUi::showMessage(const std::string& message, const std::string&,
                             const std::string& informative) {
  closeProgress();
  err_ << message;
  if (!informative.empty()) err_ << ": " << informative;
  err_ << '\n';
}

bool TerminalUi::isRowSelected(SlotList list, int row) {
  return (list == SlotList::Sounds ? selectedSounds : selectedModels).count(row) != 0;
}

int TerminalUi::firstSelectedRow(SlotList list) {
  const std::set<int>& selection = list == SlotList::Sounds ? selectedSounds : selectedModels;
  return selection.empty() ? -1 : *selection.begin();
}

}  // namespace slotsmith::cli
