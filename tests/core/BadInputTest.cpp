#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Database.h"
#include "support/FakeUi.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

namespace fs = std::filesystem;
using testing::FakeUi;
using testing::TempDir;
using testing::writeFile;
using testing::writeSound;

// Everything a damaged or hostile database folder can hold, in one bank: the scan must read what
// it can, treat the rest as empty slots, never hang, and never change anything on disk.
TEST(BadInput, ScanSurvivesDamagedSlotsAndChangesNothing) {
  TempDir dir;
  const std::string root = dir.path();
  writeSound(root, 0, "Good", 3);
  writeFile(root + "/Sounds/001.sound", "a file where a folder belongs");
  fs::create_directories(testing::pathFromUtf8(root + "/Sounds/002.sound/sound.script"));
  fs::create_directories(testing::pathFromUtf8(root + "/Sounds"));
  const bool links = testing::symbolicLinksCanBeMade();
  if (links) testing::createSymlink("003.sound", root + "/Sounds/003.sound");  // a link to itself
  fs::create_directories(testing::pathFromUtf8(root + "/Sounds/004.sound"));
  if (links) testing::createSymlink("sound.script", root + "/Sounds/004.sound/sound.script");
  fs::create_directories(testing::pathFromUtf8(root + "/Sounds/005.sound"));
  ASSERT_TRUE(testing::placeNamedPipe(root + "/Sounds/005.sound/sound.script"));
  std::string garbage;
  for (int i = 0; i < 5000; ++i)
    garbage += static_cast<char>((i * 7919) % 256);
  writeFile(soundScriptPath(root, 6), garbage);
  // 100 MB: a few real lines, then zeros. Only the first 1024 lines can matter.
  writeFile(soundScriptPath(root, 7), testing::soundScriptText("Huge", 9, 1, 0, 0));
  fs::resize_file(testing::pathFromUtf8(soundScriptPath(root, 7)), 100 << 20);
  writeFile(root + "/Models/001.model", "not a folder");
  fs::create_directories(testing::pathFromUtf8(root + "/Models/002.model/MName"));
  const auto before = testing::listNames(root + "/Sounds");

  FakeUi ui;
  Database database(ui);
  database.setRoot(root);
  database.evaluateNeuronDb();
  const SlotTables& tables = database.tables();

  EXPECT_STREQ(tables.soundSlots[0].sSoundName, "Good");
  for (int n = 1; n <= 5; ++n)
    EXPECT_EQ(tables.soundSlots[n].sIsUsed, 0) << n;
  EXPECT_EQ(tables.soundSlots[6].sIsUsed, 1);
  EXPECT_STREQ(tables.soundSlots[7].sSoundName, "Huge");
  EXPECT_EQ(tables.soundSlots[7].sModel1, 9);
  EXPECT_STREQ(tables.modelSlots[1].sModelName, "--<empty>--");
  EXPECT_STREQ(tables.modelSlots[2].sModelName, "--<empty>--");
  EXPECT_EQ(testing::listNames(root + "/Sounds"), before);
  EXPECT_EQ(fs::file_size(testing::pathFromUtf8(soundScriptPath(root, 7))),
            std::uintmax_t{100} << 20);
}

TEST(BadInput, UnreadableScriptIsAnEmptySlot) {
  if (!testing::fileModesBindThisProcess()) GTEST_SKIP() << "file modes do not bind this process";
  TempDir dir;
  writeSound(dir.path(), 0, "Secret", 3);
  fs::permissions(testing::pathFromUtf8(soundScriptPath(dir.path(), 0)), fs::perms::none);
  FakeUi ui;
  Database database(ui);
  database.setRoot(dir.path());
  database.evaluateNeuronDb();
  EXPECT_EQ(database.tables().soundSlots[0].sIsUsed, 0);
}

}  // namespace
}  // namespace slotsmith
