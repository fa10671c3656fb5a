#include "core/SlotFilter.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/SlotNames.h"
#include "core/UserText.h"

namespace slotsmith {
namespace {

constexpr char kKnownWords[] = "model:N, unused, disabled, empty";

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) { return lowerAscii(c); });
  return lower;
}

bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

struct Word {
  std::string text;
  bool quoted;
};

// Splits the text at white space; a double-quoted phrase is one word (the quotes removed).
Status splitWords(std::string_view text, std::vector<Word>& words) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (isSpace(text[pos])) {
      ++pos;
    } else if (text[pos] == '"') {
      const std::size_t close = text.find('"', pos + 1);
      if (close == std::string_view::npos) {
        return Status::invalid(
            {}, userText(USER_TEXT("Filter", "the quote before \"{text}\" is never closed"),
                         {{"text", std::string(text.substr(pos + 1))}}));
      }
      words.push_back({std::string(text.substr(pos + 1, close - pos - 1)), true});
      pos = close + 1;
    } else {
      std::size_t end = pos;
      while (end < text.size() && !isSpace(text[end]) && text[end] != '"')
        ++end;
      words.push_back({std::string(text.substr(pos, end - pos)), false});
      pos = end;
    }
  }
  return Status::ok();
}

bool holdsModelAt(const SlotTables& tables, int32_t reference) {
  return isModelNumber(reference) && holdsModel(tables.modelSlots[reference]);
}

}  // namespace

Status SlotFilter::parse(std::string_view text, SlotFilter& filter) {
  std::vector<Word> words;
  if (Status status = splitWords(text, words); !status.isOk()) return status;
  SlotFilter parsed;
  for (const Word& word : words) {
    const std::string lower = lowerAscii(word.text);
    const std::size_t colon = lower.find(':');
    // A quoted word, or one without a colon that is no keyword, is a text to find in names.
    const bool isNameText = word.quoted || (colon == std::string::npos && lower != "unused" &&
                                            lower != "disabled" && lower != "empty");
    if (isNameText) {
      parsed.nameTexts_.push_back(lower);
    } else if (lower == "unused") {
      parsed.unused_ = true;
    } else if (lower == "disabled") {
      parsed.disabled_ = true;
    } else if (lower == "empty") {
      parsed.empty_ = true;
    } else if (lower.substr(0, colon) != "model") {
      return Status::invalid(
          {}, userText(USER_TEXT("Filter",
                                 "unknown filter word \"{word}\" (known words: {known}; quote a "
                                 "name that holds a colon)"),
                       {{"word", word.text.substr(0, colon + 1)}, {"known", kKnownWords}}));
    } else if (const auto model = parseSlotNumber(lower.substr(colon + 1))) {
      parsed.models_.push_back(*model);
    } else {
      return Status::invalid(
          {}, userText(USER_TEXT("Filter", "\"{word}\": model: needs a slot number 0-999"),
                       {{"word", word.text}}));
    }
  }
  filter = std::move(parsed);
  return Status::ok();
}

bool SlotFilter::matches(const SlotTables& tables, Bank bank, int slot) const {
  return bank == Bank::Sounds ? soundMatches(tables, slot) : modelMatches(tables, slot);
}

std::vector<int> SlotFilter::matchingSlots(const SlotTables& tables, Bank bank) const {
  std::vector<int> slots;
  for (int n = 0; n < kSlotCount; ++n) {
    if (matches(tables, bank, n)) slots.push_back(n);
  }
  return slots;
}

bool SlotFilter::nameMatches(const char* name) const {
  const std::string lower = lowerAscii(name);
  return std::all_of(nameTexts_.begin(), nameTexts_.end(), [&](const std::string& text) {
    return lower.find(text) != std::string::npos;
  });
}

bool SlotFilter::slotMatchesContent(bool occupied, bool contentWords) const {
  if (empty_ && occupied) return false;
  return occupied || !contentWords;
}

bool SlotFilter::soundMatches(const SlotTables& tables, int slot) const {
  const SoundSlot& sound = tables.soundSlots[slot];
  const bool contentWords = !nameTexts_.empty() || !models_.empty() || unused_ || disabled_;
  if (!slotMatchesContent(sound.sIsUsed == kSoundOccupied, contentWords)) return false;
  if (!nameMatches(sound.sSoundName)) return false;
  for (int model : models_) {
    if (sound.sModel1 != model && sound.sModel2 != model) return false;
  }
  const bool plays1 = sound.sModelOn1 > 0 && holdsModelAt(tables, sound.sModel1);
  const bool plays2 = sound.sModelOn2 > 0 && holdsModelAt(tables, sound.sModel2);
  if (unused_ && (plays1 || plays2)) return false;
  const bool disabled1 = sound.sModelOn1 <= 0 && holdsModelAt(tables, sound.sModel1);
  const bool disabled2 = sound.sModelOn2 <= 0 && holdsModelAt(tables, sound.sModel2);
  return !disabled_ || disabled1 || disabled2;
}

bool SlotFilter::modelMatches(const SlotTables& tables, int slot) const {
  const ModelSlot& model = tables.modelSlots[slot];
  for (int wanted : models_) {
    if (slot != wanted) return false;
  }
  const bool contentWords = !nameTexts_.empty() || unused_ || disabled_;
  if (!slotMatchesContent(holdsModelAt(tables, slot), contentWords)) return false;
  if (!nameMatches(model.sModelName)) return false;
  if (unused_ && model.sIsUsed != kModelUnused) return false;
  return !disabled_ || model.sIsUsed == kModelInUseDisabled;
}

}  // namespace slotsmith
