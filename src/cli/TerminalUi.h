// The Ui port on a terminal. Questions are the desktop alerts, printed with their message and
// informative text. --yes gives every question its confirming answer without asking (a warning
// is still printed, so that nothing the user must know is hidden); without --yes the user
// confirms on the terminal, and when standard input is not a terminal the question is declined
// rather than guessed. Progress is a line on standard error, shown on a terminal only.
#pragma once

#include <iosfwd>
#include <string>

#include "core/Ui.h"

namespace slotsmith::cli {

class TerminalUi : public Ui {
 public:
  TerminalUi(std::istream& in, std::ostream& err, bool inputIsTerminal, bool errorIsTerminal);

  bool assumeYes = false;

  void setDropDisabled() override {}
  void setDropEnabled() override {}
  void openProgress() override;
  void setProgressText(const std::string& text) override;
  void setProgressMaximum(int maximum) override { progressMaximum_ = maximum; }
  void setProgressPosition(int position) override;
  void closeProgress() override;
  int ask(const Question& question) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  void redrawList(SlotList) override {}

 private:
  void drawProgress();

  std::istream& in_;
  std::ostream& err_;
  bool inputIsTerminal_;
  bool showProgress_;
  bool progressOpen_ = false;
  std::string progressText_;
  int progressMaximum_ = 0;
  int progressPosition_ = 0;
  int lastPercentDrawn_ = -1;
};

}  // namespace slotsmith::cli
