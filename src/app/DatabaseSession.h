// The open database as the desktop holds it: opening (recovery first, the health line after),
// the one picture of the two banks that both lists, the bank maps and every action read, and the
// watch on the disk that keeps that picture true.
//
// The picture is what the user sees and chooses from. Another program (the command line, an undo
// from a terminal, a file manager) may change the database while the window is open; the session
// notices (a watch on the bank folders and the undo history, and a cheap look at their times when
// the window comes to the front, for disks where watching does not work), redraws the lists once,
// keeps the selection on the same sounds and models where they still exist, and says so in the
// status bar. Every action that reads the database asks pictureHolds() first, and an edit carries
// picture() to the engine, whose locked scan refuses it when the disk is no longer what was shown:
// nothing ever works on other slots than the rows the user saw.
#pragma once

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "core/Database.h"

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

 Q_SIGNALS:
  // A database was opened (after its first scan); the recent-databases list follows this.
  void opened(const QString& folder);
  // The lists changed to show a change made outside this program.
  void changedOutside();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The modification times of the places every edit touches: the root (the names files), the
  // two bank folders and the undo history.
  using Stamp = std::array<QDateTime, 5>;
  Stamp stampNow() const;
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
};

}  // namespace slotsmith
