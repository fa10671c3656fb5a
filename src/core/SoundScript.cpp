#include "core/SoundScript.h"

#include "core/ScriptFormat.h"

#include <cstdio>
#include <cstring>
#include <limits>

namespace slotsmith {
namespace {

// A value the table can write back unchanged: optional sign, digits, then only the line end.
bool isWholeNumberLine(std::string_view bytes, const ParsedValue& parsed, std::size_t valueBegin,
                       std::size_t lineEnd) {
  if (parsed.numberEnd == parsed.numberBegin || parsed.overflowed) return false;
  if (parsed.numberBegin != valueBegin) return false;  // leading white space would be lost
  std::size_t rest = parsed.numberEnd;
  if (rest < lineEnd && bytes[rest] == '\r') ++rest;
  if (rest < lineEnd && bytes[rest] == '\n') ++rest;
  return rest == lineEnd;
}

bool isBlankLine(std::string_view line) {
  return line.empty() || line == "\n" || line == "\r\n";
}

}  // namespace

void SoundScript::clear() {
  std::memset(lines.data(), 0, sizeof(ScriptLine) * lines.size());
  original_.clear();
  entryCount_ = 0;
  fitsTable_ = true;
}

void SoundScript::parse(std::string_view bytes) {
  clear();
  original_.assign(bytes);
  std::size_t pos = 0;
  int entry = 0;
  while (entry < kScriptLineCount && pos < bytes.size()) {
    const std::size_t end = scriptChunkEnd(bytes, pos);
    const bool lastLine = end == bytes.size();
    if (bytes[end - 1] != '\n' && !lastLine) fitsTable_ = false;  // a line longer than 255 bytes

    // The C string functions see the chunk only up to a NUL byte.
    std::size_t textEnd = end;
    if (const void* nul = std::memchr(bytes.data() + pos, '\0', end - pos)) {
      textEnd = static_cast<const char*>(nul) - bytes.data();
      fitsTable_ = false;
    }
    const std::string_view text = bytes.substr(pos, textEnd - pos);
    const std::size_t tab = text.find('\t');

    ScriptLine& line = lines[entry];
    ScriptLineSource& source = sources_[entry];
    std::size_t valueBegin = pos + 1;
    if (tab != std::string_view::npos) {
      std::memcpy(line.key, text.data(), tab);
      line.key[tab] = '\0';
      valueBegin = pos + tab + 1;
    }
    valueBegin = std::min(valueBegin, textEnd);
    const ParsedValue parsed = parseScriptNumber(bytes, valueBegin, textEnd);
    line.value = parsed.value;
    source.valueOffset = static_cast<uint32_t>(parsed.numberBegin);
    source.valueLength = static_cast<uint32_t>(parsed.numberEnd - parsed.numberBegin);
    source.loadedValue = parsed.value;

    if (line.key[0] == '\0') {
      if (!lastLine || !isBlankLine(text)) fitsTable_ = false;
    } else if (!isWholeNumberLine(bytes, parsed, valueBegin, end)) {
      fitsTable_ = false;
    }
    ++entry;
    pos = end;
  }
  entryCount_ = entry;
  if (pos < bytes.size()) fitsTable_ = false;  // more lines than the table holds
}

bool SoundScript::hasChangedValues() const {
  for (int i = 0; i < entryCount_; ++i) {
    if (lines[i].value != sources_[i].loadedValue) return true;
  }
  return false;
}

std::string SoundScript::serialize() const {
  std::string out;
  char number[16];
  if (fitsTable_) {
    for (int i = 0; i < kScriptLineCount && lines[i].key[0] != '\0'; ++i) {
      out += lines[i].key;
      out += '\t';
      out.append(number, std::snprintf(number, sizeof number, "%d", lines[i].value));
      out += '\n';
    }
    return out;
  }
  // Keep every byte that was read; only the numbers of changed entries are put in anew.
  out.reserve(original_.size() + 64);
  std::size_t copied = 0;
  for (int i = 0; i < entryCount_; ++i) {
    if (lines[i].value == sources_[i].loadedValue) continue;
    out.append(original_, copied, sources_[i].valueOffset - copied);
    out.append(number, std::snprintf(number, sizeof number, "%d", lines[i].value));
    copied = sources_[i].valueOffset + sources_[i].valueLength;
  }
  out.append(original_, copied, std::string::npos);
  return out;
}

int32_t valueForKey(std::string_view key, const SoundScript& inSound) {
  for (const ScriptLine& line : inSound.lines) {
    if (key == line.key) return line.value;
  }
  return 0;
}

void replaceValueForKey(std::string_view key, int32_t withValue, SoundScript& inSound) {
  for (ScriptLine& line : inSound.lines) {
    if (key == line.key) {
      line.value = withValue;
      line.replaced = true;
    }
  }
}

std::string soundNameKey(int position) {
  char key[16];
  std::snprintf(key, sizeof key, "SoundNameC%02d", position);
  return key;
}

}  // namespace slotsmith
