// `replace` and `consolidate` as scripts use them: arguments, --yes, exit statuses and output.
#include <gtest/gtest.h>

#include <memory>

#include "CliRun.h"
#include "core/SoundScript.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

class ModelCommandsTest : public ::testing::Test {
 protected:
  // Models 0..5; sounds 0..3 refer to models 2 and 4 (sound 3 to 2 twice); 0, 1, 3 and 5 unused.
  ModelCommandsTest() : dir_("cli models $ \"`") {
    for (int slot = 0; slot <= 5; ++slot)
      testing::writeModel(root(), slot, "M" + std::to_string(slot));
    for (int sound = 0; sound < 3; ++sound)
      testing::writeSound(root(), sound, "S", 2, 1, 4, 0);
    testing::writeSound(root(), 3, "S", 2, 1, 2, 1);
  }

  std::string root() const { return dir_.path() + "/DB"; }

  CliRun run(const std::vector<std::string>& args) { return runSlotsmith(args); }

  std::pair<int, int> referencesOf(int sound) const {
    auto script = std::make_unique<SoundScript>();
    script->parse(testing::readFile(soundScriptPath(root(), sound)));
    return {valueForKey(kModel1Key, *script), valueForKey(kModel2Key, *script)};
  }

 private:
  testing::TempDir dir_;
};

TEST_F(ModelCommandsTest, ReplaceSearchesEverySoundByDefaultAndPrintsTheCount) {
  const CliRun result = run({"replace", root(), "--find", "2", "--with", "5"});
  EXPECT_EQ(result.status, kExitDone) << result.err;
  EXPECT_EQ(result.out, "Replaced 5 occurrences.\n");
  EXPECT_EQ(referencesOf(0), std::make_pair(5, 4));
  EXPECT_EQ(referencesOf(3), std::make_pair(5, 5));
}

TEST_F(ModelCommandsTest, ReplaceWithSoundsTouchesOnlyThose) {
  const CliRun result = run({"replace", root(), "--find", "2", "--with", "5", "--sounds", "1,3"});
  EXPECT_EQ(result.out, "Replaced 3 occurrences.\n");
  EXPECT_EQ(referencesOf(0), std::make_pair(2, 4));
  EXPECT_EQ(referencesOf(1), std::make_pair(5, 4));
}

TEST_F(ModelCommandsTest, ReplaceRefusesANumberOutsideTheBankAsBadUsage) {
  EXPECT_EQ(run({"replace", root(), "--find", "1000", "--with", "5"}).status, kExitUsage);
  EXPECT_EQ(run({"replace", root(), "--find", "2"}).status, kExitUsage);
}

// Removing or deleting models that sounds use names those sounds and takes a yes typed at the
// terminal (Return cancels); --yes confirms as before. An unused model is asked about as ever.
TEST_F(ModelCommandsTest, ModelsThatSoundsUseAreRemovedOnlyOnAnExplicitYes) {
  const auto atTerminal = [&](const std::vector<std::string>& args, const std::string& typed) {
    return runSlotsmith(args, typed, true);
  };
  CliRun result = atTerminal({"remove", root(), "models", "2"}, "\n");
  EXPECT_EQ(result.status, kExitRefused);
  EXPECT_NE(result.err.find("The selected model: slot 2.\n\n4 sounds use it: 0 (S), 1 (S), 2 (S), "
                            "3 (S). Deleting leaves them referring to empty model slots"),
            std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("Remove? [y/N, Return: Cancel] "), std::string::npos) << result.err;
  EXPECT_EQ(referencesOf(3), std::make_pair(2, 2));

  result = atTerminal({"remove", root(), "models", "2"}, "y\n");
  EXPECT_EQ(result.status, kExitDone) << result.err;
  EXPECT_EQ(referencesOf(3), std::make_pair(-1, -1));

  // Models 0 and 1 are unused: the question is the one it always was.
  result = atTerminal({"delete", root(), "models", "0-1"}, "\n");
  EXPECT_EQ(result.status, kExitRefused);
  EXPECT_EQ(result.err.find("sounds use"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("Delete? [y/N] "), std::string::npos) << result.err;

  // The old model 4, now 3, is used by switched-off references: --yes deletes it without asking.
  result = run({"delete", root(), "models", "3", "--yes"});
  EXPECT_EQ(result.status, kExitDone) << result.err;
  EXPECT_FALSE(testing::exists(slotFolderPath(root(), Bank::Models, 3)));
  EXPECT_EQ(referencesOf(0), std::make_pair(-1, 3));
}

TEST_F(ModelCommandsTest, ConsolidateWithoutYesIsRefusedWithoutATerminal) {
  const CliRun result = run({"consolidate", root()});
  EXPECT_EQ(result.status, kExitRefused);
  EXPECT_NE(result.err.find("Consolidate database"), std::string::npos);
  EXPECT_EQ(referencesOf(0), std::make_pair(2, 4));
}

TEST_F(ModelCommandsTest, ConsolidateFromASlotKeepsTheSlotsBeforeIt) {
  const CliRun result = run({"consolidate", root(), "--from", "3", "--yes"});
  EXPECT_EQ(result.status, kExitDone) << result.err;
  EXPECT_EQ(referencesOf(0), std::make_pair(2, 3));
  EXPECT_EQ(testing::readFile(modelNamePath(root(), 1)), "M1\n");
  EXPECT_EQ(testing::readFile(modelNamePath(root(), 3)), "M4\n");
  EXPECT_FALSE(testing::exists(slotFolderPath(root(), Bank::Models, 4)));
}

TEST_F(ModelCommandsTest, ConsolidateWithYesRemovesEveryUnusedModel) {
  EXPECT_EQ(run({"consolidate", root(), "--yes"}).status, kExitDone);
  EXPECT_EQ(referencesOf(1), std::make_pair(0, 1));
  EXPECT_EQ(testing::readFile(modelNamePath(root(), 0)), "M2\n");
  EXPECT_FALSE(testing::exists(slotFolderPath(root(), Bank::Models, 2)));
}

}  // namespace
}  // namespace slotsmith::cli
