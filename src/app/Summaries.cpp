#include "app/Summaries.h"

#include <QCoreApplication>
#include <cstring>
#include <set>
#include <variant>

namespace slotsmith {

namespace {

QString tr(const char* text) {
  return QCoreApplication::translate("Summaries", text);
}

int distinctCount(const std::vector<int>& slots) {
  return static_cast<int>(std::set<int>(slots.begin(), slots.end()).size());
}

QString bankCount(Bank bank, int count) {
  return bank == Bank::Sounds ? countText(count, tr("sound"), tr("sounds"))
                              : countText(count, tr("model"), tr("models"));
}

QString modelText(int model) {
  return model < 0 ? tr("no model") : tr("model %1").arg(model);
}

// The sentence of a carried-out edit.
struct DoneText {
  const EditOutcome& outcome;
  QString operator()(const CopyRequest& request) const {
    return tr("Copied %1 to slot %2")
        .arg(bankCount(request.bank, distinctCount(request.slots)))
        .arg(request.destination);
  }
  QString operator()(const MoveRequest& request) const {
    return tr("Moved %1 to slot %2")
        .arg(bankCount(request.bank, distinctCount(request.slots)))
        .arg(request.destination);
  }
  QString operator()(const DeleteRequest& request) const {
    const bool removed = outcome.plan.title.rfind("Remove", 0) == 0;
    return (removed ? tr("Removed %1") : tr("Deleted %1"))
        .arg(bankCount(request.bank, distinctCount(request.slots)));
  }
  QString operator()(const FindReplaceRequest& request) const {
    return tr("Replaced %1 of %2 by %3")
        .arg(countText(outcome.occurrences, tr("reference"), tr("references")),
             modelText(request.find), modelText(request.replacement));
  }
  QString operator()(const ConsolidateRequest&) const { return tr("Consolidated the models"); }
  QString operator()(const NamesExportRequest&) const {
    return tr("Wrote SoundNames and ModelNames");
  }
  template <typename Other>
  QString operator()(const Other&) const {
    return QString::fromStdString(outcome.plan.title) + tr(": done");
  }
};

}  // namespace

QString countText(int count, const QString& singular, const QString& plural) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString soundSummaryText(const SlotTables& tables) {
  int sounds = 0;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed == kSoundOccupied) ++sounds;
  }
  return QStringLiteral("%1 sounds in %2 slots").arg(sounds).arg(kSlotCount);
}

QString modelSummaryText(const SlotTables& tables) {
  int inUse = 0;
  int disabled = 0;
  int unused = 0;
  int emptyButReferred = 0;
  for (const ModelSlot& model : tables.modelSlots) {
    const bool referred = model.sIsUsed == kModelInUse || model.sIsUsed == kModelInUseDisabled;
    if (!holdsModel(model)) {
      if (referred) ++emptyButReferred;
    } else if (model.sIsUsed == kModelInUse) {
      ++inUse;
    } else if (model.sIsUsed == kModelInUseDisabled) {
      ++disabled;
    } else {
      ++unused;
    }
  }
  QString text = QStringLiteral("%1 models: %2 in use, %3 in use - disabled, %4 unused")
                     .arg(inUse + disabled + unused)
                     .arg(inUse)
                     .arg(disabled)
                     .arg(unused);
  if (emptyButReferred > 0) {
    text += tr("; %1 referred to")
                .arg(countText(emptyButReferred, tr("empty slot"), tr("empty slots")));
  }
  return text;
}

QString countsText(const SlotTables& tables) {
  int sounds = 0;
  int models = 0;
  for (const SoundSlot& sound : tables.soundSlots)
    sounds += sound.sIsUsed == kSoundOccupied;
  for (const ModelSlot& model : tables.modelSlots)
    models += holdsModel(model);
  return countText(sounds, tr("sound"), tr("sounds")) + QStringLiteral(", ") +
         countText(models, tr("model"), tr("models"));
}

QString outcomeText(const EditRequest& request, const EditOutcome& outcome) {
  const QString title = QString::fromStdString(titleOf(request));
  const QString firstLine = QString::fromStdString(outcome.message).section('\n', 0, 0);
  switch (outcome.kind) {
    case EditOutcome::Kind::Done:
      return std::visit(DoneText{outcome}, request);
    case EditOutcome::Kind::Cancelled:
      return tr("Cancelled; nothing was changed");
    case EditOutcome::Kind::NoDatabase:
      return tr("No database is open");
    case EditOutcome::Kind::Refused:
      return tr("%1 refused: %2").arg(title, firstLine);
    case EditOutcome::Kind::Failed:
      return tr("%1 failed: %2").arg(title, firstLine);
  }
  return {};
}

}  // namespace slotsmith
