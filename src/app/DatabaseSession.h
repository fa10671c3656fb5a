// The open database as the desktop holds it: opening (recovery first, the health line after),
// the one picture of the two banks that both lists, the bank maps and every action read, and the
// watch on the disk that keeps that picture true.
//
// The picture is what the user sees and chooses from. Another program (the command line, an undo
// from a terminal, a file manager) may change the database while the window is open; the session
// notices (a watch on the bank folders and the undo history; a cheap look at their times and at
// the times and sizes of every sound script and model name, twice a second while the window is
// active and when it comes to the front, for changes inside a slot folder and for disks where
// watching does not work), redraws the lists once,
// keeps the selection on the same sounds and models where they still exist, and says so in the
// status bar. Every action that reads the database asks pictureHolds() first, and an edit carries
// picture() to the engine, whose locked scan refuses it when the disk is no longer what was shown:
// nothing ever works on other slots than the rows the user saw.
//
// A database folder can go while it is open (a card pulled, the folder renamed). The lists then
// keep the last picture, read only and marked as gone, never an empty bank; every action and edit
// is refused with the same sentence, and the session looks for the folder until it is back, then
// shows it as it is.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "core/Database.h"
#include "core/DatabaseStamp.h"

namespace slotsmith {

struct Interface;
class DesktopUi;
class SlotTableView;

class DatabaseSession : public QObject {
  Q_OBJECT

 public:
  DatabaseSession(Interface& interface, DesktopUi& ui, FileSystem& fs,
                  std::function<void(QString)> status, QObject* parent = nullptr);
  ~DatabaseSession() override;

  Database& database() { return database_; }
  const DatabaseRoot& root() const { return database_.root(); }

  // Opens the database at path (a folder that passed the database test): recovers an edit a crash
  // left unfinished, scans, says when the folder cannot be written, and looks at its health once
  // the lists are painted.
  void open(const QString& path);
  // Scans anew with the progress panel (File > Reload).
  void reload();

  // The fingerprint of the picture the lists show (see pictureOf).
  std::uint64_t picture() const { return shownPicture_; }

  // Looks at the disk now: true when it still holds what the lists show. Otherwise the lists
  // show the database as it is, the user is told, and the caller does nothing (false).
  bool pictureHolds();
  // Looks at the disk when the cheap stamp of the banks changed since the last look (a drag
  // coming in, the window activated): the lists follow a change at once.
  void followDiskIfTouched();

  // The tables now hold what a scan of this program found (an edit's or a refusal's): they are
  // the picture. With keepSelection the selected rows follow their sounds and models to where
  // they are now (a change made elsewhere); without, the caller selects what the edit placed.
  void takeTables(bool keepSelection);

  // Whether the database folder is there now. When it is not, the session says so (once) and the
  // lists keep the last picture, marked as gone; the caller does nothing.
  bool stillThere();
  // The sentence every refusal gives while the folder is gone.
  QString goneText() const;

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void opened(const QString& folder);
  // The lists changed to show a change made outside this program.
  void changedOutside();
  // The disk was looked at because something on it changed (the undo history among it): what
  // can be undone or redone may have changed.
  void diskChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The modification times of the places every edit touches (the root with the names files, the
  // two bank folders, the program's folder and the undo history), and the entries of every slot
  // folder and of every file a scan reads (a sound script or a model name rewritten in place
  // changes no folder).
  struct Stamp {
    std::array<QDateTime, 5> folders;
    DatabaseStamp slots;
    bool operator==(const Stamp&) const = default;
  };
  Stamp stampNow() const;
  void markGone();
  void cameBack();
  void watch();
  // A scan without progress; when the picture differs, shows it keeping the selection and says
  // so. Returns whether it differed.
  bool followDisk();
  void keepSelection(SlotTableView* view, bool sounds, const SlotTables& before);

  Interface& interface_;
  DesktopUi& ui_;
  std::function<void(QString)> status_;
  Database database_;
  std::unique_ptr<SlotTables> shown_;
  std::uint64_t shownPicture_ = 0;
  Stamp stamp_;
  QFileSystemWatcher watcher_;
  QTimer settle_;  // a change is looked at once the burst of file events it makes is over
  QTimer poll_;    // the look at the stamp while the window is active or the folder is gone
  bool gone_ = false;
};

}  // namespace slotsmith
