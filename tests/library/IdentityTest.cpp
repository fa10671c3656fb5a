// A sound's identity follows the sound, not its name or its slot numbers; its exact identity
// follows the name too.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/DatabasePaths.h"
#include "library/Identity.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;
using testing::writeFile;
using testing::writeModel;
using testing::writeSound;

// The database every case starts from: "Glass Pad" in sound slot 5 plays the model in slot 3;
// its second reference names model 4, switched off.
void writeBaseDatabase(const std::string& root) {
  writeModel(root, 3, "Glass");
  writeModel(root, 4, "Spare");
  writeSound(root, 5, "Glass Pad", 3, 1, 4, 0);
}

struct Found {
  bool present = false;
  SoundIdentity identity;
};

Found soundIn(const std::string& root, int slot) {
  const DatabaseReading reading = readDatabaseIdentities(realFileSystem(), root);
  for (const SoundReading& sound : reading.sounds) {
    if (sound.slot == slot) return {true, sound.identity};
  }
  return {};
}

struct IdentityCase {
  const char* what;
  // Changes the copy of the base database; the sound then lies in slot.
  std::function<void(const std::string& root)> change;
  int slot;
  bool sameIdentity;
  bool sameExact;
};

TEST(IdentityTest, FollowsTheSoundAndItsModelsBytes) {
  const IdentityCase cases[] = {
      {"nothing changed", [](const std::string&) {}, 5, true, true},
      {"renamed", [](const std::string& root) { writeSound(root, 5, "Crystal Pad", 3, 1, 4, 0); },
       5, true, false},
      {"in another slot, its model too",
       [](const std::string& root) {
         std::filesystem::remove_all(testing::pathFromUtf8(soundScriptPath(root, 5)).parent_path());
         std::filesystem::remove_all(testing::pathFromUtf8(slotFolderPath(root, Bank::Models, 3)));
         writeModel(root, 7, "Glass");
         writeSound(root, 9, "Glass Pad", 7, 1, 4, 0);
       },
       9, true, true},
      {"its model renamed",
       [](const std::string& root) { writeFile(modelNamePath(root, 3), "Window\n"); }, 5, true,
       true},
      {"the model behind its switched-off reference changed",
       [](const std::string& root) {
         writeFile(slotFolderPath(root, Bank::Models, 4) + "/data.bin", "other bytes");
       },
       5, true, true},
      {"a byte of its model changed",
       [](const std::string& root) {
         writeFile(slotFolderPath(root, Bank::Models, 3) + "/data.bin", "model Glasz");
       },
       5, false, false},
      {"a file added to its model",
       [](const std::string& root) {
         writeFile(slotFolderPath(root, Bank::Models, 3) + "/extra.bin", "x");
       },
       5, false, false},
      {"its model switched off",
       [](const std::string& root) { writeSound(root, 5, "Glass Pad", 3, 0, 4, 0); }, 5, false,
       false},
  };
  TempDir base("identity-base");
  writeBaseDatabase(base.path());
  const Found original = soundIn(base.path(), 5);
  ASSERT_TRUE(original.present);
  for (const IdentityCase& test : cases) {
    SCOPED_TRACE(test.what);
    TempDir copy("identity-copy");
    writeBaseDatabase(copy.path());
    test.change(copy.path());
    const Found found = soundIn(copy.path(), test.slot);
    ASSERT_TRUE(found.present);
    EXPECT_EQ(found.identity.identity == original.identity.identity, test.sameIdentity);
    EXPECT_EQ(found.identity.exact == original.identity.exact, test.sameExact);
  }
}

// A model that cannot be read leaves out the sounds that play it, with a note: without its
// bytes they have no identity. The sounds that do not play it are read all the same.
TEST(IdentityTest, AnUnreadableModelLeavesOutOnlyItsSounds) {
#if defined(_WIN32)
  GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
  TempDir root("identity-unreadable");
  writeBaseDatabase(root.path());
  writeSound(root.path(), 6, "Other", 4);
  std::filesystem::create_symlink(
      "/", testing::pathFromUtf8(slotFolderPath(root.path(), Bank::Models, 3) + "/l"));
  const DatabaseReading reading = readDatabaseIdentities(realFileSystem(), root.path());
  ASSERT_EQ(reading.sounds.size(), 1u);
  EXPECT_EQ(reading.sounds.front().slot, 6);
  ASSERT_EQ(reading.models.size(), 1u);
  EXPECT_EQ(reading.models.front().slot, 4);
  EXPECT_EQ(reading.notes.size(), 2u);
}

// A database may come from someone else: a slot folder or a script that is a link is left out
// with a note, and a bank folder that is one refuses the database; only what is plainly there
// is read.
TEST(IdentityTest, LinksAreNotFollowed) {
#if defined(_WIN32)
  GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
  TempDir root("identity-links"), outside("identity-outside");
  writeBaseDatabase(root.path());
  writeSound(outside.path(), 0, "Elsewhere", 3);
  writeModel(outside.path(), 0, "Elsewhere");
  const auto link = [](const std::string& target, const std::string& at) {
    std::filesystem::create_symlink(testing::pathFromUtf8(target), testing::pathFromUtf8(at));
  };
  std::filesystem::create_directories(testing::pathFromUtf8(root.path() + "/Sounds"));
  link(slotFolderPath(outside.path(), Bank::Sounds, 0),
       slotFolderPath(root.path(), Bank::Sounds, 7));
  link(slotFolderPath(outside.path(), Bank::Models, 0),
       slotFolderPath(root.path(), Bank::Models, 8));
  std::filesystem::create_directories(
      testing::pathFromUtf8(slotFolderPath(root.path(), Bank::Sounds, 9)));
  link(soundScriptPath(outside.path(), 0), soundScriptPath(root.path(), 9));

  const DatabaseReading reading = readDatabaseIdentities(realFileSystem(), root.path());
  EXPECT_TRUE(reading.refusal.isOk());
  ASSERT_EQ(reading.sounds.size(), 1u);
  EXPECT_EQ(reading.sounds.front().slot, 5);
  EXPECT_EQ(reading.models.size(), 2u);
  EXPECT_EQ(reading.notes.size(), 3u);

  TempDir linked("identity-linked-bank");
  link(outside.path() + "/Sounds", linked.path() + "/Sounds");
  EXPECT_FALSE(readDatabaseIdentities(realFileSystem(), linked.path()).refusal.isOk());
}

}  // namespace
}  // namespace slotsmith
