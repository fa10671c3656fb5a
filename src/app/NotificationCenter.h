// A process-wide registry of notification name -> handlers. A post delivers the name to every
// handler registered for it, synchronously and in registration order, before the post returns:
// a row drop therefore runs its whole copy or move inside the drop.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class NotificationCenter {
 public:
  using Handler = std::function<void(QObject* object)>;

  static NotificationCenter& defaultCenter();

  // Registers handler for name on behalf of observer (used only to remove it again).
  void addObserver(const void* observer, const QString& name, Handler handler);
  // Removes every registration of observer, for all names.
  void removeObserver(const void* observer);

  void postNotificationName(const QString& name, QObject* object);

  int observerCount(const QString& name) const;

 private:
  struct Registration {
    const void* observer;
    QString name;
    Handler handler;
  };
  std::vector<Registration> registrations_;
};
