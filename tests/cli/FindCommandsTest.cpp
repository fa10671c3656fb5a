// `list --match`, `duplicates` and `diff` as scripts use them: output formats and exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  for (std::size_t end; (end = text.find('\n', begin)) != std::string::npos; begin = end + 1)
    lines.push_back(text.substr(begin, end - begin));
  return lines;
}

class FindCommandsTest : public ::testing::Test {
 protected:
  // Models 0 and 1 "Lead" (identical folders), 2 "Bass", 3 "Lead copy" with model 0's data.
  // Sounds 0 "Warm Pad" and 1 "Cold Pad" (identical but for the name): model 0 on, 2 off;
  // 2 "Bell": model 2 on, model 0 off; 5 "Keys": both references switched off, to nothing.
  FindCommandsTest() : dir_("cli find $ \"`") {
    testing::writeModel(root(), 0, "Lead");
    testing::writeModel(root(), 1, "Lead");
    testing::writeModel(root(), 2, "Bass");
    testing::writeFile(modelNamePath(root(), 3), "Lead copy\n");
    testing::writeFile(slotFolderPath(root(), Bank::Models, 3) + "/data.bin", "model Lead");
    testing::writeSound(root(), 0, "Warm Pad", 0, 1, 2, 0);
    testing::writeSound(root(), 1, "Cold Pad", 0, 1, 2, 0);
    testing::writeSound(root(), 2, "Bell", 2, 1);
    testing::writeSound(root(), 5, "Keys", 9, 0, -1, 0);
  }

  std::string root() const { return dir_.path() + "/DB"; }

 private:
  testing::TempDir dir_;
};

TEST_F(FindCommandsTest, ListMatchPrintsOnlyTheMatchingLinesOfTheListOrRefusesBadWords) {
  const struct {
    const char* bank;
    const char* match;
    std::vector<int> slots;
  } cases[] = {
      {"sounds", "pad", {0, 1}},    {"sounds", "model:2 WARM", {0}},
      {"sounds", "unused", {5}},    {"sounds", "disabled", {0, 1, 2}},
      {"models", "unused", {1, 3}}, {"models", "\"lead \"", {3}},
      {"models", "disabled", {}},   {"models", "empty model:9", {9}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.bank) + " --match " + c.match);
    const auto all = linesOf(runSlotsmith({"list", root(), c.bank}).out);
    std::string text;
    for (int slot : c.slots)
      text += all[slot] + "\n";
    const CliRun matched = runSlotsmith({"list", root(), c.bank, "--match", c.match});
    EXPECT_EQ(matched.status, kExitDone) << matched.err;
    EXPECT_EQ(matched.out, text);
  }
  const auto allJson = linesOf(runSlotsmith({"list", root(), "models", "--json"}).out);
  EXPECT_EQ(runSlotsmith({"list", root(), "models", "--match", "unused", "--json"}).out,
            "[\n" + allJson[2] + "\n" + allJson[4].substr(0, allJson[4].size() - 1) + "\n]\n");

  const CliRun unknown = runSlotsmith({"list", root(), "sounds", "--match", "pad colour:red"});
  EXPECT_EQ(unknown.status, kExitUsage);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("--match: unknown filter word \"colour:\""), std::string::npos)
      << unknown.err;
}

TEST_F(FindCommandsTest, DuplicatesPrintsOneLinePerGroupOrJsonAndNamesWhatItCouldNotRead) {
  const struct {
    std::vector<std::string> options;
    std::string out;
  } cases[] = {
      {{}, "models: 0 1\nsounds: 0 1\n"},
      {{"--ignore-model-names"}, "models: 0 1 3\nsounds: 0 1\n"},
      {{"--json"}, "{\"models\": [[0, 1]], \"sounds\": [[0, 1]]}\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"duplicates", root()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun result = runSlotsmith(args);
    EXPECT_EQ(result.status, kExitDone) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
  testing::writeModel(root(), 999, "Bass");
  testing::writeSound(root(), 300, "Bell copy", 2, 1);
  std::filesystem::create_directories(testing::pathFromUtf8(soundScriptPath(root(), 7)));
  const CliRun unreadable = runSlotsmith({"duplicates", root()});
  EXPECT_EQ(unreadable.status, kExitRefused);
  EXPECT_EQ(unreadable.out, "models: 0 1\nmodels: 2 999\nsounds: 0 1\nsounds: 2 300\n");
  EXPECT_EQ(unreadable.err.find("not compared: " + soundScriptPath(root(), 7) + ": "), 0u)
      << unreadable.err;
}

TEST_F(FindCommandsTest, DiffPrintsDifferencesFirstAndExitsLikeDiff) {
  testing::writeFile(soundScriptPath(root(), 6), "Volume\t100\nVolume\t90\nExtra\ta\tb\n");
  testing::writeFile(soundScriptPath(root(), 8), "Volume\t100\r\nNew\t1\r\n");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;
  } cases[] = {
      {{"0", "1", "-d"},
       1,
       "!\tSoundNameC00\t87\t67\n!\tSoundNameC01\t97\t111\n!\tSoundNameC02\t114\t108\n"
       "!\tSoundNameC03\t109\t100\n"},
      {{"6", "8"}, 1, "<\tVolume#2\t90\t\n<\tExtra\ta b\t\n>\tNew\t\t1\n=\tVolume\t100\t100\n"},
      {{"8", "6", "--only-differences"}, 1, "<\tNew\t1\t\n>\tVolume#2\t\t90\n>\tExtra\t\ta b\n"},
      {{"5", "5", "-d"}, 0, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"diff", root()};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun result = runSlotsmith(args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_EQ(result.out, c.out);
  }
}

TEST_F(FindCommandsTest, DiffTroubleIsStatusTwoWithTheReason) {
  std::filesystem::create_directories(testing::pathFromUtf8(soundScriptPath(root(), 7)));
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"diff", root(), "0", "10"},
       "sound 10 is empty: " + soundScriptPath(root(), 10) + " does not exist\n"},
      {{"diff", root(), "7", "0"}, "sound 7 cannot be read: " + soundScriptPath(root(), 7)},
      {{"diff", root() + "/none", "0", "1"}, root() + "/none: not a Neuron database"},
      {{"diff", root(), "0", "1000"}, "B: Value 1000 not in range"},
      {{"diff", root(), "0"}, "B is required"},
  };
  for (const auto& c : cases) {
    const CliRun result = runSlotsmith(c.args);
    EXPECT_EQ(result.status, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find(c.err), std::string::npos) << result.err;
  }
}

}  // namespace
}  // namespace slotsmith::cli
