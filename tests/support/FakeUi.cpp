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

int FakeUi::ask(const std::string& message, const std::string& informative,
                const AlertButtons& buttons) {
  questions.push_back({message, informative, buttons});
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << message << " / " << informative;
    return kAlertDefault;
  }
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakeUi::showMessage(const std::string& message, const std::string& button,
                         const std::string& informative) {
  messages.push_back({message, informative, {button, {}, {}}});
}

bool FakeUi::isRowSelected(SlotList list, int row) {
  const std::set<int>& selection = list == SlotList::Sounds ? selectedSounds : selectedModels;
  return selection.count(row) != 0;
}

int FakeUi::firstSelectedRow(SlotList list) {
  const std::set<int>& selection = list == SlotList::Sounds ? selectedSounds : selectedModels;
  return selection.empty() ? -1 : *selection.begin();
}

}  // namespace slotsmith::testing
