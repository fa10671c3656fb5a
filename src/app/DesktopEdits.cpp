#include "app/DesktopEdits.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <algorithm>
#include <optional>
#include <set>
#include <variant>

#include "app/DatabaseSession.h"
#include "app/DesktopQuestions.h"
#include "app/DesktopUi.h"
#include "app/ListRows.h"
#include "app/Summaries.h"
#include "ops/Journal.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"

namespace slotsmith {

namespace {

SlotList listOf(Bank bank) {
  return bank == Bank::Sounds ? SlotList::Sounds : SlotList::Models;
}

// The history entry a step of undo or redo acted on: its folders are in every change it made.
std::optional<int> entryOfStep(const EditPlan& plan) {
  const std::string marker = "/.slotsmith/history/";
  for (const Change& change : plan.changes) {
    for (const std::string* path : {&change.from, &change.to}) {
      const size_t at = path->find(marker);
      if (at == std::string::npos) continue;
      const size_t start = at + marker.size();
      const std::string name = path->substr(start, path->find('/', start) - start);
      if (const std::optional<int> entry = entryNumberFromName(name)) return entry;
    }
  }
  return std::nullopt;
}

// The newest entry of the history: the one the edit just made.
std::optional<int> newestEntry(FileSystem& fs, const std::string& root) {
  std::vector<std::string> names;
  if (!fs.listFolder(historyFolderPath(root), names).isOk()) return std::nullopt;
  std::optional<int> newest;
  for (const std::string& name : names) {
    if (const std::optional<int> entry = entryNumberFromName(name)) {
      newest = std::max(newest.value_or(0), *entry);
    }
  }
  return newest;
}

std::vector<int> distinctSlots(const std::vector<int>& slots) {
  std::set<int> distinct;
  for (int slot : slots) {
    if (slot >= 0 && slot < kSlotCount) distinct.insert(slot);
  }
  return {distinct.begin(), distinct.end()};
}

}  // namespace

DesktopEdits::DesktopEdits(Interface& interface, DesktopUi& ui, DatabaseSession& session,
                           std::function<void(QString)> status, QObject* parent)
    : QObject(parent),
      interface_(interface),
      ui_(ui),
      session_(session),
      status_(std::move(status)) {}

void DesktopEdits::runRowDrop(SlotList list, const QList<int>& rows, int row,
                              Qt::DropAction action) {
  const Bank bank = list == SlotList::Sounds ? Bank::Sounds : Bank::Models;
  std::vector<int> slots(rows.begin(), rows.end());
  if (action == Qt::CopyAction) {
    run(CopyRequest{bank, std::move(slots), row});
  } else {
    run(MoveRequest{bank, std::move(slots), row});
  }
}

EditOutcome DesktopEdits::run(const EditRequest& request, FileSystem* readingThrough, Asked asked) {
  // A dropped folder is announced a second after the drop; until then the lists still show the
  // old database, and no edit may start from them.
  if (interface_.mainWindow->dropSpaceView()->notificationPending()) {
    status_(tr("A new database is being opened; nothing was changed."));
    return EditOutcome::cancelled();
  }
  // A folder that is gone would read as an empty bank and refuse with a system message about the
  // history; the user is told what happened instead, and nothing is tried. One that has just come
  // back is shown as it is, and the rows chosen before still carry the picture they were chosen
  // from.
  const std::uint64_t chosenFrom = session_.picture();
  if (!session_.stillThere()) {
    const QString gone = session_.goneText();
    status_(gone);
    Q_EMIT finished();
    return EditOutcome::refused(gone.toStdString());
  }
  Database& database = session_.database();
  EditOptions options;
  if (database.root()) options.picture = chosenFrom;
  const bool step =
      std::holds_alternative<UndoRequest>(request) || std::holds_alternative<RedoRequest>(request);
  options.confirmed = step || asked == Asked::Already;
  const LeavingNote leaving = leavingNoteFor(request, database.tables());
  options.leavingNote = leaving.text.toStdString();
  options.leavingSlots = leaving.slots;

  EditOutcome outcome;
  {
    // The edit's scans each ask for a redraw; the lists are drawn once, from its last.
    DesktopUi::HeldRedraws held(ui_);
    outcome = readingThrough == nullptr ? runEdit(database, request, options)
                                        : runReading(*readingThrough, request, options);
  }
  if (outcome.stale) {
    // The rows the user chose meant what the lists showed; the lists now show the disk, with the
    // selection on the same sounds where they still are.
    session_.takeTables(true);
    status_(QString::fromStdString(outcome.message));
    Q_EMIT finished();
    return outcome;
  }
  session_.takeTables(false);
  followOutcome(request, outcome, step ? entryOfStep(outcome.plan).value_or(-1) : -1);
  QString told = outcomeText(request, outcome, database.root().value_or(std::string()));
  if (outcome.isDone() && outcome.plan.occupiedSlotsLeavingBank > 0) {
    // The user agreed to it, but folders the synthesizer no longer sees are easily forgotten.
    told += QStringLiteral(" ") +
            tr("%1 now lie in folders past slot 999, where the synthesizer does not see them: "
               "File ▸ Check Database Health lists them.")
                .arg(tr("%n occupied slot(s)", "", outcome.plan.occupiedSlotsLeavingBank));
  }
  status_(told);
  Q_EMIT finished();
  return outcome;
}

EditOutcome DesktopEdits::runReading(FileSystem& view, const EditRequest& request,
                                     const EditOptions& options) {
  // The database is the same folder, seen through the view for this one edit; the tables its
  // scans leave are the lists' own afterwards.
  Database& database = session_.database();
  Database through(ui_, view);
  through.setRoot(database.root());
  through.tables() = database.tables();
  EditOutcome outcome = runEdit(through, request, options);
  database.tables() = through.tables();
  ui_.redrawList(SlotList::Sounds);
  ui_.redrawList(SlotList::Models);
  return outcome;
}

void DesktopEdits::followOutcome(const EditRequest& request, const EditOutcome& outcome,
                                 int steppedEntry) {
  if (!outcome.isDone()) return;
  const std::string root = session_.root().value_or(std::string());
  // After a copy or a move the selection is the block at its new place, so that the next edit
  // acts on the slots the user just placed; an undo puts it back where it came from.
  const auto placeBlock = [&](Bank bank, const std::vector<int>& slots, int destination) {
    const std::vector<int> from = distinctSlots(slots);
    const int count = static_cast<int>(from.size());
    selectBlock(listOf(bank), destination, count);
    std::vector<int> to;
    for (int slot = destination; slot < std::min(destination + count, kSlotCount); ++slot)
      to.push_back(slot);
    if (std::optional<int> entry = newestEntry(session_.database().fileSystem(), root)) {
      placed_[*entry] = {listOf(bank), from, to};
    }
  };
  if (const auto* copy = std::get_if<CopyRequest>(&request)) {
    placeBlock(copy->bank, copy->slots, copy->destination);
  } else if (const auto* move = std::get_if<MoveRequest>(&request)) {
    placeBlock(move->bank, move->slots, move->destination);
  } else if (const auto* arranged = std::get_if<ArrangeRequest>(&request)) {
    // The arranged block stays selected, for the next sort; undo and redo select it too.
    const std::vector<int> slots = distinctSlots(arranged->slots);
    selectSlots(listOf(arranged->bank), slots);
    if (std::optional<int> entry = newestEntry(session_.database().fileSystem(), root);
        entry && !outcome.plan.changes.empty()) {
      placed_[*entry] = {listOf(arranged->bank), slots, slots};
    }
  } else if (const auto* removal = std::get_if<DeleteRequest>(&request)) {
    // Nothing is left to select; the keyboard goes on from the first slot the edit touched.
    const SlotList list = listOf(removal->bank);
    clearSelection(list);
    const std::vector<int> slots = distinctSlots(removal->slots);
    if (!slots.empty()) {
      view(list)->selectionModel()->setCurrentIndex(view(list)->model()->index(slots.front(), 0),
                                                    QItemSelectionModel::NoUpdate);
    }
  } else if (std::holds_alternative<UndoRequest>(request) ||
             std::holds_alternative<RedoRequest>(request)) {
    const bool undo = std::holds_alternative<UndoRequest>(request);
    const auto block = placed_.find(steppedEntry);
    if (block != placed_.end()) {
      selectSlots(block->second.list, undo ? block->second.from : block->second.to);
      return;
    }
    // An edit of another run or program: in a bank whose slots moved, the rows selected before
    // mean nothing now; the slots put back do. A bank the step did not touch keeps its selection.
    const RestoredSlots restored = restoredSlots(outcome.plan, root);
    if (!restored.sounds.empty()) selectSlots(SlotList::Sounds, restored.sounds);
    if (!restored.models.empty()) selectSlots(SlotList::Models, restored.models);
  }
}

SlotTableView* DesktopEdits::view(SlotList list) const {
  return listView(*interface_.listWindow, list);
}

void DesktopEdits::selectSlots(SlotList list, const std::vector<int>& slots) {
  if (slots.empty()) return clearSelection(list);
  SlotTableView* shown = view(list);
  QAbstractItemModel* model = shown->model();
  QItemSelection selection;
  for (int slot : slots) {
    selection.select(model->index(slot, 0), model->index(slot, model->columnCount() - 1));
  }
  shown->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  shown->selectionModel()->setCurrentIndex(model->index(slots.front(), 0),
                                           QItemSelectionModel::NoUpdate);
  shown->scrollTo(model->index(slots.front(), 0));
}

void DesktopEdits::selectBlock(SlotList list, int first, int count) {
  SlotTableView* shown = view(list);
  QAbstractItemModel* model = shown->model();
  const int last = std::min(first + count, kSlotCount) - 1;
  if (count <= 0 || first < 0 || last < first) return clearSelection(list);
  const QItemSelection block(model->index(first, 0), model->index(last, model->columnCount() - 1));
  shown->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
  shown->selectionModel()->setCurrentIndex(model->index(first, 0), QItemSelectionModel::NoUpdate);
  shown->scrollTo(model->index(first, 0));
}

void DesktopEdits::clearSelection(SlotList list) {
  QItemSelectionModel* selection = view(list)->selectionModel();
  selection->clearSelection();
  selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

}  // namespace slotsmith
