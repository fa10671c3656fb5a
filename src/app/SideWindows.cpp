#include "app/SideWindows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Alerts.h"
#include "app/OtherDatabase.h"
#include "app/WindowPlacement.h"
#include "core/Database.h"
#include "ui/Interface.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

SideWindows::SideWindows(Interface& interface, Alerts& alerts, std::function<void(QString)> status,
                         QObject* parent)
    : QObject(parent), interface_(interface), alerts_(alerts), status_(std::move(status)) {}

SideWindows::~SideWindows() = default;

void SideWindows::openOtherDatabase(const QString& folder) {
  const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
  if (openPack_ && openPack_(absolute)) return;
  if (!isValidDatabase(QFile::encodeName(absolute).toStdString())) {
    alerts_.showProblem(false, tr("Not a Neuron database"),
                        tr("The folder \"%1\" holds no Sounds/NNN.sound/sound.script and no "
                           "Models/NNN.model/MName file.")
                            .arg(QDir::toNativeSeparators(absolute)),
                        {});
    return;
  }
  showOtherDatabase(absolute);
}

void SideWindows::showOtherDatabase(const QString& absolute, std::shared_ptr<FileSystem> view) {
  other_ = std::make_unique<OtherDatabase>(absolute, std::move(view));
  interface_.listWindow->soundList()->acceptDropsFrom(other_->soundList());
  showSideWindow(other_->window(), interface_.listWindow.get(),
                 QStringLiteral("otherDatabaseWindowGeometry"));
  status_(tr("Opened %1 read only; drag its sounds into the sound list to import them")
              .arg(QDir::toNativeSeparators(absolute)));
}

}  // namespace slotsmith
