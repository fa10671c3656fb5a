#include "support/SwappingFileSystem.h"

#include <filesystem>
#include <system_error>

#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::testing {

void SwappingFileSystem::tick() {
  if (calls_++ != swapAt_) return;
  std::error_code error;
  // Aside under a name of its own beside it, so that the database keeps what it held.
  std::filesystem::rename(pathFromUtf8(folder_), pathFromUtf8(folder_ + ".swapped-aside"), error);
  if (error) return;
  createDirectorySymlink(target_, folder_);
  swapped_ = true;
}

}  // namespace slotsmith::testing
