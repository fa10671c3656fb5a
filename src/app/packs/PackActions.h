// Sound packs in the desktop: the selected sounds exported as a pack (Sounds > Export Selection as
// Pack), a pack file dropped on the sound list imported at the drop row, and a pack opened read
// only as the other database. A pack is read whole and checked once (readPack), then shown read
// only at its own file's path through a PackFileSystem, exactly as the command line's
// `import --from PACK.zip` reads it: the edit copies its folders straight into the database, and
// nothing is ever unpacked beside it. What comes from a pack never pushes the user's sounds past
// slot 999; the import refuses instead.
#pragma once

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QThread>
#include <memory>
#include <optional>
#include <vector>

#include "core/Ui.h"
#include "ops/Edits.h"

namespace slotsmith {

class DatabaseSession;
class DesktopEdits;
class DesktopLists;
class SideWindows;
struct MountedPack;

class PackActions : public QObject {
  Q_OBJECT

 public:
  // Makes the sound list take dropped packs, and its drop preview show them. A pack opened read
  // only goes to the side window.
  PackActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists, Ui& ui,
              SideWindows& side, QObject* parent = nullptr);
  ~PackActions() override;

  // Asks where to save the pack of the selected sounds (named after the first), then writes it.
  void exportSelection();
  // Writes the pack of the selected sounds (the empty slots among them left out) to file, a new
  // file; a refusal is shown as an alert. Whether the pack was written.
  bool exportSelection(const QString& file);

  // Imports every sound of the pack at file at the gap row of the sound list, as one edit.
  EditOutcome importPack(const QString& file, int row);

  // Opens the pack at file read only in the other database's window.
  void openAsOtherDatabase(const QString& file);

  // The sound slots of the pack at file, none when it is not one this version can import, or
  // while it is being read: for the drop preview, which must follow the mouse, the pack is read
  // in the background once and the preview shown again when it has been.
  std::optional<QList<int>> soundsOf(const QString& file);
  // Waits for a pack being read in the background (tests; the end of the program).
  void waitForReading();

 private:
  // The pack at file, read and checked; the last one read is kept while its file is unchanged,
  // so that a drag hovering over the list reads it once.
  std::shared_ptr<MountedPack> mount(const QString& file, bool showProgress);
  void reportUnreadable(const MountedPack& pack, const QString& title, const QString& summary);

  DatabaseSession& session_;
  DesktopEdits& edits_;
  DesktopLists& lists_;
  Ui& ui_;
  SideWindows& side_;
  // Whether the pack cached_ is the file as it is now.
  bool cachedIsCurrent(const QString& file) const;

  std::unique_ptr<QThread> reading_;  // the background read of a pack for the preview
  std::shared_ptr<MountedPack> cached_;
  QString cachedFile_;
  QDateTime cachedTime_;
  qint64 cachedSize_ = -1;
};

}  // namespace slotsmith
