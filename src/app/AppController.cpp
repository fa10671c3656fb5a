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
#include "app/DesktopLists.h"
#include "app/DesktopUi.h"
#include "app/DropPreviewer.h"
#include "app/NameEditor.h"
#include "app/OtherDatabase.h"
#include "app/SideWindows.h"
#include "app/SlotListModel.h"
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
#if defined(SLOTSMITH_SOUND_LIBRARY)
#include "app/Preferences.h"
#include "app/library/LibraryActions.h"
#endif

namespace slotsmith {

namespace {

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
      lists_(new DesktopLists(*interface.listWindow, session_->database().tables(), this)) {
  connect(session_, &DatabaseSession::opened, this, &AppController::databaseOpened);
  lists_->markOddScriptsOf(session_->database());
  lists_->previewer()->setDragComing([this] { session_->followDiskIfTouched(); });
#if defined(SLOTSMITH_PACKS)
  packs_ = std::make_unique<PackActions>(*session_, *edits_, *lists_, *ui_, *side_);
  backups_ = std::make_unique<BackupActions>(*session_, *edits_, *lists_, *ui_);
  side_->setPackOpener([this](const QString& path) {
    if (!namesAFile(QFile::encodeName(path).toStdString())) return false;
    packs_->openAsOtherDatabase(path);
    return true;
  });
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
  library_ = std::make_unique<LibraryActions>(
      *session_, *edits_, [this](const QString& folder) { openDatabaseFolder(folder); },
      [this](const QString& text) {
        interface_.mainWindow->statusBar()->showMessage(printable(text));
        showStatus(text);
      },
      [this](std::vector<bool> slots) { lists_->markAtRisk(std::move(slots)); },
      interface_.listWindow.get());
#endif
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
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    lists_->model(list)->setDropHandler(
        [this, list](const QList<int>& rows, int row, Qt::DropAction action) {
          acceptDrop(list, rows, row, action);
        });
    if (list == SlotList::Sounds) {
      lists_->model(list)->setImportHandler([this](const QByteArray& source, const QList<int>& rows,
                                                   int row) {
        // A database shown from a file (a pack) is read through the view that shows it, and
        // what comes from a file never pushes the user's sounds out of the bank.
        const OtherDatabase* other = side_->otherDatabase();
        FileSystem* view =
            other && QFile::encodeName(other->folder()) == source ? other->view() : nullptr;
        edits_->run(
            ImportSoundsRequest{source.toStdString(), std::vector<int>(rows.begin(), rows.end()),
                                row, view != nullptr},
            view);
      });
#if defined(SLOTSMITH_SOUND_LIBRARY)
      lists_->model(list)->setLibraryHandler([this](const std::vector<std::string>& ids, int row) {
        library_->placeSounds(ids, row);
      });
#endif
    }
    lists_->view(list)->setItemDelegateForColumn(
        lists_->model(list)->columnOf(list == SlotList::Sounds ? QStringLiteral("soundName")
                                                               : QStringLiteral("modelName")),
        new NameEditor(list == SlotList::Sounds ? Bank::Sounds : Bank::Models, this));
    lists_->model(list)->setRenameHandler([this, list](int row, const QString& name) {
      const Bank bank = list == SlotList::Sounds ? Bank::Sounds : Bank::Models;
      // Names are bytes; the engine refuses anything but printable ASCII, with the reason. The
      // name typed in place is the user's confirmation: undo takes it back.
      edits_->run(RenameRequest{bank, {{row, name.toUtf8().toStdString()}}}, nullptr,
                  DesktopEdits::Asked::Already);
    });
  }
  lists_->prepareAids();
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
  lists_->showWindow();
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
    ui_->alerts().showMessage(
        tr("Database not found"), tr("OK"),
        tr("The folder \"%1\" no longer exists. It may have been moved, renamed "
           "or deleted, or its disk is not connected.")
            .arg(QDir::toNativeSeparators(absolute)));
    return;
  }
  if (!isValidDatabase(QFile::encodeName(absolute).toStdString())) {
    ui_->alerts().showMessage(tr("Not a Neuron database"), tr("OK"),
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

AppMenus::Parts AppController::menuParts(EditActions& actions) {
  AppMenus::Parts parts{
      .interface = interface_,
      .session = *session_,
      .edits = *edits_,
      .ui = *ui_,
      .lists = *lists_,
      .sideWindows = *side_,
      .actions = actions,
      .openDatabaseFolder = [this](const QString& folder) { openDatabaseFolder(folder); }};
#if defined(SLOTSMITH_PACKS)
  parts.packs = packs_.get();
  parts.backups = backups_.get();
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
  parts.showLibrary = [this] { library_->showWindow(); };
  parts.showInLibrary = [this](int slot) { library_->showInLibrary(slot); };
  parts.favouriteInLibrary = [this](const QList<int>& slots) {
    library_->favouriteInLibrary(slots);
  };
  parts.tagInLibrary = [this](const QList<int>& slots) { library_->tagInLibrary(slots); };
#endif
  parts.showPreferences = [this] { showPreferences(interface_.listWindow.get()); };
  return parts;
}

void AppController::showStatus(const QString& text) {
  lists_->showStatus(text);
}

void AppController::openOtherDatabase(const QString& folder) {
  side_->openOtherDatabase(folder);
}

void AppController::reload() {
  session_->reload();
}

void AppController::redrawList(SlotList list) {
  const SlotTables& tables = session_->database().tables();
  lists_->model(list)->redraw();
  ListWindow& lists = *interface_.listWindow;
  if (list == SlotList::Sounds) {
    lists.soundSummary()->setText(soundSummaryText(tables));
  } else {
    lists.modelSummary()->setText(modelSummaryText(tables));
  }
  lists.showCounts(countsText(tables));
}

}  // namespace slotsmith
