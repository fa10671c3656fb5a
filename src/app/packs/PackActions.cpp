#include "app/packs/PackActions.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopLists.h"
#include "app/DropPreviewer.h"
#include "app/SideWindows.h"
#include "app/SlotListModel.h"
#include "app/packs/ArchiveProgress.h"
#include "core/DatabasePaths.h"
#include "packs/Pack.h"
#include "ui/SlotTableView.h"

namespace slotsmith {

// A pack read whole and checked, shown read only at its file's path. The view refers to the
// tree, so the two live and go together.
struct MountedPack {
  explicit MountedPack(std::string file)
      : path(std::move(file)), view(realFileSystem(), path, tree) {}
  std::string path;
  ArchiveTree tree;
  PackFileSystem view;
  Status status;
};

namespace {

std::string pathBytes(const QString& file) {
  return QFile::encodeName(file).toStdString();
}

// A pack's sounds sit at 000 on; every slot whose script the pack carries is one.
std::vector<int> soundsIn(MountedPack& pack) {
  std::vector<int> sounds;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (pack.view.canReadFile(soundScriptPath(pack.path, slot))) sounds.push_back(slot);
  }
  return sounds;
}

// The first sound's name as a file name: letters, digits, spaces, dots and dashes kept, anything
// a file system or a shell might take another way replaced.
QString fileNameFor(const QString& soundName) {
  QString name;
  for (const QChar c : soundName.trimmed()) {
    const bool plain = c.isLetterOrNumber() || c == ' ' || c == '-' || c == '_' || c == '.';
    name += plain && c.unicode() < 128 ? c : QChar('_');
  }
  while (name.startsWith('.'))
    name.remove(0, 1);
  return (name.isEmpty() ? QStringLiteral("Sounds") : name) + QStringLiteral(".zip");
}

}  // namespace

PackActions::PackActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists, Ui& ui,
                         SideWindows& side, QObject* parent)
    : QObject(parent), session_(session), edits_(edits), lists_(lists), ui_(ui), side_(side) {
  const auto isPack = [](const QString& file) { return looksLikePackFile(pathBytes(file)); };
  lists_.model(SlotList::Sounds)
      ->setFileDropHandler({.accepts = isPack, .drop = [this](const QString& file, int row) {
                              importPack(file, row);
                            }});
  lists_.previewer()->setFileSounds(
      [this, isPack](const QString& file) -> std::optional<QList<int>> {
        if (!isPack(file)) return std::nullopt;
        return soundsOf(file);
      });
}

PackActions::~PackActions() {
  if (reading_) reading_->wait();
}

void PackActions::waitForReading() {
  if (reading_) reading_->wait();
  // What the thread read is taken over by the event it posted; deliver it now.
  QCoreApplication::sendPostedEvents(this);
}

bool PackActions::cachedIsCurrent(const QString& file) const {
  const QFileInfo info(file);
  return cached_ && cachedFile_ == file && cachedTime_ == info.lastModified() &&
         cachedSize_ == info.size();
}

std::shared_ptr<MountedPack> PackActions::mount(const QString& file, bool showProgress) {
  const QFileInfo info(file);
  if (cachedIsCurrent(file)) return cached_;
  auto pack = std::make_shared<MountedPack>(pathBytes(file));
  const auto read = [&pack] { return readPack(pack->path, pack->tree); };
  pack->status = showProgress
                     ? runShowingProgress(ui_, tr("Reading the pack...").toStdString(), read)
                     : read();
  cached_ = pack;
  cachedFile_ = file;
  cachedTime_ = info.lastModified();
  cachedSize_ = info.size();
  return pack;
}

std::optional<QList<int>> PackActions::soundsOf(const QString& file) {
  if (!cachedIsCurrent(file)) {
    if (reading_ && reading_->isRunning()) return std::nullopt;
    const QFileInfo info(file);
    auto pack = std::make_shared<MountedPack>(pathBytes(file));
    reading_.reset(QThread::create([pack] { pack->status = readPack(pack->path, pack->tree); }));
    connect(reading_.get(), &QThread::finished, this,
            [this, pack, file, time = info.lastModified(), size = info.size()] {
              cached_ = pack;
              cachedFile_ = file;
              cachedTime_ = time;
              cachedSize_ = size;
              lists_.previewer()->previewAgain();
            });
    reading_->start();
    return std::nullopt;
  }
  const std::shared_ptr<MountedPack> pack = cached_;
  if (!pack->status.isOk()) return std::nullopt;
  const std::vector<int> sounds = soundsIn(*pack);
  return QList<int>(sounds.begin(), sounds.end());
}

void PackActions::reportUnreadable(const MountedPack& pack, const QString& title,
                                   const QString& summary) {
  ui_.reportProblem(Ui::Problem::Refused, title.toStdString(), summary.toStdString(),
                    pack.status.message());
}

void PackActions::exportSelection() {
  const DatabaseRoot& root = session_.root();
  const int first = lists_.firstSelectedRow(SlotList::Sounds);
  if (!root || first < 0) return;
  const QString name =
      nameText(session_.database().tables().soundSlots[static_cast<size_t>(first)].sSoundName);
  // Beside the database folder, where its backups go too.
  const QString folder = QFileInfo(QDir::cleanPath(QFile::decodeName(root->c_str()))).path();
  QString file = QFileDialog::getSaveFileName(
      lists_.view(SlotList::Sounds)->window(), tr("Export Selection as Pack"),
      QDir(folder).filePath(fileNameFor(name)), tr("Sound packs (*.zip)"), nullptr,
      // A pack is only ever written as a new file; the export refuses a name that is taken,
      // so asking whether to replace it would promise what never happens.
      QFileDialog::DontConfirmOverwrite);
  if (file.isEmpty()) return;
  if (!file.endsWith(QStringLiteral(".zip"))) file += QStringLiteral(".zip");
  exportSelection(file);
}

bool PackActions::exportSelection(const QString& file) {
  const DatabaseRoot& root = session_.root();
  if (!root) return false;
  // The pack must hold the sounds the rows showed, not what another program put there since.
  if (!session_.pictureHolds()) return false;
  const SlotTables& tables = session_.database().tables();
  std::vector<int> sounds;
  for (int row : lists_.selectedRows(SlotList::Sounds)) {
    if (holdsSound(tables.soundSlots[static_cast<size_t>(row)])) sounds.push_back(row);
  }
  FileSystem& fs = session_.database().fileSystem();
  std::string report;
  std::size_t models = 0;
  const Status written = runShowingProgress(ui_, tr("Exporting sounds...").toStdString(), [&] {
    return exportPack(fs, *root, sounds, pathBytes(file), report, &models);
  });
  if (!written.isOk()) {
    ui_.reportProblem(Ui::Problem::Refused, tr("Export as pack").toStdString(),
                      tr("No pack was written.").toStdString(), written.message());
    return false;
  }
  lists_.showStatus(
      //: %1 is "3 sounds", %2 "2 models", %3 the pack's file.
      tr("Exported %1 and %2 to %3")
          .arg(tr("%n sound(s)", "", static_cast<int>(sounds.size())),
               tr("%n model(s)", "", static_cast<int>(models)), QDir::toNativeSeparators(file)));
  return true;
}

EditOutcome PackActions::importPack(const QString& file, int row) {
  const std::shared_ptr<MountedPack> pack = mount(file, true);
  if (!pack->status.isOk()) {
    reportUnreadable(*pack, tr("Import sounds"), tr("The pack was not imported; nothing changed."));
    return EditOutcome::refused(pack->status.message());
  }
  return edits_.run(ImportSoundsRequest{.sourceRoot = pack->path,
                                        .sounds = soundsIn(*pack),
                                        .destination = row,
                                        .keepWithinBank = true},
                    &pack->view);
}

void PackActions::openAsOtherDatabase(const QString& file) {
  const std::shared_ptr<MountedPack> pack = mount(file, true);
  if (!pack->status.isOk()) {
    reportUnreadable(*pack, tr("Not a sound pack"), tr("The file was not opened."));
    return;
  }
  // The window keeps the pack it reads for as long as it is open.
  side_.showOtherDatabase(file, std::shared_ptr<FileSystem>(pack, &pack->view));
}

}  // namespace slotsmith
