// A scripted Ui for tests: it holds the root and the two selections, answers alerts from a queue
// (and fails the test when an alert comes that nobody scripted), and records every alert,
// message and progress call so that tests can assert on what the user would have seen.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "core/Ui.h"

namespace slotsmith::testing {

struct RecordedAlert {
  std::string message;
  std::string informative;
  AlertButtons buttons;  // for a one-button message: defaultButton only
};

class FakeUi : public Ui {
 public:
  DatabaseRoot root;
  std::set<int> selectedSounds;
  std::set<int> selectedModels;

  // Answers for the next questions, in order (kAlertDefault, kAlertAlternate, kAlertOther).
  std::deque<int> answers;
  std::vector<RecordedAlert> questions;
  std::vector<RecordedAlert> messages;

  std::vector<std::string> progressTexts;  // every text set, in order
  int progressMaximum = 0;
  int progressPosition = 0;
  int progressOpens = 0;
  int progressCloses = 0;
  bool progressOpen = false;
  bool dropEnabled = true;
  int redraws = 0;

  void answerWith(int answer) { answers.push_back(answer); }

  DatabaseRoot databaseRoot() override { return root; }
  void setDropDisabled() override { dropEnabled = false; }
  void setDropEnabled() override { dropEnabled = true; }
  void openProgress() override;
  void setProgressText(const std::string& text) override { progressTexts.push_back(text); }
  void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
  void setProgressPosition(int position) override { progressPosition = position; }
  void closeProgress() override;
  int ask(const std::string& message, const std::string& informative,
          const AlertButtons& buttons) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  bool isRowSelected(SlotList list, int row) override;
  int firstSelectedRow(SlotList list) override;
  void redrawList(SlotList) override { ++redraws; }
};

}  // namespace slotsmith::testing
