// The menu bar of both windows: opening a database (dialog and recent list), every edit with a
// shortcut so that none needs a drag or a right click, and the windows. Actions that work on "the
// selected rows" use the list that has the focus in the list window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/RecentDatabases.h"
#include "core/Ui.h"

class QAction;
class QMenu;
class QMainWindow;
class QMenuBar;
class QWidget;

namespace slotsmith {

struct Interface;
class BackupActions;
class DatabaseSession;
class DesktopEdits;
class DesktopLists;
class EditActions;
class PackActions;
class SideWindows;

class AppMenus : public QObject {
  Q_OBJECT

 public:
  // What the menus work with. Opening a database folder is the application's own job (the drop
  // zone shows it too), so it comes as a function; the packs are absent where they are not built.
  struct Parts {
    Interface& interface;
    DatabaseSession& session;
    DesktopEdits& edits;
    Ui& ui;
    DesktopLists& lists;
    SideWindows& sideWindows;
    EditActions& actions;
    std::function<void(const QString&)> openDatabaseFolder;
    PackActions* packs = nullptr;
    BackupActions* backups = nullptr;
    // Shows the Library window, and there the sound of a slot of the open database; empty where
    // the library is not built.
    std::function<void()> showLibrary = {};
    std::function<void(int slot)> showInLibrary = {};
    std::function<void(const QList<int>& slots)> favouriteInLibrary = {};
    std::function<void(const QList<int>& slots)> tagInLibrary = {};
    // Shows Preferences; empty while there is nothing to prefer (no library).
    std::function<void()> showPreferences = {};
  };
  explicit AppMenus(Parts parts, QObject* parent = nullptr);
  ~AppMenus() override;

  void installIn(QMenuBar* menuBar);
  // A toolbar of the main actions (open, undo, redo, find, the library) at the window's top.
  void installToolBarIn(QMainWindow* window);
  void chooseDatabaseFolder();

  // Enables each action exactly when it can run: with a database open, with rows selected in
  // the list it works on, with a model list to consolidate. Called whenever that may change.
  void updateActions();
  // The action with this object name ("consolidate", "deleteSelected", ...), for tests.
  QAction* action(const QString& name) const;

  void showAbout();
  // The keyboard page and the user guide, each a window of its own beside the lists.
  void showGuide();
  void showUserGuide();
  void showHealthCheck();

  // Reads which edits can be undone and redone, for the Edit menu's texts ("Undo Move sounds").
  void refreshHistory();

 private:
  // What an action needs before it can run.
  enum class Needs {
    Nothing,
    Database,
    Selection,
    SoundSelection,
    ModelSelection,
    CurrentRow,
    TwoSounds,  // exactly two sound rows selected, both holding a sound
  };
  QMenu* makeFileMenu();
  QMenu* makeEditMenu();
  QMenu* makeBankMenu(slotsmith::SlotList list);
  QMenu* makeViewMenu();
  QMenu* makeWindowMenu();
  QMenu* makeHelpMenu();
  void rebuildRecentMenu();
  // Adds Rename (and, for sounds, Export as Pack) to the lists' contextual menus.
  void extendContextualMenus();
  // Shows the list window and puts the focus in the list's filter field, its text selected.
  void focusFilter(slotsmith::SlotList list);
  // The list the user works in: the focused one, else the sound list.
  slotsmith::SlotList focusedList() const;
  QAction* add(QMenu* menu, const QString& name, const QString& title, const QKeySequence& shortcut,
               Needs needs, std::function<void()> handler);
  bool canRun(Needs needs) const;

  Parts parts_;
  EditActions& edits_;
  RecentDatabases recent_;
  QList<QMenu*> menus_;
  QMenu* recentMenu_ = nullptr;
  QMenu* soundArrangeMenu_ = nullptr;  // Sounds > Arrange, also in the sound list's own menu
  QMenu* modelArrangeMenu_ = nullptr;
  QList<QPair<QAction*, Needs>> guarded_;
  QAction* deleteSelected_ = nullptr;  // Edit > Delete, named for the focused list
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QString undoTitle_;
  QString redoTitle_;
  // Made when first shown; the list window owns them.
  QPointer<QWidget> keyboardGuide_;
  QPointer<QWidget> userGuide_;
};

}  // namespace slotsmith
