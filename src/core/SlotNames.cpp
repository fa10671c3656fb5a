#include "core/SlotNames.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <vector>

#include "core/ScriptFormat.h"
#include "core/ScriptKeyReader.h"
#include "core/SlotTables.h"
#include "core/SoundScript.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

// One entry of a sound.script that holds a name key, located in the file's bytes.
struct NameEntry {
  int position;
  int32_t code;
  std::size_t numberBegin;  // the number to replace; empty when the entry held none
  std::size_t numberEnd;
  std::size_t lineContentEnd;  // where the entry's line ends, before its line ending
};

// A change to a byte string: replace length bytes at offset by text.
struct Splice {
  std::size_t offset;
  std::size_t length;
  std::string text;
};

// Applies splices given in ascending offset order that do not overlap.
std::string applySplices(std::string_view bytes, const std::vector<Splice>& splices) {
  std::string out;
  out.reserve(bytes.size() + 256);
  std::size_t copied = 0;
  for (const Splice& splice : splices) {
    out.append(bytes.substr(copied, splice.offset - copied));
    out += splice.text;
    copied = splice.offset + splice.length;
  }
  out.append(bytes.substr(copied));
  return out;
}

// End of the real line holding pos, before its "\n" or "\r\n" (a long line is several entries).
std::size_t lineContentEnd(std::string_view bytes, std::size_t pos) {
  std::size_t end = bytes.find('\n', pos);
  if (end == std::string_view::npos) return bytes.size();
  if (end > pos && bytes[end - 1] == '\r') --end;
  return end;
}

// The entries as the scan reads them (see ScriptFormat.h), over the whole file: a rename must
// also reach a name entry that only the lossless writer keeps.
std::vector<NameEntry> findNameEntries(std::string_view script) {
  std::vector<NameEntry> entries;
  for (std::size_t pos = 0; pos < script.size();) {
    const std::size_t begin = pos;
    const std::size_t end = scriptChunkEnd(script, begin);
    pos = end;
    std::size_t textEnd = end;
    if (const void* nul = std::memchr(script.data() + begin, '\0', end - begin)) {
      textEnd = static_cast<std::size_t>(static_cast<const char*>(nul) - script.data());
    }
    const std::string_view text = script.substr(begin, textEnd - begin);
    const std::size_t tab = text.find('\t');
    if (tab == std::string_view::npos) continue;
    const int position = soundNamePosition(text.substr(0, tab));
    if (position < 0) continue;
    const ParsedValue value = parseScriptNumber(script, begin + tab + 1, textEnd);
    entries.push_back(
        {position, value.value, value.numberBegin, value.numberEnd, lineContentEnd(script, begin)});
  }
  return entries;
}

// 32 when the script padded its old name with spaces, 0 otherwise (see renameSoundScript).
int32_t paddingCode(const std::vector<NameEntry>& entries) {
  std::array<std::optional<int32_t>, kSoundNameLength> codes;
  for (const NameEntry& entry : entries) {
    if (!codes[entry.position]) codes[entry.position] = entry.code;
  }
  std::size_t visibleEnd = 0;
  for (std::size_t k = 0; k < kSoundNameLength && codes[k].value_or(0) != 0; ++k) {
    if (*codes[k] != ' ') visibleEnd = k + 1;
  }
  bool sawPadding = false;
  for (std::size_t k = visibleEnd; k < kSoundNameLength; ++k) {
    if (!codes[k]) continue;
    if (*codes[k] != ' ') return 0;
    sawPadding = true;
  }
  return sawPadding ? ' ' : 0;
}

// The line ending of the line ending at contentEnd, or else the file's first one, or else LF.
std::string_view lineEndingStyle(std::string_view bytes, std::size_t contentEnd) {
  if (bytes.substr(contentEnd).starts_with("\r\n")) return "\r\n";
  if (bytes.substr(contentEnd).starts_with("\n")) return "\n";
  const std::size_t first = bytes.find('\n');
  if (first != std::string_view::npos && first > 0 && bytes[first - 1] == '\r') return "\r\n";
  return "\n";
}

std::string nameLine(int position, int32_t code) {
  return soundNameKey(position) + '\t' + std::to_string(code);
}

// The lines for the name keys the script lacks, spliced in after the last name entry, or at the
// end of the file, whose final line ending (or its absence) stays where it was.
std::optional<Splice> missingKeyLines(std::string_view script,
                                      const std::vector<NameEntry>& entries,
                                      const std::array<int32_t, kSoundNameLength>& codes) {
  std::array<bool, kSoundNameLength> present{};
  std::size_t anchor = script.size();
  for (const NameEntry& entry : entries) {
    present[entry.position] = true;
    anchor = entry.lineContentEnd;  // entries are in file order: the last one wins
  }
  const bool appendAfterEndedLastLine =
      entries.empty() && (script.empty() || script.back() == '\n');
  const std::string_view ending = lineEndingStyle(script, anchor);
  std::string text;
  for (std::size_t k = 0; k < kSoundNameLength; ++k) {
    if (present[k]) continue;
    const std::string line = nameLine(static_cast<int>(k), codes[k]);
    text += appendAfterEndedLastLine ? line + std::string(ending) : std::string(ending) + line;
  }
  if (text.empty()) return std::nullopt;
  return Splice{anchor, 0, std::move(text)};
}

std::string_view withoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<int> parseSlotNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int number = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  return number;
}

int soundNamePosition(std::string_view key) {
  if (key.size() != 12 || !key.starts_with("SoundNameC")) return -1;
  const char tens = key[10];
  const char ones = key[11];
  if (tens < '0' || tens > '1' || ones < '0' || ones > '9') return -1;
  const int position = (tens - '0') * 10 + (ones - '0');
  return position < static_cast<int>(kSoundNameLength) ? position : -1;
}

Status checkSlotName(Bank bank, std::string_view name) {
  const std::size_t limit = bank == Bank::Sounds ? kSoundNameLength : kModelNameLength;
  if (name.empty()) {
    return Status::invalid({}, userText(USER_TEXT("Names", "a name needs at least one character")));
  }
  if (name.size() > limit) {
    const std::initializer_list<TextArgument> arguments = {{"name", std::string(name)},
                                                           {"length", std::to_string(name.size())},
                                                           {"limit", std::to_string(limit)}};
    return Status::invalid(
        {}, bank == Bank::Sounds
                ? userText(USER_TEXT("Names",
                                     "\"{name}\" has {length} characters; a sound name holds at "
                                     "most {limit}"),
                           arguments)
                : userText(USER_TEXT("Names",
                                     "\"{name}\" has {length} characters; a model name holds at "
                                     "most {limit}"),
                           arguments));
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto code = static_cast<unsigned char>(name[i]);
    if (code < 0x20 || code > 0x7e) {
      return Status::invalid(
          {}, userText(USER_TEXT("Names",
                                 "character {position} of the name (code {code}) is not printable "
                                 "ASCII; names hold only the characters from space to ~"),
                       {{"position", std::to_string(i + 1)}, {"code", std::to_string(code)}}));
    }
  }
  return Status::ok();
}

Status checkNameToCarry(Bank bank, std::string_view name) {
  const std::size_t limit = bank == Bank::Sounds ? kSoundNameLength : kModelNameLength;
  if (name.size() > limit) {
    return Status::invalid(
        {}, userText(USER_TEXT("Names", "it has {length} characters, more than {limit}"),
                     {{"length", std::to_string(name.size())}, {"limit", std::to_string(limit)}}));
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto code = static_cast<unsigned char>(name[i]);
    if (code < 0x20 || code == 0x7f) {
      return Status::invalid(
          {}, userText(USER_TEXT("Names",
                                 "character {position} of the name (code {code}) is a control "
                                 "character"),
                       {{"position", std::to_string(i + 1)}, {"code", std::to_string(code)}}));
    }
  }
  return Status::ok();
}

std::string_view modelNameIn(std::string_view modelNameFile) {
  std::size_t length = std::min(modelNameFile.size(), kModelNameLength);
  length = std::min(length, modelNameFile.find('\n'));
  const bool endsLine = length < modelNameFile.size() && modelNameFile[length] == '\n';
  if (length > 0 && modelNameFile[length - 1] == '\r' &&
      (endsLine || length == modelNameFile.size())) {
    --length;
  }
  return modelNameFile.substr(0, length);
}

Status checkStoredNames(const std::map<std::string, std::string>& files) {
  for (const Bank bank : {Bank::Sounds, Bank::Models}) {
    const char* fileName = bank == Bank::Sounds ? kSoundScriptFileName : kModelNameFileName;
    for (int slot = 0; slot < kSlotCount; ++slot) {
      const auto file = files.find(std::string(bankFolderName(bank)) + "/" +
                                   slotFolderName(bank, slot) + "/" + fileName);
      if (file == files.end()) continue;
      const std::string name = bank == Bank::Sounds ? soundNameOf(readScriptKeys(file->second))
                                                    : std::string(modelNameIn(file->second));
      if (Status valid = checkNameToCarry(bank, name); !valid.isOk()) {
        const TextArgument number{"slot", std::to_string(slot)};
        const TextArgument reason{"reason", valid.message()};
        return Status::invalid(
            {},
            bank == Bank::Sounds
                ? userText(USER_TEXT("Names", "sound {slot}: its name cannot travel ({reason})"),
                           {number, reason})
                : userText(USER_TEXT("Names", "model {slot}: its name cannot travel ({reason})"),
                           {number, reason}));
      }
    }
  }
  return Status::ok();
}

RenamedBytes renameSoundScript(std::string_view script, std::string_view newName) {
  if (Status status = checkSlotName(Bank::Sounds, newName); !status.isOk()) return {status, {}};
  const std::vector<NameEntry> entries = findNameEntries(script);
  const int32_t padding = paddingCode(entries);
  std::array<int32_t, kSoundNameLength> codes;
  for (std::size_t k = 0; k < kSoundNameLength; ++k) {
    codes[k] = k < newName.size() ? static_cast<unsigned char>(newName[k]) : padding;
  }
  std::vector<Splice> splices;
  splices.reserve(entries.size());
  for (const NameEntry& entry : entries) {
    splices.push_back({entry.numberBegin, entry.numberEnd - entry.numberBegin,
                       std::to_string(codes[entry.position])});
  }
  // The added lines go to the end of the last name entry's line, after any number in it.
  if (auto added = missingKeyLines(script, entries, codes)) splices.push_back(std::move(*added));
  return {Status::ok(), applySplices(script, splices)};
}

RenamedBytes renameModelNameFile(std::string_view modelNameFile, std::string_view newName) {
  if (Status status = checkSlotName(Bank::Models, newName); !status.isOk()) return {status, {}};
  std::size_t nameEnd = modelNameFile.find('\n');
  if (nameEnd == std::string_view::npos) nameEnd = modelNameFile.size();
  // A carriage return before the line feed, or closing a file of one line, is the line ending.
  if (nameEnd > 0 && modelNameFile[nameEnd - 1] == '\r') --nameEnd;
  std::string bytes(newName);
  bytes += modelNameFile.substr(nameEnd);
  return {Status::ok(), std::move(bytes)};
}

Status parseNamesFile(std::string_view text, std::map<int, std::string>& names) {
  names.clear();
  std::map<int, int> lineOfSlot;
  int lineNumber = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (withoutTrailingSpaces(line).empty()) continue;
    const std::size_t tab = line.find('\t');
    const TextArgument numbered{"line", std::to_string(lineNumber)};
    if (tab == std::string_view::npos) {
      return Status::invalid(
          {}, userText(USER_TEXT("Names", "line {line}: expected a slot number, a TAB and a name"),
                       {numbered}));
    }
    const std::optional<int> slot = parseSlotNumber(line.substr(0, tab));
    if (!slot) {
      return Status::invalid(
          {}, userText(USER_TEXT("Names", "line {line}: \"{text}\" is not a slot number 0-999"),
                       {numbered, {"text", std::string(line.substr(0, tab))}}));
    }
    if (const auto named = lineOfSlot.find(*slot); named != lineOfSlot.end()) {
      return Status::invalid(
          {}, userText(USER_TEXT("Names",
                                 "line {line}: slot {slot} is named again (first on line {first})"),
                       {numbered,
                        {"slot", std::to_string(*slot)},
                        {"first", std::to_string(named->second)}}));
    }
    lineOfSlot[*slot] = lineNumber;
    names[*slot] = std::string(withoutTrailingSpaces(line.substr(tab + 1)));
  }
  return Status::ok();
}

}  // namespace slotsmith
