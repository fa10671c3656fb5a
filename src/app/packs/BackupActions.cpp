#include "app/packs/BackupActions.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>

#include "app/DatabaseSession.h"
#include "app/DesktopEdits.h"
#include "app/DesktopLists.h"
#include "app/Summaries.h"
#include "app/packs/ArchiveProgress.h"
#include "packs/Backup.h"
#include "packs/Pack.h"
#include "ui/ListWindow.h"

namespace slotsmith {

namespace {

// Database folder -> [backup file, when it was made], for the backups made from this application.
const QString kLastBackupsKey = QStringLiteral("lastBackups");
const QString kBackupSuffix = QStringLiteral(".tar.zst");

QString folderOf(const std::string& root) {
  return QDir::cleanPath(QFile::decodeName(root.c_str()));
}

// The newest backup beside the database folder under the default name, by the time in its name.
BackupActions::LastBackup newestBesideDatabase(const QString& folder) {
  const QFileInfo database(folder);
  const QRegularExpression stamped(QStringLiteral("^%1-(\\d{8}-\\d{6})\\.tar\\.zst$")
                                       .arg(QRegularExpression::escape(database.fileName())));
  BackupActions::LastBackup newest;
  const QDir beside = database.dir();
  for (const QString& name : beside.entryList(
           {database.fileName() + QStringLiteral("-*") + kBackupSuffix}, QDir::Files)) {
    const QRegularExpressionMatch match = stamped.match(name);
    if (!match.hasMatch()) continue;
    const QDateTime made =
        QDateTime::fromString(match.captured(1), QStringLiteral("yyyyMMdd-HHmmss"));
    if (made.isValid() && (newest.file.isEmpty() || made > newest.made)) {
      newest = {beside.filePath(name), made};
    }
  }
  return newest;
}

}  // namespace

BackupActions::BackupActions(DatabaseSession& session, DesktopEdits& edits, DesktopLists& lists,
                             Ui& ui, QObject* parent)
    : QObject(parent), session_(session), edits_(edits), lists_(lists), ui_(ui) {
  connect(&session_, &DatabaseSession::opened, this, &BackupActions::showLastBackup);
}

void BackupActions::backUp() {
  const DatabaseRoot& root = session_.root();
  if (!root) return;
  QString file = QFileDialog::getSaveFileName(
      &lists_.window(), tr("Back Up Database"), QFile::decodeName(defaultBackupPath(*root).c_str()),
      tr("Backups (*.tar.zst)"), nullptr,
      // A backup is only ever written as a new file; the backup refuses a name that is taken.
      QFileDialog::DontConfirmOverwrite);
  if (file.isEmpty()) return;
  if (!file.endsWith(kBackupSuffix)) file += kBackupSuffix;
  backUp(file);
}

bool BackupActions::backUp(const QString& file) {
  const DatabaseRoot& root = session_.root();
  if (!root) return false;
  // The backup holds the disk as it is; the lists are brought up to it first, so that what the
  // user sees is what was saved.
  session_.followDiskIfTouched();
  FileSystem& fs = session_.database().fileSystem();
  std::size_t files = 0;
  const Status written = runShowingProgress(ui_, tr("Backing up...").toStdString(), [&] {
    return backUpDatabase(fs, *root, QFile::encodeName(file).toStdString(), files);
  });
  if (!written.isOk()) {
    ui_.reportProblem(Ui::Problem::Refused, tr("Back up").toStdString(),
                      tr("No backup was written.").toStdString(), written.message());
    return false;
  }
  QVariantMap made = QSettings().value(kLastBackupsKey).toMap();
  made[folderOf(*root)] = QStringList{QFileInfo(file).absoluteFilePath(),
                                      QDateTime::currentDateTime().toString(Qt::ISODate)};
  QSettings().setValue(kLastBackupsKey, made);
  showLastBackup();
  lists_.showStatus(
      tr("Backed up %1 to %2")
          .arg(tr("%n file(s)", "", static_cast<int>(files)), QDir::toNativeSeparators(file)));
  return true;
}

void BackupActions::restore() {
  const DatabaseRoot& root = session_.root();
  if (!root) return;
  const QString file =
      QFileDialog::getOpenFileName(&lists_.window(), tr("Restore from Backup"),
                                   QFileInfo(folderOf(*root)).path(), tr("Backups (*.tar.zst)"));
  if (!file.isEmpty()) restore(file);
}

EditOutcome BackupActions::restore(const QString& file) {
  const std::string path = QFile::encodeName(file).toStdString();
  ArchiveTree backup;
  const Status read = runShowingProgress(ui_, tr("Checking the backup...").toStdString(),
                                         [&] { return verifyBackup(path, backup); });
  if (!read.isOk()) {
    ui_.reportProblem(Ui::Problem::Refused, tr("Restore").toStdString(),
                      tr("Nothing was changed.").toStdString(), read.message());
    return EditOutcome::refused(read.message());
  }
  // The engine asks how many slots change, and the edit's rescan brings the lists up to date.
  PackFileSystem view(realFileSystem(), path, backup);
  return edits_.run(RestoreRequest{path}, &view);
}

BackupActions::LastBackup BackupActions::lastBackup() const {
  const DatabaseRoot& root = session_.root();
  if (!root) return {};
  const QString folder = folderOf(*root);
  LastBackup last = newestBesideDatabase(folder);
  const QStringList made = QSettings().value(kLastBackupsKey).toMap().value(folder).toStringList();
  if (made.size() == 2 && QFileInfo::exists(made[0])) {
    const QDateTime when = QDateTime::fromString(made[1], Qt::ISODate);
    if (when.isValid() && (last.file.isEmpty() || when > last.made)) last = {made[0], when};
  }
  return last;
}

void BackupActions::showLastBackup() {
  const LastBackup last = lastBackup();
  lists_.window().showLastBackup(
      last.file.isEmpty()
          ? tr("No backup yet")
          : tr("Last backup %1").arg(QLocale().toString(last.made, QLocale::ShortFormat)));
}

}  // namespace slotsmith
