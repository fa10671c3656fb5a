#include "core/SoundScriptFile.h"

#include "core/DatabasePaths.h"

namespace slotsmith {
namespace {

// Real scripts are a few kilobytes; this only bounds what a damaged database can make us hold.
constexpr std::size_t kMaxScriptBytes = std::size_t{1} << 30;

}  // namespace

Status readSoundScriptFile(FileSystem& fs, const std::string& root, int slot, std::string& bytes) {
  const std::string path = soundScriptPath(root, slot);
  bool truncated = false;
  if (Status status = fs.readFile(path, bytes, kMaxScriptBytes, &truncated); !status.isOk()) {
    return status;
  }
  if (truncated) return Status::invalid(path, "larger than 1 GiB; not a sound script");
  return Status::ok();
}

}  // namespace slotsmith
