// The menu bar of both windows: opening a database (dialog and recent list), every edit with a
// shortcut so that none needs a drag or a right click, and the windows. Actions that work on "the
// selected rows" use the list that has the focus in the list window.
#pragma once

#include <QObject>
#include <functional>

#include "app/RecentDatabases.h"
#include "core/Ui.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace slotsmith {

class AppController;
class EditActions;

class AppMenus : public QObject {
  Q_OBJECT

 public:
  AppMenus(AppController& controller, EditActions& edits, QObject* parent = nullptr);
  ~AppMenus() override;

  void installIn(QMenuBar* menuBar);
  void chooseDatabaseFolder();

 private:
  QMenu* makeFileMenu();
  QMenu* makeEditMenu();
  QMenu* makeBankMenu(slotsmith::SlotList list);
  QMenu* makeWindowMenu();
  void rebuildRecentMenu();
  // The list the user works in: the focused one, else the sound list.
  slotsmith::SlotList focusedList() const;
  QAction* add(QMenu* menu, const QString& title, const QKeySequence& shortcut,
               std::function<void()> handler);

  AppController& controller_;
  EditActions& edits_;
  RecentDatabases recent_;
  QList<QMenu*> menus_;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace slotsmith
