// The one object that holds the database state for the whole run and where every user action
// enters the program's logic. It owns the database (the two slot tables) and the edit engine,
// implements the Ui port with the real windows, wires the windows at start-up, shows the splash
// screen, and routes the notifications: a folder dropped on the drop zone, and the four row
// drops that copy or move slots.
#pragma once

#include <QList>
#include <QObject>
#include <QTimer>
#include <memory>

#include "Alerts.h"
#include "core/Database.h"
#include "core/Ui.h"
#include "ops/Editor.h"

struct Interface;
class ModelListModel;
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

  // Opens a folder chosen in a dialog or given on the command line: the same test and the same
  // announcement as a drop. Tells the user when the folder is not a database.
  void openDatabaseFolder(const QString& folder);

  // The rows and the target of the last accepted row drop (empty and -1 before the first).
  const QList<int>& indexSet() const { return dragRowIndexes_; }
  void setIndexSet(const QList<int>& rows) { dragRowIndexes_ = rows; }
  int dragDestinationRow() const { return dragDestinationRow_; }

  // A drop between rows of a list: stores rows and target, then posts the copy or move.
  void acceptDrop(slotsmith::SlotList list, const QList<int>& rows, int row, Qt::DropAction action);

  slotsmith::Database& database() { return database_; }
  slotsmith::Editor& editor() { return editor_; }
  Alerts& alerts() { return alerts_; }
  Interface& interface() { return interface_; }
  SlotListModel* listModel(slotsmith::SlotList list) const;
  SlotTableView* listView(slotsmith::SlotList list) const;
  QList<int> selectedRows(slotsmith::SlotList list) const;
  SelectionFollower* selectionFollower() const { return follower_; }

  // The Ui port.
  slotsmith::DatabaseRoot databaseRoot() override;
  void setDropDisabled() override;
  void setDropEnabled() override;
  void openProgress() override;
  void setProgressText(const std::string& text) override;
  void setProgressMaximum(int maximum) override;
  void setProgressPosition(int position) override;
  void closeProgress() override;
  int ask(const std::string& message, const std::string& informative,
          const slotsmith::AlertButtons& buttons) override;
  void showMessage(const std::string& message, const std::string& button,
                   const std::string& informative) override;
  bool isRowSelected(slotsmith::SlotList list, int row) override;
  int firstSelectedRow(slotsmith::SlotList list) override;
  void redrawList(slotsmith::SlotList list) override;

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void databaseOpened(const QString& folder);

 private:
  void registerNotifications();
  void prepareLists();
  void showVersion();
  void runRowDrop(QObject* object, slotsmith::SlotList list, bool copy);

  Interface& interface_;
  Alerts alerts_;
  slotsmith::Database database_;
  slotsmith::Editor editor_;
  SoundListModel* soundModel_;
  ModelListModel* modelModel_;
  SelectionFollower* follower_ = nullptr;
  QTimer timer_;
  int dragDestinationRow_ = -1;
  QList<int> dragRowIndexes_;
};
