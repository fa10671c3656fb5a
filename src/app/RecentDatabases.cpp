#include "app/RecentDatabases.h"

#include <QSettings>

namespace slotsmith {

namespace {

const QString kKey = QStringLiteral("recentDatabases");

}  // namespace

QStringList RecentDatabases::list() const {
  return QSettings().value(kKey).toStringList();
}

void RecentDatabases::add(const QString& folder) {
  QStringList folders = list();
  folders.removeAll(folder);
  folders.prepend(folder);
  while (folders.size() > kMaximum)
    folders.removeLast();
  QSettings().setValue(kKey, folders);
}

void RecentDatabases::clear() {
  QSettings().remove(kKey);
}

}  // namespace slotsmith
