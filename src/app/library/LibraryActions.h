// The library in the desktop: the Library window, the open database kept as one of its sources,
// and sounds dragged from the window into the main window's sound list, placed there as one edit
// (PlaceSoundsRequest): the same drop preview, confirmation, progress window and Undo as every
// other drop.
//
// Opening a database adds it to the library, and each edit of it is read into the library when
// it is done, unless the user turned that off (the setting kFollowOpenDatabaseKey); both run on
// the library window's worker, never in the way of the edit.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace slotsmith {

class DatabaseSession;
class DesktopEdits;
class LibraryWindow;

inline const QString kFollowOpenDatabaseKey = QStringLiteral("library/followOpenDatabase");

class LibraryActions : public QObject {
  Q_OBJECT

 public:
  // openDatabase opens a database folder in the main window; status shows a line in its status
  // bar; anchor is the window the Library window first opens beside.
  // markAtRisk marks the open database's sound slots that only it holds.
  LibraryActions(DatabaseSession& session, DesktopEdits& edits,
                 std::function<void(const QString&)> openDatabase,
                 std::function<void(QString)> status,
                 std::function<void(std::vector<bool>)> markAtRisk, QWidget* anchor,
                 QObject* parent = nullptr);
  ~LibraryActions() override;

  // Shows the Library window (made when first asked for) and brings it to the front.
  void showWindow();
  // Shows the Library window with the sound of the open database's sound slot selected.
  void showInLibrary(int slot);
  // Marks the sounds in those slots of the open database as favourites, or asks for a tag and
  // sets it on them, in the library.
  void favouriteInLibrary(const QList<int>& slots);
  void tagInLibrary(const QList<int>& slots);
  // The window, or none before it was first shown.
  LibraryWindow* window() const { return window_.get(); }

  // Places the library's sounds with those ids (lower-case hex) into the open database's sound
  // list as one block at row: each is taken from a place that holds it now, and a sound no place
  // holds now refuses the whole drop, naming it, before anything changes.
  void placeSounds(const std::vector<std::string>& ids, int row);

 private:
  LibraryWindow& ensureWindow();
  // Adds the open database to the library or reads its changes, when the user wants that.
  void followOpenDatabase();

  DatabaseSession& session_;
  DesktopEdits& edits_;
  std::function<void(const QString&)> openDatabase_;
  std::function<void(QString)> status_;
  std::function<void(std::vector<bool>)> markAtRisk_;
  QWidget* anchor_;
  std::unique_ptr<LibraryWindow> window_;
};

}  // namespace slotsmith
