// The application's modal alerts: a question with up to three buttons and a one-button message.
// The default button is the dialog's default (Return) button and answers 1, the alternate
// answers 0 and the other -1; Escape and closing the dialog give the question's declining answer.
//
// Tests script the answers instead: with scripting on, no dialog is ever shown; every alert is
// recorded and a question takes the next scripted answer (or the declining one when none is
// left).
#pragma once

#include <QString>
#include <QWidget>
#include <deque>
#include <vector>

#include "core/Ui.h"

namespace slotsmith {

// The text as a dialog or the status line shows it: names and paths from a database, pack or
// backup made elsewhere with their control characters escaped (printableText).
QString printable(const QString& text);

class Alerts {
 public:
  struct Record {
    QString message;
    QString informative;
    slotsmith::AlertButtons buttons;
    bool problem = false;                         // a refusal or a failure, shown as a warning
    int returnAnswer = slotsmith::kAlertDefault;  // what Return answers
  };

  explicit Alerts(QWidget* parentWindow) : parentWindow_(parentWindow) {}

  // declining is the answer Escape and closing the dialog give; returnAnswer the one Return
  // gives (the default button's, unless the question wants a deliberate choice).
  int ask(const QString& message, const QString& informative,
          const slotsmith::AlertButtons& buttons, int declining,
          int returnAnswer = slotsmith::kAlertDefault);
  void showMessage(const QString& message, const QString& button, const QString& informative);
  // A refusal (warning icon) or a failure (critical icon): the summary in one sentence, the
  // details in the dialog's expandable part.
  void showProblem(bool failed, const QString& title, const QString& summary,
                   const QString& details);

  void setScripted(bool scripted) { scripted_ = scripted; }
  void setNextAnswers(std::deque<int> answers) { nextAnswers_ = std::move(answers); }
  const std::vector<Record>& history() const { return history_; }
  void clearHistory() { history_.clear(); }

 private:
  int scriptedAnswer(int declining);

  QWidget* parentWindow_;
  bool scripted_ = false;
  std::deque<int> nextAnswers_;
  std::vector<Record> history_;
};

}  // namespace slotsmith
