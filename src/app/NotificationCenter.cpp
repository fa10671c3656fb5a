#include "app/NotificationCenter.h"

#include <algorithm>

namespace slotsmith {

NotificationCenter& NotificationCenter::defaultCenter() {
  static NotificationCenter center;
  return center;
}

void NotificationCenter::addObserver(const void* observer, const QString& name, Handler handler) {
  registrations_.push_back({observer, name, std::move(handler)});
}

void NotificationCenter::removeObserver(const void* observer) {
  std::erase_if(registrations_,
                [observer](const Registration& entry) { return entry.observer == observer; });
}

void NotificationCenter::postNotificationName(const QString& name, QObject* object,
                                              const QVariantMap& userInfo) {
  // A handler may register or remove observers while it runs; deliver to the set that was
  // registered when the post began.
  std::vector<Handler> handlers;
  for (const Registration& entry : registrations_) {
    if (entry.name == name) handlers.push_back(entry.handler);
  }
  for (const Handler& handler : handlers)
    handler(object, userInfo);
}

int NotificationCenter::observerCount(const QString& name) const {
  return static_cast<int>(std::count_if(registrations_.begin(), registrations_.end(),
                                        [&name](const Registration& e) { return e.name == name; }));
}

}  // namespace slotsmith
