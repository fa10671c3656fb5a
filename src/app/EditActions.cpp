#include "app/EditActions.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <optional>

#include "app/CompareWindow.h"
#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopLists.h"
#include "app/DuplicatesWindow.h"
#include "app/Reveal.h"
#include "app/SelectionFollower.h"
#include "app/Summaries.h"
#include "app/WindowPlacement.h"
#include "core/SlotNames.h"
#include "ops/DropPreview.h"
#include "ui/BankMap.h"
#include "ui/FindReplaceWindow.h"
#include "ui/ListWindow.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

EditActions::EditActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists,
                         FindReplaceWindow& findReplace, Ui& ui, QObject* parent)
    : QObject(parent),
      session_(session),
      edits_(edits),
      lists_(lists),
      findReplace_(findReplace),
      ui_(ui),
      soundContextualMenu_(new QMenu),
      modelContextualMenu_(new QMenu) {
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    SlotTableView* view = lists_.view(list);
    connect(view, &QWidget::customContextMenuRequested, this,
            [this, list](const QPoint& position) { showContextualMenu(list, position); });
    connect(view, &QAbstractItemView::doubleClicked, this, [this, list](const QModelIndex& index) {
      if (index.flags() & Qt::ItemIsEditable) return;  // the name cell: renamed in place
      list == SlotList::Sounds ? doubleClickedSoundAction(index.row())
                               : doubleClickedUnusedAction(index.row());
    });
  }
  connect(findReplace_.replaceButton(), &QPushButton::clicked, this,
          &EditActions::doFindAndReplace);
  connect(findReplace_.cancelButton(), &QPushButton::clicked, this,
          &EditActions::cancelFindAndReplace);
}

EditActions::~EditActions() {
  delete soundContextualMenu_;
  delete modelContextualMenu_;
}

void EditActions::updateContextualMenu(SlotList list) {
  QMenu* menu = list == SlotList::Sounds ? soundContextualMenu_ : modelContextualMenu_;
  menu->clear();
  const bool sounds = list == SlotList::Sounds;
  const bool selected = lists_.firstSelectedRow(list) >= 0;
  // What applies to the selection, the deletion first. Disabled rather than hidden, so the user
  // sees what a selection would offer.
  const auto add = [&](const QString& title, std::function<void()> handler, bool enabled) {
    menu->addAction(title, this, std::move(handler))->setEnabled(enabled);
  };
  add(
      deleteSelectedTitle(list), [this, list] { doDeleteSelected(list); }, selected);
  menu->addSeparator();
  add(
      tr("Copy to Slot…"), [this, list] { copyOrMoveSelectedTo(list, true); }, selected);
  add(
      tr("Move to Slot…"), [this, list] { copyOrMoveSelectedTo(list, false); }, selected);
  const int current = lists_.view(list)->currentIndex().row();
  add(
      tr("Reveal in File Manager"), [this, list, current] { reveal(list, current); },
      current >= 0 && session_.root().has_value());
  if (!sounds) {
    menu->addSeparator();
    add(
        tr("Find && Replace Model…"), [this] { showFindAndReplace(); }, selected);
    add(
        tr("Select Sounds Using It"), [this] { selectSoundsUsingSelectedModels(); }, selected);
  } else {
    menu->addSeparator();
    add(
        tr("Compare the Two Sounds…"), [this] { compareSelectedSounds(); },
        twoSelectedSounds().size() == 2);
  }
}

// Selects every sound with a reference (switched on or off) to a selected model, and shows the
// first of them.
void EditActions::selectSoundsUsingSelectedModels() {
  lists_.follower()->selectSoundsOfSelectedModels();
}

void EditActions::showContextualMenu(SlotList list, const QPoint& position) {
  updateContextualMenu(list);
  QMenu* menu = list == SlotList::Sounds ? soundContextualMenu_ : modelContextualMenu_;
  menu->popup(lists_.view(list)->viewport()->mapToGlobal(position));
}

namespace {

// The model to find, from the selected sounds: the first one every one of them plays (a switched
// on reference), else the first the first of them plays; none when they play none.
std::optional<int> modelPlayedBy(const SlotTables& tables, const QList<int>& sounds) {
  const auto played = [&](int row) {
    const SoundSlot& sound = tables.soundSlots[static_cast<size_t>(row)];
    std::vector<int> models;
    if (!holdsSound(sound)) return models;
    if (sound.sModelOn1 > 0 && isModelNumber(sound.sModel1)) models.push_back(sound.sModel1);
    if (sound.sModelOn2 > 0 && isModelNumber(sound.sModel2)) models.push_back(sound.sModel2);
    return models;
  };
  const auto playing =
      std::find_if(sounds.begin(), sounds.end(), [&](int row) { return !played(row).empty(); });
  if (playing == sounds.end()) return std::nullopt;
  const std::vector<int> candidates = played(*playing);
  for (int model : candidates) {
    const bool common = std::all_of(sounds.begin(), sounds.end(), [&](int row) {
      const std::vector<int> its = played(row);
      return !holdsSound(tables.soundSlots[static_cast<size_t>(row)]) ||
             std::find(its.begin(), its.end(), model) != its.end();
    });
    if (common) return model;
  }
  return candidates.front();
}

slotsmith::Bank bankOf(SlotList list) {
  return list == SlotList::Sounds ? slotsmith::Bank::Sounds : slotsmith::Bank::Models;
}

}  // namespace

// Reachable only with a selection, through the menu bar as through the contextual menu. The
// alert offers both answers; whichever the user gives is carried out.
void EditActions::doDeleteSelected(SlotList list) {
  const QList<int> rows = lists_.selectedRows(list);
  if (rows.isEmpty()) return;
  edits_.run(slotsmith::DeleteRequest{.bank = bankOf(list),
                                      .slots = slotsOf(rows),
                                      .removal = slotsmith::Removal::Delete,
                                      .letUserChoose = true});
}

QString EditActions::deleteSelectedTitle(SlotList list) {
  return list == SlotList::Sounds ? tr("Delete/remove selected sounds")
                                  : tr("Delete/remove selected models");
}

void EditActions::doDeleteSelectedSounds() {
  doDeleteSelected(SlotList::Sounds);
}

void EditActions::doDeleteSelectedModels() {
  doDeleteSelected(SlotList::Models);
}

void EditActions::copyOrMoveSelectedTo(SlotList list, bool copy) {
  const int count = static_cast<int>(lists_.selectedRows(list).size());
  if (count == 0) return;
  const bool sounds = list == SlotList::Sounds;
  const QString block = sounds ? tr("%n sound(s)", "", count) : tr("%n model(s)", "", count);
  // The block must fit the bank: it can start at slot 1000 - count at the latest, exactly what
  // the edit accepts.
  const int latest = kSlotCount - count;
  QInputDialog dialog(lists_.view(list)->window());
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setWindowTitle(copy ? tr("Copy %1 to Slot").arg(block) : tr("Move %1 to Slot").arg(block));
  dialog.setIntRange(0, latest);
  dialog.setIntValue(std::min(lists_.firstSelectedRow(list), latest));
  // As a drag does, the dialog says what the edit will do at the slot typed in, from the same
  // preview.
  const QString prompt = tr("First slot of the %1 afterwards (0 to %2):").arg(block).arg(latest);
  const std::vector<int> slots = slotsOf(lists_.selectedRows(list));
  const auto preview = [&](int destination) {
    const BlockPreview told =
        previewBlockEdit(session_.database().tables(), sounds ? Bank::Sounds : Bank::Models, slots,
                         destination, copy ? BlockEditKind::Copy : BlockEditKind::Move);
    dialog.setLabelText(prompt + QStringLiteral("\n\n") + QString::fromStdString(told.text));
  };
  connect(&dialog, &QInputDialog::intValueChanged, &dialog, preview);
  preview(dialog.intValue());
  // The dialog showed what the edit does there; its OK is the one confirmation.
  if (dialog.exec() == QDialog::Accepted) {
    copyOrMoveSelectedTo(list, copy, dialog.intValue(), DesktopEdits::Asked::Already);
  }
}

void EditActions::copyOrMoveSelectedTo(SlotList list, bool copy, int destination,
                                       DesktopEdits::Asked asked) {
  const QList<int> rows = lists_.selectedRows(list);
  if (rows.isEmpty()) return;
  std::vector<int> slots = slotsOf(rows);
  if (copy) {
    edits_.run(CopyRequest{bankOf(list), std::move(slots), destination}, nullptr, asked);
  } else {
    edits_.run(MoveRequest{bankOf(list), std::move(slots), destination}, nullptr, asked);
  }
}

void EditActions::arrangeSelected(SlotList list, Arrangement arrangement) {
  const QList<int> rows = lists_.selectedRows(list);
  if (rows.isEmpty()) return;
  const ArrangeRequest request{bankOf(list), slotsOf(rows), arrangement};
  // While the question is asked the rows that will move are tinted and the status bar says how
  // many, as while a drag hovers; the edit plans with the same order.
  const ArrangementPreview preview = previewArrangement(session_.database().tables(), request);
  std::vector<bool> moving(kSlotCount, false);
  for (int slot : preview.movingSlots)
    moving[slot] = true;
  SlotTableView* view = lists_.view(list);
  BankMap* map = list == SlotList::Sounds ? lists_.window().soundMap() : lists_.window().modelMap();
  map->setPreview(moving, {});
  view->setPreviewRows(moving, {});
  lists_.showStatus(QString::fromStdString(preview.text));
  edits_.run(request);
  map->setPreview({}, {});
  view->setPreviewRows({}, {});
}

void EditActions::showFindAndReplace() {
  FindReplaceWindow* window = &findReplace_;
  fillPopups();
  // From a model's menu the model to find is the one selected; from the sounds, the model they
  // play.
  const int model = lists_.firstSelectedRow(SlotList::Models);
  if (model >= 0 && lists_.view(SlotList::Models)->hasFocus()) {
    window->source()->setCurrentIndex(model);
  } else if (const std::optional<int> played = modelPlayedBy(
                 session_.database().tables(), lists_.selectedRows(SlotList::Sounds))) {
    window->source()->setCurrentIndex(*played);
  }
  window->adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
  window->show();
  window->raise();
  window->activateWindow();
}

void EditActions::fillPopups() {
  FindReplaceWindow* window = &findReplace_;
  QStringList titles;
  titles.reserve(slotsmith::kSlotCount);
  const slotsmith::SlotTables& tables = session_.database().tables();
  for (int i = 0; i < slotsmith::kSlotCount; ++i) {
    titles << QStringLiteral("%1 (%2)").arg(i).arg(
        QString::fromLatin1(tables.modelSlots[static_cast<size_t>(i)].sModelName));
  }
  for (QComboBox* popup : {window->source(), window->destination()}) {
    popup->clear();
    popup->addItems(titles);
  }
}

void EditActions::doFindAndReplace() {
  FindReplaceWindow* window = &findReplace_;
  const int find = window->source()->currentIndex();
  const int replacement = window->destination()->currentIndex();
  window->close();
  if (find < 0 || replacement < 0) return;
  // With no sound selected the replacement is made in every sound; the selection is left as it
  // is, so that nothing the user did not choose is selected for the next edit.
  std::vector<int> sounds = slotsOf(lists_.selectedRows(SlotList::Sounds));
  if (sounds.empty()) {
    for (int slot = 0; slot < slotsmith::kSlotCount; ++slot)
      sounds.push_back(slot);
  }
  edits_.run(slotsmith::FindReplaceRequest{find, replacement, std::move(sounds)});
}

void EditActions::cancelFindAndReplace() {
  findReplace_.close();
}

void EditActions::applyNamesFile(SlotList list) {
  const slotsmith::DatabaseRoot& root = session_.root();
  if (!root) return;
  const QString file =
      QFileDialog::getOpenFileName(lists_.view(list)->window(), tr("Apply Names File"),
                                   QFile::decodeName(QByteArray::fromStdString(*root)),
                                   tr("Names files (SoundNames ModelNames *.txt);;All files (*)"));
  if (!file.isEmpty()) applyNamesFile(list, file);
}

void EditActions::applyNamesFile(SlotList list, const QString& file) {
  const std::string title =
      (list == SlotList::Sounds ? tr("Rename sounds") : tr("Rename models")).toStdString();
  QFile in(file);
  std::map<int, std::string> parsed;
  Status read = in.open(QIODevice::ReadOnly)
                    ? parseNamesFile(in.readAll().toStdString(), parsed)
                    : Status::ioError(QFile::encodeName(file).toStdString(),
                                      tr("cannot be read").toStdString());
  if (!read.isOk()) {
    ui_.reportProblem(Ui::Problem::Refused, title,
                      tr("The names file was not applied.").toStdString(), read.message());
    return;
  }
  // A slot the file shows as empty is left alone, as the command line's rename --from does.
  std::erase_if(parsed, [](const auto& entry) { return entry.second == kEmptySlotName; });
  edits_.run(RenameRequest{bankOf(list), std::move(parsed)});
}

// With a model row selected the alert offers to consolidate from it as well as the whole bank.
void EditActions::consolidate() {
  const int first = lists_.firstSelectedRow(SlotList::Models);
  edits_.run(slotsmith::ConsolidateRequest{
      .from = first >= 0 ? std::optional<int>(first) : std::nullopt, .letUserChooseStart = true});
}

void EditActions::showDuplicates() {
  // The groups are found in what is on disk; the lists follow it first, so that the slot numbers
  // the window names are the rows the user sees.
  if (session_.root()) session_.followDiskIfTouched();
  if (!duplicates_) {
    duplicates_ = std::make_unique<DuplicatesWindow>(session_, edits_, lists_, &lists_.window());
  }
  duplicates_->refresh();
  showSideWindow(duplicates_.get(), &lists_.window(), QStringLiteral("duplicatesWindowGeometry"));
}

void EditActions::mergeDuplicateModels() {
  edits_.run(slotsmith::DedupeRequest{.ignoreModelNames = false});
}

QList<int> EditActions::twoSelectedSounds() const {
  const QList<int> rows = lists_.selectedRows(SlotList::Sounds);
  if (rows.size() != 2) return {};
  const slotsmith::SlotTables& tables = session_.database().tables();
  for (int row : rows) {
    if (tables.soundSlots[static_cast<size_t>(row)].sIsUsed != kSoundOccupied) return {};
  }
  return rows;
}

void EditActions::compareSelectedSounds() {
  if (twoSelectedSounds().size() != 2) return;
  // The two rows must still hold the sounds they show, or the names would head other parameters.
  if (!session_.pictureHolds()) return;
  const QList<int> sounds = twoSelectedSounds();
  if (sounds.size() != 2) return;
  if (!compare_) {
    compare_ = std::make_unique<CompareWindow>(session_, edits_, &lists_.window());
  }
  const Status read = compare_->compare(sounds[0], sounds[1]);
  if (!read.isOk()) {
    ui_.reportProblem(Ui::Problem::Refused, tr("Compare sounds").toStdString(),
                      tr("The two sounds were not compared.").toStdString(), read.message());
    return;
  }
  showSideWindow(compare_.get(), &lists_.window(), QStringLiteral("compareWindowGeometry"));
}

void EditActions::updateSoundAndModelFiles() {
  edits_.run(slotsmith::NamesExportRequest{});
}

QString EditActions::revealPathFor(SlotList list, int row) {
  const slotsmith::DatabaseRoot& root = session_.root();
  if (!root || row < 0) return {};
  const std::string path = list == SlotList::Models ? slotsmith::modelNamePath(*root, row)
                                                    : slotsmith::soundScriptPath(*root, row);
  return QFile::decodeName(QByteArray::fromStdString(path));
}

void EditActions::reveal(SlotList list, int row) {
  if (!session_.pictureHolds()) return;
  const QString path = revealPathFor(list, row);
  if (path.isEmpty()) return;
  const QString shown = QDir::toNativeSeparators(path);
  if (revealInFileManager(path)) {
    lists_.showStatus(tr("Asked the file manager to show %1").arg(shown));
    return;
  }
  // Without a file manager the path is still of use: in a terminal, or another program's dialog.
  QGuiApplication::clipboard()->setText(shown);
  lists_.showStatus(
      tr("No file manager is installed to show %1; the path is on the clipboard").arg(shown));
}

void EditActions::doubleClickedUnusedAction(int row) {
  reveal(SlotList::Models, row);
}

void EditActions::doubleClickedSoundAction(int row) {
  reveal(SlotList::Sounds, row);
}

}  // namespace slotsmith
