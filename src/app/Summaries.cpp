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
  RestoredSlots restored;
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
  QString operator()(const ConsolidateRequest&) const {
    const int removed = static_cast<int>(outcome.countedSlots.size());
    if (removed == 0) return tr("Consolidated the models: no unused model to remove");
    return tr("Consolidated the models: removed %1")
        .arg(countText(removed, tr("unused model"), tr("unused models")));
  }
  // One name: the slot and its new name; several: how many.
  QString operator()(const RenameRequest& request) const {
    const QString title = QString::fromStdString(outcome.plan.title);
    const std::vector<int>& renamed = outcome.countedSlots;
    if (renamed.empty()) return title + tr(": every name is already as given");
    if (renamed.size() > 1) {
      return tr("Renamed %1").arg(bankCount(request.bank, static_cast<int>(renamed.size())));
    }
    const auto name = request.names.find(renamed.front());
    const QString newName =
        name == request.names.end() ? QString() : QString::fromStdString(name->second).trimmed();
    return (request.bank == Bank::Sounds ? tr("Renamed sound %1 to \"%2\"")
                                         : tr("Renamed model %1 to \"%2\""))
        .arg(renamed.front())
        .arg(newName);
  }
  // "Sort sounds by name: done" says nothing of what moved; the count does.
  QString operator()(const ArrangeRequest& request) const {
    if (outcome.plan.changes.empty()) {
      return QString::fromStdString(outcome.plan.title) +
             tr(": the slots are in that order already");
    }
    // The question said how many sounds or models move; the report says the same.
    return QString::fromStdString(outcome.plan.title) +
           tr(": %1 moved to another slot")
               .arg(bankCount(request.bank, static_cast<int>(outcome.countedSlots.size())));
  }
  QString operator()(const NamesExportRequest&) const {
    return tr("Wrote SoundNames and ModelNames");
  }
  // The plan's title is "Undo Move sounds"; the slots are those put back.
  QString operator()(const UndoRequest&) const { return historyStep(tr("Undid"), 5); }
  QString operator()(const RedoRequest&) const { return historyStep(tr("Redid"), 5); }
  QString historyStep(const QString& verb, size_t prefix) const {
    const QString edit = QString::fromStdString(
        outcome.plan.title.substr(std::min(prefix, outcome.plan.title.size())));
    QStringList parts;
    if (!restored.sounds.empty()) {
      parts << countText(static_cast<int>(restored.sounds.size()), tr("sound slot"),
                         tr("sound slots"));
    }
    if (!restored.models.empty()) {
      parts << countText(static_cast<int>(restored.models.size()), tr("model slot"),
                         tr("model slots"));
    }
    if (parts.isEmpty()) return tr("%1 \"%2\"").arg(verb, edit);
    return tr("%1 \"%2\": %3 put back").arg(verb, edit, parts.join(tr(" and ")));
  }
  template <typename Other>
  QString operator()(const Other&) const {
    return QString::fromStdString(outcome.plan.title) + tr(": done");
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
    return tr("This database holds %1 of undo history made elsewhere, left as it is: File ▸ "
              "Check Database Health")
        .arg(countText(static_cast<int>(foreign), tr("entry"), tr("entries")));
  }
  return tr("The health check found %1 in this database: File ▸ Check Database Health")
      .arg(countText(static_cast<int>(damaged), tr("thing"), tr("things")));
}

QString countText(int count, const QString& singular, const QString& plural) {
  return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QString soundSummaryText(const SlotTables& tables) {
  int sounds = 0;
  for (const SoundSlot& sound : tables.soundSlots) {
    if (sound.sIsUsed == kSoundOccupied) ++sounds;
  }
  return tr("%1 in %2 slots").arg(countText(sounds, tr("sound"), tr("sounds"))).arg(kSlotCount);
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
  QString text = tr("%1: %2 in use, %3 in use - disabled, %4 unused")
                     .arg(countText(inUse + disabled + unused, tr("model"), tr("models")))
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

QString selectionCountText(const SlotTables& tables, const QList<int>& soundRows,
                           const QList<int>& modelRows) {
  const auto part = [](int held, int total, const QString& singular, const QString& plural) {
    QString text = held > 0 ? countText(held, singular, plural) : QString();
    if (total > held) {
      const QString empty = countText(total - held, tr("empty slot"), tr("empty slots"));
      text = text.isEmpty() ? empty : tr("%1 and %2").arg(text, empty);
    }
    return text;
  };
  QStringList parts;
  if (!soundRows.isEmpty()) {
    const auto sounds = std::count_if(soundRows.begin(), soundRows.end(), [&](int row) {
      return holdsSound(tables.soundSlots[static_cast<size_t>(row)]);
    });
    parts << part(static_cast<int>(sounds), static_cast<int>(soundRows.size()), tr("sound"),
                  tr("sounds"));
  }
  if (!modelRows.isEmpty()) {
    const auto models = std::count_if(modelRows.begin(), modelRows.end(), [&](int row) {
      return holdsModel(tables.modelSlots[static_cast<size_t>(row)]);
    });
    parts << part(static_cast<int>(models), static_cast<int>(modelRows.size()), tr("model"),
                  tr("models"));
  }
  return parts.isEmpty() ? QString() : tr("Selected: %1").arg(parts.join(QStringLiteral("; ")));
}

QString outcomeText(const EditRequest& request, const EditOutcome& outcome,
                    const std::string& root) {
  const QString title = QString::fromStdString(titleOf(request));
  const QString firstLine = QString::fromStdString(outcome.message).section('\n', 0, 0);
  switch (outcome.kind) {
    case EditOutcome::Kind::Done:
      return std::visit(DoneText{outcome, restoredSlots(outcome.plan, root)}, request);
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
