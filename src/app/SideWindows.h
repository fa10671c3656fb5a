// The window of another database, shown read only beside the lists so that its sounds can be
// dragged in: a folder, or a sound pack seen through its file.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

#include "core/FileSystem.h"

namespace slotsmith {

struct Interface;
class Alerts;
class OtherDatabase;

class SideWindows : public QObject {
  Q_OBJECT

 public:
  // openPack opens a pack file the same way (none where packs are not built).
  SideWindows(Interface& interface, Alerts& alerts, std::function<void(QString)> status,
              QObject* parent = nullptr);
  ~SideWindows() override;

  void setPackOpener(std::function<bool(const QString&)> openPack) {
    openPack_ = std::move(openPack);
  }

  // Opens another database read only in a window of its own. Tells the user when the folder is
  // not a database; a pack file opens through openPack.
  void openOtherDatabase(const QString& folder);
  // The window of another database at path, read through view when one is given (a pack); the
  // path must hold a database as the view shows it.
  void showOtherDatabase(const QString& path, std::shared_ptr<FileSystem> view = {});
  OtherDatabase* otherDatabase() const { return other_.get(); }

 private:
  Interface& interface_;
  Alerts& alerts_;
  std::function<void(QString)> status_;
  std::function<bool(const QString&)> openPack_;
  std::unique_ptr<OtherDatabase> other_;
};

}  // namespace slotsmith
