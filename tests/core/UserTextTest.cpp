// The engine's texts: English plural forms from the template's marks, named arguments filled in
// one pass, and a front end's catalogue asked once per text, whole.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>
#include <vector>

#include "core/UserText.h"

namespace slotsmith {
namespace {

TEST(UserText, EnglishPluralFormsFollowTheMarks) {
  const struct {
    const char* text;
    long long count;
    const char* form;
  } cases[] = {
      {"{n} sound(s)", 1, "{n} sound"},
      {"{n} sound(s)", 0, "{n} sounds"},
      {"{n} sound(s)", 2, "{n} sounds"},
      {"{n} entr(y|ies)", 1, "{n} entry"},
      {"{n} entr(y|ies)", 7, "{n} entries"},
      {"{n} box(es)", 3, "{n} boxes"},
      {"{n} sound(s) (uses|use) it; (its|their) model", 1, "{n} sound uses it; its model"},
      {"{n} sound(s) (uses|use) it; (its|their) model", 2, "{n} sounds use it; their model"},
      // Parentheses that mark no plural are the text's own; an unclosed one too.
      {"no model (-1) for {n} sound(s)", 2, "no model (-1) for {n} sounds"},
      {"Find (Ctrl+H) (", 2, "Find (Ctrl+H) ("},
  };
  for (const auto& c : cases)
    EXPECT_EQ(englishPluralForm(c.text, c.count), c.form) << c.text << " for " << c.count;
}

TEST(UserText, ArgumentsAreFilledOnceAndUnknownNamesStay) {
  setTextTranslator({});
  EXPECT_EQ(userText(USER_TEXT("T", "Copy {count} sounds to slot #{slot}"),
                     {{"count", "3"}, {"slot", "10"}}),
            "Copy 3 sounds to slot #10");
  // A value's braces are the user's: a sound named "{slot}" is not read as an argument.
  EXPECT_EQ(
      userText(USER_TEXT("T", "Renamed to {name} at {slot}"), {{"name", "{slot}"}, {"slot", "4"}}),
      "Renamed to {slot} at 4");
  EXPECT_EQ(userText(USER_TEXT("T", "Missing {what} and {"), {}), "Missing {what} and {");
  EXPECT_EQ(userText(USER_TEXT_N("T", "{n} slot(s) {runs}"), {{"runs", "3\u20137"}}, 5),
            "5 slots 3\u20137");
}

TEST(UserText, TheCatalogueIsAskedForTheWholeTextWithItsCount) {
  std::vector<std::string> asked;
  const std::map<std::string, std::string> german{
      {"{n} sound(s) use it", "es wird von {n} Sounds benutzt"},
      {"Move {count} sounds to slot #{slot}", "{count} Sounds auf Platz #{slot} verschieben"}};
  setTextTranslator([&](const char* context, const char* english,
                        std::optional<long long> count) -> std::optional<std::string> {
    asked.push_back(std::string(context) + "|" + english + "|" +
                    (count ? std::to_string(*count) : "-"));
    const auto found = german.find(english);
    if (found == german.end()) return std::nullopt;
    return found->second;
  });
  EXPECT_EQ(userText(USER_TEXT("Move", "Move {count} sounds to slot #{slot}"),
                     {{"slot", "12"}, {"count", "2"}}),
            "2 Sounds auf Platz #12 verschieben");
  EXPECT_EQ(userText(USER_TEXT_N("Delete", "{n} sound(s) use it"), {}, 3),
            "es wird von 3 Sounds benutzt");
  // What scripts read stays English, the catalogue not asked.
  EXPECT_EQ(englishText(USER_TEXT_N("Delete", "{n} sound(s) use it"), {}, 1), "1 sound use it");
  // Not in the catalogue: English, with its plural form.
  EXPECT_EQ(userText(USER_TEXT_N("Lists", "{n} more slot(s)"), {}, 1), "1 more slot");
  EXPECT_EQ(asked,
            (std::vector<std::string>{"Move|Move {count} sounds to slot #{slot}|-",
                                      "Delete|{n} sound(s) use it|3", "Lists|{n} more slot(s)|1"}));
  setTextTranslator({});
}

// What a lower layer says while the library reads a source is kept in the library file: within
// the scope the texts are English, in that thread only, until the outermost scope ends.
TEST(UserText, WithinAnEnglishScopeTheThreadsTextsAreEnglish) {
  setTextTranslator([](const char*, const char* english, std::optional<long long>) {
    return std::optional<std::string>(std::string("DE ") + english);
  });
  const TextTemplate text = USER_TEXT("T", "{path} cannot be read");
  const auto shown = [&] { return userText(text, {{"path", "a"}}); };
  std::string inOtherThread;
  EXPECT_EQ(shown(), "DE a cannot be read");
  {
    const EnglishTextScope outer;
    EXPECT_EQ(shown(), "a cannot be read");
    std::thread([&] { inOtherThread = shown(); }).join();
    {
      const EnglishTextScope inner;
      EXPECT_EQ(shown(), "a cannot be read");
    }
    EXPECT_EQ(shown(), "a cannot be read");
  }
  EXPECT_EQ(inOtherThread, "DE a cannot be read");
  EXPECT_EQ(shown(), "DE a cannot be read");
  setTextTranslator({});
}

}  // namespace
}  // namespace slotsmith
