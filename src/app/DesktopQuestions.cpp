#include "app/DesktopQuestions.h"

#include <QCoreApplication>
#include <QStringList>
#include <variant>

#include "app/Summaries.h"
#include "ops/DropPreview.h"
#include "ops/QuestionText.h"

namespace slotsmith {

namespace {

// The texts of this file, under one name for the translators.
class QuestionTexts {
  Q_DECLARE_TR_FUNCTIONS(QuestionTexts)
};

LeavingNote noteFor(const SlotTables& tables, Bank bank, const std::vector<int>& slots,
                    int destination, BlockEditKind kind) {
  const BlockPreview preview = previewBlockEdit(tables, bank, slots, destination, kind);
  if (!preview.fits || preview.leavingSlots.empty()) return {};
  const int count = static_cast<int>(preview.leavingSlots.size());
  const QString what = bank == Bank::Sounds
                           ? QuestionTexts::tr("%n occupied sound slot(s)", "", count)
                           : QuestionTexts::tr("%n occupied model slot(s)", "", count);
  return {QuestionTexts::tr(
              "%1 (%2) will be pushed past slot #999 into folders outside the bank, where the "
              "synthesizer no longer sees them.")
              .arg(what, QString::fromStdString(slotRunsText(preview.leavingSlots))),
          count};
}

}  // namespace

LeavingNote leavingNoteFor(const EditRequest& request, const SlotTables& tables) {
  if (const auto* copy = std::get_if<CopyRequest>(&request)) {
    return noteFor(tables, copy->bank, copy->slots, copy->destination, BlockEditKind::Copy);
  }
  if (const auto* move = std::get_if<MoveRequest>(&request)) {
    return noteFor(tables, move->bank, move->slots, move->destination, BlockEditKind::Move);
  }
  if (const auto* import = std::get_if<ImportSoundsRequest>(&request)) {
    return noteFor(tables, Bank::Sounds, import->sounds, import->destination,
                   BlockEditKind::Import);
  }
  return {};
}

}  // namespace slotsmith
