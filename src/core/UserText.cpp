#include "core/UserText.h"

#include <utility>

namespace slotsmith {

namespace {

TextTranslator& translator() {
  static TextTranslator installed;
  return installed;
}

// How many EnglishTextScopes live in this thread.
thread_local int englishScopes = 0;

std::string filledIn(const std::string& pattern, std::initializer_list<TextArgument> arguments,
                     std::optional<long long> count);

std::string englishPattern(const TextTemplate& text, std::optional<long long> count) {
  return text.counted ? englishPluralForm(text.english, count.value_or(0))
                      : std::string(text.english);
}

}  // namespace

void setTextTranslator(TextTranslator translator) {
  slotsmith::translator() = std::move(translator);
}

std::string englishPluralForm(std::string_view text, long long count) {
  const bool one = count == 1;
  std::string form;
  form.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('(', at);
    const std::size_t close = open == std::string_view::npos ? open : text.find(')', open);
    if (close == std::string_view::npos) {
      form.append(text.substr(at));
      break;
    }
    form.append(text.substr(at, open - at));
    const std::string_view inside = text.substr(open + 1, close - open - 1);
    const std::size_t bar = inside.find('|');
    if (bar != std::string_view::npos) {
      form.append(one ? inside.substr(0, bar) : inside.substr(bar + 1));
    } else if (inside == "s" || inside == "es") {
      if (!one) form.append(inside);
    } else {
      // Parentheses that mark no plural are the text's own.
      form.append(text.substr(open, close - open + 1));
    }
    at = close + 1;
  }
  return form;
}

std::string userText(const TextTemplate& text, std::initializer_list<TextArgument> arguments,
                     std::optional<long long> count) {
  std::optional<std::string> translated;
  if (translator() && englishScopes == 0) {
    translated = translator()(text.context, text.english, count);
  }
  return filledIn(translated ? *translated : englishPattern(text, count), arguments, count);
}

EnglishTextScope::EnglishTextScope() {
  ++englishScopes;
}

EnglishTextScope::~EnglishTextScope() {
  --englishScopes;
}

std::string englishText(const TextTemplate& text, std::initializer_list<TextArgument> arguments,
                        std::optional<long long> count) {
  return filledIn(englishPattern(text, count), arguments, count);
}

namespace {

std::string filledIn(const std::string& pattern, std::initializer_list<TextArgument> arguments,
                     std::optional<long long> count) {
  // One pass over the template: a value never has its own braces read as a name.
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t at = 0; at < pattern.size();) {
    const std::size_t open = pattern.find('{', at);
    if (open == std::string::npos) {
      out.append(pattern, at, std::string::npos);
      break;
    }
    out.append(pattern, at, open - at);
    const std::size_t close = pattern.find('}', open);
    if (close == std::string::npos) {
      out.append(pattern, open, std::string::npos);
      break;
    }
    const std::string_view name(pattern.data() + open + 1, close - open - 1);
    bool filled = false;
    if (name == "n" && count) {
      out += std::to_string(*count);
      filled = true;
    }
    for (const TextArgument& argument : arguments) {
      if (filled || argument.name != name) continue;
      out += argument.value;
      filled = true;
    }
    // An unknown name stays visible rather than vanish from the sentence.
    if (!filled) out.append(pattern, open, close - open + 1);
    at = close + 1;
  }
  return out;
}

}  // namespace

}  // namespace slotsmith
