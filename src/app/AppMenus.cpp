#include "app/AppMenus.h"

#include <QApplication>
#include <QFileDialog>
#include <QMenu>
#include <QMenuBar>

#include "app/AppController.h"
#include "app/EditActions.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

AppMenus::AppMenus(AppController& controller, EditActions& edits, QObject* parent)
    : QObject(parent), controller_(controller), edits_(edits) {
  menus_ << makeFileMenu() << makeEditMenu() << makeBankMenu(SlotList::Sounds)
         << makeBankMenu(SlotList::Models) << makeWindowMenu();
  connect(&controller_, &AppController::databaseOpened, this,
          [this](const QString& folder) { recent_.add(folder); });
}

AppMenus::~AppMenus() {
  qDeleteAll(menus_);
}

void AppMenus::installIn(QMenuBar* menuBar) {
  for (QMenu* menu : menus_)
    menuBar->addMenu(menu);
}

QAction* AppMenus::add(QMenu* menu, const QString& title, const QKeySequence& shortcut,
                       std::function<void()> handler) {
  QAction* action = menu->addAction(title);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, std::move(handler));
  return action;
}

QMenu* AppMenus::makeFileMenu() {
  auto* menu = new QMenu(tr("&File"));
  add(menu, tr("&Open Database…"), QKeySequence::Open, [this] { chooseDatabaseFolder(); });
  recentMenu_ = menu->addMenu(tr("Open &Recent"));
  connect(recentMenu_, &QMenu::aboutToShow, this, &AppMenus::rebuildRecentMenu);
  menu->addSeparator();
  add(menu, tr("&Write SoundNames and ModelNames"), QKeySequence(tr("Ctrl+Shift+W")),
      [this] { edits_.updateSoundAndModelFiles(); });
  menu->addSeparator();
  add(menu, tr("&Close Window"), QKeySequence::Close, [] {
    if (QWidget* window = QApplication::activeWindow()) window->close();
  });
  add(menu, tr("&Quit"), QKeySequence::Quit, [] { QApplication::closeAllWindows(); });
  return menu;
}

QMenu* AppMenus::makeEditMenu() {
  auto* menu = new QMenu(tr("&Edit"));
  add(menu, tr("Select &All"), QKeySequence::SelectAll,
      [this] { controller_.listView(focusedList())->selectAll(); });
  menu->addSeparator();
  add(menu, tr("&Delete/Remove Selected…"), QKeySequence::Delete, [this] {
    focusedList() == SlotList::Sounds ? edits_.doDeleteSelectedSounds()
                                      : edits_.doDeleteSelectedModels();
  });
  add(menu, tr("&Find && Replace Model…"), QKeySequence::Find,
      [this] { edits_.showFindAndReplace(); });
  add(menu, tr("&Reveal in File Manager"), QKeySequence(tr("Ctrl+R")), [this] {
    const SlotList list = focusedList();
    const int row = controller_.listView(list)->currentIndex().row();
    list == SlotList::Sounds ? edits_.doubleClickedSoundAction(row)
                             : edits_.doubleClickedUnusedAction(row);
  });
  return menu;
}

QMenu* AppMenus::makeBankMenu(SlotList list) {
  const bool sounds = list == SlotList::Sounds;
  auto* menu = new QMenu(sounds ? tr("&Sounds") : tr("&Models"));
  const QString modifier = sounds ? tr("Ctrl+Shift+") : tr("Ctrl+Alt+");
  add(menu, sounds ? tr("Delete/remove selected sounds…") : tr("Delete/remove selected models…"),
      {}, [this, sounds] {
        sounds ? edits_.doDeleteSelectedSounds() : edits_.doDeleteSelectedModels();
      });
  add(menu, sounds ? tr("&Copy Selected Sounds to Slot…") : tr("&Copy Selected Models to Slot…"),
      QKeySequence(modifier + "C"), [this, list] { edits_.copyOrMoveSelectedTo(list, true); });
  add(menu, sounds ? tr("&Move Selected Sounds to Slot…") : tr("&Move Selected Models to Slot…"),
      QKeySequence(modifier + "M"), [this, list] { edits_.copyOrMoveSelectedTo(list, false); });
  if (!sounds) {
    menu->addSeparator();
    add(menu, tr("C&onsolidate Models…"), QKeySequence(tr("Ctrl+Shift+K")),
        [this] { edits_.consolidate(); });
  }
  return menu;
}

QMenu* AppMenus::makeWindowMenu() {
  auto* menu = new QMenu(tr("&Window"));
  add(menu, tr("Slot &Lists"), QKeySequence(tr("Ctrl+L")),
      [this] { controller_.showListWindow(); });
  add(menu, tr("&Drop Zone"), QKeySequence(tr("Ctrl+1")), [this] {
    QWidget* window = controller_.interface().mainWindow.get();
    window->show();
    window->raise();
    window->activateWindow();
  });
  return menu;
}

void AppMenus::chooseDatabaseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), tr("Open Neuron Database"), recent_.list().value(0));
  if (!folder.isEmpty()) controller_.openDatabaseFolder(folder);
}

void AppMenus::rebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList folders = recent_.list();
  for (const QString& folder : folders) {
    recentMenu_->addAction(folder, this,
                           [this, folder] { controller_.openDatabaseFolder(folder); });
  }
  if (folders.isEmpty()) {
    recentMenu_->addAction(tr("No recent databases"))->setEnabled(false);
    return;
  }
  recentMenu_->addSeparator();
  recentMenu_->addAction(tr("Clear List"), this, [this] { recent_.clear(); });
}

SlotList AppMenus::focusedList() const {
  const QWidget* focus = controller_.interface().listWindow->focusWidget();
  return focus == controller_.listView(SlotList::Models) ? SlotList::Models : SlotList::Sounds;
}

}  // namespace slotsmith
