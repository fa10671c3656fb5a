// A scripted Ui for tests: it answers alerts from a queue (and fails the test when an alert comes
// that nobody scripted), and records every alert, message and progress call so that tests can
// assert on what the user would have seen.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/Ui.h"

namespace slotsmith::testing {

struct RecordedAlert {
  std::string message;
  std::string informative;
  AlertButtons buttons;  // for a one-button message: defaultButton only
  int confirmingAnswer = kAlertDefault;
  bool isWarning = false;
  bool declineByDefault = false;
};

class FakeUi : public Ui {
 public:
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

  void setDropDisabled() override { dropEnabled = false; }
  void setDropEnabled() override { dropEnabled = true; }
  void openProgress() override;
  void setProgressText(const std::string& text) override { progressTexts.push_back(text); }
  void setProgressMaximum(int maximum) override { progressMaximum = maximum; }
  void setProgressPosition(int position) override { progressPosition = position; }
  void closeProgress() override;
  int ask(const Question& question) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  void redrawList(SlotList) override { ++redraws; }
};

}  // namespace slotsmith::testing
