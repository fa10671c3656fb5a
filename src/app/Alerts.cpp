#include "app/Alerts.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <map>

#include "core/PrintableText.h"

namespace slotsmith {

namespace {

// A message box is as wide as its text, and the window manager cuts a longer title short: the
// box is made wide enough for its whole title, with room for the title bar's own buttons.
void makeRoomForTitle(QMessageBox& box) {
  constexpr int kTitleBarButtons = 160;
  const int needed = box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
  if (auto* layout = qobject_cast<QGridLayout*>(box.layout())) {
    layout->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    layout->rowCount(), 0, 1, layout->columnCount());
  }
}

// Names and paths come from databases and packs made elsewhere: "<b>" in one is text to show,
// never markup that restyles the alert (a message box takes text that looks like HTML for HTML).
void showAsPlainText(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  for (QLabel* label : box.findChildren<QLabel*>())
    label->setTextFormat(Qt::PlainText);
}

// The reason of a problem is the first thing the user needs: its first line goes with the
// summary, the rest (a list of paths, say) stays in the details.
struct ProblemTexts {
  QString informative;
  QString details;
};

ProblemTexts splitProblem(const QString& summary, const QString& details) {
  const QString trimmed = details.trimmed();
  if (trimmed.isEmpty()) return {summary, {}};
  const qsizetype lineEnd = trimmed.indexOf('\n');
  const QString reason = lineEnd < 0 ? trimmed : trimmed.left(lineEnd);
  return {summary + QStringLiteral("\n\n") + reason, lineEnd < 0 ? QString() : trimmed};
}

QString withMnemonic(const QString& title, QString& taken) {
  // The first letter of the title not yet taken by another button, its words unchanged.
  for (qsizetype i = 0; i < title.size(); ++i) {
    const QChar letter = title[i].toLower();
    if (letter.isLetterOrNumber() && !taken.contains(letter)) {
      taken += letter;
      QString marked = title;
      marked.insert(i, '&');
      return marked;
    }
  }
  return title;
}

}  // namespace

QString printable(const QString& text) {
  return QString::fromStdString(printableText(text.toStdString()));
}

int Alerts::scriptedAnswer(int declining) {
  if (nextAnswers_.empty()) return declining;
  const int answer = nextAnswers_.front();
  nextAnswers_.pop_front();
  return answer;
}

int Alerts::ask(const QString& shownMessage, const QString& shownInformative,
                const AlertButtons& buttons, int declining, int returnAnswer) {
  const QString message = printable(shownMessage), informative = printable(shownInformative);
  history_.push_back({message, informative, buttons, false, returnAnswer});
  if (scripted_) return scriptedAnswer(declining);

  QMessageBox box(QMessageBox::Warning, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  showAsPlainText(box);
  makeRoomForTitle(box);
  std::map<QAbstractButton*, int> answers;
  QString taken;
  const auto add = [&](const std::string& title, int answer, bool isDefault) {
    if (title.empty()) return static_cast<QPushButton*>(nullptr);
    const QMessageBox::ButtonRole role = answer == declining ? QMessageBox::RejectRole
                                         : isDefault         ? QMessageBox::AcceptRole
                                                             : QMessageBox::DestructiveRole;
    // An ampersand of the engine's own is a character of the label, not a mnemonic.
    QString label = QString::fromStdString(title).replace('&', QStringLiteral("&&"));
    QPushButton* button = box.addButton(withMnemonic(label, taken), role);
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

void Alerts::showProblem(bool failed, const QString& shownTitle, const QString& shownSummary,
                         const QString& shownDetails) {
  const QString title = printable(shownTitle), summary = printable(shownSummary),
                details = printable(shownDetails);
  history_.push_back({title, details.isEmpty() ? summary : summary + '\n' + details,
                      AlertButtons{"Ok", {}, {}}, true, kAlertDefault});
  if (scripted_) return;
  QMessageBox box(failed ? QMessageBox::Critical : QMessageBox::Warning, title, title,
                  QMessageBox::Ok, parentWindow_);
  const ProblemTexts texts = splitProblem(summary, details);
  box.setInformativeText(texts.informative);
  if (!texts.details.isEmpty()) box.setDetailedText(texts.details);
  showAsPlainText(box);
  makeRoomForTitle(box);
  box.exec();
}

void Alerts::showMessage(const QString& shownMessage, const QString& button,
                         const QString& shownInformative) {
  const QString message = printable(shownMessage), informative = printable(shownInformative);
  history_.push_back(
      {message, informative, AlertButtons{button.toStdString(), {}, {}}, false, kAlertDefault});
  if (scripted_) return;
  QMessageBox box(QMessageBox::Information, message, message, QMessageBox::NoButton, parentWindow_);
  box.setInformativeText(informative);
  showAsPlainText(box);
  makeRoomForTitle(box);
  QPushButton* only = box.addButton(button, QMessageBox::AcceptRole);
  box.setDefaultButton(only);
  box.setEscapeButton(only);
  box.exec();
}

}  // namespace slotsmith
