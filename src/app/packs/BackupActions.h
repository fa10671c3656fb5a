// Backups in the desktop: File > Back Up Database writes the whole database (not its undo
// history) to one new .tar.zst file; File > Restore makes every slot that differs what it is in a
// backup, as one edit that Edit > Undo reverses. The backup is read whole and verified first, then
// shown read only at its file's path, as the command line's `restore FILE --to DB` does.
//
// The status bar says when the last backup was made: the newest of the last one made from this
// application for the database (remembered while its file is there) and the newest one beside the
// database under the default name, NAME-YYYYMMDD-HHMMSS.tar.zst, which the command line's
// `backup DB` writes too.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

class DatabaseSession;
class DesktopEdits;
class DesktopLists;

class BackupActions : public QObject {
  Q_OBJECT

 public:
  // Follows the databases the session opens, to show their last backup.
  BackupActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists, Ui& ui,
                QObject* parent = nullptr);

  // Asks where to write the backup (the default name beside the database), then writes it.
  void backUp();
  // Writes the backup of the open database to file, a new file; a refusal is shown as an alert.
  // Whether it was written.
  bool backUp(const QString& file);

  // Asks for a backup file, then restores from it.
  void restore();
  // Restores the open database from the backup at file as one undoable edit, after the user
  // confirms how many slots change.
  EditOutcome restore(const QString& file);

  struct LastBackup {
    QString file;
    QDateTime made;
  };
  // The last backup of the open database, an empty file name when none is known.
  LastBackup lastBackup() const;

 private:
  void showLastBackup();

  DatabaseSession& session_;
  DesktopEdits& edits_;
  DesktopLists& lists_;
  Ui& ui_;
};

}  // namespace slotsmith
