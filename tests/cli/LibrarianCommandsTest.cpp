// rename, import and dedupe as scripts use them: the bulk rename round trip through the names
// file, the usage each command insists on, and their exit statuses.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::readFile;
using testing::TempDir;

class LibrarianCommandsTest : public ::testing::Test {
 protected:
  LibrarianCommandsTest() : dir_("cli librarian $ \"` caf\xc3\xa9") {
    for (int slot = 0; slot < 4; ++slot) {
      testing::writeSound(root(), slot, "Sound " + std::to_string(slot), slot, 1, -1, 0);
      testing::writeModel(root(), slot, "Model " + std::to_string(slot));
      testing::writeSound(other(), slot, "Other " + std::to_string(slot), 3 - slot, 1, -1, 0);
      testing::writeModel(other(), slot, "Model " + std::to_string(slot % 2));
    }
  }

  std::string root() const { return dir_.path() + "/DB"; }
  std::string other() const { return dir_.path() + "/Other"; }
  std::string line(const std::string& bank, int slot) {
    const CliRun list = runSlotsmith({"list", root(), bank});
    std::size_t at = 0;
    for (int n = 0; n < slot; ++n)
      at = list.out.find('\n', at) + 1;
    return list.out.substr(at, list.out.find('\n', at) - at);
  }

 protected:
  TempDir dir_;
};

TEST_F(LibrarianCommandsTest, BulkRenameRoundTripsThroughTheNamesFile) {
  ASSERT_EQ(runSlotsmith({"names", root()}).status, kExitDone);
  std::string text = readFile(soundNamesPath(root()));
  text.replace(text.find("Sound 1"), 7, "Lead 1 ");
  text.replace(text.find("Sound 3"), 7, "Bass 3 ");
  testing::writeFile(dir_.path() + "/edited", text);
  const CliRun dry =
      runSlotsmith({"rename", root(), "sounds", "--from", dir_.path() + "/edited", "--dry-run"});
  EXPECT_EQ(dry.status, kExitDone);
  EXPECT_NE(dry.out.find("sound 1: \"Sound 1\" -> \"Lead 1\""), std::string::npos) << dry.out;
  EXPECT_EQ(line("sounds", 1).substr(0, 11), "001\tSound 1");
  const CliRun done =
      runSlotsmith({"rename", root(), "sounds", "--from", dir_.path() + "/edited", "--yes"});
  EXPECT_EQ(done.status, kExitDone) << done.err;
  EXPECT_EQ(line("sounds", 1).substr(0, 10), "001\tLead 1");
  EXPECT_EQ(line("sounds", 3).substr(0, 10), "003\tBass 3");
  EXPECT_EQ(line("sounds", 2).substr(0, 11), "002\tSound 2");
  EXPECT_NE(readFile(soundNamesPath(root())).find("003\tBass 3"), std::string::npos);
}

TEST_F(LibrarianCommandsTest, ExitStatuses) {
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const std::vector<Case> cases{
      {{"rename", root(), "models", "2", "Pluck", "--yes"}, kExitDone},
      {{"rename", root(), "models", "2", "A name far too long"}, kExitRefused},
      {{"rename", root(), "sounds", "2", "Unconfirmed"}, kExitRefused},
      {{"rename", root(), "sounds", "2"}, kExitUsage},
      {{"rename", root(), "sounds", "2", "X", "--from", root() + "/SoundNames"}, kExitUsage},
      {{"import", root(), "--from", other(), "0-1", "--to", "1", "--yes"}, kExitDone},
      {{"import", root(), "--from", other(), "--models", "0-3", "--yes"}, kExitDone},
      {{"import", root(), "--from", other(), "0"}, kExitUsage},
      {{"import", root(), "--from", other(), "0", "--to", "1", "--models", "2"}, kExitUsage},
      {{"import", root(), "--from", root(), "--models", "1", "--yes"}, kExitRefused},
      {{"dedupe", root(), "--dry-run"}, kExitDone},
      {{"dedupe", root(), "--yes", "--ignore-model-names"}, kExitDone},
  };
  for (const Case& c : cases) {
    const CliRun run = runSlotsmith(c.args);
    EXPECT_EQ(run.status, c.status) << c.args[0] << ' ' << c.args[2] << ' ' << run.err;
  }
  EXPECT_EQ(line("models", 2).substr(0, 9), "002\tPluck");
  // The imported sounds took slots 1 and 2, their models reused (identical) or copied to 4.
  EXPECT_EQ(line("sounds", 1).substr(0, 11), "001\tOther 0");
  EXPECT_EQ(line("sounds", 3).substr(0, 11), "003\tSound 1");
}

}  // namespace
}  // namespace slotsmith::cli
