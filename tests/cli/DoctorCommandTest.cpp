// `doctor` as scripts use it: each kind of leftover is shown, --fix removes nothing known by its
// name alone, and list and check point at the doctor when it has something that needs the user
// (references to empty model slots alone do not).
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "ops/Journal.h"
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

TEST_F(DoctorCommandTest, EachLeftoverIsShownAndFixRemovesNoneKnownByNameAlone) {
  const CliRun clean = runSlotsmith({"doctor", root()});
  EXPECT_EQ(clean.status, kExitDone) << clean.out;
  EXPECT_EQ(runSlotsmith({"list", root(), "sounds"}).err.find("doctor"), std::string::npos);
  // References to empty model slots are normal in a real database: the doctor lists them, but
  // no other command points at it for them.
  for (int sound = 4; sound < 8; ++sound)
    testing::writeSound(root(), sound, "E" + std::to_string(sound), 9, 1, 0, 0);
  EXPECT_NE(runSlotsmith({"doctor", root()}).out.find("reference to an empty slot"),
            std::string::npos);
  for (const std::string command : {"list", "check"}) {
    std::vector<std::string> args{command, root()};
    if (command == "list") args.push_back("sounds");
    EXPECT_EQ(runSlotsmith(args).err.find("doctor"), std::string::npos) << command;
  }

  struct Leftover {
    std::string path;  // relative to the root; a trailing slash makes a folder
    std::string contents;
    std::string shownAs;
    std::string shownAt;  // the path the doctor names, relative to the root
  };
  // Each of these is known only by its name or its place, which may be the user's own doing.
  const std::vector<Leftover> leftovers{
      {"Sounds/002.sound/.sound.script.slotsmith-a1B2c3", "half a script", "leftover file",
       "Sounds/002.sound/.sound.script.slotsmith-a1B2c3"},
      {".SoundNames.slotsmith-Zz9yY8", "half a list", "leftover file",
       ".SoundNames.slotsmith-Zz9yY8"},
      {"Models/slotsmith-12-3/", "", "leftover folder", "Models/slotsmith-12-3"},
      {"Models/slotsmith-12-4/MName", "M4\n", "leftover folder", "Models/slotsmith-12-4"},
      {"Sounds/1003.sound/sound.script", testing::soundScriptText("Pushed", 1, 1, 0, 0),
       "overflow folder", "Sounds/1003.sound"},
      {"Sounds/005.sound/sound.script", testing::soundScriptText("Lost", 9, 1, 0, 0),
       "reference to an empty slot", "Sounds/005.sound/sound.script"},
      {"Sounds/001.sound/004.sound/sound.script", testing::soundScriptText("Astray", 1, 1, 0, 0),
       "hidden slot folder", "Sounds/001.sound/004.sound"},
      {"Models/002.model/007.model/MName", "M7\n", "hidden slot folder",
       "Models/002.model/007.model"},
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
    EXPECT_NE(shown.out.find(leftover.shownAs + ": " + root() + "/" + leftover.shownAt + ": "),
              std::string::npos)
        << shown.out;
    EXPECT_TRUE(testing::exists(root() + "/" + leftover.path));
  }
  EXPECT_EQ(fixed.out.find("cleared:"), std::string::npos) << fixed.out;
  EXPECT_EQ(testing::readFile(root() + "/Models/slotsmith-12-4/MName"), "M4\n");

  // An edit killed after its last step leaves only its name in the lock: that is proof enough
  // (the lock is free, the process gone), so the fix clears it and the doctor stops showing it.
  const std::string own = thisProcessDescription();
  const std::string host = own.substr(own.find(" on host "));
  testing::writeFile(lockFilePath(root()), "pid 4194303" + host);
  EXPECT_NE(runSlotsmith({"doctor", root()}).out.find("stale lock: "), std::string::npos);
  EXPECT_NE(runSlotsmith({"doctor", root(), "--fix"}).out.find("cleared: " + lockFilePath(root())),
            std::string::npos);
  EXPECT_EQ(runSlotsmith({"doctor", root()}).out.find("stale lock"), std::string::npos);
}

}  // namespace
}  // namespace slotsmith::cli
