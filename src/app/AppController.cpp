#include "app/AppController.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <algorithm>
#include <cstring>
#include <set>
#include <variant>

#include "app/DropPreviewer.h"
#include "app/ListAids.h"
#include "app/ModelListModel.h"
#include "app/NameEditor.h"
#include "app/NotificationCenter.h"
#include "app/OtherDatabase.h"
#include "app/SelectionFollower.h"
#include "app/SoundListModel.h"
#include "app/Summaries.h"
#include "app/WindowPlacement.h"
#include "ops/Doctor.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"
#include "ui/myDropSpace.h"
#if defined(SLOTSMITH_PACKS)
#include "app/packs/BackupActions.h"
#include "app/packs/PackActions.h"
#include "packs/Pack.h"
#endif

namespace slotsmith {

namespace {

const QString kFolderWasDropped = QStringLiteral("LUMFolderWasDropped");
const QString kCopySounds = QStringLiteral("LUMCopySounds");
const QString kMoveSounds = QStringLiteral("LUMMoveSounds");
const QString kCopyModels = QStringLiteral("LUMCopyModels");
const QString kMoveModels = QStringLiteral("LUMMoveModels");
// What a row drop's notification carries.
const QString kDropRows = QStringLiteral("rows");
const QString kDropDestination = QStringLiteral("destination");

const QString kSelectionFollowsKey = QStringLiteral("selectionFollows");
const QString kListWindowKey = QStringLiteral("listWindowGeometry");
const QString kMainWindowKey = QStringLiteral("mainWindowGeometry");

constexpr int kSplashMilliseconds = 5000;

QString fromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

AppController::AppController(Interface& interface, QObject* parent)
    : QObject(parent),
      interface_(interface),
      alerts_(interface.listWindow.get()),
      database_(*this),
      soundModel_(new SoundListModel(database_.tables(), this)),
      modelModel_(new ModelListModel(database_.tables(), this)) {
  // A view makes its selection model when it is given a model. The menus and the edit actions
  // follow the selections from the moment they are built, so the views get theirs at once.
  interface_.listWindow->soundList()->setModel(soundModel_);
  interface_.listWindow->unusedList()->setModel(modelModel_);
  for (SlotTableView* view :
       {interface_.listWindow->soundList(), interface_.listWindow->unusedList()})
    view->setElidingColumn(1);
  timer_.setSingleShot(true);
  timer_.setInterval(kSplashMilliseconds);
  connect(&timer_, &QTimer::timeout, this, &AppController::removeSplashScreen);
  connect(interface_.splashScreenWindow.get(), &SplashScreenWindow::clicked, this, [this] {
    timer_.stop();
    removeSplashScreen();
  });
  myDropSpace* zone = interface_.mainWindow->dropSpaceView();
  zone->setDatabaseTest([](const QString& folder) {
    return slotsmith::isValidDatabase(QFile::encodeName(folder).toStdString());
  });
  connect(zone, &myDropSpace::folderWasDropped, this, [](myDropSpace* dropZone) {
    NotificationCenter::defaultCenter().postNotificationName(kFolderWasDropped, dropZone);
  });
  connect(zone, &myDropSpace::folderRefused, this, [this](const QString& folder) {
    const QString text = tr("Not a Neuron database: %1 holds no Sounds/NNN.sound/sound.script and "
                            "no Models/NNN.model/MName")
                             .arg(QDir::toNativeSeparators(folder));
    interface_.mainWindow->statusBar()->showMessage(text);
    showStatus(text);
  });
}

AppController::~AppController() {
  NotificationCenter::defaultCenter().removeObserver(this);
  timer_.stop();
  if (placed_) {
    saveWindowPlacement(interface_.listWindow.get(), kListWindowKey);
    saveWindowPlacement(interface_.mainWindow.get(), kMainWindowKey);
  }
}

void AppController::awakeFromNib() {
  registerNotifications();
  prepareLists();
  placeWindow(interface_.mainWindow.get(), kMainWindowKey);
  placeWindow(interface_.listWindow.get(), kListWindowKey);
  placed_ = true;
  showVersion();
  database_.initSlots();
  doSplashScreen();
}

void AppController::registerNotifications() {
  NotificationCenter& center = NotificationCenter::defaultCenter();
  center.addObserver(this, kFolderWasDropped,
                     [this](QObject* zone, const QVariantMap&) { folderWasDropped(zone); });
  const auto observeDrop = [&](const QString& name, SlotList list, bool copy) {
    center.addObserver(this, name, [this, list, copy](QObject*, const QVariantMap& drop) {
      runRowDrop(drop, list, copy);
    });
  };
  observeDrop(kCopySounds, SlotList::Sounds, true);
  observeDrop(kMoveSounds, SlotList::Sounds, false);
  observeDrop(kCopyModels, SlotList::Models, true);
  observeDrop(kMoveModels, SlotList::Models, false);
}

void AppController::prepareLists() {
  ListWindow& lists = *interface_.listWindow;
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    listModel(list)->setDropHandler(
        [this, list](const QList<int>& rows, int row, Qt::DropAction action) {
          acceptDrop(list, rows, row, action);
        });
    if (list == SlotList::Sounds) {
      listModel(list)->setImportHandler([this](const QByteArray& source, const QList<int>& rows,
                                               int row) {
        // A database shown from a file (a pack) is read through the view that shows it, and
        // what comes from a file never pushes the user's sounds out of the bank.
        FileSystem* view =
            other_ && QFile::encodeName(other_->folder()) == source ? other_->view() : nullptr;
        runEdit(
            ImportSoundsRequest{source.toStdString(), std::vector<int>(rows.begin(), rows.end()),
                                row, view != nullptr},
            view);
      });
    }
    listView(list)->setItemDelegateForColumn(
        listModel(list)->columnOf(list == SlotList::Sounds ? QStringLiteral("soundName")
                                                           : QStringLiteral("modelName")),
        new NameEditor(list == SlotList::Sounds ? Bank::Sounds : Bank::Models, this));
    listModel(list)->setRenameHandler([this, list](int row, const QString& name) {
      const Bank bank = list == SlotList::Sounds ? Bank::Sounds : Bank::Models;
      // Names are bytes; the engine refuses anything but printable ASCII, with the reason.
      runEdit(RenameRequest{bank, {{row, name.toLatin1().toStdString()}}});
    });
  }
  follower_ = new SelectionFollower(database_.tables(), lists.soundList(), lists.unusedList(),
                                    lists.realtimeSearch(), this);
  // The check box is the user's one setting; it keeps its state from one run to the next.
  lists.realtimeSearch()->setChecked(QSettings().value(kSelectionFollowsKey, false).toBool());
  connect(lists.realtimeSearch(), &QCheckBox::toggled, this,
          [](bool checked) { QSettings().setValue(kSelectionFollowsKey, checked); });
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    connect(listView(list)->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AppController::showSelectionCount);
  }
  showSelectionCount();
  prepareListAids();
#if defined(SLOTSMITH_PACKS)
  packs_ = std::make_unique<PackActions>(*this);
  backups_ = std::make_unique<BackupActions>(*this);
#endif
}

void AppController::prepareListAids() {
  aids_ = attachListAids(database_.tables(), *interface_.listWindow, this);
  previewer_ = new DropPreviewer(
      database_.tables(), *interface_.listWindow, [this](const QString& text) { showStatus(text); },
      this);
}

ListFilter* AppController::listFilter(SlotList list) const {
  return aids_.filter(list);
}

BankMapBinding* AppController::bankMap(SlotList list) const {
  return aids_.map(list);
}

void AppController::showVersion() {
  const QString version = QCoreApplication::applicationVersion();
  if (version.isEmpty()) return;
  interface_.mainWindow->versionText()->setText(tr("Version %1").arg(version));
  interface_.splashScreenWindow->versionTextSplash()->setText(tr("Version %1").arg(version));
}

void AppController::doSplashScreen() {
  timer_.stop();
  SplashScreenWindow& splash = *interface_.splashScreenWindow;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = splash.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    splash.move(frame.topLeft());
  }
  splash.setOpacity(0.0f);
  splash.show();
  splash.raise();
  splash.activateWindow();
  splash.fadeIn();
  timer_.start();
}

void AppController::removeSplashScreen() {
  interface_.splashScreenWindow->fadeOut();
  interface_.splashScreenWindow->closeDirectly();
}

void AppController::folderWasDropped(QObject* dropZone) {
  const auto* zone = qobject_cast<myDropSpace*>(dropZone);
  if (zone == nullptr) return;
  openDatabase(zone->path());
}

void AppController::openDatabase(const QString& path) {
  // The folder has been checked (by the drop zone, or by openDatabaseFolder) and the drop zone
  // shows it; from here on the controller holds the root.
  database_.setRoot(slotsmith::databaseRootFromPath(QFile::encodeName(path).toStdString()));
  interface_.mainWindow->pathAsText()->setText(path);
  interface_.listWindow->showDatabasePath(path);
  // Rows chosen in the previous database mean nothing in this one.
  clearSelection(SlotList::Sounds);
  clearSelection(SlotList::Models);
  showListWindow();
  // An edit a crash or a kill left unfinished is finished or rolled back before the lists show
  // the database; the user is told which. While another program edits, the lists show what is
  // on disk and the next edit waits its turn.
  bool editRunning = false;
  const Status recovered = recoverDatabase(database_, &editRunning);
  database_.evaluateNeuronDb();
  if (editRunning) {
    showStatus(tr("Another program is editing %1; the lists show it as it is now")
                   .arg(QDir::toNativeSeparators(path)));
  } else if (!recovered.isOk()) {
    showStatus(tr("An unfinished edit could not be settled: %1")
                   .arg(QString::fromStdString(recovered.message())));
  } else {
    showStatus(tr("Opened %1").arg(QDir::toNativeSeparators(path)));
    // Leftovers (a stale lock, a temporary folder of an interrupted copy) are worth a look
    // before editing, as the command line's list and check say. Looking lists every slot folder,
    // so it runs once the lists are painted.
    QTimer::singleShot(0, this, [this, root = database_.root()] {
      if (!root || database_.root() != root) return;
      const QString line =
          healthLineText(examineDatabase(database_.fileSystem(), *root, database_.tables()));
      if (!line.isEmpty()) showStatus(line);
    });
  }
  Q_EMIT databaseOpened(path);
}

void AppController::showListWindow() {
  ListWindow& lists = *interface_.listWindow;
  lists.show();
  keepWindowOnScreen(&lists);
  lists.raise();
  lists.activateWindow();
}

void AppController::openDatabaseFolder(const QString& folder) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  myDropSpace* zone = interface_.mainWindow->dropSpaceView();
  // While an edit runs no new root may replace the tables under it, whichever way it comes.
  if (!zone->dropEnabled()) {
    showStatus(tr("An edit is running; %1 was not opened").arg(QDir::toNativeSeparators(absolute)));
    return;
  }
  if (!isValidDatabase(QFile::encodeName(absolute).toStdString())) {
    alerts_.showMessage(tr("Not a Neuron database"), tr("OK"),
                        tr("The folder \"%1\" holds no Sounds/NNN.sound/sound.script and no "
                           "Models/NNN.model/MName file.")
                            .arg(QDir::toNativeSeparators(absolute)));
    return;
  }
  // Chosen in a dialog or named on the command line, the folder opens at once; only a drop waits
  // its second (see myDropSpace). The drop zone shows it as it shows a dropped one.
  zone->setPath(absolute);
  openDatabase(absolute);
}

void AppController::acceptDrop(SlotList list, const QList<int>& rows, int row,
                               Qt::DropAction action) {
  const bool copy = action == Qt::CopyAction;
  const QString& name = list == SlotList::Sounds ? (copy ? kCopySounds : kMoveSounds)
                                                 : (copy ? kCopyModels : kMoveModels);
  QVariantList rowList;
  for (int dragged : rows)
    rowList << dragged;
  NotificationCenter::defaultCenter().postNotificationName(
      name, this, {{kDropRows, rowList}, {kDropDestination, row}});
}

void AppController::runRowDrop(const QVariantMap& drop, SlotList list, bool copy) {
  std::vector<int> slots;
  for (const QVariant& row : drop.value(kDropRows).toList())
    slots.push_back(row.toInt());
  const int destination = drop.value(kDropDestination, -1).toInt();
  const slotsmith::Bank bank =
      list == SlotList::Sounds ? slotsmith::Bank::Sounds : slotsmith::Bank::Models;
  if (copy) {
    runEdit(slotsmith::CopyRequest{bank, std::move(slots), destination});
  } else {
    runEdit(slotsmith::MoveRequest{bank, std::move(slots), destination});
  }
}

slotsmith::EditOutcome AppController::runEdit(const slotsmith::EditRequest& request,
                                              FileSystem* readingThrough) {
  // A dropped folder is announced a second after the drop; until then the lists still show the
  // old database, and no edit may start from them.
  if (interface_.mainWindow->dropSpaceView()->notificationPending()) {
    showStatus(tr("A new database is being opened; nothing was changed."));
    return EditOutcome::cancelled();
  }
  // The lists may be stale: another program (the command line, an undo from a terminal) may have
  // changed the database since the last scan. The rows the user chose mean what the lists showed,
  // so a change found now stops the edit, and the lists show the database as it is.
  if (database_.root() && changedOnDisk()) {
    showStatus(
        tr("The database was changed by another program; the lists now show it as it is. "
           "Nothing was edited: check the selection and try again."));
    Q_EMIT editFinished();
    return EditOutcome::cancelled();
  }
  questions_.expect(request, database_.tables());
  const EditOutcome outcome = readingThrough == nullptr ? slotsmith::runEdit(database_, request)
                                                        : runEditReading(*readingThrough, request);
  questions_.clear();
  followOutcome(request, outcome);
  showStatus(outcomeText(request, outcome, database_.root().value_or(std::string())));
  Q_EMIT editFinished();
  return outcome;
}

EditOutcome AppController::runEditReading(FileSystem& view, const EditRequest& request) {
  // The database is the same folder, seen through the view for this one edit; the tables its
  // scans leave are the lists' own afterwards.
  Database through(*this, view);
  through.setRoot(database_.root());
  through.tables() = database_.tables();
  EditOutcome outcome = slotsmith::runEdit(through, request);
  database_.tables() = through.tables();
  redrawList(SlotList::Sounds);
  redrawList(SlotList::Models);
  return outcome;
}

bool AppController::changedOnDisk() {
  const auto before = std::make_unique<SlotTables>(database_.tables());
  database_.evaluateNeuronDb();
  return std::memcmp(before.get(), &database_.tables(), sizeof(SlotTables)) != 0;
}

void AppController::followOutcome(const EditRequest& request, const EditOutcome& outcome) {
  if (!outcome.isDone()) return;
  // After a copy or a move the selection is the block at its new place, so that the next edit
  // acts on the slots the user just placed; after a deletion there is nothing left to select.
  const auto selectNewBlock = [this](Bank bank, const std::vector<int>& slots, int destination) {
    const SlotList list = bank == Bank::Sounds ? SlotList::Sounds : SlotList::Models;
    std::set<int> distinct(slots.begin(), slots.end());
    selectBlock(list, destination, static_cast<int>(distinct.size()));
  };
  if (const auto* copy = std::get_if<CopyRequest>(&request)) {
    selectNewBlock(copy->bank, copy->slots, copy->destination);
  } else if (const auto* move = std::get_if<MoveRequest>(&request)) {
    selectNewBlock(move->bank, move->slots, move->destination);
  } else if (const auto* removal = std::get_if<DeleteRequest>(&request)) {
    clearSelection(removal->bank == Bank::Sounds ? SlotList::Sounds : SlotList::Models);
  } else if (std::holds_alternative<UndoRequest>(request) ||
             std::holds_alternative<RedoRequest>(request)) {
    // In a bank whose slots moved, the rows selected before mean nothing now; the slots put back
    // do. A bank the step did not touch keeps its selection.
    const RestoredSlots restored =
        restoredSlots(outcome.plan, database_.root().value_or(std::string()));
    if (!restored.sounds.empty()) selectSlots(SlotList::Sounds, restored.sounds);
    if (!restored.models.empty()) selectSlots(SlotList::Models, restored.models);
  }
}

void AppController::selectSlots(SlotList list, const std::vector<int>& slots) {
  SlotTableView* view = listView(list);
  QAbstractItemModel* model = view->model();
  QItemSelection selection;
  for (int slot : slots) {
    selection.select(model->index(slot, 0), model->index(slot, model->columnCount() - 1));
  }
  view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  view->selectionModel()->setCurrentIndex(model->index(slots.front(), 0),
                                          QItemSelectionModel::NoUpdate);
  view->scrollTo(model->index(slots.front(), 0));
}

void AppController::selectBlock(SlotList list, int first, int count) {
  SlotTableView* view = listView(list);
  QAbstractItemModel* model = view->model();
  const int last = std::min(first + count, kSlotCount) - 1;
  if (count <= 0 || first < 0 || last < first) return clearSelection(list);
  const QItemSelection block(model->index(first, 0), model->index(last, model->columnCount() - 1));
  view->selectionModel()->select(block, QItemSelectionModel::ClearAndSelect);
  view->selectionModel()->setCurrentIndex(model->index(first, 0), QItemSelectionModel::NoUpdate);
  view->scrollTo(model->index(first, 0));
}

void AppController::clearSelection(SlotList list) {
  QItemSelectionModel* selection = listView(list)->selectionModel();
  selection->clearSelection();
  selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void AppController::showStatus(const QString& text) {
  interface_.listWindow->showStatusMessage(text);
}

void AppController::showSelectionCount() {
  const int sounds = static_cast<int>(selectedRows(SlotList::Sounds).size());
  const int models = static_cast<int>(selectedRows(SlotList::Models).size());
  QStringList parts;
  if (sounds > 0) parts << countText(sounds, tr("sound"), tr("sounds"));
  if (models > 0) parts << countText(models, tr("model"), tr("models"));
  interface_.listWindow->showSelectionCount(
      parts.isEmpty() ? QString() : tr("Selected: %1").arg(parts.join(QStringLiteral(", "))));
}

void AppController::openOtherDatabase(const QString& folder) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
#if defined(SLOTSMITH_PACKS)
  if (looksLikePackFile(QFile::encodeName(absolute).toStdString())) {
    packs_->openAsOtherDatabase(absolute);
    return;
  }
#endif
  if (!isValidDatabase(QFile::encodeName(absolute).toStdString())) {
    alerts_.showProblem(false, tr("Not a Neuron database"),
                        tr("The folder \"%1\" holds no Sounds/NNN.sound/sound.script and no "
                           "Models/NNN.model/MName file.")
                            .arg(QDir::toNativeSeparators(absolute)),
                        {});
    return;
  }
  showOtherDatabase(absolute);
}

void AppController::showOtherDatabase(const QString& absolute, std::shared_ptr<FileSystem> view) {
  other_ = std::make_unique<OtherDatabase>(absolute, std::move(view));
  listView(SlotList::Sounds)->acceptDropsFrom(other_->soundList());
  closeWithKeys(other_->window());
  placeBeside(other_->window(), interface_.listWindow.get());
  other_->window()->show();
  keepWindowOnScreen(other_->window());
  showStatus(tr("Opened %1 read only; drag its sounds into the sound list to import them")
                 .arg(QDir::toNativeSeparators(absolute)));
}

void AppController::reload() {
  if (!database_.root()) return;
  database_.evaluateNeuronDb();
  showStatus(tr("Reloaded from disk"));
}

SlotListModel* AppController::listModel(SlotList list) const {
  if (list == SlotList::Sounds) return soundModel_;
  return modelModel_;
}

SlotTableView* AppController::listView(SlotList list) const {
  return list == SlotList::Sounds ? interface_.listWindow->soundList()
                                  : interface_.listWindow->unusedList();
}

QList<int> AppController::selectedRows(SlotList list) const {
  QList<int> rows;
  for (const QItemSelectionRange& range : listView(list)->selectionModel()->selection()) {
    for (int row = range.top(); row <= range.bottom(); ++row)
      rows << row;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

void AppController::setDropDisabled() {
  interface_.mainWindow->dropSpaceView()->setDropDisabled();
}

void AppController::setDropEnabled() {
  interface_.mainWindow->dropSpaceView()->setDropEnabled();
}

void AppController::openProgress() {
  // The panel belongs to the window the user works in: the lists once they are up.
  ListWindow* lists = interface_.listWindow.get();
  interface_.progressWindow->setParentWindow(lists->isVisible() ? static_cast<QWidget*>(lists)
                                                                : interface_.mainWindow.get());
  interface_.progressWindow->open();
}

void AppController::setProgressText(const std::string& text) {
  interface_.progressWindow->setText(fromUtf8(text));
}

void AppController::setProgressMaximum(int maximum) {
  interface_.progressWindow->setSliderMax(maximum);
}

void AppController::setProgressPosition(int position) {
  interface_.progressWindow->setSlider(position);
}

void AppController::closeProgress() {
  interface_.progressWindow->close();
}

int AppController::ask(const slotsmith::Question& question) {
  Question shown = question;
  if (const std::optional<int> given = questions_.prepare(shown)) return *given;
  const int answer = alerts_.ask(fromUtf8(shown.message), fromUtf8(shown.informative),
                                 shown.buttons, shown.decliningAnswer);
  questions_.answered(shown, answer);
  return answer;
}

void AppController::reportProblem(Problem problem, const std::string& title,
                                  const std::string& summary, const std::string& details) {
  alerts_.showProblem(problem == Problem::Failed, fromUtf8(title), fromUtf8(summary),
                      fromUtf8(details));
}

void AppController::showMessage(const std::string& message, const std::string& button,
                                const std::string& informative) {
  alerts_.showMessage(fromUtf8(message), fromUtf8(button), fromUtf8(informative));
}

int AppController::firstSelectedRow(SlotList list) const {
  int first = -1;
  for (const QItemSelectionRange& range : listView(list)->selectionModel()->selection()) {
    if (first < 0 || range.top() < first) first = range.top();
  }
  return first;
}

void AppController::redrawList(SlotList list) {
  listModel(list)->redraw();
  ListWindow& lists = *interface_.listWindow;
  if (list == SlotList::Sounds) {
    lists.soundSummary()->setText(soundSummaryText(database_.tables()));
  } else {
    lists.modelSummary()->setText(modelSummaryText(database_.tables()));
  }
  lists.showCounts(countsText(database_.tables()));
}

}  // namespace slotsmith
