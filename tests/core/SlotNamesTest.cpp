#include "core/SlotNames.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/ScriptKeyReader.h"
#include "core/SoundScript.h"

namespace slotsmith {
namespace {

// Name entries "SoundNameCkk<TAB>code" for the codes, from position first on, each ended by eol.
std::string nameLines(const std::vector<int>& codes, const std::string& eol = "\n", int first = 0) {
  std::string text;
  for (std::size_t k = 0; k < codes.size(); ++k)
    text += soundNameKey(first + static_cast<int>(k)) + "\t" + std::to_string(codes[k]) + eol;
  return text;
}

// The same entries as lines added after a last line without an ending: each starts with eol.
std::string endingFirst(const std::vector<int>& codes, const std::string& eol, int first = 0) {
  std::string text;
  for (std::size_t k = 0; k < codes.size(); ++k)
    text += eol + soundNameKey(first + static_cast<int>(k)) + "\t" + std::to_string(codes[k]);
  return text;
}

std::vector<int> codesOf(const std::string& name, int padding) {
  std::vector<int> codes(16, padding);
  for (std::size_t k = 0; k < name.size(); ++k)
    codes[k] = static_cast<unsigned char>(name[k]);
  return codes;
}

std::string numbered(int count, const std::string& eol = "\n") {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "P" + std::to_string(i) + "\t" + std::to_string(i) + eol;
  return text;
}

struct RenameCase {
  const char* what;
  std::string script;
  std::string name;
  std::string expected;
};

std::vector<RenameCase> renameCases() {
  const std::string longLine = "Blob\t" + std::string(300, '7') + "\n";
  const std::string bell = "Bell";
  return {
      {"every key, zero padding", "A\t1\n" + nameLines(codesOf("Pad", 0)) + "B\t2\n", bell,
       "A\t1\n" + nameLines(codesOf(bell, 0)) + "B\t2\n"},
      {"CRLF lines", "A\t1\r\n" + nameLines(codesOf("Pad", 0), "\r\n"), bell,
       "A\t1\r\n" + nameLines(codesOf(bell, 0), "\r\n")},
      {"space padding is kept", nameLines(codesOf("Pad", ' ')) + "Z\t0\n", bell,
       nameLines(codesOf(bell, ' ')) + "Z\t0\n"},
      {"a trailing space of the old name is not padding", nameLines(codesOf("Pad ", 0)), bell,
       nameLines(codesOf(bell, 0))},
      {"a full old name says nothing about padding", nameLines(codesOf("ABCDEFGHIJKLMNOP", 0)),
       bell, nameLines(codesOf(bell, 0))},
      {"missing keys follow the last name line, CRLF",
       "A\t1\r\n" + nameLines({80, 97, 100, 0}, "\r\n") + "B\t2\r\n", bell,
       "A\t1\r\n" + nameLines({66, 101, 108, 108}, "\r\n") +
           nameLines(std::vector<int>(12, 0), "\r\n", 4) + "B\t2\r\n"},
      {"keys out of order; the missing one follows the last in file order",
       nameLines({0}, "\n", 15) + "A\t1\n" + nameLines({80, 97, 100}) + "B\t2\n" +
           nameLines(std::vector<int>(11, 0), "\n", 4),
       bell,
       nameLines({0}, "\n", 15) + "A\t1\n" + nameLines({66, 101, 108}) + "B\t2\n" +
           nameLines(std::vector<int>(11, 0), "\n", 4) + nameLines({108}, "\n", 3)},
      {"a repeated key is written in every entry",
       nameLines(codesOf("Pad", 0)) + "SoundNameC00\t88\n", bell,
       nameLines(codesOf(bell, 0)) + "SoundNameC00\t66\n"},
      {"no name keys and no final line ending", "A\t1\r\nB\t2", bell,
       "A\t1\r\nB\t2" + endingFirst(codesOf(bell, 0), "\r\n")},
      {"an empty file", "", bell, nameLines(codesOf(bell, 0))},
      {"the last name line has no ending", nameLines({80, 97, 100, 0}) + "SoundNameC04\t0", bell,
       nameLines({66, 101, 108, 108}) + "SoundNameC04\t0" +
           endingFirst(std::vector<int>(11, 0), "\n", 5)},
      {"lines the table cannot hold stay", longLine + nameLines(codesOf("Pad", 0)) + numbered(1100),
       bell, longLine + nameLines(codesOf(bell, 0)) + numbered(1100)},
      {"only the number changes; white space and trailing bytes stay",
       "SoundNameC00\t 80xyz\nSoundNameC01\t\n", "Be",
       "SoundNameC00\t 66xyz\nSoundNameC01\t101\n" + nameLines(std::vector<int>(14, 0), "\n", 2)},
  };
}

TEST(RenameSoundScript, ChangesOnlyTheNameNumbersAndAddsMissingKeys) {
  for (const RenameCase& c : renameCases()) {
    SCOPED_TRACE(c.what);
    const RenamedBytes renamed = renameSoundScript(c.script, c.name);
    ASSERT_TRUE(renamed.status.isOk()) << renamed.status.message();
    EXPECT_EQ(renamed.bytes, c.expected);
    // What the scan shows afterwards is the new name.
    const ScriptKeyValues values = readScriptKeys(renamed.bytes);
    for (std::size_t k = 0; k < c.name.size(); ++k)
      EXPECT_EQ(values.nameCodes[k], c.name[k]) << k;
  }
}

TEST(SlotNames, NamesThatCannotBeStoredAreRefusedAndNothingIsProduced) {
  const struct {
    Bank bank;
    std::string name;
    const char* reason;
  } cases[] = {
      {Bank::Sounds, "", "at least one character"},
      {Bank::Sounds, "Seventeen chars!!", "at most 16"},
      {Bank::Models, "Sixteen chars!!!", "at most 15"},
      {Bank::Sounds, "Tab\there", "character 4 of the name (code 9)"},
      {Bank::Models, "Caf\xc3\xa9", "character 4 of the name (code 195)"},
      {Bank::Sounds, "Del\x7f", "code 127"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const RenamedBytes renamed = c.bank == Bank::Sounds ? renameSoundScript("A\t1\n", c.name)
                                                        : renameModelNameFile("Old\n", c.name);
    EXPECT_EQ(renamed.status.code(), Status::Code::Invalid);
    EXPECT_NE(renamed.status.message().find(c.reason), std::string::npos)
        << renamed.status.message();
    EXPECT_EQ(renamed.bytes, "");
  }
  EXPECT_TRUE(checkSlotName(Bank::Sounds, "Sixteen chars xx").isOk());
  EXPECT_TRUE(checkSlotName(Bank::Models, " ~Fifteen chars").isOk());
}

TEST(RenameModelNameFile, ReplacesTheFirstLineAndKeepsItsEndingAndTheRest) {
  const struct {
    std::string file, expected;
  } cases[] = {
      {"Old\n", "Lead\n"},
      {"Old\r\nsecond line\r\n", "Lead\r\nsecond line\r\n"},
      {"Old", "Lead"},
      {"Old\r", "Lead\r"},
      {"", "Lead"},
      {"\nrest", "Lead\nrest"},
      {"A first line far longer than fifteen bytes\nrest\n", "Lead\nrest\n"},
      {"Old\rstill the first line\nrest", "Lead\nrest"},
  };
  for (const auto& c : cases) {
    const RenamedBytes renamed = renameModelNameFile(c.file, "Lead");
    ASSERT_TRUE(renamed.status.isOk());
    EXPECT_EQ(renamed.bytes, c.expected) << c.file;
  }
}

TEST(ParseNamesFile, ReadsWrittenAndHandMadeFiles) {
  const struct {
    std::string text;
    std::map<int, std::string> names;
  } cases[] = {
      {"005\tBass       \n006\tFourteen ch\n001\t--<empty>--     \n",
       {{1, "--<empty>--"}, {5, "Bass"}, {6, "Fourteen ch"}}},
      {"7\tWarm Pad\r\n\r\n  \n999\t  Indented  \r\n", {{7, "Warm Pad"}, {999, "  Indented"}}},
      {"010\t\n011\tLast line without ending", {{10, ""}, {11, "Last line without ending"}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    std::map<int, std::string> names{{1, "left over"}};
    ASSERT_TRUE(parseNamesFile(c.text, names).isOk()) << c.text;
    EXPECT_EQ(names, c.names) << c.text;
  }
}

TEST(ParseNamesFile, MalformedLinesAreNamed) {
  const struct {
    std::string text, message;
  } cases[] = {
      {"001\tA\n002 B\n", "line 2: expected a slot number, a TAB and a name"},
      {"\n\n1000\tA\n", "line 3: \"1000\" is not a slot number 0-999"},
      {"-1\tA\n", "line 1: \"-1\" is not a slot number 0-999"},
      {"\tA\n", "line 1: \"\" is not a slot number 0-999"},
      {"003\tA\r\n3\tB\r\n", "line 2: slot 3 is named again (first on line 1)"},
  };
  for (const auto& c : cases) {
    std::map<int, std::string> names;
    const Status status = parseNamesFile(c.text, names);
    EXPECT_EQ(status.code(), Status::Code::Invalid);
    EXPECT_EQ(status.message(), c.message);
  }
}

}  // namespace
}  // namespace slotsmith
