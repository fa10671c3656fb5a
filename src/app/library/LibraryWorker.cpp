#include "app/library/LibraryWorker.h"

#include <QSemaphore>

namespace slotsmith {

LibraryWorker::LibraryWorker(std::string path) : path_(std::move(path)), context_(new QObject) {
  thread_.setObjectName(QStringLiteral("library"));
  context_->moveToThread(&thread_);
  QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
  thread_.start();
}

LibraryWorker::~LibraryWorker() {
  // The job that runs now finishes; those still queued are dropped with the thread's events. A
  // job that answers a receiver does so before the receiver goes, for the receiver owns this.
  thread_.quit();
  thread_.wait();
  library_.reset();
}

void LibraryWorker::post(std::function<void(Library* library, const Status& opened)> job) {
  QMetaObject::invokeMethod(
      context_,
      [this, job = std::move(job)] {
        if (!tried_) {
          tried_ = true;
          opened_ = Library::open(path_, library_);
        }
        job(library_.get(), opened_);
      },
      Qt::QueuedConnection);
}

void LibraryWorker::wait() {
  QSemaphore done;
  post([&done](Library*, const Status&) { done.release(); });
  done.acquire();
}

}  // namespace slotsmith
