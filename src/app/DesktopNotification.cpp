#include "app/DesktopNotification.h"

#if !defined(__APPLE__)
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#endif

namespace slotsmith {

#if defined(__APPLE__)
// The status bar says it there.
void notifyDesktop(const QString&, const QString&) {}
#else
void notifyDesktop(const QString& summary, const QString& body) {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return;
  QDBusMessage notify = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.Notifications"),
      QStringLiteral("/org/freedesktop/Notifications"),
      QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
  // app name, id to replace (none), icon, summary, body, actions, hints, timeout (the server's).
  notify << QStringLiteral("Slotsmith") << 0U << QStringLiteral("slotsmith") << summary << body
         << QStringList() << QVariantMap() << -1;
  // Not waited for: a slow or absent daemon must not hold up the window.
  bus.send(notify);
}
#endif

}  // namespace slotsmith
