#include "core/SoundScriptFile.h"

#include <algorithm>
#include <cstdio>

#include "core/DatabasePaths.h"

namespace slotsmith {
namespace {

// Real scripts are a few kilobytes; this only bounds what a damaged database can make us hold.
constexpr std::size_t kMaxScriptBytes = std::size_t{1} << 30;

bool isControlByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f;
}

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

std::string soundScriptDamage(std::string_view bytes, const ScriptKeyValues& keys) {
  const auto control = std::find_if(bytes.begin(), bytes.end(), isControlByte);
  if (control != bytes.end()) {
    char text[96];
    std::snprintf(text, sizeof text,
                  "holds the control byte 0x%02X at offset %zu, so it is not text",
                  static_cast<unsigned>(static_cast<unsigned char>(*control)),
                  static_cast<std::size_t>(control - bytes.begin()));
    return text;
  }
  if (!keys.hasName) return "has none of the name keys SoundNameC00 to SoundNameC15";
  return {};
}

}  // namespace slotsmith
