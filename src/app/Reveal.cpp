#include "app/Reveal.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QFileInfo>
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

}  // namespace

bool revealInFileManager(const QString& filePath) {
  if (askFileManagerToShow(filePath)) return true;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(filePath).absolutePath()));
}

}  // namespace slotsmith
