// Another database, opened beside the one being edited, to bring sounds over: a second list
// window showing its sounds and models, read only. Its sound rows can be dragged into the sound
// list of the main window, which imports them at the drop row (with the models they play); the
// other database itself is never written: this object has no way to edit it. A sound pack is opened
// the same way, read through a view that shows its files at the pack file's path.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "core/Database.h"
#include "core/Ui.h"

namespace slotsmith {

class ListWindow;
class ModelListModel;
class SlotTableView;
class SoundListModel;

class OtherDatabase : public QObject, private SilentUi {
  Q_OBJECT

 public:
  // Scans the database at folder (which must be one) into a window of its own, not yet shown.
  // With a view, folder is read through it (a pack shown at its file's path), which the object
  // keeps for as long as it lives.
  explicit OtherDatabase(const QString& folder, std::shared_ptr<FileSystem> view = {},
                         QObject* parent = nullptr);
  ~OtherDatabase() override;

  const QString& folder() const { return folder_; }
  ListWindow* window() const { return window_.get(); }
  SlotTableView* soundList() const;
  const Database& database() const { return database_; }
  // The view the database is read through; null for a folder read directly.
  FileSystem* view() const { return view_.get(); }

 private:
  // The Ui port of a database nobody edits: the scan shows no progress and asks nothing; only
  // the lists redraw.
  void redrawList(SlotList list) override;

  QString folder_;
  std::shared_ptr<FileSystem> view_;
  Database database_;
  std::unique_ptr<ListWindow> window_;
  SoundListModel* soundModel_;
  ModelListModel* modelModel_;
};

}  // namespace slotsmith
