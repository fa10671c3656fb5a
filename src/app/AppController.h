// Where the desktop application starts and where its parts meet. It builds and wires them at
// start-up (the windows' placement, the splash screen, the drop zone) and hands each job to the
// part that does it:
//
//  - DatabaseSession: opening, recovery, the health line and the watch on the disk; it owns the
//    database and the one picture of it that the lists show;
//  - DesktopUi: the engine's Ui port, shown in alerts, the progress panel and the lists;
//  - DesktopEdits: every edit the windows start (a row drop calls it directly), with the picture's
//    fingerprint and the answers the window already has, and the selection afterwards;
//  - DesktopLists: the two lists, their selections, filters, bank maps and the status bar;
//  - SideWindows: the window of another database or pack to import from;
//  - PackActions and BackupActions, where packs are built.
//
// The menus, the edit actions and the windows they open are given the parts they use by whoever
// makes them (main, or a test); nothing below the controller reaches back to it. The parts
// are handed out below for main and the tests, never to a part.
#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

#include "app/AppMenus.h"
#include "app/DesktopEdits.h"
#include "core/Database.h"
#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

struct Interface;
class BackupActions;
class DatabaseSession;
class DesktopLists;
class DesktopUi;
class EditActions;
class LibraryActions;
class PackActions;
class SideWindows;

class AppController : public QObject {
  Q_OBJECT

 public:
  // fs is how the database is read and edited: the real disk, or a test's view of it.
  explicit AppController(Interface& interface, QObject* parent = nullptr,
                         slotsmith::FileSystem& fs = slotsmith::realFileSystem());
  ~AppController() override;

  // The start-up sequence: lists, placement, version, empty tables, splash screen.
  void awakeFromNib();

  void doSplashScreen();
  void removeSplashScreen();
  const QTimer& splashTimer() const { return timer_; }

  // The drop zone announced a new database root: show it, bring the lists up, scan.
  void folderWasDropped(QObject* dropZone);
  void showListWindow();

  // Opens a folder chosen in a dialog or given on the command line: the same test as a drop, and
  // the database opens at once. Tells the user when the folder is not a database, or is gone.
  void openDatabaseFolder(const QString& folder);

  // A drop between rows of a list: the copy or move of the rows to the target row.
  void acceptDrop(slotsmith::SlotList list, const QList<int>& rows, int row, Qt::DropAction action);

  // Rescans the open database (File > Reload).
  void reload();

  void openOtherDatabase(const QString& folder);

  // The parts the controller wires, for whoever builds the menus and the edit actions.
  DatabaseSession& session() const { return *session_; }
  DesktopEdits& edits() const { return *edits_; }
  DesktopLists& lists() const { return *lists_; }
  SideWindows& sideWindows() const { return *side_; }
  DesktopUi& ui() const { return *ui_; }
  Interface& interface() { return interface_; }
  // What the menus work with, beside the edit actions made from the parts above.
  AppMenus::Parts menuParts(EditActions& actions);
#if defined(SLOTSMITH_PACKS)
  PackActions* packs() const {
    return packs_.get();
  }
  BackupActions* backups() const {
    return backups_.get();
  }
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
  LibraryActions* library() const {
    return library_.get();
  }
#endif

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void databaseOpened(const QString& folder);

 private:
  // Shows the lists of the database at path (a folder that passed the database test) and scans.
  void openDatabase(const QString& path);
  void prepareLists();
  void showVersion();
  void redrawList(slotsmith::SlotList list);
  void showStatus(const QString& text);

  Interface& interface_;
  std::unique_ptr<DesktopUi> ui_;
  DatabaseSession* session_;
  DesktopEdits* edits_;
  SideWindows* side_;
  DesktopLists* lists_;
  QTimer timer_;
  bool placed_ = false;  // the windows were placed, so their geometry is worth saving
#if defined(SLOTSMITH_PACKS)
  std::unique_ptr<PackActions> packs_;
  std::unique_ptr<BackupActions> backups_;
#endif
#if defined(SLOTSMITH_SOUND_LIBRARY)
  std::unique_ptr<LibraryActions> library_;
#endif
};

}  // namespace slotsmith
