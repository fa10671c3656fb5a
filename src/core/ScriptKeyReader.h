// The scan's fast reader of a sound.script: it pulls the twenty values the slot tables need (the
// sixteen name codes, the two model references and their switches) straight from the file's
// bytes, with exactly the results a full SoundScript table would give (the first entry with a
// key wins, missing keys read 0, only the first 1024 lines count), but without building the
// 264 KB table or allocating anything.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
  // Whether a reference key is given on more than one line. Only the first counts for the scan,
  // but an edit that renumbers references must renumber every line, or a later line would come
  // to name another model than the one it named.
  bool repeatsModel1 = false;
  bool repeatsModel2 = false;
};

ScriptKeyValues readScriptKeys(std::string_view bytes);

// The sound's name as the scan reads it: the low byte of each name code, up to the first 0.
std::string soundNameOf(const ScriptKeyValues& keys);

// The value of every line of the two reference keys among the lines the table holds, in file
// order: where a key is given twice, both lines' values.
std::vector<int32_t> allReferenceValues(std::string_view bytes);

}  // namespace slotsmith
