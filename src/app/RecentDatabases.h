// The databases opened last, newest first, kept in the user's settings between runs.
#pragma once

#include <QStringList>

namespace slotsmith {

class RecentDatabases {
 public:
  static constexpr int kMaximum = 8;

  QStringList list() const;
  // Puts folder at the top (moving it there when already listed) and drops the oldest beyond the
  // maximum.
  void add(const QString& folder);
  void clear();
};

}  // namespace slotsmith
