#include "Alerts.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <map>

using slotsmith::AlertButtons;

namespace {

const std::string kCancel = "Cancel";

QMessageBox::ButtonRole roleOf(const std::string& title, bool isDefault) {
  if (title == kCancel) return QMessageBox::RejectRole;
  return isDefault ? QMessageBox::AcceptRole : QMessageBox::DestructiveRole;
}

}  // namespace

int cancelAnswerOf(const AlertButtons& buttons) {
  if (buttons.alternateButton == kCancel) return slotsmith::kAlertAlternate;
  if (buttons.otherButton == kCancel) return slotsmith::kAlertOther;
  return slotsmith::kAlertDefault;
}

int Alerts::scriptedAnswer(const AlertButtons& buttons) {
  if (nextAnswers_.empty()) return cancelAnswerOf(buttons);
  const int answer = nextAnswers_.front();
  nextAnswers_.pop_front();
  return answer;
}

int Alerts::ask(const QString& message, const QString& informative, const AlertButtons& buttons) {
  history_.push_back({message, informative, buttons});
  if (scripted_) return scriptedAnswer(buttons);

  QMessageBox box(QMessageBox::Warning, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  std::map<QAbstractButton*, int> answers;
  const auto add = [&](const std::string& title, int answer, bool isDefault) {
    if (title.empty()) return static_cast<QPushButton*>(nullptr);
    QPushButton* button = box.addButton(QString::fromStdString(title), roleOf(title, isDefault));
    answers[button] = answer;
    if (title == kCancel) box.setEscapeButton(button);
    return button;
  };
  QPushButton* defaultButton = add(buttons.defaultButton, slotsmith::kAlertDefault, true);
  add(buttons.alternateButton, slotsmith::kAlertAlternate, false);
  add(buttons.otherButton, slotsmith::kAlertOther, false);
  box.setDefaultButton(defaultButton);
  box.exec();
  const auto chosen = answers.find(box.clickedButton());
  // Closed without a button (no "Cancel" to stand for it): never take that as a confirmation.
  return chosen != answers.end() ? chosen->second : cancelAnswerOf(buttons);
}

void Alerts::showMessage(const QString& message, const QString& button,
                         const QString& informative) {
  history_.push_back({message, informative, AlertButtons{button.toStdString(), {}, {}}});
  if (scripted_) return;
  QMessageBox box(QMessageBox::Information, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  QPushButton* only = box.addButton(button, QMessageBox::AcceptRole);
  box.setDefaultButton(only);
  box.setEscapeButton(only);
  box.exec();
}
