// What every platform's file system shares: taking a lock for an edit, waiting briefly for readers.
#include "core/FileSystem.h"

#include <chrono>
#include <thread>

namespace slotsmith {

Status lockForWriting(FileSystem& fs, const std::string& path, std::unique_ptr<FileLock>& lock,
                      std::chrono::milliseconds readerWait) {
  const auto start = std::chrono::steady_clock::now();
  Status locked = fs.lockFile(path, thisProcessDescription(), lock);
  // Readers only (no holder named) let go soon; a writer's lock is reported at once.
  while (locked.code() == Status::Code::AlreadyExists && locked.reason().empty() &&
         std::chrono::steady_clock::now() - start < readerWait) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    locked = fs.lockFile(path, thisProcessDescription(), lock);
  }
  return locked;
}

}  // namespace slotsmith
