// The library's work for the desktop, off the thread that draws the windows: searches, counts,
// refreshes and the user's changes to tags and flags run one after another on a thread of their
// own, through a connection of their own to the library file (SQLite connections are not shared
// between threads). What a job finds comes back to the window's thread, to a receiver that may be
// gone by then (a closed window): the answer is then dropped.
//
// The CLI and the window use the same file at the same time; WAL and the busy timeout
// (library/LibraryFile.h) keep either from seeing the other's work half done.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "core/Status.h"
#include "library/Library.h"

namespace slotsmith {

class LibraryWorker {
 public:
  // The library file at path, opened by the worker's thread when its first job runs.
  explicit LibraryWorker(std::string path);
  ~LibraryWorker();

  LibraryWorker(const LibraryWorker&) = delete;
  LibraryWorker& operator=(const LibraryWorker&) = delete;

  // Runs job on the worker's thread with the library, or with none and the reason it cannot be
  // opened. Jobs run in the order they are posted.
  void post(std::function<void(Library* library, const Status& opened)> job);

  // Runs answer on receiver's thread unless receiver is gone by then. For a job's results.
  template <typename Answer>
  static void answer(QObject* receiver, Answer&& answer) {
    QMetaObject::invokeMethod(receiver, std::forward<Answer>(answer), Qt::QueuedConnection);
  }

  // Asks the refresh that runs now to stop before its next source (library/Library.h); it is
  // cleared when the next refresh starts.
  void cancelRefresh() { cancelled_ = true; }
  bool refreshCancelled() const { return cancelled_; }
  void startRefresh() { cancelled_ = false; }

  const std::string& path() const { return path_; }
  // Waits until every job posted so far has run (for the tests).
  void wait();

 private:
  std::string path_;
  QThread thread_;
  QObject* context_;  // lives in thread_; jobs are posted to it
  std::unique_ptr<Library> library_;
  Status opened_;
  bool tried_ = false;
  std::atomic<bool> cancelled_ = false;
};

}  // namespace slotsmith
