#include "app/library/LibraryActions.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QSettings>

#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopNotification.h"
#include "app/WindowPlacement.h"
#include "app/library/LibraryWindow.h"
#include "library/LibraryFile.h"
#include "library/Placing.h"

namespace slotsmith {

namespace {

QString text(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

LibraryActions::LibraryActions(DatabaseSession& session, DesktopEdits& edits,
                               std::function<void(const QString&)> openDatabase,
                               std::function<void(QString)> status,
                               std::function<void(std::vector<bool>)> markAtRisk, QWidget* anchor,
                               QObject* parent)
    : QObject(parent),
      session_(session),
      edits_(edits),
      openDatabase_(std::move(openDatabase)),
      status_(std::move(status)),
      markAtRisk_(std::move(markAtRisk)),
      anchor_(anchor) {
  // The marks belong to the database that was open; the new one's come when it has been read.
  connect(&session_, &DatabaseSession::opened, this, [this] { markAtRisk_({}); });
  connect(&session_, &DatabaseSession::opened, this, &LibraryActions::followOpenDatabase);
  connect(&edits_, &DesktopEdits::finished, this, &LibraryActions::followOpenDatabase);
}

LibraryActions::~LibraryActions() = default;

LibraryWindow& LibraryActions::ensureWindow() {
  if (!window_) {
    window_ = std::make_unique<LibraryWindow>(libraryPath(), [this](const QString& root, int slot) {
      openDatabase_(root);
      if (session_.root() && text(*session_.root()) == root) {
        edits_.selectSlots(SlotList::Sounds, {slot});
      }
    });
    connect(window_.get(), &LibraryWindow::refreshed, this,
            [this](const QString& outcome) { status_(outcome); });
    connect(window_.get(), &LibraryWindow::marked, this,
            [this](const QString& outcome) { status_(outcome); });
    connect(window_.get(), &LibraryWindow::noticed, this,
            [this](const QString& news) { notifyDesktop(tr("Library"), news); });
    connect(window_.get(), &LibraryWindow::atRiskSlotsRead, this,
            [this](const QString& source, const std::vector<bool>& slots) {
              if (session_.root() && text(*session_.root()) == source) markAtRisk_(slots);
            });
  }
  return *window_;
}

void LibraryActions::showWindow() {
  LibraryWindow& window = ensureWindow();
  showSideWindow(&window, anchor_, QStringLiteral("libraryWindowGeometry"));
  window.searchField()->setFocus(Qt::ShortcutFocusReason);
}

void LibraryActions::showInLibrary(int slot) {
  if (!session_.root()) return;
  showWindow();
  window_->showSoundAt(text(*session_.root()), slot);
}

void LibraryActions::favouriteInLibrary(const QList<int>& slots) {
  if (!session_.root() || slots.isEmpty()) return;
  ensureWindow().markSoundsAt(text(*session_.root()), slots, true);
}

void LibraryActions::tagInLibrary(const QList<int>& slots) {
  if (!session_.root() || slots.isEmpty()) return;
  const QString tag =
      QInputDialog::getText(anchor_, tr("Tag in Library"),
                            tr("Tag for %n selected sound(s):", "", static_cast<int>(slots.size())))
          .trimmed();
  if (!tag.isEmpty()) ensureWindow().markSoundsAt(text(*session_.root()), slots, false, tag);
}

void LibraryActions::followOpenDatabase() {
  if (!session_.root() || !QSettings().value(kFollowOpenDatabaseKey, true).toBool()) return;
  ensureWindow().readSource(text(*session_.root()));
}

void LibraryActions::placeSounds(const std::vector<std::string>& ids, int row) {
  if (!session_.root()) return;
  std::vector<Digest> identities;
  for (const std::string& id : ids) {
    Digest digest{};
    if (!digestOfHex(id, digest)) return;
    identities.push_back(digest);
  }
  std::unique_ptr<Library> library;
  if (Status opened = Library::open(libraryPath(), library); !opened.isOk()) {
    status_(text(opened.message()));
    return;
  }
  ArchiveViews archives;
  ListPlacing placing;
  if (Status found = findSoundPlaces(*library, identities, *session_.root(), realFileSystem(),
                                     archives.opener(), placing);
      !found.isOk()) {
    status_(text(found.message()));
    return;
  }
  if (!placing.unplaced.empty()) {
    QStringList sounds;
    for (const std::string& sound : placing.unplaced)
      sounds << text(sound);
    status_(tr("Nothing was placed: no place holds %n of the sounds now: %1", "",
               static_cast<int>(sounds.size()))
                .arg(sounds.join(QStringLiteral("; "))));
    return;
  }
  // The sources stay locked (placing.locks) until the edit is done, so what was checked is what
  // it copies.
  FileSystem* through = &archives.top() == &realFileSystem() ? nullptr : &archives.top();
  edits_.run(PlaceSoundsRequest{placing.sounds, row, {}}, through);
}

}  // namespace slotsmith
