#include "support/FakeUi.h"

#include <gtest/gtest.h>

namespace slotsmith::testing {

void FakeUi::openProgress() {
  ++progressOpens;
  progressOpen = true;
}

void FakeUi::closeProgress() {
  ++progressCloses;
  progressOpen = false;
}

int FakeUi::ask(const Question& question) {
  questions.push_back({question.message, question.informative, question.buttons,
                       question.confirmingAnswer, question.isWarning, question.declineByDefault});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << question.message << " / " << question.informative;
    return kAlertDefault;
  }
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeUi::showMessage(const std::string& message, const std::string& button,
                         const std::string& informative) {
  messages.push_back({message, informative, {button, {}, {}}, kAlertDefault, false});
}

}  // namespace slotsmith::testing
