// One sound.script file: key/value text lines ("key<TAB>value<LF>") held in a fixed table of 1024
// entries, and the five operations the system needs on it.
//
// Loading follows the file format to the byte: a line is what one fgets() with a 256-byte buffer
// returns (so a longer line continues in the next entry), the key is everything before the first
// TAB, and the value is strtol() in base 10 of what follows. A file that fits the table — at
// most 1024 lines of at most 255 bytes, no line without a key before the last, every value a
// whole decimal number — is written back as "%s\t%d\n" for each entry up to the first empty key.
//
// A file that does not fit is never cut down to what the table could hold: it is written back as
// it was, byte for byte, except that the value of every entry whose value was changed is
// replaced in place. Nothing the synthesizer stored is ever dropped.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace slotsmith {

inline constexpr int kScriptLineCount = 1024;
inline constexpr int kScriptKeySize = 256;

// At most this many bytes of a script are ever needed to fill the table: 1024 lines of at most
// 255 bytes. Readers that only want the table's contents stop there.
inline constexpr std::size_t kScriptTableBytes = std::size_t{kScriptLineCount} * 255;

struct ScriptLine {
  char key[kScriptKeySize];
  int32_t value;
  bool replaced;
};

// Where an entry came from in the original bytes, so that a changed value can be replaced in
// place in a file that is written back losslessly.
struct ScriptLineSource {
  uint32_t valueOffset;  // first byte of the number (after leading white space)
  uint32_t valueLength;  // sign and digits; 0 when the line held no number
  int32_t loadedValue;
};

class SoundScript {
 public:
  std::array<ScriptLine, kScriptLineCount> lines;

  // Empties the table: every entry has an empty key, value 0 and replaced false.
  void clear();

  // Fills the table from the bytes of a file (see above), clearing it first.
  void parse(std::string_view bytes);

  // Whether the loaded file fits the table model and is therefore written back in the table's
  // own format.
  bool fitsTable() const { return fitsTable_; }

  // Whether any entry now holds a value other than the one loaded.
  bool hasChangedValues() const;

  // The bytes to write back: the table format for a file that fits, the original bytes with the
  // changed values replaced for one that does not.
  std::string serialize() const;

 private:
  std::string original_;
  std::array<ScriptLineSource, kScriptLineCount> sources_{};
  int entryCount_ = 0;
  bool fitsTable_ = true;
};

// The value of the first entry with this key, in table order over all 1024 entries; 0 when no
// entry has it.
int32_t valueForKey(std::string_view key, const SoundScript& inSound);

// Sets every entry with this key to the value and marks it replaced. Adds nothing when no entry
// has the key.
void replaceValueForKey(std::string_view key, int32_t withValue, SoundScript& inSound);

// Gives every entry with this key the value `map` returns for that entry's own value, and marks
// the entries it changes replaced. A key given on two lines with two values is renumbered line by
// line, so each line goes on naming the model it named.
template <typename Map>
void mapValuesForKey(std::string_view key, Map map, SoundScript& inSound) {
  for (ScriptLine& line : inSound.lines) {
    if (key != line.key) continue;
    const int32_t after = map(line.value);
    if (after == line.value) continue;
    line.value = after;
    line.replaced = true;
  }
}

// The keys the system reads and writes.
inline constexpr char kModel1Key[] = "R1ModellIndex";
inline constexpr char kModel2Key[] = "R2ModellIndex";
inline constexpr char kSwitch1Key[] = "R1Switch";
inline constexpr char kSwitch2Key[] = "R2Switch";
// "SoundNameC00" .. "SoundNameC15".
std::string soundNameKey(int position);

}  // namespace slotsmith
