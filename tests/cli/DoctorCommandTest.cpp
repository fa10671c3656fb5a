// `doctor` as scripts use it: each kind of leftover is shown, --fix removes only what is
// provably a leftover, and list and check point at the doctor when it has something to show.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

class DoctorCommandTest : public ::testing::Test {
 protected:
  DoctorCommandTest() : dir_("cli doctor $ \"`") {
    for (int slot = 0; slot <= 3; ++slot)
      testing::writeModel(root(), slot, "M" + std::to_string(slot));
    for (int sound = 0; sound < 4; ++sound)
      testing::writeSound(root(), sound, "S" + std::to_string(sound), sound, 1, 0, 0);
  }

  std::string root() const { return dir_.path() + "/DB"; }

 private:
  testing::TempDir dir_;
};

TEST_F(DoctorCommandTest, EachLeftoverIsShownAndFixRemovesOnlyTheProvableOnes) {
  const CliRun clean = runSlotsmith({"doctor", root()});
  EXPECT_EQ(clean.status, kExitDone) << clean.out;
  EXPECT_EQ(runSlotsmith({"list", root(), "sounds"}).err.find("doctor"), std::string::npos);

  struct Leftover {
    std::string path;  // relative to the root; a trailing slash makes a folder
    std::string contents;
    std::string shownAs;
    bool removedByFix;
  };
  const std::vector<Leftover> leftovers{
      {"Sounds/002.sound/.sound.script.slotsmith-a1B2c3", "half a script", "leftover file", true},
      {".SoundNames.slotsmith-Zz9yY8", "half a list", "leftover file", true},
      // A folder is known only by its name, which may be the user's own: never removed.
      {"Models/slotsmith-12-3/", "", "leftover folder", false},
      {"Models/slotsmith-12-4/MName", "M4\n", "leftover folder", false},
      {"Sounds/1003.sound/sound.script", testing::soundScriptText("Pushed", 1, 1, 0, 0),
       "overflow folder", false},
      {"Sounds/005.sound/sound.script", testing::soundScriptText("Lost", 9, 1, 0, 0),
       "reference to an empty slot", false},
  };
  for (const Leftover& leftover : leftovers) {
    if (leftover.path.ends_with("/")) {
      std::filesystem::create_directories(testing::pathFromUtf8(root() + "/" + leftover.path));
    } else {
      testing::writeFile(root() + "/" + leftover.path, leftover.contents);
    }
  }
  const CliRun shown = runSlotsmith({"doctor", root()});
  EXPECT_EQ(shown.status, kExitRefused);
  const CliRun listed = runSlotsmith({"list", root(), "models"});
  EXPECT_NE(listed.err.find("slotsmith doctor"), std::string::npos) << listed.err;
  EXPECT_NE(runSlotsmith({"check", root()}).err.find("slotsmith doctor"), std::string::npos);

  const CliRun fixed = runSlotsmith({"doctor", root(), "--fix"});
  EXPECT_EQ(fixed.status, kExitRefused);  // what is left is still odd
  for (const Leftover& leftover : leftovers) {
    SCOPED_TRACE(leftover.path);
    std::string path = leftover.path;
    if (path.ends_with("/")) path.pop_back();
    EXPECT_NE(shown.out.find(leftover.shownAs + ": " + root()), std::string::npos) << shown.out;
    EXPECT_EQ(testing::exists(root() + "/" + leftover.path), !leftover.removedByFix);
    EXPECT_EQ(fixed.out.find("removed: " + root() + "/" + path) != std::string::npos,
              leftover.removedByFix)
        << fixed.out;
  }
  // The folder a script pointed into and the non-empty leftover stay, whatever else goes.
  EXPECT_EQ(testing::readFile(root() + "/Models/slotsmith-12-4/MName"), "M4\n");
}

}  // namespace
}  // namespace slotsmith::cli
