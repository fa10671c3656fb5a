// The Ui port on a terminal. Questions are the desktop alerts, printed with their message and
// informative text; the command says which button it stands for ("Remove", "Ok", ...), and
// --yes chooses that button (or the confirming button of a warning) without asking. Without
// --yes the user confirms on the terminal; when standard input is not a terminal the question is
// declined rather than guessed. Progress is a line on standard error, shown on a terminal only.
#pragma once

#include <iosfwd>
#include <set>
#include <string>

#include "core/Ui.h"

namespace slotsmith::cli {

class TerminalUi : public Ui {
 public:
  TerminalUi(std::istream& in, std::ostream& err, bool inputIsTerminal, bool errorIsTerminal);

  DatabaseRoot root;
  std::set<int> selectedSounds;
  std::set<int> selectedModels;
  bool assumeYes = false;
  // The button title the command stands for; questions without it are confirmed by "Ok" or
  // "Continue".
  std::string intendedButton = "Ok";

  DatabaseRoot databaseRoot() override { return root; }
  void setDropDisabled() override {}
  void setDropEnabled() override {}
  void openProgress() override;
  void setProgressText(const std::string& text) override;
  void setProgressMaximum(int maximum) override { progressMaximum_ = maximum; }
  void setProgressPosition(int position) override;
  void closeProgress() override;
  int ask(const std::string& message, const std::string& informative,
          const AlertButtons& buttons) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  bool isRowSelected(SlotList list, int row) override;
  int firstSelectedRow(SlotList list) override;
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
