// The one object that holds the database state for the whole run and where every user action
// enters the program's logic. It owns the database root and the database (the two slot tables),
// implements the Ui port with the real windows, wires the windows at start-up, shows the splash
// screen, and routes the notifications: a folder dropped on the drop zone, and the four row
// drops that copy or move slots. Every edit leaves here as a request to the engine (runEdit).
#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

#include "app/Alerts.h"
#include "app/DesktopQuestions.h"
#include "app/ListAids.h"
#include "core/Database.h"
#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

struct Interface;
class BackupActions;
class DropPreviewer;
class ModelListModel;
class OtherDatabase;
class PackActions;
class SelectionFollower;
class SlotListModel;
class SlotTableView;
class SoundListModel;

class AppController : public QObject, public slotsmith::Ui {
  Q_OBJECT

 public:
  explicit AppController(Interface& interface, QObject* parent = nullptr);
  ~AppController() override;

  // The start-up sequence: notifications, lists, version, empty tables, splash screen.
  void awakeFromNib();

  void doSplashScreen();
  void removeSplashScreen();
  const QTimer& splashTimer() const { return timer_; }

  // The drop zone announced a new database root: show it, bring the lists up, scan.
  void folderWasDropped(QObject* dropZone);
  void showListWindow();

  // Opens a folder chosen in a dialog or given on the command line: the same test as a drop, and
  // the database opens at once. Tells the user when the folder is not a database.
  void openDatabaseFolder(const QString& folder);

  // A drop between rows of a list: posts the copy or move with the rows and the target row. A
  // drop travels as a notification, as the drop zone's folder does, because that is how the
  // program's own description has the windows talk to the controller; the menus and dialogs
  // build their requests directly.
  void acceptDrop(slotsmith::SlotList list, const QList<int>& rows, int row, Qt::DropAction action);

  // Runs one edit on the open database (see ops/Edits.h); the selection and the status bar
  // follow its outcome. With readingThrough, the edit sees the disk through that view: a pack or
  // a backup shown read only at its file's path, from which the edit copies.
  slotsmith::EditOutcome runEdit(const slotsmith::EditRequest& request,
                                 slotsmith::FileSystem* readingThrough = nullptr);

  // Rescans the open database (File > Reload).
  void reload();

  // Opens another database read only in a window of its own, from which sounds are dragged into
  // the sound list to be imported. Tells the user when the folder is not a database. Where packs
  // are built, a sound pack file opens the same way.
  void openOtherDatabase(const QString& folder);
  // The window of another database at path, read through view when one is given (a pack); the
  // path must hold a database as the view shows it.
  void showOtherDatabase(const QString& path, std::shared_ptr<slotsmith::FileSystem> view = {});
  OtherDatabase* otherDatabase() const { return other_.get(); }

  // A short message in the list window's status bar, until the next one.
  void showStatus(const QString& text);

  // The open database's root, none before a database was opened.
  const slotsmith::DatabaseRoot& databaseRoot() const { return database_.root(); }

  slotsmith::Database& database() { return database_; }
  Alerts& alerts() { return alerts_; }
  Interface& interface() { return interface_; }
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

  // The Ui port.
  void setDropDisabled() override;
  void setDropEnabled() override;
  void openProgress() override;
  void setProgressText(const std::string& text) override;
  void setProgressMaximum(int maximum) override;
  void setProgressPosition(int position) override;
  void closeProgress() override;
  int ask(const slotsmith::Question& question) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  void reportProblem(Problem problem, const std::string& title, const std::string& summary,
                     const std::string& details) override;
  void redrawList(slotsmith::SlotList list) override;

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void databaseOpened(const QString& folder);
  // An edit ran (or was refused or declined): what can be done next may have changed.
  void editFinished();

 private:
  void registerNotifications();
  // Shows the lists of the database at path (a folder that passed the database test) and scans.
  void openDatabase(const QString& path);
  void prepareLists();
  // The filter fields, the bank maps and the drop preview of both lists.
  void prepareListAids();
  void showVersion();
  void runRowDrop(const QVariantMap& drop, slotsmith::SlotList list, bool copy);
  // Runs the edit on the database seen through view (runEdit's readingThrough).
  EditOutcome runEditReading(FileSystem& view, const EditRequest& request);
  // Rescans; whether the tables differ from what the lists showed.
  bool changedOnDisk();
  void followOutcome(const EditRequest& request, const EditOutcome& outcome);
  void selectBlock(SlotList list, int first, int count);
  void selectSlots(SlotList list, const std::vector<int>& slots);
  void clearSelection(SlotList list);
  void showSelectionCount();

  Interface& interface_;
  Alerts alerts_;
  DesktopQuestions questions_;
  slotsmith::Database database_;
  SoundListModel* soundModel_;
  ModelListModel* modelModel_;
  SelectionFollower* follower_ = nullptr;
  ListAids aids_;
  DropPreviewer* previewer_ = nullptr;
  QTimer timer_;
  bool placed_ = false;  // the windows were placed, so their geometry is worth saving
  std::unique_ptr<OtherDatabase> other_;
#if defined(SLOTSMITH_PACKS)
  std::unique_ptr<PackActions> packs_;
  std::unique_ptr<BackupActions> backups_;
#endif
};

}  // namespace slotsmith
