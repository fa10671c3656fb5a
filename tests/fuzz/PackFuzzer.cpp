// Feeds arbitrary bytes to the pack reader as a zip and checks what the rest of the system builds
// on: nothing crashes or runs away, a tree that was read has only safe paths, every file lies in
// a folder the tree lists, and the pack checks never throw on what was read.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "packs/Archive.h"
#include "packs/Pack.h"

using namespace slotsmith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ArchiveLimits limits;
  limits.maxEntries = 2000;
  limits.maxTotalBytes = std::uint64_t{8} << 20;
  limits.ratioFreeBytes = std::uint64_t{1} << 20;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const ArchiveFormat format : {ArchiveFormat::Zip, ArchiveFormat::TarZstd}) {
    ArchiveTree tree;
    if (!readArchiveBytes(bytes, format, tree, limits).isOk()) {
      if (!tree.files.empty()) std::abort();  // a refusal keeps nothing
      continue;
    }
    for (const auto& [path, contents] : tree.files) {
      if (!isSafeArchivePath(path)) std::abort();
      const std::size_t slash = path.rfind('/');
      if (slash != std::string::npos && tree.folders.count(path.substr(0, slash)) == 0)
        std::abort();
    }
    static_cast<void>(checkPack(tree));
  }
  return 0;
}
