// Where the desktop application starts and where its parts meet. It builds and wires them at
// start-up (the windows' placement, the splash screen, the drop zone) and hands each job to the
// part that does it:
//
//  - DatabaseSession: opening, recovery, the health line and the watch on the disk; it owns the
//    database and the one picture of it that the lists show;
//  - DesktopUi: the engine's Ui port, shown in alerts, the progress panel and the lists;
//  - DesktopEdits: every edit the windows start (a row drop calls it directly), with the picture's
//    fingerprint and the answers the window already has, and the selection afterwards;
//  - SideWindows: the window of another database or pack to import from.
//
// The accessors below are what the menus, the edit actions and the side windows reach for.
#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

#include "app/Alerts.h"
#include "app/DesktopEdits.h"
#include "app/ListAids.h"
#include "core/Database.h"
#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

struct Interface;
class BackupActions;
class DatabaseSession;
class DesktopUi;
class DropPreviewer;
class ModelListModel;
class OtherDatabase;
class PackActions;
class SelectionFollower;
class SideWindows;
class SlotListModel;
class SlotTableView;
class SoundListModel;

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

  // Runs one edit on the open database (see DesktopEdits::run).
  slotsmith::EditOutcome runEdit(const slotsmith::EditRequest& request,
                                 slotsmith::FileSystem* readingThrough = nullptr,
                                 DesktopEdits::Asked asked = DesktopEdits::Asked::ByMenuOrDrop);

  // Rescans the open database (File > Reload).
  void reload();

  // Looks at the disk before an action that reads the database: true when the lists still show
  // it; otherwise they now do, the user is told, and the action must not go on.
  bool pictureHolds();

  void openOtherDatabase(const QString& folder);
  void showOtherDatabase(const QString& path, std::shared_ptr<slotsmith::FileSystem> view = {});
  OtherDatabase* otherDatabase() const;

  // A short message in the list window's status bar, until the next one.
  void showStatus(const QString& text);

  // The open database's root, none before a database was opened.
  const slotsmith::DatabaseRoot& databaseRoot() const;

  DatabaseSession& session() { return *session_; }
  DesktopEdits& edits() { return *edits_; }
  slotsmith::Database& database();
  slotsmith::Ui& ui();
  Alerts& alerts();
  Interface& interface() { return interface_; }
  // A refusal or a failure of an action that is not an edit, shown as the engine's are.
  void reportProblem(slotsmith::Ui::Problem problem, const std::string& title,
                     const std::string& summary, const std::string& details);
  SlotListModel* listModel(slotsmith::SlotList list) const;
  SlotTableView* listView(slotsmith::SlotList list) const;
  QList<int> selectedRows(slotsmith::SlotList list) const;
  // The lowest selected row of the list, or -1 when none is.
  int firstSelectedRow(slotsmith::SlotList list) const;
  SelectionFollower* selectionFollower() const { return follower_; }
  ListFilter* listFilter(slotsmith::SlotList list) const;
  BankMapBinding* bankMap(slotsmith::SlotList list) const;

  // What a drag over the lists would do, shown while it hovers.
  DropPreviewer* dropPreviewer() const { return previewer_; }

#if defined(SLOTSMITH_PACKS)
  PackActions* packs() const {
    return packs_.get();
  }
  BackupActions* backups() const {
    return backups_.get();
  }
#endif

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void databaseOpened(const QString& folder);
  // An edit ran (or was refused or declined), or the disk was seen changed (an edit made
  // elsewhere): what can be done next may have changed.
  void editFinished();

 private:
  // Shows the lists of the database at path (a folder that passed the database test) and scans.
  void openDatabase(const QString& path);
  void prepareLists();
  // The filter fields, the bank maps and the drop preview of both lists.
  void prepareListAids();
  void showVersion();
  void redrawList(slotsmith::SlotList list);
  void showSelectionCount();

  Interface& interface_;
  std::unique_ptr<DesktopUi> ui_;
  DatabaseSession* session_;
  DesktopEdits* edits_;
  SideWindows* side_;
  SoundListModel* soundModel_;
  ModelListModel* modelModel_;
  SelectionFollower* follower_ = nullptr;
  ListAids aids_;
  DropPreviewer* previewer_ = nullptr;
  QTimer timer_;
  bool placed_ = false;  // the windows were placed, so their geometry is worth saving
#if defined(SLOTSMITH_PACKS)
  std::unique_ptr<PackActions> packs_;
  std::unique_ptr<BackupActions> backups_;
#endif
};

}  // namespace slotsmith
