// Checking change sets: the check foresees every failure it can before anything changes, and
// refuses a change set that contradicts itself.
#include "ops/EditPlan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/InMemoryFileSystem.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::InMemoryFileSystem;
using Kind = Change::Kind;

Change step(Kind kind, std::string from, std::string to = {}, std::string contents = {}) {
  Change result;
  result.kind = kind;
  result.from = std::move(from);
  result.to = std::move(to);
  result.contents = std::move(contents);
  return result;
}

class EditPlanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs.addFile("/db/Sounds/000.sound/sound.script", "a");
    fs.addFile("/db/Sounds/001.sound/sound.script", "b");
  }
  InMemoryFileSystem fs;
};

TEST_F(EditPlanTest, StepsDescribeThemselvesOnOneLine) {
  EXPECT_EQ(step(Kind::Move, "/a", "/b").describe(), "rename /a -> /b");
  EXPECT_EQ(step(Kind::Copy, "/a", "/b").describe(), "copy /a -> /b");
  EXPECT_EQ(step(Kind::Delete, "/a").describe(), "remove /a");
  EXPECT_EQ(step(Kind::Write, {}, "/b", "xyz").describe(), "write /b (3 bytes)");
}

TEST_F(EditPlanTest, APlaceTheSameEditVacatesIsFree) {
  EditPlan plan;
  plan.changes = {step(Kind::Move, "/db/Sounds/001.sound", "/db/Sounds/002.sound"),
                  step(Kind::Move, "/db/Sounds/000.sound", "/db/Sounds/001.sound"),
                  step(Kind::Copy, "/db/Sounds/001.sound", "/db/Sounds/000.sound"),
                  step(Kind::Write, {}, "/db/Sounds/000.sound/sound.script", "new"),
                  step(Kind::Write, {}, "/db/SoundNames", "names")};
  EXPECT_TRUE(checkChanges(plan, fs).isOk()) << checkChanges(plan, fs).message();
}

TEST_F(EditPlanTest, TheCheckRefusesWhatWouldFailAndNamesIt) {
  const Change moveFirst = step(Kind::Move, "/db/Sounds/000.sound", "/db/Sounds/004.sound");
  const std::vector<std::pair<std::vector<Change>, std::string>> cases = {
      {{step(Kind::Move, "/db/Sounds/000.sound", "/db/Sounds/001.sound")}, "taken"},
      {{step(Kind::Move, "/db/Sounds/005.sound", "/db/Sounds/006.sound")}, "005.sound"},
      {{step(Kind::Copy, "/db/Sounds/000.sound/sound.script", "/db/Sounds/009.sound")},
       "not a folder"},
      {{step(Kind::Delete, "/db/Sounds/007.sound")}, "007.sound"},
      {{step(Kind::Write, {}, "/db/Sounds/007.sound/sound.script", "x")}, "does not exist"},
      // Change sets that contradict themselves.
      {{moveFirst, step(Kind::Copy, "/db/Sounds/001.sound", "/db/Sounds/004.sound")},
       "two changes"},
      {{moveFirst, step(Kind::Delete, "/db/Sounds/000.sound")}, "twice"},
      {{moveFirst, step(Kind::Write, {}, "/db/Sounds/004.sound/sound.script", "x")}, "moves"},
  };
  for (const auto& [changes, expected] : cases) {
    EditPlan plan;
    plan.changes = changes;
    const Status status = checkChanges(plan, fs);
    EXPECT_EQ(status.code(), Status::Code::Refused) << changes.back().describe();
    EXPECT_NE(status.message().find(expected), std::string::npos) << status.message();
  }
}

TEST(EditPlanCheck, NothingIsWrittenThroughASlotFolderThatIsALink) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  testing::TempDir outside;
  testing::TempDir dir;
  testing::writeFile(outside.path() + "/sound.script", "R1ModellIndex\t3\n");
  std::filesystem::create_directories(testing::pathFromUtf8(dir.path() + "/Sounds"));
  testing::createDirectorySymlink(outside.path(), dir.path() + "/Sounds/007.sound");
  EditPlan plan;
  plan.changes = {step(Kind::Write, {}, dir.path() + "/Sounds/007.sound/sound.script", "x")};
  const Status status = checkChanges(plan, realFileSystem());
  EXPECT_FALSE(status.isOk());
  EXPECT_NE(status.message().find("symbolic link"), std::string::npos) << status.message();
}

TEST_F(EditPlanTest, TheCheckRefusesAFolderThatIsNotWritable) {
  fs.makeReadOnly("/db/Sounds");
  EditPlan plan;
  plan.changes = {step(Kind::Move, "/db/Sounds/000.sound", "/db/Sounds/005.sound")};
  const Status status = checkChanges(plan, fs);
  EXPECT_FALSE(status.isOk());
  EXPECT_NE(status.message().find("not writable"), std::string::npos);
}

}  // namespace
}  // namespace slotsmith
