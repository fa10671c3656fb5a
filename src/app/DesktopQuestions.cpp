#include "app/DesktopQuestions.h"

#include <QCoreApplication>
#include <variant>

#include "app/Summaries.h"
#include "ops/DropPreview.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

QString tr(const char* text) {
  return QCoreApplication::translate("DesktopQuestions", text);
}

QString leavingNoteFor(const SlotTables& tables, Bank bank, const std::vector<int>& slots,
                       int destination, BlockEditKind kind) {
  const BlockPreview preview = previewBlockEdit(tables, bank, slots, destination, kind);
  if (!preview.fits || preview.leavingSlots.empty()) return {};
  const int count = static_cast<int>(preview.leavingSlots.size());
  const QString what =
      bank == Bank::Sounds
          ? countText(count, tr("occupied sound slot"), tr("occupied sound slots"))
          : countText(count, tr("occupied model slot"), tr("occupied model slots"));
  return tr("%1 (%2) will be pushed past slot #999 into folders outside the bank, where the "
            "synthesizer no longer sees them.")
      .arg(what, QString::fromStdString(slotRunsText(preview.leavingSlots)));
}

}  // namespace

void DesktopQuestions::expect(const EditRequest& request, const SlotTables& tables) {
  clear();
  if (std::holds_alternative<UndoRequest>(request) ||
      std::holds_alternative<RedoRequest>(request)) {
    answerFirstQuestion_ = true;
  } else if (const auto* copy = std::get_if<CopyRequest>(&request)) {
    leavingNote_ =
        leavingNoteFor(tables, copy->bank, copy->slots, copy->destination, BlockEditKind::Copy);
  } else if (const auto* move = std::get_if<MoveRequest>(&request)) {
    leavingNote_ =
        leavingNoteFor(tables, move->bank, move->slots, move->destination, BlockEditKind::Move);
  } else if (const auto* import = std::get_if<ImportSoundsRequest>(&request)) {
    leavingNote_ = leavingNoteFor(tables, Bank::Sounds, import->sounds, import->destination,
                                  BlockEditKind::Import);
  }
}

void DesktopQuestions::clear() {
  answerFirstQuestion_ = false;
  leavingNote_.clear();
  asked_ = 0;
  leavingConfirmed_ = false;
}

std::optional<int> DesktopQuestions::prepare(Question& question) {
  const bool first = asked_++ == 0;
  if (first && answerFirstQuestion_) return question.confirmingAnswer;
  // The warning after the confirmation: the user agreed to it already when the confirmation
  // named the slots that leave.
  if (question.isWarning && leavingConfirmed_) return question.confirmingAnswer;
  QString informative = QString::fromStdString(question.informative);
  if (first && !leavingNote_.isEmpty()) informative += QStringLiteral("\n\n") + leavingNote_;
  question.informative = informative.toStdString();
  return std::nullopt;
}

void DesktopQuestions::answered(const Question& question, int answer) {
  if (asked_ == 1 && !leavingNote_.isEmpty()) {
    leavingConfirmed_ = answer == question.confirmingAnswer;
  }
}

}  // namespace slotsmith
