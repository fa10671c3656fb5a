// The engine's texts for the user in the user's language. A text is an English template with
// named arguments ("{count}", "{slot}") that the front end's catalogue may translate as a whole:
// the order of the words and the arguments is the translation's, and nothing is assembled from
// fragments translated apart. A template with a count ({n}) has plural forms; English ones are
// written "sound(s)", "entr(y|ies)" in the template, and a catalogue gives each language its own.
//
// Templates are marked where they are written, with a context that groups them for the
// translators: kept as they stand in the code, and found by lupdate (scripts/update-translations.sh
// reads USER_TEXT as QT_TRANSLATE_NOOP and USER_TEXT_N as QT_TRANSLATE_N_NOOP).
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace slotsmith {

struct TextTemplate {
  const char* context;
  const char* english;
  bool counted = false;  // has plural forms, chosen by the count
};

#define USER_TEXT(context, text) (::slotsmith::TextTemplate{context, text, false})
#define USER_TEXT_N(context, text) (::slotsmith::TextTemplate{context, text, true})

struct TextArgument {
  std::string_view name;
  std::string value;
};

// The buttons most questions have.
inline constexpr TextTemplate kOk = USER_TEXT("Buttons", "Ok");
inline constexpr TextTemplate kCancel = USER_TEXT("Buttons", "Cancel");

// Looks a template up in the front end's catalogue: the translation (for a counted one, the
// plural form for count), or nothing, and then the English stands.
using TextTranslator = std::function<std::optional<std::string>(
    const char* context, const char* english, std::optional<long long> count)>;

// Set once by the front end before any text is made; none: English.
void setTextTranslator(TextTranslator translator);

// The template, translated when the catalogue has it, with {n} the count and each {name} its
// argument's value. A value is put in as it stands: braces in a name the user gave are kept.
std::string userText(const TextTemplate& text, std::initializer_list<TextArgument> arguments = {},
                     std::optional<long long> count = std::nullopt);

// The template in English whatever the user's language: for what scripts read (--json) and
// what is written to disk (history titles, the library's records), which never change with it.
std::string englishText(const TextTemplate& text,
                        std::initializer_list<TextArgument> arguments = {},
                        std::optional<long long> count = std::nullopt);

// While one lives, userText gives English in this thread: for what a lower layer says that is
// kept on disk as it was said (the library records why a source could not be read, and scripts
// read that record), where the layer that says it cannot know.
class EnglishTextScope {
 public:
  EnglishTextScope();
  ~EnglishTextScope();
  EnglishTextScope(const EnglishTextScope&) = delete;
  EnglishTextScope& operator=(const EnglishTextScope&) = delete;
};

// The English plural form of a template for a count: "sound(s)" is "sound" for 1 and "sounds"
// otherwise; "(y|ies)" gives the one form or the other.
std::string englishPluralForm(std::string_view text, long long count);

}  // namespace slotsmith
