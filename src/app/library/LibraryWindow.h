// The Library window: every sound of the library (library/Library.h) in one list, whatever
// database, pack or backup holds it. A search field that answers as the user types (the query
// language of `slotsmith library search`), a sidebar that narrows the list (all sounds,
// favourites, sounds at risk, hidden ones, each tag, each source with its state) and holds the
// sources' buttons (add, remove, refresh with its progress and a way to stop it), the table of
// sounds, and the details of the selected one: every place (a double-click opens that database
// at that slot), its tags, the favourite and hidden flags and the note.
//
// Everything the window asks of the library runs on LibraryWorker's thread, so a large library or
// a long refresh never stops the window from answering; only the latest search's answer is shown.
// The window keeps its size, its splitters, its columns and its last search.
#pragma once

#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "library/Library.h"
#include "library/Search.h"

class QCheckBox;
class QLabel;
class QMimeData;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QItemSelection;
class QModelIndex;
class QSortFilterProxyModel;
class QSplitter;
class QStringListModel;
class QTableView;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace slotsmith {

class LibraryRulesDialog;
class LibrarySidebar;
class LibrarySoundsModel;
class LibraryWorker;

class LibraryWindow : public QWidget {
  Q_OBJECT

 public:
  // openPlace opens a database in the main window and selects a sound slot there.
  LibraryWindow(const std::string& libraryPath,
                std::function<void(const QString& root, int slot)> openPlace,
                QWidget* parent = nullptr);
  ~LibraryWindow() override;

  // Reads the sidebar's counts and searches again: after the window is shown, and after anything
  // changed the library (a refresh, an edit of the open database).
  void reload();
  // The terms searched for now: the sidebar's choice, then the words in the search field.
  QStringList terms() const;
  // Searches at once with the terms as they are; typing in the field searches when it pauses.
  // The answer to any search asked before is dropped.
  void search();
  // Reads the sources again (those given, or all), with the progress in the window.
  void refreshSources(const QStringList& paths = {});
  void addSources(const QStringList& paths);
  // Adds the source at path, or reads what changed in it, without a word: the open database,
  // after it was opened and after each edit.
  void readSource(const QString& path);
  void removeSelectedSource();
  void cancelRefresh();
  // Sets or clears a flag on the selected sounds: on when one of them lacks it.
  void toggleFavourite();
  void toggleHidden();
  // Sets the tag by hand on the selected sounds, or takes it off them.
  void addTagToSelection(const QString& tag);
  void removeTagFromSelection(const QString& tag);
  // Shows every sound, the one in sound slot of the source at path selected; says so when the
  // library does not know that slot.
  void showSoundAt(const QString& source, int slot);
  // Marks the sounds in those slots of the source as favourites, or sets the tag on them by hand
  // (the main window's sound list asks this for its selection); emits marked with the outcome.
  void markSoundsAt(const QString& source, const QList<int>& slots, bool favourite,
                    const QString& tag = {});
  // Appends the selected sounds to the list, made when there is none of that name.
  void addSelectionToList(const QString& list);
  // Appends the sounds with those ids to the list, made when there is none of that name.
  void addSoundsToList(const QString& list, const std::vector<std::string>& ids);
  void createNamedList(const QString& list);
  // The dialog of the category rules, made the first time.
  LibraryRulesDialog* showRules();
  // Asks for the list's new name; the second gives it at once.
  void renameList(const QString& list);
  void renameList(const QString& list, const QString& newName);
  // Moves the sounds of the list the table shows to stand before the one in row of the table's
  // model (or at the end).
  void moveListSounds(const std::vector<std::string>& ids, int row);
  void deleteList(const QString& list);

  QLineEdit* searchField() const { return search_; }
  LibrarySidebar* sidebar() const { return sidebar_; }
  QTableView* table() const { return table_; }
  LibrarySoundsModel* sounds() const { return sounds_; }
  QListWidget* placesList() const { return places_; }
  QLabel* modelsLine() const { return models_; }
  QListWidget* tagList() const { return tagList_; }
  QLineEdit* tagEditor() const { return tagEditor_; }
  QLabel* statusLine() const { return status_; }
  LibraryWorker& worker() { return *worker_; }

 Q_SIGNALS:
  // The table shows the answer to the latest search.
  void searched();
  // The models the sounds of the latest answer play are in the table.
  void modelsRead();
  // The sidebar shows the library's sources and counts as they are now.
  void sidebarRead();
  // A refresh ended, with what it came to in a line for the status bar.
  void refreshed(const QString& outcome);
  // A refresh found news the user should hear of without looking (changed sources, a source
  // missing or refused): one line each.
  void noticed(const QString& news);
  // markSoundsAt is done: what it came to, in a line for the status bar.
  void marked(const QString& outcome);
  // The library changed through this window (a flag, a tag, a source).
  void libraryChanged();
  // After readSource: the sound slots of that source whose sound no other source holds.
  void atRiskSlotsRead(const QString& source, const std::vector<bool>& slots);

 protected:
  void showEvent(QShowEvent* event) override;
  // Folders and archives dropped on the window (from the file manager) are added as sources.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct SidebarData;

  void buildSidebarSections();
  void showSidebar(const SidebarData& data);
  void showDetails();
  void showEmptyHint();
  // Keeps the note as typed, for the sound it was typed for.
  void saveNote();
  void setFlag(bool favourite);
  void showTableMenu(const QPoint& at);
  void showSidebarMenu(const QPoint& at);
  void changeSelectedTags(const std::vector<std::string>& add,
                          const std::vector<std::string>& remove);
  void chooseSources();
  QTreeWidgetItem* section(int which) const;
  std::vector<std::string> selectedIds() const;
  // The sound of a row of the table, and the table's selection of a row of the model.
  const FoundItem* soundAt(const QModelIndex& shown) const;
  QItemSelection rowSelection(int row) const;
  void saveLayout() const;
  void restoreLayout();

  std::unique_ptr<LibraryWorker> worker_;
  std::function<void(const QString&, int)> openPlace_;
  QLineEdit* search_;
  QTimer* typing_;
  LibrarySidebar* sidebar_;
  QTableView* table_;
  LibrarySoundsModel* sounds_;
  QSortFilterProxyModel* sorted_;
  QSplitter* splitter_;
  QLabel* name_;
  QCheckBox* favourite_;
  QCheckBox* hidden_;
  QListWidget* tagList_;  // the tags of the selected sounds, as chips
  QLineEdit* tagEditor_;
  QStringListModel* tagNames_;  // every tag, for completion
  QListWidget* places_;
  QLabel* models_;
  QPlainTextEdit* note_;
  QPushButton* addSource_;
  QPushButton* removeSource_;
  QPushButton* refresh_;
  QPushButton* cancel_;
  QProgressBar* progress_;
  QLabel* status_;
  QLabel* emptyHint_;  // over the table when it has no row: why, and what to do
  LibraryRulesDialog* rules_ = nullptr;
  // Each search has a number; an answer to any but the latest is dropped.
  std::uint64_t searches_ = 0;
  std::uint64_t sidebarReads_ = 0;
  QStringList chosen_;                 // the sidebar's terms
  QString chosenList_;                 // the list chosen in the sidebar, or none
  std::string selectWhenFound_;        // the id the next search's answer selects
  bool selectFirstWhenFound_ = false;  // the next answer's first row is chosen, if none is
  QTimer* noteTyping_ = nullptr;
  std::string noteOf_;  // the sound whose note the details show, when it can be edited
  QStringList listNames_;
  std::map<std::string, int> listPositions_;
  std::map<std::string, SourceState>
      seenStates_;  // each source's, as the sidebar shows it  // of the list shown, by id
  bool refreshing_ = false;
};

}  // namespace slotsmith
