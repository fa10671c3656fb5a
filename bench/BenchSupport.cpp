#include "BenchSupport.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <vector>

#include "core/DatabasePaths.h"
#include "core/DemoDatabase.h"
#include "core/SlotTables.h"

namespace fs = std::filesystem;

namespace {
std::atomic<std::size_t> allocations{0};
}  // namespace

// Counting every allocation of the process lets a benchmark report allocations per operation.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  throw std::bad_alloc();
}
void operator delete(void* block) noexcept {
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
  std::free(block);
}

namespace slotsmith::bench {
namespace {

std::vector<std::string>& foldersToRemove() {
  static std::vector<std::string> folders;
  static const bool registered = [] {
    std::atexit([] {
      std::error_code ignored;
      for (const std::string& folder : foldersToRemove())
        fs::remove_all(folder, ignored);
    });
    return true;
  }();
  (void)registered;
  return folders;
}

std::string newTemporaryFolder() {
  std::string templ = (fs::temp_directory_path() / "slotsmith-bench-XXXXXX").string();
  if (::mkdtemp(templ.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  foldersToRemove().push_back(templ);
  return templ;
}

}  // namespace

std::size_t allocationCount() {
  return allocations.load(std::memory_order_relaxed);
}

const std::string& pristineFullDatabase() {
  static const std::string path = [] {
    const std::string folder = newTemporaryFolder() + "/db";
    const Status status = writeDemoDatabase(folder, {.full = true});
    if (!status.isOk()) throw std::runtime_error(status.message());
    return folder;
  }();
  return path;
}

std::size_t readEveryScriptAndName(const std::string& root, std::string& buffer) {
  std::size_t bytes = 0;
  for (int n = 0; n < kSlotCount; ++n) {
    for (const std::string& path : {modelNamePath(root, n), soundScriptPath(root, n)}) {
      const int fd = ::open(path.c_str(), O_RDONLY);
      if (fd < 0) continue;
      ssize_t got;
      while ((got = ::read(fd, buffer.data(), buffer.size())) > 0)
        bytes += static_cast<std::size_t>(got);
      ::close(fd);
    }
  }
  return bytes;
}

std::string copyOfFullDatabase() {
  const std::string folder = newTemporaryFolder() + "/db";
  fs::copy(pristineFullDatabase(), folder, fs::copy_options::recursive);
  return folder;
}

void removeDatabaseCopy(const std::string& path) {
  std::error_code ignored;
  fs::remove_all(fs::path(path).parent_path(), ignored);
}

}  // namespace slotsmith::bench
