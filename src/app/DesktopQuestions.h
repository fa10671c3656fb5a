// How the desktop puts the engine's questions to the user. The engine asks one question at a
// time, the way a terminal must; in a window the user has often answered already, or should be
// told more before answering:
//
//  - Undo and redo run on the key press. Each can be reversed by the other, so a confirmation
//    would only stand between the user and a step back (and Ctrl+Z, Return would cancel it).
//  - A copy, move or import that pushes occupied slots past slot 999 says so in its one
//    confirmation, before the user agrees, from the same preview a drag shows. The engine's
//    later warning about those slots is then answered with what the user already confirmed;
//    should the engine find slots leaving that the confirmation did not name, it is shown.
//  - Every edit can be undone, so a confirmation never claims otherwise.
//
// The command line asks every question itself and keeps its --yes contract; nothing here
// changes what the engine does.
#pragma once

#include <QString>
#include <optional>

#include "core/SlotTables.h"
#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

class DesktopQuestions {
 public:
  // The edit about to run, with the tables the lists show (the ones the user decided from).
  void expect(const EditRequest& request, const SlotTables& tables);
  // The edit has ended; later questions are asked as they come.
  void clear();

  // Rewrites the question as the window shows it. Returns the answer when the user has given it
  // already, none when the question must be asked.
  std::optional<int> prepare(Question& question);
  // The answer the user gave to a question prepare() let through.
  void answered(const Question& question, int answer);

  // The sentence added to a confirmation about slots leaving the bank; empty when none leave.
  const QString& leavingNote() const { return leavingNote_; }

 private:
  bool answerFirstQuestion_ = false;
  QString leavingNote_;
  int asked_ = 0;
  bool leavingConfirmed_ = false;
};

}  // namespace slotsmith
