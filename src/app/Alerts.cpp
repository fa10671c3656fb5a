#include "app/Alerts.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <map>

namespace slotsmith {

int Alerts::scriptedAnswer(int declining) {
  if (nextAnswers_.empty()) return declining;
  const int answer = nextAnswers_.front();
  nextAnswers_.pop_front();
  return answer;
}

int Alerts::ask(const QString& message, const QString& informative, const AlertButtons& buttons,
                int declining, int returnAnswer) {
  history_.push_back({message, informative, buttons, false, returnAnswer});
  if (scripted_) return scriptedAnswer(declining);

  QMessageBox box(QMessageBox::Warning, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  std::map<QAbstractButton*, int> answers;
  const auto add = [&](const std::string& title, int answer, bool isDefault) {
    if (title.empty()) return static_cast<QPushButton*>(nullptr);
    const QMessageBox::ButtonRole role = answer == declining ? QMessageBox::RejectRole
                                         : isDefault         ? QMessageBox::AcceptRole
                                                             : QMessageBox::DestructiveRole;
    QPushButton* button = box.addButton(QString::fromStdString(title), role);
    answers[button] = answer;
    if (answer == declining) box.setEscapeButton(button);
    return button;
  };
  std::map<int, QPushButton*> byAnswer;
  byAnswer[slotsmith::kAlertDefault] = add(buttons.defaultButton, slotsmith::kAlertDefault, true);
  byAnswer[slotsmith::kAlertAlternate] =
      add(buttons.alternateButton, slotsmith::kAlertAlternate, false);
  byAnswer[slotsmith::kAlertOther] = add(buttons.otherButton, slotsmith::kAlertOther, false);
  QPushButton* returnButton = byAnswer[returnAnswer];
  box.setDefaultButton(returnButton != nullptr ? returnButton : byAnswer[slotsmith::kAlertDefault]);
  box.exec();
  const auto chosen = answers.find(box.clickedButton());
  // Closed without a button: never take that as a confirmation.
  return chosen != answers.end() ? chosen->second : declining;
}

void Alerts::showProblem(bool failed, const QString& title, const QString& summary,
                         const QString& details) {
  history_.push_back({title, details.isEmpty() ? summary : summary + '\n' + details,
                      AlertButtons{"Ok", {}, {}}, true, kAlertDefault});
  if (scripted_) return;
  QMessageBox box(failed ? QMessageBox::Critical : QMessageBox::Warning, title, title,
                  QMessageBox::Ok, parentWindow_);
  box.setInformativeText(summary);
  if (!details.trimmed().isEmpty()) box.setDetailedText(details.trimmed());
  box.exec();
}

void Alerts::showMessage(const QString& message, const QString& button,
                         const QString& informative) {
  history_.push_back(
      {message, informative, AlertButtons{button.toStdString(), {}, {}}, false, kAlertDefault});
  if (scripted_) return;
  QMessageBox box(QMessageBox::Information, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  QPushButton* only = box.addButton(button, QMessageBox::AcceptRole);
  box.setDefaultButton(only);
  box.setEscapeButton(only);
  box.exec();
}

}  // namespace slotsmith
