#include "app/DesktopQuestions.h"

#include <QCoreApplication>
#include <QStringList>
#include <variant>

#include "app/Summaries.h"
#include "ops/DropPreview.h"

namespace slotsmith {

namespace {

QString tr(const char* text) {
  return QCoreApplication::translate("DesktopQuestions", text);
}

// "slots 990–999", "slots 3, 7, 990–999": runs of consecutive numbers.
QString slotRuns(const std::vector<int>& slots) {
  QStringList runs;
  for (size_t i = 0; i < slots.size();) {
    size_t end = i;
    while (end + 1 < slots.size() && slots[end + 1] == slots[end] + 1)
      ++end;
    runs << (end == i ? QString::number(slots[i])
                      : QStringLiteral("%1–%2").arg(slots[i]).arg(slots[end]));
    i = end + 1;
  }
  return runs.join(QStringLiteral(", "));
}

LeavingNote noteFor(const SlotTables& tables, Bank bank, const std::vector<int>& slots,
                    int destination, BlockEditKind kind) {
  const BlockPreview preview = previewBlockEdit(tables, bank, slots, destination, kind);
  if (!preview.fits || preview.leavingSlots.empty()) return {};
  const int count = static_cast<int>(preview.leavingSlots.size());
  const QString what =
      bank == Bank::Sounds
          ? countText(count, tr("occupied sound slot"), tr("occupied sound slots"))
          : countText(count, tr("occupied model slot"), tr("occupied model slots"));
  return {tr("%1 (%2) will be pushed past slot #999 into folders outside the bank, where the "
             "synthesizer no longer sees them.")
              .arg(what, slotRuns(preview.leavingSlots)),
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
