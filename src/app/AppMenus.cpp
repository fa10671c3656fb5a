#include "app/AppMenus.h"

#include <QApplication>
#include <QFileDialog>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <optional>

#include "app/AppDialogs.h"
#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopLists.h"
#include "app/EditActions.h"
#include "app/ListAids.h"
#include "app/ListFilter.h"
#include "app/SideWindows.h"
#include "app/Summaries.h"
#include "app/WindowPlacement.h"
#include "ops/Doctor.h"
#include "ops/History.h"
#include "ui/BankMap.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"
#if defined(SLOTSMITH_PACKS)
#include "app/packs/BackupActions.h"
#include "app/packs/PackActions.h"
#endif

namespace slotsmith {

namespace {

// The deletion's one name, with the menu bar's access key.
QString deleteTitle(SlotList list) {
  return QStringLiteral("&") + EditActions::deleteSelectedTitle(list);
}

}  // namespace

AppMenus::AppMenus(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)), edits_(parts_.actions) {
  menus_ << makeFileMenu() << makeEditMenu() << makeBankMenu(SlotList::Sounds)
         << makeBankMenu(SlotList::Models) << makeViewMenu() << makeWindowMenu() << makeHelpMenu();
  connect(&parts_.session, &DatabaseSession::opened, this, [this](const QString& folder) {
    recent_.add(folder);
    refreshHistory();
  });
  connect(&parts_.edits, &DesktopEdits::finished, this, &AppMenus::refreshHistory);
  // An edit made elsewhere (the command line) is undone from here as well.
  connect(&parts_.session, &DatabaseSession::diskChanged, this, &AppMenus::refreshHistory);
  for (SlotList list : {SlotList::Sounds, SlotList::Models}) {
    connect(parts_.lists.view(list)->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AppMenus::updateActions);
    connect(parts_.lists.view(list)->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AppMenus::updateActions);
  }
  connect(qApp, &QApplication::focusChanged, this, &AppMenus::updateActions);
  extendContextualMenus();
  updateActions();
}

void AppMenus::extendContextualMenus() {
  // The lists' own menus are filled anew each time they open; the menu bar's actions that work on
  // the row under the pointer join them then, with their shortcuts and their enabling.
  const auto extend = [this](QMenu* menu, QList<QAction*> actions) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu, actions] {
      updateActions();
      menu->addSeparator();
      menu->addActions(actions);
    });
  };
  QList<QAction*> soundActions{action(QStringLiteral("rename"))};
#if defined(SLOTSMITH_PACKS)
  soundActions << action(QStringLiteral("exportPack"));
#endif
  for (const char* name : {"showInLibrary", "favouriteInLibrary", "tagInLibrary"}) {
    if (QAction* library = action(QString::fromLatin1(name))) soundActions << library;
  }
  soundActions << soundArrangeMenu_->menuAction();
  extend(edits_.soundContextualMenu(), soundActions);
  extend(edits_.modelContextualMenu(),
         {action(QStringLiteral("rename")), modelArrangeMenu_->menuAction()});
}

AppMenus::~AppMenus() {
  qDeleteAll(menus_);
}

void AppMenus::installIn(QMenuBar* menuBar) {
  for (QMenu* menu : menus_)
    menuBar->addMenu(menu);
}

void AppMenus::installToolBarIn(QMainWindow* window) {
  // The actions used most, as the desktop's own icons where the theme has them; their menus keep
  // the shortcuts and enable them the same way.
  struct Tool {
    const char* action;
    const char* icon;
  };
  auto* bar = window->addToolBar(tr("Toolbar"));
  bar->setObjectName(QStringLiteral("mainToolBar"));
  bar->setMovable(false);
  bar->setToolButtonStyle(Qt::ToolButtonFollowStyle);
  for (const Tool& tool :
       {Tool{"openDatabase", "document-open"}, Tool{"", ""}, Tool{"undo", "edit-undo"},
        Tool{"redo", "edit-redo"}, Tool{"", ""}, Tool{"findReplace", "edit-find-replace"},
        Tool{"findDuplicates", "edit-find"}, Tool{"", ""}, Tool{"library", "folder-sound"}}) {
    if (*tool.action == '\0') {
      bar->addSeparator();
      continue;
    }
    QAction* found = action(QString::fromLatin1(tool.action));
    if (found == nullptr) continue;
    if (found->icon().isNull()) found->setIcon(QIcon::fromTheme(QString::fromLatin1(tool.icon)));
    bar->addAction(found);
  }
}

QAction* AppMenus::add(QMenu* menu, const QString& name, const QString& title,
                       const QKeySequence& shortcut, Needs needs, std::function<void()> handler) {
  QAction* action = menu->addAction(title);
  action->setObjectName(name);
  action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, std::move(handler));
  if (needs != Needs::Nothing) guarded_.append({action, needs});
  return action;
}

QAction* AppMenus::action(const QString& name) const {
  // Submenus (Arrange) are searched too: their actions are found by name like the others.
  const std::function<QAction*(const QMenu*)> find = [&](const QMenu* menu) -> QAction* {
    for (QAction* action : menu->actions()) {
      if (action->objectName() == name) return action;
      if (const QMenu* submenu = action->menu()) {
        if (QAction* found = find(submenu)) return found;
      }
    }
    return nullptr;
  };
  for (const QMenu* menu : menus_) {
    if (QAction* found = find(menu)) return found;
  }
  return nullptr;
}

bool AppMenus::canRun(Needs needs) const {
  if (!parts_.session.root()) return needs == Needs::Nothing;
  switch (needs) {
    case Needs::Nothing:
    case Needs::Database:
      return true;
    case Needs::Selection:
      return parts_.lists.firstSelectedRow(focusedList()) >= 0;
    case Needs::SoundSelection:
      return parts_.lists.firstSelectedRow(SlotList::Sounds) >= 0;
    case Needs::ModelSelection:
      return parts_.lists.firstSelectedRow(SlotList::Models) >= 0;
    case Needs::CurrentRow:
      return parts_.lists.view(focusedList())->currentIndex().isValid();
    case Needs::TwoSounds:
      return edits_.twoSelectedSounds().size() == 2;
  }
  return false;
}

void AppMenus::updateActions() {
  for (const auto& [action, needs] : guarded_)
    action->setEnabled(canRun(needs));
  deleteSelected_->setText(deleteTitle(focusedList()));
  undo_->setText(undoTitle_.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undoTitle_));
  redo_->setText(redoTitle_.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redoTitle_));
  undo_->setEnabled(!undoTitle_.isEmpty());
  redo_->setEnabled(!redoTitle_.isEmpty());
}

void AppMenus::refreshHistory() {
  undoTitle_.clear();
  redoTitle_.clear();
  if (const DatabaseRoot& root = parts_.session.root()) {
    const std::vector<HistoryEntry> entries =
        readHistory(parts_.session.database().fileSystem(), *root);
    if (const auto entry = entryToUndo(entries)) {
      undoTitle_ = QString::fromStdString(entry->journal.title);
    }
    if (const auto entry = entryToRedo(entries)) {
      redoTitle_ = QString::fromStdString(entry->journal.title);
    }
  }
  updateActions();
}

QMenu* AppMenus::makeFileMenu() {
  auto* menu = new QMenu(tr("&File"));
  add(menu, "openDatabase", tr("&Open Database…"), QKeySequence::Open, Needs::Nothing,
      [this] { chooseDatabaseFolder(); });
  recentMenu_ = menu->addMenu(tr("Open &Recent"));
  add(menu, "openOther", tr("Open O&ther Database…"), {}, Needs::Database, [this] {
    const QString folder = QFileDialog::getExistingDirectory(
        QApplication::activeWindow(), tr("Open Another Neuron Database (read only)"));
    if (!folder.isEmpty()) parts_.sideWindows.openOtherDatabase(folder);
  });
#if defined(SLOTSMITH_PACKS)
  // A folder dialog cannot choose a file: a pack, read only like another database, has its own
  // entry, and ends in the same window.
  add(menu, "openPack", tr("Open Sound &Pack…"), {}, Needs::Database, [this] {
    const QString pack = QFileDialog::getOpenFileName(QApplication::activeWindow(),
                                                      tr("Open Sound Pack (read only)"), {},
                                                      tr("Sound packs (*.zip)"));
    if (!pack.isEmpty()) parts_.sideWindows.openOtherDatabase(pack);
  });
#endif
  connect(recentMenu_, &QMenu::aboutToShow, this, &AppMenus::rebuildRecentMenu);
  add(menu, "reload", tr("Re&load"), QKeySequence::Refresh, Needs::Database,
      [this] { parts_.session.reload(); });
  add(menu, "healthCheck", tr("Check Database &Health…"), {}, Needs::Database,
      [this] { showHealthCheck(); });
#if defined(SLOTSMITH_PACKS)
  menu->addSeparator();
  add(menu, "backUp", tr("&Back Up Database…"), {}, Needs::Database,
      [this] { parts_.backups->backUp(); });
  add(menu, "restore", tr("Re&store…"), {}, Needs::Database, [this] { parts_.backups->restore(); });
#endif
  menu->addSeparator();
  add(menu, "writeNames", tr("&Write SoundNames and ModelNames"), QKeySequence(tr("Ctrl+Shift+W")),
      Needs::Database, [this] { edits_.updateSoundAndModelFiles(); });
  menu->addSeparator();
  add(menu, "closeWindow", tr("&Close Window"), QKeySequence::Close, Needs::Nothing, [] {
    if (QWidget* window = QApplication::activeWindow()) window->close();
  });
  add(menu, "quit", tr("&Quit"), QKeySequence::Quit, Needs::Nothing,
      [] { QApplication::closeAllWindows(); });
  return menu;
}

QMenu* AppMenus::makeEditMenu() {
  auto* menu = new QMenu(tr("&Edit"));
  // Texts and enabling follow the history (refreshHistory): "Undo Move sounds".
  undo_ = add(menu, "undo", tr("&Undo"), QKeySequence::Undo, Needs::Nothing,
              [this] { parts_.edits.run(UndoRequest{}); });
  redo_ = add(menu, "redo", tr("&Redo"), QKeySequence(tr("Ctrl+Shift+Z")), Needs::Nothing,
              [this] { parts_.edits.run(RedoRequest{}); });
  menu->addSeparator();
  add(menu, "rename", tr("Re&name"), {}, Needs::CurrentRow,
      [this] { parts_.lists.view(focusedList())->editCurrentName(); });
  add(menu, "selectAll", tr("Select &All"), QKeySequence::SelectAll, Needs::Database,
      [this] { parts_.lists.view(focusedList())->selectAll(); });
  menu->addSeparator();
  // Named as the focused list's own menus name it (updateActions).
  deleteSelected_ = add(menu, "deleteSelected", deleteTitle(SlotList::Sounds), QKeySequence::Delete,
                        Needs::Selection, [this] {
                          focusedList() == SlotList::Sounds ? edits_.doDeleteSelectedSounds()
                                                            : edits_.doDeleteSelectedModels();
                        });
  add(menu, "findDuplicates", tr("Find Du&plicates…"), QKeySequence(tr("Ctrl+D")), Needs::Database,
      [this] { edits_.showDuplicates(); });
  add(menu, "findReplace", tr("Find && Repla&ce Model…"), QKeySequence(tr("Ctrl+H")),
      Needs::Database, [this] { edits_.showFindAndReplace(); });
  menu->addSeparator();
  // Ctrl+F goes to the sound list's filter, as a find goes to the search field in most programs.
  add(menu, "filterSounds", tr("&Filter Sounds"), QKeySequence::Find, Needs::Database,
      [this] { focusFilter(SlotList::Sounds); });
  add(menu, "filterModels", tr("Filter &Models"), QKeySequence(tr("Ctrl+Shift+F")), Needs::Database,
      [this] { focusFilter(SlotList::Models); });
  add(menu, "reveal", tr("Re&veal in File Manager"), QKeySequence(tr("Ctrl+R")), Needs::CurrentRow,
      [this] {
        const SlotList list = focusedList();
        const int row = parts_.lists.view(list)->currentIndex().row();
        list == SlotList::Sounds ? edits_.doubleClickedSoundAction(row)
                                 : edits_.doubleClickedUnusedAction(row);
      });
  if (parts_.showPreferences) {
    menu->addSeparator();
    add(menu, "preferences", tr("Pr&eferences…"), QKeySequence::Preferences, Needs::Nothing,
        parts_.showPreferences);
  }
  return menu;
}

QMenu* AppMenus::makeBankMenu(SlotList list) {
  const bool sounds = list == SlotList::Sounds;
  const QString bank = sounds ? QStringLiteral("Sounds") : QStringLiteral("Models");
  const Needs selection = sounds ? Needs::SoundSelection : Needs::ModelSelection;
  auto* menu = new QMenu(sounds ? tr("&Sounds") : tr("&Models"));
  const QString modifier = sounds ? tr("Ctrl+Shift+") : tr("Ctrl+Alt+");
  add(menu, "deleteSelected" + bank, deleteTitle(list), {}, selection, [this, sounds] {
    sounds ? edits_.doDeleteSelectedSounds() : edits_.doDeleteSelectedModels();
  });
  add(menu, "copySelected" + bank,
      sounds ? tr("&Copy Selected Sounds to Slot…") : tr("&Copy Selected Models to Slot…"),
      QKeySequence(modifier + "C"), selection,
      [this, list] { edits_.copyOrMoveSelectedTo(list, true); });
  add(menu, "moveSelected" + bank,
      sounds ? tr("&Move Selected Sounds to Slot…") : tr("&Move Selected Models to Slot…"),
      QKeySequence(modifier + "M"), selection,
      [this, list] { edits_.copyOrMoveSelectedTo(list, false); });
  add(menu, "applyNamesFile" + bank, tr("&Apply Names File…"), {}, Needs::Database,
      [this, list] { edits_.applyNamesFile(list); });
#if defined(SLOTSMITH_PACKS)
  if (sounds) {
    add(menu, "exportPack", tr("&Export Selection as Pack…"), QKeySequence(modifier + "E"),
        Needs::SoundSelection, [this] { parts_.packs->exportSelection(); });
  }
#endif
  // Sorting and closing gaps work on the selected slots, in place.
  QMenu* arrange = menu->addMenu(tr("Arran&ge"));
  // Each asks before it moves anything, and says how many slots move.
  add(arrange, "sortByName" + bank, tr("Sort Selection by &Name…"), {}, selection,
      [this, list] { edits_.arrangeSelected(list, Arrangement::ByName); });
  if (sounds) {
    add(arrange, "sortByModel", tr("Sort Selection by &Model…"), {}, selection,
        [this, list] { edits_.arrangeSelected(list, Arrangement::ByModel); });
  }
  add(arrange, "closeGaps" + bank, tr("Close &Gaps in Selection…"), {}, selection,
      [this, list] { edits_.arrangeSelected(list, Arrangement::CloseGaps); });
  (sounds ? soundArrangeMenu_ : modelArrangeMenu_) = arrange;
  menu->addSeparator();
  if (sounds) {
    add(menu, "compareSounds", tr("Compa&re Two Sounds…"), QKeySequence(tr("Ctrl+Shift+D")),
        Needs::TwoSounds, [this] { edits_.compareSelectedSounds(); });
    if (parts_.showInLibrary) {
      add(menu, "showInLibrary", tr("Show in &Library"), QKeySequence(tr("Ctrl+Shift+L")),
          Needs::SoundSelection,
          [this] { parts_.showInLibrary(parts_.lists.firstSelectedRow(SlotList::Sounds)); });
      add(menu, "favouriteInLibrary", tr("Mark as &Favourite in Library"), {},
          Needs::SoundSelection,
          [this] { parts_.favouriteInLibrary(parts_.lists.selectedRows(SlotList::Sounds)); });
      add(menu, "tagInLibrary", tr("&Tag in Library…"), {}, Needs::SoundSelection,
          [this] { parts_.tagInLibrary(parts_.lists.selectedRows(SlotList::Sounds)); });
    }
  } else {
    add(menu, "consolidate", tr("C&onsolidate Models…"), QKeySequence(tr("Ctrl+Shift+K")),
        Needs::Database, [this] { edits_.consolidate(); });
    add(menu, "dedupeModels", tr("Merge D&uplicate Models…"), {}, Needs::Database,
        [this] { edits_.mergeDuplicateModels(); });
  }
  return menu;
}

void AppMenus::focusFilter(SlotList list) {
  parts_.lists.showWindow();
  QLineEdit* field = parts_.lists.filter(list)->field();
  field->setFocus(Qt::ShortcutFocusReason);
  field->selectAll();
}

QMenu* AppMenus::makeViewMenu() {
  auto* menu = new QMenu(tr("&View"));
  if (parts_.showLibrary) {
    add(menu, "library", tr("&Library"), QKeySequence(tr("Ctrl+L")), Needs::Nothing,
        parts_.showLibrary);
    menu->addSeparator();
  }
  // The maps beside the lists take room; a user who never looks at them can put them away.
  QAction* maps = add(menu, "showBankMaps", tr("Show Bank &Maps"), {}, Needs::Nothing, [] {});
  maps->setCheckable(true);
  const auto showMaps = [this](bool shown) {
    parts_.lists.window().setBankMapsWanted(shown);
    QSettings().setValue(kShowBankMapsKey, shown);
  };
  maps->setChecked(QSettings().value(kShowBankMapsKey, true).toBool());
  showMaps(maps->isChecked());
  connect(maps, &QAction::toggled, this, showMaps);
  return menu;
}

QMenu* AppMenus::makeWindowMenu() {
  auto* menu = new QMenu(tr("&Window"));
  // Without a database the lists would show 1000 empty slots as if they were a bank.
  add(menu, "slotLists", tr("Slot &Lists"), QKeySequence(tr("Ctrl+2")), Needs::Database,
      [this] { parts_.lists.showWindow(); });
  add(menu, "dropZone", tr("&Drop Zone"), QKeySequence(tr("Ctrl+1")), Needs::Nothing, [this] {
    QWidget* window = parts_.interface.mainWindow.get();
    window->show();
    window->raise();
    window->activateWindow();
    // A window the window manager maps only now may come up under the active one; it is raised
    // again once it is mapped.
    QTimer::singleShot(0, window, [window] {
      window->raise();
      window->activateWindow();
    });
  });
  return menu;
}

QMenu* AppMenus::makeHelpMenu() {
  auto* menu = new QMenu(tr("&Help"));
  add(menu, "userGuide", tr("&User Guide"), QKeySequence::HelpContents, Needs::Nothing,
      [this] { showUserGuide(); });
  add(menu, "guide", tr("&Keyboard and Drag and Drop"), {}, Needs::Nothing,
      [this] { showGuide(); });
  menu->addSeparator();
  add(menu, "about", tr("&About Slotsmith"), {}, Needs::Nothing, [this] { showAbout(); });
  return menu;
}

void AppMenus::showAbout() {
  showAboutDialog(QApplication::activeWindow());
}

void AppMenus::showHealthCheck() {
  const DatabaseRoot& root = parts_.session.root();
  if (!root) return;
  FileSystem& fs = parts_.session.database().fileSystem();
  const std::vector<DoctorFinding> findings =
      examineDatabase(fs, *root, parts_.session.database().tables());
  switch (showHealthReport(QApplication::activeWindow(), findings, true)) {
    case HealthChoice::Nothing:
      return;
    case HealthChoice::ClearEmptyReferences:
      parts_.edits.run(ClearEmptyReferencesRequest{});
      return;
    case HealthChoice::Fix:
      break;
  }
  // The command line's doctor --fix: the same clearing, under the database's lock.
  std::vector<std::string> cleared;
  const Status fixed = fixDatabase(fs, *root, findings, cleared);
  parts_.session.reload();
  if (!fixed.isOk()) {
    parts_.ui.reportProblem(Ui::Problem::Refused, tr("Fix database").toStdString(),
                            tr("Not everything could be cleared.").toStdString(), fixed.message());
    return;
  }
  parts_.lists.showStatus(
      tr("Cleared %n thing(s) left over", "", static_cast<int>(cleared.size())));
}

void AppMenus::showGuide() {
  if (!keyboardGuide_) keyboardGuide_ = makeKeyboardGuide(&parts_.lists.window());
  showSideWindow(keyboardGuide_, &parts_.lists.window(), QStringLiteral("keyboardGuideGeometry"));
}

void AppMenus::showUserGuide() {
  if (!userGuide_) userGuide_ = makeUserGuide(&parts_.lists.window());
  showSideWindow(userGuide_, &parts_.lists.window(), QStringLiteral("userGuideGeometry"));
}

void AppMenus::chooseDatabaseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(
      QApplication::activeWindow(), tr("Open Neuron Database"), recent_.list().value(0));
  if (!folder.isEmpty()) parts_.openDatabaseFolder(folder);
}

void AppMenus::rebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList folders = recent_.list();
  for (const QString& folder : folders) {
    recentMenu_->addAction(folder, this, [this, folder] { parts_.openDatabaseFolder(folder); });
  }
  if (folders.isEmpty()) {
    recentMenu_->addAction(tr("No recent databases"))->setEnabled(false);
    return;
  }
  recentMenu_->addSeparator();
  recentMenu_->addAction(tr("Clear List"), this, [this] { recent_.clear(); });
}

SlotList AppMenus::focusedList() const {
  const QWidget* focus = parts_.lists.window().focusWidget();
  return focus == parts_.lists.view(SlotList::Models) ? SlotList::Models : SlotList::Sounds;
}

}  // namespace slotsmith
