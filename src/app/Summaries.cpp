#include "app/Summaries.h"

#include "core/DatabasePaths.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cstring>
#include <optional>
#include <set>
#include <variant>

namespace slotsmith {

namespace {

// The texts of this file, under one name for the translators.
class SummaryTexts {
  Q_DECLARE_TR_FUNCTIONS(SummaryTexts)
};

int distinctCount(const std::vector<int>& slots) {
  return static_cast<int>(std::set<int>(slots.begin(), slots.end()).size());
}

QString bankCount(Bank bank, int count) {
  return bank == Bank::Sounds ? SummaryTexts::tr("%n sound(s)", "", count)
                              : SummaryTexts::tr("%n model(s)", "", count);
}

QString modelText(int model) {
  return model < 0 ? SummaryTexts::tr("no model") : SummaryTexts::tr("model %1").arg(model);
}

// The sentence of a carried-out edit.
struct DoneText {
  const EditOutcome& outcome;
  RestoredSlots restored;
  QString operator()(const CopyRequest& request) const {
    return SummaryTexts::tr("Copied %1 to slot %2")
        .arg(bankCount(request.bank, distinctCount(request.slots)))
        .arg(request.destination);
  }
  QString operator()(const MoveRequest& request) const {
    return SummaryTexts::tr("Moved %1 to slot %2")
        .arg(bankCount(request.bank, distinctCount(request.slots)))
        .arg(request.destination);
  }
  QString operator()(const DeleteRequest& request) const {
    const bool removed = outcome.plan.title.rfind("Remove", 0) == 0;
    return (removed ? SummaryTexts::tr("Removed %1") : SummaryTexts::tr("Deleted %1"))
        .arg(bankCount(request.bank, distinctCount(request.slots)));
  }
  QString operator()(const FindReplaceRequest& request) const {
    return SummaryTexts::tr("Replaced %1 of %2 by %3")
        .arg(SummaryTexts::tr("%n reference(s)", "", outcome.occurrences), modelText(request.find),
             modelText(request.replacement));
  }
  QString operator()(const ConsolidateRequest&) const {
    const int removed = static_cast<int>(outcome.countedSlots.size());
    if (removed == 0) return SummaryTexts::tr("Consolidated the models: no unused model to remove");
    return SummaryTexts::tr("Consolidated the models: removed %1")
        .arg(SummaryTexts::tr("%n unused model(s)", "", removed));
  }
  // One name: the slot and its new name; several: how many.
  QString operator()(const RenameRequest& request) const {
    const QString title = QString::fromStdString(outcome.plan.title);
    const std::vector<int>& renamed = outcome.countedSlots;
    if (renamed.empty()) return title + SummaryTexts::tr(": every name is already as given");
    if (renamed.size() > 1) {
      return SummaryTexts::tr("Renamed %1")
          .arg(bankCount(request.bank, static_cast<int>(renamed.size())));
    }
    const auto name = request.names.find(renamed.front());
    const QString newName =
        name == request.names.end() ? QString() : QString::fromStdString(name->second).trimmed();
    return (request.bank == Bank::Sounds ? SummaryTexts::tr("Renamed sound %1 to \"%2\"")
                                         : SummaryTexts::tr("Renamed model %1 to \"%2\""))
        .arg(renamed.front())
        .arg(newName);
  }
  // "Sort sounds by name: done" says nothing of what moved; the count does.
  QString operator()(const ArrangeRequest& request) const {
    if (outcome.plan.changes.empty()) {
      return QString::fromStdString(outcome.plan.title) +
             SummaryTexts::tr(": the slots are in that order already");
    }
    // The question said how many sounds or models move; the report says the same.
    return QString::fromStdString(outcome.plan.title) +
           SummaryTexts::tr(": %1 moved to another slot")
               .arg(bankCount(request.bank, static_cast<int>(outcome.countedSlots.size())));
  }
  QString operator()(const NamesExportRequest&) const {
    return SummaryTexts::tr("Wrote SoundNames and ModelNames");
  }
  // The plan's title is "Undo Move sounds"; the slots are those put back.
  QString operator()(const UndoRequest&) const { return historyStep(SummaryTexts::tr("Undid"), 5); }
  QString operator()(const RedoRequest&) const { return historyStep(SummaryTexts::tr("Redid"), 5); }
  QString historyStep(const QString& verb, size_t prefix) const {
    const QString edit = QString::fromStdString(
        outcome.plan.title.substr(std::min(prefix, outcome.plan.title.size())));
    QStringList parts;
    if (!restored.sounds.empty()) {
      parts << SummaryTexts::tr("%n sound slot(s)", "", static_cast<int>(restored.sounds.size()));
    }
    if (!restored.models.empty()) {
      parts << SummaryTexts::tr("%n model slot(s)", "", static_cast<int>(restored.models.size()));
    }
    if (parts.isEmpty()) return SummaryTexts::tr("%1 \"%2\"").arg(verb, edit);
    return SummaryTexts::tr("%1 \"%2\": %3 put back")
        .arg(verb, edit, parts.join(SummaryTexts::tr(" and ")));
  }
  template <typename Other>
  QString operator()(const Other&) const {
    return QString::fromStdString(outcome.plan.title) + SummaryTexts::tr(": done");
  }
};

// The slot a path relative to the root lies in ("Sounds/012.sound/sound.script": sound 12), and
// whether the path is the slot folder itself; none outside the banks and past slot 999.
struct SlotOfPath {
  Bank bank;
  int slot;
  bool folder;
};
std::optional<SlotOfPath> slotOfPath(std::string_view path) {
  for (Bank bank : {Bank::Sounds, Bank::Models}) {
    const std::string prefix = std::string(bankFolderName(bank)) + "/";
    if (path.substr(0, prefix.size()) != prefix) continue;
    std::string_view rest = path.substr(prefix.size());
    const size_t end = rest.find('/');
    const std::string_view name = rest.substr(0, end);
    const std::string_view extension = slotFolderExtension(bank);
    if (name.size() <= extension.size() ||
        name.substr(name.size() - extension.size()) != extension) {
      return std::nullopt;
    }
    int slot = 0;
    for (char digit : name.substr(0, name.size() - extension.size())) {
      if (digit < '0' || digit > '9') return std::nullopt;
      slot = slot * 10 + (digit - '0');
      if (slot >= kSlotCount) return std::nullopt;
    }
    return SlotOfPath{bank, slot, end == std::string_view::npos};
  }
  return std::nullopt;
}

}  // namespace

RestoredSlots restoredSlots(const EditPlan& plan, const std::string& root) {
  std::set<int> folders[2];
  std::set<int> files[2];
  const std::string prefix = root + "/";
  // A slot a step empties counts as one it puts back too (a slot a restore filled, which its undo
  // empties): the number is the one the step's confirmation gave.
  for (const Change& change : plan.changes) {
    if (change.kind != Change::Kind::Move) continue;
    for (const std::string* path : {&change.to, &change.from}) {
      if (path->rfind(prefix, 0) != 0) continue;
      const auto slot = slotOfPath(std::string_view(*path).substr(prefix.size()));
      if (!slot) continue;
      (slot->folder ? folders : files)[slot->bank == Bank::Sounds ? 0 : 1].insert(slot->slot);
    }
  }
  const bool anyFolder = !folders[0].empty() || !folders[1].empty();
  const std::set<int>* chosen = anyFolder ? folders : files;
  return {{chosen[0].begin(), chosen[0].end()}, {chosen[1].begin(), chosen[1].end()}};
}

bool isDamage(const DoctorFinding& finding) {
  return finding.kind != DoctorFinding::Kind::EmptyModelReference;
}

QString healthLineText(const std::vector<DoctorFinding>& findings) {
  const auto damaged = std::count_if(findings.begin(), findings.end(), isDamage);
  if (damaged == 0) return {};
  // History made elsewhere is never carried out: said first, since it explains why Undo does not
  // offer it, and, while one is unfinished, why edits are refused.
  const auto foreign =
      std::count_if(findings.begin(), findings.end(), [](const DoctorFinding& finding) {
        return finding.kind == DoctorFinding::Kind::ForeignHistory;
      });
  if (foreign > 0) {
    return SummaryTexts::tr(
               "This database holds %1 of undo history made elsewhere, left as it is: File ▸ "
               "Check Database Health")
        .arg(SummaryTexts::tr("%n entr(ies)", "", static_cast<int>(foreign)));
  }
  return SummaryTexts::tr(
             "The health check found %1 in this database: File ▸ Check Database Health")
      .arg(SummaryTexts::tr("%n thing(s)", "", static_cast<int>(damaged)));
}

QString soundSummaryText(const SlotTables& tables) {
  int sounds = 0;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed == kSoundOccupied) ++sounds;
  }
  return SummaryTexts::tr("%1 in %2 slots")
      .arg(SummaryTexts::tr("%n sound(s)", "", sounds))
      .arg(kSlotCount);
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
  QString text = SummaryTexts::tr("%1: %2 in use, %3 in use - disabled, %4 unused")
                     .arg(SummaryTexts::tr("%n model(s)", "", inUse + disabled + unused))
                     .arg(inUse)
                     .arg(disabled)
                     .arg(unused);
  if (emptyButReferred > 0) {
    text += SummaryTexts::tr("; %1 referred to")
                .arg(SummaryTexts::tr("%n empty slot(s)", "", emptyButReferred));
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
  return SummaryTexts::tr("%n sound(s)", "", sounds) + QStringLiteral(", ") +
         SummaryTexts::tr("%n model(s)", "", models);
}

QString selectionCountText(const SlotTables& tables, const QList<int>& soundRows,
                           const QList<int>& modelRows) {
  // The held count's words come whole from the catalogue, with their plural.
  const auto part = [](int held, int total, bool sounds) {
    QString text;
    if (held > 0)
      text = sounds ? SummaryTexts::tr("%n sound(s)", "", held)
                    : SummaryTexts::tr("%n model(s)", "", held);
    if (total > held) {
      const QString empty = SummaryTexts::tr("%n empty slot(s)", "", total - held);
      text = text.isEmpty() ? empty : SummaryTexts::tr("%1 and %2").arg(text, empty);
    }
    return text;
  };
  QStringList parts;
  if (!soundRows.isEmpty()) {
    const auto sounds = std::count_if(soundRows.begin(), soundRows.end(), [&](int row) {
      return holdsSound(tables.soundSlots[static_cast<size_t>(row)]);
    });
    parts << part(static_cast<int>(sounds), static_cast<int>(soundRows.size()), true);
  }
  if (!modelRows.isEmpty()) {
    const auto models = std::count_if(modelRows.begin(), modelRows.end(), [&](int row) {
      return holdsModel(tables.modelSlots[static_cast<size_t>(row)]);
    });
    parts << part(static_cast<int>(models), static_cast<int>(modelRows.size()), false);
  }
  return parts.isEmpty() ? QString()
                         : SummaryTexts::tr("Selected: %1").arg(parts.join(QStringLiteral("; ")));
}

QString outcomeText(const EditRequest& request, const EditOutcome& outcome,
                    const std::string& root) {
  const QString title = QString::fromStdString(titleOf(request));
  const QString firstLine = QString::fromStdString(outcome.message).section('\n', 0, 0);
  switch (outcome.kind) {
    case EditOutcome::Kind::Done:
      return std::visit(DoneText{outcome, restoredSlots(outcome.plan, root)}, request);
    case EditOutcome::Kind::Cancelled:
      return SummaryTexts::tr("Cancelled; nothing was changed");
    case EditOutcome::Kind::NoDatabase:
      return SummaryTexts::tr("No database is open");
    case EditOutcome::Kind::Refused:
      return SummaryTexts::tr("%1 refused: %2").arg(title, firstLine);
    case EditOutcome::Kind::Failed:
      return SummaryTexts::tr("%1 failed: %2").arg(title, firstLine);
  }
  return {};
}

}  // namespace slotsmith
