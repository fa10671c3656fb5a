// Feeds arbitrary bytes to the sound.script reader and checks the promises the rest of the system
// builds on: nothing crashes, a file the table cannot hold is written back byte for byte, a file
// it can hold reads back to the same table, and the scan's fast key reader agrees with the table.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "core/ScriptKeyReader.h"
#include "core/SoundScript.h"

using namespace slotsmith;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto script = std::make_unique<SoundScript>();
  static auto reread = std::make_unique<SoundScript>();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  script->parse(bytes);
  const std::string written = script->serialize();
  if (!script->fitsTable() && written != bytes) std::abort();
  if (script->fitsTable()) {
    reread->parse(written);
    for (int i = 0; i < kScriptLineCount && script->lines[i].key[0] != '\0'; ++i) {
      if (std::string_view(script->lines[i].key) != reread->lines[i].key) std::abort();
      if (script->lines[i].value != reread->lines[i].value) std::abort();
    }
  }
  const ScriptKeyValues fast = readScriptKeys(bytes);
  if (fast.model1 != valueForKey(kModel1Key, *script)) std::abort();
  if (fast.model2 != valueForKey(kModel2Key, *script)) std::abort();
  if (fast.switch1 != valueForKey(kSwitch1Key, *script)) std::abort();
  if (fast.switch2 != valueForKey(kSwitch2Key, *script)) std::abort();
  for (int k = 0; k < 16; ++k) {
    if (fast.nameCodes[k] != valueForKey(soundNameKey(k), *script)) std::abort();
  }
  return 0;
}
