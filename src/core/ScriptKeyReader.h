// The scan's fast reader of a sound.script: it pulls the twenty values the slot tables need (the
// sixteen name codes, the two model references and their switches) straight from the file's
// bytes, with exactly the results a full SoundScript table would give (the first entry with a
// key wins, missing keys read 0, only the first 1024 lines count), but without building the
// 264 KB table or allocating anything.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace slotsmith {

struct ScriptKeyValues {
  std::array<int32_t, 16> nameCodes{};
  int32_t model1 = 0;
  int32_t model2 = 0;
  int32_t switch1 = 0;
  int32_t switch2 = 0;
  // Whether the script has the reference keys at all: a missing key reads 0 like the table does,
  // but it is no reference to model 0.
  bool hasModel1 = false;
  bool hasModel2 = false;
  // Whether any of the sixteen name keys is there: every sound the synthesizer saves has them.
  bool hasName = false;
};

ScriptKeyValues readScriptKeys(std::string_view bytes);

}  // namespace slotsmith
