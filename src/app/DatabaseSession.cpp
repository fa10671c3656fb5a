#include "app/DatabaseSession.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QItemSelectionModel>

#include <algorithm>
#include <cstring>

#include "app/DesktopUi.h"
#include "app/ListRows.h"
#include "app/Summaries.h"
#include "core/DatabaseStamp.h"
#include "ops/Doctor.h"
#include "ops/Edits.h"
#include "ops/Journal.h"
#include "ops/Opening.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

namespace {

// A burst of file events (an edit renames hundreds of folders) settles within this; the lists
// then follow the change well inside the 300 ms a user would call "at once".
constexpr int kSettleMilliseconds = 80;
// While the window is active, a change no watch reports (a sound script rewritten in place) shows
// within this; the look costs a few milliseconds on a full bank when nothing changed.
constexpr int kPollMilliseconds = 500;

// The same sound: what the list shows of it.
bool sameSound(const SoundSlot& a, const SoundSlot& b) {
  return holdsSound(a) && holdsSound(b) && std::strcmp(a.sSoundName, b.sSoundName) == 0 &&
         a.sModel1 == b.sModel1 && a.sModel2 == b.sModel2 && a.sModelOn1 == b.sModelOn1 &&
         a.sModelOn2 == b.sModelOn2;
}

// The folders every edit changes an entry of: the root (the names files), the two banks, the
// program's own folder and the undo history. Watched, and their times are the cheap stamp.
std::array<QString, 5> touchedFolders(const std::string& root) {
  const auto folder = [](const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
  };
  return {folder(root), folder(bankFolderPath(root, Bank::Sounds)),
          folder(bankFolderPath(root, Bank::Models)), folder(slotsmithFolderPath(root)),
          folder(historyFolderPath(root))};
}

bool sameModel(const ModelSlot& a, const ModelSlot& b) {
  return holdsModel(a) && holdsModel(b) && std::strcmp(a.sModelName, b.sModelName) == 0;
}

}  // namespace

DatabaseSession::DatabaseSession(Interface& interface, DesktopUi& ui, FileSystem& fs,
                                 std::function<void(QString)> status, QObject* parent)
    : QObject(parent),
      interface_(interface),
      ui_(ui),
      status_(std::move(status)),
      database_(ui, fs),
      shown_(std::make_unique<SlotTables>()) {
  shown_->initSlots();
  shownPicture_ = pictureOf(*shown_);
  settle_.setSingleShot(true);
  settle_.setInterval(kSettleMilliseconds);
  connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
  connect(&settle_, &QTimer::timeout, this, [this] {
    // An edit of this program is running (its question may be open): its own scan shows the
    // result, and a look now would only race it.
    if (ui_.redrawsHeld()) {
      settle_.start();
      return;
    }
    watch();  // a folder made since (the undo history) is watched from now on
    // The events of this program's own edit end in the stamp it took afterwards.
    followDiskIfTouched();
  });
  // Some disks (network shares, some FUSE file systems) send no events, and a file rewritten in
  // its slot folder changes none of the folders watched: coming back to the window is when the
  // user looks again, so the stamp is looked at then, and twice a second while the window is
  // active. A folder that went is looked for until it is back, active or not.
  interface_.listWindow->installEventFilter(this);
  poll_.setInterval(kPollMilliseconds);
  connect(&poll_, &QTimer::timeout, this, [this] {
    if (gone_ || interface_.listWindow->isActiveWindow()) followDiskIfTouched();
  });
}

bool DatabaseSession::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate) followDiskIfTouched();
  return QObject::eventFilter(watched, event);
}

DatabaseSession::~DatabaseSession() = default;

void DatabaseSession::open(const QString& path) {
  database_.setRoot(databaseRootFromPath(QFile::encodeName(path).toStdString()));
  // An edit a crash or a kill left unfinished is finished or rolled back before the lists show
  // the database; the user is told which. While another program edits, the lists show what is
  // on disk and the next edit waits its turn.
  bool editRunning = false;
  Status recovered;
  gone_ = false;
  {
    // The scan's progress lets events through: a look at the disk meanwhile would scan inside it.
    DesktopUi::HeldRedraws held(ui_);
    recovered = recoverDatabase(database_, &editRunning);
    database_.evaluateNeuronDb();
  }
  takeTables(false);
  watch();
  poll_.start();
  const QString shownPath = QDir::toNativeSeparators(path);
  if (editRunning) {
    status_(tr("Another program is editing %1; the lists show it as it is now").arg(shownPath));
  } else if (!recovered.isOk()) {
    status_(tr("An unfinished edit could not be settled: %1")
                .arg(QString::fromStdString(recovered.message())));
  } else if (!QFileInfo(path).isWritable()) {
    // Said now, not by the first edit's refusal: the user may be about to arrange the whole bank.
    status_(tr("%1 is read only: the lists show it, but no edit can be made until its folder "
               "can be written")
                .arg(shownPath));
  } else {
    status_(tr("Opened %1").arg(shownPath));
    // Leftovers (a stale lock, a temporary folder of an interrupted copy) are worth a look
    // before editing, as the command line's list and check say. Looking lists every slot folder,
    // so it runs once the lists are painted.
    QTimer::singleShot(0, this, [this, root = database_.root()] {
      if (!root || database_.root() != root) return;
      // What the opening scan read is reused: only what it could not tell is looked at again.
      const QString line = healthLineText(examineOpenedDatabase(database_, OpeningRecovery{}));
      if (!line.isEmpty()) status_(line);
    });
  }
  Q_EMIT opened(path);
}

void DatabaseSession::reload() {
  if (!database_.root() || !stillThere()) return;
  {
    DesktopUi::HeldRedraws held(ui_);
    database_.evaluateNeuronDb();
  }
  takeTables(true);
  status_(tr("Reloaded from disk"));
}

void DatabaseSession::watch() {
  if (!database_.root()) return;
  QStringList wanted;
  for (const QString& folder : touchedFolders(*database_.root())) {
    if (QFileInfo(folder).isDir()) wanted << folder;
  }
  const QStringList watched = watcher_.directories();
  for (const QString& folder : watched) {
    if (!wanted.contains(folder)) watcher_.removePath(folder);
  }
  for (const QString& folder : wanted) {
    if (!watched.contains(folder)) watcher_.addPath(folder);
  }
}

DatabaseSession::Stamp DatabaseSession::stampNow() const {
  Stamp stamp;
  if (!database_.root()) return stamp;
  const std::string& root = *database_.root();
  const std::array<QString, 5> folders = touchedFolders(root);
  for (std::size_t i = 0; i < stamp.folders.size(); ++i)
    stamp.folders[i] = QFileInfo(folders[i]).lastModified();
  // One look at each slot's entries, relative to its bank folder opened once (the path is not
  // walked from the root 2000 times), following no link.
  stamp.slots = stampDatabase(database_.fileSystem(), root);
  return stamp;
}

bool DatabaseSession::stillThere() {
  if (!database_.root()) return true;
  if (QFileInfo(touchedFolders(*database_.root())[0]).isDir()) {
    if (gone_) cameBack();
    return true;
  }
  markGone();
  return false;
}

QString DatabaseSession::goneText() const {
  return tr("The database folder %1 is no longer there: the lists show it as it was, and nothing "
            "can be changed until it is back")
      .arg(QDir::toNativeSeparators(touchedFolders(database_.root().value_or(std::string()))[0]));
}

void DatabaseSession::markGone() {
  // Said once: the poll that follows would otherwise say it twice a second over anything newer.
  if (gone_) return;
  gone_ = true;
  status_(goneText());
  interface_.listWindow->showDatabasePath(touchedFolders(*database_.root())[0], true);
}

void DatabaseSession::cameBack() {
  gone_ = false;
  const QString folder = touchedFolders(*database_.root())[0];
  interface_.listWindow->showDatabasePath(folder);
  // A card put back is another mount: the root is anchored anew, and watched anew.
  database_.setRoot(database_.root());
  watch();
  if (!followDisk()) {
    status_(tr("The database folder %1 is back").arg(QDir::toNativeSeparators(folder)));
  }
  Q_EMIT diskChanged();
}

void DatabaseSession::takeTables(bool keep) {
  if (keep) {
    keepSelection(interface_.listWindow->soundList(), true, *shown_);
    keepSelection(interface_.listWindow->unusedList(), false, *shown_);
  }
  *shown_ = database_.tables();
  shownPicture_ = pictureOf(*shown_);
  stamp_ = stampNow();
}

bool DatabaseSession::pictureHolds() {
  if (!database_.root()) return true;
  // The rows were chosen while the folder was gone: it is shown as it is back, and the user
  // chooses again.
  const bool wasGone = gone_;
  if (!stillThere() || wasGone) return false;
  const bool changed = followDisk();
  if (changed) {
    status_(
        tr("The database was changed outside Slotsmith; the lists now show it as it is. "
           "Nothing was done: check the selection and try again."));
  }
  return !changed;
}

void DatabaseSession::followDiskIfTouched() {
  if (!database_.root() || ui_.redrawsHeld()) return;
  // A folder that is gone reads as an empty bank: the last picture stays, and a look waits for it.
  if (!stillThere() || stampNow() == stamp_) return;
  followDisk();
  Q_EMIT diskChanged();
}

bool DatabaseSession::followDisk() {
  if (!database_.root() || !stillThere()) return false;
  bool changed = false;
  {
    DesktopUi::HeldRedraws held(ui_);
    database_.rescanQuietly();
    changed = pictureOf(database_.tables()) != shownPicture_;
    if (!changed) ui_.forgetHeldRedraws();
  }
  if (!changed) {
    stamp_ = stampNow();
    return false;
  }
  takeTables(true);
  status_(tr("The database was changed outside Slotsmith; the lists show it as it is now"));
  Q_EMIT changedOutside();
  return true;
}

void DatabaseSession::keepSelection(SlotTableView* view, bool sounds, const SlotTables& before) {
  QItemSelectionModel* selection = view->selectionModel();
  QAbstractItemModel* model = view->model();
  const SlotTables& now = database_.tables();
  const auto same = [&](int was, int is) {
    return sounds ? sameSound(before.soundSlots[static_cast<size_t>(was)],
                              now.soundSlots[static_cast<size_t>(is)])
                  : sameModel(before.modelSlots[static_cast<size_t>(was)],
                              now.modelSlots[static_cast<size_t>(is)]);
  };
  // Each selected row goes to the nearest slot now holding the same sound or model that no other
  // row took; a row whose slot holds the same thing as before stays.
  std::vector<bool> taken(kSlotCount, false);
  const auto follow = [&](int row) {
    for (int distance = 0; distance < kSlotCount; ++distance) {
      for (int slot : {row - distance, row + distance}) {
        if (slot < 0 || slot >= kSlotCount || taken[static_cast<size_t>(slot)]) continue;
        if (same(row, slot)) {
          taken[static_cast<size_t>(slot)] = true;
          return slot;
        }
      }
    }
    return -1;
  };
  QItemSelection kept;
  const int columns = model->columnCount();
  std::vector<int> rows;
  for (const QItemSelectionRange& range : selection->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows.push_back(row);
  }
  sortAndDeduplicate(rows);
  // Rows whose slot still holds the same thing claim it first.
  std::vector<int> moved;
  const auto emptyBoth = [&](int row) {
    const size_t slot = static_cast<size_t>(row);
    return sounds ? !holdsSound(before.soundSlots[slot]) && !holdsSound(now.soundSlots[slot])
                  : !holdsModel(before.modelSlots[slot]) && !holdsModel(now.modelSlots[slot]);
  };
  for (int row : rows) {
    if (same(row, row) || emptyBoth(row)) {
      taken[static_cast<size_t>(row)] = true;
      kept.select(model->index(row, 0), model->index(row, columns - 1));
    } else {
      moved.push_back(row);
    }
  }
  for (int row : moved) {
    const int slot = follow(row);
    if (slot >= 0) kept.select(model->index(slot, 0), model->index(slot, columns - 1));
  }
  const int current = selection->currentIndex().row();
  selection->select(kept, QItemSelectionModel::ClearAndSelect);
  if (current >= 0 && !kept.isEmpty() && !kept.contains(model->index(current, 0))) {
    selection->setCurrentIndex(kept.indexes().front(), QItemSelectionModel::NoUpdate);
  }
}

}  // namespace slotsmith
