// A process-wide registry of notification name -> handlers. A post delivers the name, its object
// and its user info to every handler registered for it, synchronously and in registration order,
// before the post returns. A notification carries what its observers need in its user info (a
// row drop: the rows and the destination), so no observer reads it back from the sender.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <functional>
#include <vector>

namespace slotsmith {

class NotificationCenter {
 public:
  using Handler = std::function<void(QObject* object, const QVariantMap& userInfo)>;

  static NotificationCenter& defaultCenter();

  // Registers handler for name on behalf of observer (used only to remove it again).
  void addObserver(const void* observer, const QString& name, Handler handler);
  // Removes every registration of observer, for all names.
  void removeObserver(const void* observer);

  void postNotificationName(const QString& name, QObject* object, const QVariantMap& userInfo = {});

  int observerCount(const QString& name) const;

 private:
  struct Registration {
    const void* observer;
    QString name;
    Handler handler;
  };
  std::vector<Registration> registrations_;
};

}  // namespace slotsmith
