#include "app/Reveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace slotsmith {

namespace {

bool askFileManagerToShow(const QString& filePath) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  QDBusMessage request = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.FileManager1"),
      QStringLiteral("/org/freedesktop/FileManager1"),
      QStringLiteral("org.freedesktop.FileManager1"), QStringLiteral("ShowItems"));
  request << QStringList{QUrl::fromLocalFile(filePath).toString()} << QString();
  // Waiting for the answer tells whether some file manager took the request; a short time-out
  // keeps a double click from hanging on a bus without one.
  const QDBusMessage reply = bus.call(request, QDBus::Block, 2000);
  return reply.type() == QDBusMessage::ReplyMessage;
}

// Whether the desktop has a program for folders. Opening a folder without one "succeeds": the
// opener starts, finds nothing and tells only its own standard error, and the user sees nothing.
bool desktopOpensFolders() {
  if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) return true;
  QProcess query;
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("inode/directory")});
  if (!query.waitForFinished(2000)) return true;  // cannot tell: let the opener try
  return !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool revealInFileManager(const QString& filePath) {
  if (askFileManagerToShow(filePath)) return true;
  if (!desktopOpensFolders()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absolutePath()));
}

}  // namespace slotsmith
