#include <gtest/gtest.h>

#include <string>

#include "core/Database.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::FakeUi;
using testing::TempDir;

std::string lineOf(const std::string& text, int slot, std::size_t width) {
  return text.substr(static_cast<std::size_t>(slot) * (width + 5), width + 5);
}

TEST(NamesFiles, FixedWidthRecordsForEverySlot) {
  TempDir dir;
  testing::writeModel(dir.path(), 5, "Bass");
  testing::writeModel(dir.path(), 6, "Fourteen chars");
  testing::writeSound(dir.path(), 0, "Sixteen chars xx", 5);
  testing::writeSound(dir.path(), 999, "Pad  ", 6);
  FakeUi ui;
  Database database(ui);
  database.setRoot(dir.path());
  database.evaluateNeuronDb();
  ASSERT_TRUE(database.updateModelNames().isOk());
  ASSERT_TRUE(database.updateSoundNames().isOk());

  const std::string models = testing::readFile(dir.path() + "/ModelNames");
  const std::string sounds = testing::readFile(dir.path() + "/SoundNames");
  ASSERT_EQ(models.size(), 16000u);
  ASSERT_EQ(sounds.size(), 21000u);
  EXPECT_EQ(lineOf(models, 5, 11), "005\tBass       \n");
  EXPECT_EQ(lineOf(models, 6, 11), "006\tFourteen ch\n");
  EXPECT_EQ(lineOf(models, 0, 11), "000\t--<empty>--\n");
  EXPECT_EQ(lineOf(sounds, 0, 16), "000\tSixteen chars xx\n");
  EXPECT_EQ(lineOf(sounds, 999, 16), "999\tPad             \n");
  EXPECT_EQ(lineOf(sounds, 1, 16), "001\t--<empty>--     \n");
}

}  // namespace
}  // namespace slotsmith
