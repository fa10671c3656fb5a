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

#include "app/Alerts.h"
#include "app/DatabaseSession.h"
#include "app/DesktopUi.h"
#include "app/DropPreviewer.h"
#include "app/ListAids.h"
#include "app/ModelListModel.h"
#include "app/NameEditor.h"
#include "app/OtherDatabase.h"
#include "app/SelectionFollower.h"
#include "app/SideWindows.h"
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

const QString kSelectionFollowsKey = QStringLiteral("selectionFollows");
const QString kListWindowKey = QStringLiteral("listWindowGeometry");
const QString kMainWindowKey = QStringLiteral("mainWindowGeometry");

constexpr int kSplashMilliseconds = 5000;

}  // namespace

AppController::AppController(Interface& interface, QObject* parent, FileSystem& fs)
    : QObject(parent),
      interface_(interface),
      ui_(std::make_unique<DesktopUi>(interface, [this](SlotList list) { redrawList(list); })),
      session_(new DatabaseSession(
          interface, *ui_, fs, [this](const QString& text) { showStatus(text); }, this)),
      edits_(new DesktopEdits(
          interface, *ui_, *session_, [this](const QString& text) { showStatus(text); }, this)),
      side_(new SideWindows(
          interface, ui_->alerts(), [this](const QString& text) { showStatus(text); }, this)),
      soundModel_(new SoundListModel(session_->database().tables(), this)),
      modelModel_(new ModelListModel(session_->database().tables(), this)) {
  connect(session_, &DatabaseSession::opened, this, &AppController::databaseOpened);
  connect(edits_, &DesktopEdits::finished, this, &AppController::editFinished);
  connect(session_, &DatabaseSession::diskChanged, this, &AppController::editFinished);
  // A view makes its selection model when it is given a model. The menus and the edit actions
  // follow the selections from the moment they are built, so the views get theirs at once.
  interface_.listWindow->soundList()->setModel(soundModel_);
  soundModel_->markOddScriptsOf(session_->database());
  interface_.listWindow->unusedList()->setModel(modelModel_);
  // The names give way last: after the sound list's model references (columns 2 and 3).
  interface_.listWindow->soundList()->setElidingColumn(1, {2, 3});
  interface_.listWindow->unusedList()->setElidingColumn(1);
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
  connect(zone, &myDropSpace::folderWasDropped, this,
          [this](myDropSpace* dropZone) { folderWasDropped(dropZone); });
  connect(zone, &myDropSpace::folderRefused, this, [this](const QString& folder) {
    const QString text = tr("Not a Neuron database: %1 holds no Sounds/NNN.sound/sound.script and "
                            "no Models/NNN.model/MName")
                             .arg(QDir::toNativeSeparators(folder));
    interface_.mainWindow->statusBar()->showMessage(printable(text));
    showStatus(text);
  });
}

AppController::~AppController() {
  timer_.stop();
  if (placed_) {
    saveWindowPlacement(interface_.listWindow.get(), kListWindowKey);
    saveWindowPlacement(interface_.mainWindow.get(), kMainWindowKey);
  }
}

void AppController::awakeFromNib() {
  prepareLists();
  placeWindow(interface_.mainWindow.get(), kMainWindowKey);
  placeWindow(interface_.listWindow.get(), kListWindowKey);
  placed_ = true;
  showVersion();
  session_->database().initSlots();
  doSplashScreen();
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
        const OtherDatabase* other = side_->otherDatabase();
        FileSystem* view =
            other && QFile::encodeName(other->folder()) == source ? other->view() : nullptr;
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
      // Names are bytes; the engine refuses anything but printable ASCII, with the reason. The
      // name typed in place is the user's confirmation: undo takes it back.
      runEdit(RenameRequest{bank, {{row, name.toUtf8().toStdString()}}}, nullptr,
              DesktopEdits::Asked::Already);
    });
  }
  follower_ = new SelectionFollower(session_->database().tables(), lists.soundList(),
                                    lists.unusedList(), lists.realtimeSearch(), this);
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
  side_->setPackOpener([this](const QString& path) {
    if (!namesAFile(QFile::encodeName(path).toStdString())) return false;
    packs_->openAsOtherDatabase(path);
    return true;
  });
#endif
}

void AppController::prepareListAids() {
  aids_ = attachListAids(session_->database().tables(), *interface_.listWindow, this);
  previewer_ = new DropPreviewer(
      session_->database().tables(), *interface_.listWindow,
      [this](const QString& text) { showStatus(text); }, this);
  previewer_->setDragComing([this] { session_->followDiskIfTouched(); });
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
  // shows it.
  interface_.mainWindow->pathAsText()->setText(path);
  interface_.listWindow->showDatabasePath(path);
  // Rows chosen in the previous database mean nothing in this one.
  edits_->clearSelection(SlotList::Sounds);
  edits_->clearSelection(SlotList::Models);
  showListWindow();
  session_->open(path);
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
  if (!QFileInfo::exists(absolute)) {
    alerts().showMessage(tr("Database not found"), tr("OK"),
                         tr("The folder \"%1\" no longer exists. It may have been moved, renamed "
                            "or deleted, or its disk is not connected.")
                             .arg(QDir::toNativeSeparators(absolute)));
    return;
  }
  if (!isValidDatabase(QFile::encodeName(absolute).toStdString())) {
    alerts().showMessage(tr("Not a Neuron database"), tr("OK"),
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
  edits_->runRowDrop(list, rows, row, action);
}

EditOutcome AppController::runEdit(const EditRequest& request, FileSystem* readingThrough,
                                   DesktopEdits::Asked asked) {
  return edits_->run(request, readingThrough, asked);
}

bool AppController::pictureHolds() {
  return session_->pictureHolds();
}

void AppController::showStatus(const QString& text) {
  interface_.listWindow->showStatusMessage(printable(text));
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
  side_->openOtherDatabase(folder);
}

void AppController::showOtherDatabase(const QString& path, std::shared_ptr<FileSystem> view) {
  side_->showOtherDatabase(path, std::move(view));
}

OtherDatabase* AppController::otherDatabase() const {
  return side_->otherDatabase();
}

void AppController::reload() {
  session_->reload();
}

const DatabaseRoot& AppController::databaseRoot() const {
  return session_->root();
}

Database& AppController::database() {
  return session_->database();
}

Ui& AppController::ui() {
  return *ui_;
}

Alerts& AppController::alerts() {
  return ui_->alerts();
}

void AppController::reportProblem(Ui::Problem problem, const std::string& title,
                                  const std::string& summary, const std::string& details) {
  ui_->reportProblem(problem, title, summary, details);
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

int AppController::firstSelectedRow(SlotList list) const {
  int first = -1;
  for (const QItemSelectionRange& range : listView(list)->selectionModel()->selection()) {
    if (first < 0 || range.top() < first) first = range.top();
  }
  return first;
}

void AppController::redrawList(SlotList list) {
  const SlotTables& tables = session_->database().tables();
  listModel(list)->redraw();
  ListWindow& lists = *interface_.listWindow;
  if (list == SlotList::Sounds) {
    lists.soundSummary()->setText(soundSummaryText(tables));
  } else {
    lists.modelSummary()->setText(modelSummaryText(tables));
  }
  lists.showCounts(countsText(tables));
}

}  // namespace slotsmith
