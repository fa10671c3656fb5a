#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/SlotCells.h"
#include "core/SoundScript.h"
#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::FakeUi;
using testing::FaultInjectingFileSystem;
using testing::TempDir;
using testing::writeFile;
using testing::writeModel;
using testing::writeSound;

class DatabaseScanTest : public ::testing::Test {
 protected:
  DatabaseScanTest() : database(ui) { database.setRoot(dir.path()); }

  void scan() { database.evaluateNeuronDb(); }
  const SoundSlot& sound(int n) { return database.tables().soundSlots[n]; }
  const ModelSlot& model(int n) { return database.tables().modelSlots[n]; }

  TempDir dir;
  FakeUi ui;
  Database database;
};

TEST(SlotTables, InitSlotsEmptiesEverySlot) {
  auto tables = std::make_unique<SlotTables>();
  std::memset(tables.get(), 0x5a, sizeof *tables);
  tables->initSlots();
  for (int n = 0; n < kSlotCount; ++n) {
    EXPECT_EQ(tables->soundSlots[n].sNumber, n);
    EXPECT_EQ(tables->modelSlots[n].sNumber, n);
    EXPECT_STREQ(tables->soundSlots[n].sSoundName, "--<empty>--");
    EXPECT_STREQ(tables->modelSlots[n].sModelName, "--<empty>--");
    EXPECT_EQ(tables->soundSlots[n].sIsUsed, 0);
    EXPECT_EQ(tables->modelSlots[n].sIsUsed, 0);
    EXPECT_EQ(tables->soundSlots[n].sModel1, 0);
    EXPECT_EQ(tables->soundSlots[n].sModelOn2, 0);
  }
}

TEST(DatabasePaths, SlotFolderNamesAndWhatIsNotASlot) {
  EXPECT_EQ(slotFolderPath("/db", Bank::Sounds, 7), "/db/Sounds/007.sound");
  EXPECT_EQ(slotFolderPath("/db", Bank::Models, 999), "/db/Models/999.model");
  EXPECT_EQ(slotFolderPath("/db", Bank::Sounds, 1005), "/db/Sounds/1005.sound");
  EXPECT_EQ(slotNumberFromFolderName(Bank::Sounds, "007.sound"), 7);
  EXPECT_EQ(slotNumberFromFolderName(Bank::Models, "10004.model"), 10004);
  EXPECT_EQ(slotNumberFromFolderName(Bank::Sounds, "5.sound"), std::nullopt);
  EXPECT_EQ(slotNumberFromFolderName(Bank::Sounds, "tmp005.sound"), std::nullopt);
  EXPECT_EQ(slotNumberFromFolderName(Bank::Sounds, "007.model"), std::nullopt);
  EXPECT_EQ(databaseRootFromPath(""), std::nullopt);
}

TEST_F(DatabaseScanTest, ValidationNeedsOneZeroFilledSlotFile) {
  EXPECT_FALSE(isValidDatabase(dir.path()));
  writeFile(dir.path() + "/Sounds/5.sound/sound.script", "R1Switch\t1\n");
  EXPECT_FALSE(isValidDatabase(dir.path()));
  std::filesystem::create_directories(
      testing::pathFromUtf8(dir.path() + "/Models/123.model/MName"));  // a folder
  EXPECT_FALSE(isValidDatabase(dir.path()));
  writeFile(dir.path() + "/Models/124.model/MName", "Lead\n");
  EXPECT_TRUE(isValidDatabase(dir.path()));
  EXPECT_FALSE(isValidDatabase(""));
}

// The real file system, except that no folder can be listed: what a bank folder that may be
// passed through but not read (mode 0311) looks like, whoever runs the tests. The scan and the
// validity check must then probe every slot.
class UnlistableFolders : public FaultInjectingFileSystem {
 public:
  UnlistableFolders() : FaultInjectingFileSystem(realFileSystem()) {}
  Status listFolder(const std::string& path, std::vector<std::string>&) override {
    return Status::ioError(path, "Permission denied");
  }
};

// The ways to reach one layout: bank folders listed, bank folders that are symbolic links, bank
// folders that cannot be listed. Returns the root to open.
enum class Access { Listed, LinkedBanks, Unlistable };
std::string reachBanks(Access access, const std::string& real, const std::string& via) {
  if (access != Access::LinkedBanks) return real;
  std::filesystem::create_directories(testing::pathFromUtf8(via));
  for (const char* bank : {"Sounds", "Models"})
    testing::createDirectorySymlink(real + "/" + bank, via + "/" + bank);
  return via;
}

TEST(DatabaseScan, EachSlotIsReadFromItsOwnFolderWhateverElseTheBankHolds) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  namespace fs = std::filesystem;
  for (const Access access : {Access::Listed, Access::LinkedBanks, Access::Unlistable}) {
    SCOPED_TRACE(static_cast<int>(access));
    TempDir dir;
    const std::string real = dir.path() + "/DB";
    const std::string outside = dir.path() + "/outside";
    writeSound(real, 0, "Zero", 2, 1);
    writeSound(outside, 1, "Linked", 998);  // outside/Sounds/001.sound, linked as slot 2
    testing::createDirectorySymlink(slotFolderPath(outside, Bank::Sounds, 1),
                                    slotFolderPath(real, Bank::Sounds, 2));
    testing::createDirectorySymlink(outside + "/nowhere", slotFolderPath(real, Bank::Sounds, 3));
    fs::create_directories(testing::pathFromUtf8(slotFolderPath(real, Bank::Sounds, 4)));
    testing::createSymlink(soundScriptPath(real, 0), soundScriptPath(real, 4));
    fs::create_directories(
        testing::pathFromUtf8(soundScriptPath(real, 5)));  // a folder where the script belongs
    writeFile(slotFolderPath(real, Bank::Sounds, 6), "R1Switch\t1\n");  // a file, no folder
    ASSERT_TRUE(testing::placeNamedPipe(slotFolderPath(real, Bank::Sounds, 7)));
    // Names that are no slot of the bank, however much they look like one.
    for (const char* stray : {"5.sound", "0009.sound", "1000.sound", "slotsmith-1-2"})
      writeFile(real + "/Sounds/" + stray + "/sound.script", "R1ModellIndex\t1\nR1Switch\t1\n");
    writeModel(real, 0, "M0");
    writeModel(outside, 1, "Linked");
    testing::createDirectorySymlink(slotFolderPath(outside, Bank::Models, 1),
                                    slotFolderPath(real, Bank::Models, 2));
    writeModel(real, 998, "M998");
    writeModel(real, 1000, "Pushed");

    UnlistableFolders unlistable;
    FakeUi ui;
    Database database(
        ui, access == Access::Unlistable ? static_cast<FileSystem&>(unlistable) : realFileSystem());
    database.setRoot(reachBanks(access, real, dir.path() + "/via"));
    database.evaluateNeuronDb();
    std::vector<std::string> found;
    for (int n = 0; n < kSlotCount; ++n) {
      const SoundSlot& sound = database.tables().soundSlots[n];
      const ModelSlot& model = database.tables().modelSlots[n];
      if (sound.sIsUsed != kSoundEmpty) {
        found.push_back(std::to_string(n) + " " + sound.sSoundName + " > " +
                        std::to_string(sound.sModel1));
      }
      if (model.sIsUsed != kModelUnused || std::strcmp(model.sModelName, kEmptySlotName) != 0)
        found.push_back(std::to_string(n) + " " + model.sModelName + " " +
                        modelStatusText(model.sIsUsed));
    }
    EXPECT_EQ(found,
              (std::vector<std::string>{"0 Zero > 2", "0 M0 in use - disabled", "2 Linked > 998",
                                        "2 Linked in use", "4 Zero > 2", "998 M998 in use"}));
  }
}

TEST(DatabaseValidation, OneReadableSlotFileInEitherBankMakesADatabaseHoweverTheBanksAreReached) {
  const std::vector<std::pair<std::vector<std::string>, bool>> cases{
      {{}, false},
      {{"Sounds/999.sound/sound.script"}, true},
      {{"Models/500.model/MName"}, true},
      {{"Sounds/5.sound/sound.script", "Sounds/1000.sound/sound.script", "Sounds/007.sound"},
       false},
  };
  for (const auto& [files, valid] : cases) {
    for (const Access access : {Access::Listed, Access::LinkedBanks, Access::Unlistable}) {
      if (access == Access::LinkedBanks && !testing::symbolicLinksCanBeMade()) continue;
      SCOPED_TRACE(::testing::PrintToString(files) + " " +
                   std::to_string(static_cast<int>(access)));
      TempDir dir;
      const std::string real = dir.path() + "/DB";
      for (const char* bank : {"/Sounds", "/Models"})
        std::filesystem::create_directories(testing::pathFromUtf8(real + bank));
      for (const std::string& file : files)
        writeFile(real + "/" + file, "R1Switch\t1\n");
      UnlistableFolders unlistable;
      EXPECT_EQ(isValidDatabase(reachBanks(access, real, dir.path() + "/via"),
                                access == Access::Unlistable ? static_cast<FileSystem&>(unlistable)
                                                             : realFileSystem()),
                valid);
    }
  }
}

TEST_F(DatabaseScanTest, NamesReferencesAndSwitchesOfEverySound) {
  writeSound(dir.path(), 0, "Bass", 12, 1, 40, 0);
  writeFile(soundScriptPath(dir.path(), 1),
            "SoundNameC00\t321\nSoundNameC01\t32\nSoundNameC02\t0\nSoundNameC03\t66\n");
  std::string spaces;
  for (int k = 0; k < 16; ++k)
    spaces += soundNameKey(k) + "\t32\n";
  writeFile(soundScriptPath(dir.path(), 2), spaces);
  scan();

  EXPECT_STREQ(sound(0).sSoundName, "Bass");
  EXPECT_EQ(sound(0).sModel1, 12);
  EXPECT_EQ(sound(0).sModelOn1, 1);
  EXPECT_EQ(sound(0).sModel2, 40);
  EXPECT_EQ(sound(0).sModelOn2, 0);
  EXPECT_EQ(sound(0).sIsUsed, 1);
  EXPECT_STREQ(sound(1).sSoundName, "A ");  // 321 has the low byte 65; a 0 ends the name
  EXPECT_STREQ(sound(2).sSoundName, "                ");
  EXPECT_STREQ(sound(3).sSoundName, "--<empty>--");
  EXPECT_EQ(sound(3).sIsUsed, 0);
  EXPECT_EQ(ui.progressTexts.front(), "Analyzing NeuronDB...");
  EXPECT_EQ(ui.progressMaximum, 999);
  EXPECT_FALSE(ui.progressOpen);
  EXPECT_TRUE(ui.dropEnabled);
}

TEST_F(DatabaseScanTest, ModelUseDoesNotDependOnTheOrderOfSounds) {
  writeSound(dir.path(), 1, "Off", 5, 0);
  writeSound(dir.path(), 2, "On", 5, 1);
  writeSound(dir.path(), 3, "On", 6, 1);
  writeSound(dir.path(), 4, "Off", 6, 0);
  writeSound(dir.path(), 5, "Twice off", 12, 0, 12, 0);
  writeSound(dir.path(), 6, "Nowhere", -1, 1, 1000, 1);
  writeFile(soundScriptPath(dir.path(), 7), "");  // occupied, refers to model 0 switched off
  writeFile(slotFolderPath(dir.path(), Bank::Sounds, 8) + "/notes.txt", "R1ModellIndex\t20\n");
  writeModel(dir.path(), 5, "Lead");
  scan();

  EXPECT_EQ(model(5).sIsUsed, kModelInUse);
  EXPECT_EQ(model(6).sIsUsed, kModelInUse);
  EXPECT_EQ(model(12).sIsUsed, kModelInUseDisabled);  // an empty model slot can be in use
  EXPECT_EQ(model(0).sIsUsed, kModelInUseDisabled);
  EXPECT_EQ(model(20).sIsUsed, kModelUnused);  // a folder without sound.script is empty
  EXPECT_EQ(sound(7).sIsUsed, 1);
  EXPECT_STREQ(sound(7).sSoundName, "");
  EXPECT_EQ(sound(8).sIsUsed, 0);
  for (int n : {1, 2, 3, 4, 999})
    EXPECT_NE(model(n).sIsUsed, kModelInUse) << n;
}

TEST_F(DatabaseScanTest, ModelNamesAreTheFirstLineWithoutItsEnding) {
  writeFile(modelNamePath(dir.path(), 0), "Bass\n");
  writeFile(modelNamePath(dir.path(), 1), "Keys\r\nsecond line\n");
  writeFile(modelNamePath(dir.path(), 2), "A name of twenty chr");
  writeFile(modelNamePath(dir.path(), 3), "");
  writeFile(modelNamePath(dir.path(), 4), "Fourteen chars\r\n");
  writeFile(soundScriptPath(dir.path(), 0), "R1Switch\t1\n");
  scan();
  EXPECT_STREQ(model(0).sModelName, "Bass");
  EXPECT_STREQ(model(1).sModelName, "Keys");
  EXPECT_STREQ(model(2).sModelName, "A name of twent");
  EXPECT_STREQ(model(3).sModelName, "--<empty>--");
  EXPECT_STREQ(model(4).sModelName, "Fourteen chars");
  EXPECT_STREQ(model(5).sModelName, "--<empty>--");
}

TEST_F(DatabaseScanTest, NoRootLeavesTablesAndDiskAlone) {
  writeSound(dir.path(), 0, "Bass", 1);
  scan();
  database.setRoot(std::nullopt);
  scan();
  EXPECT_STREQ(sound(0).sSoundName, "Bass");
  EXPECT_FALSE(database.updateSoundNames().isOk());
  EXPECT_FALSE(testing::exists(dir.path() + "/SoundNames"));
  EXPECT_TRUE(ui.dropEnabled);
}

TEST_F(DatabaseScanTest, ARootWithShellAndNonAsciiCharactersOpensLikeAnyOther) {
  TempDir odd("slotsmith \"quoted\" %PATH% $HOME `tick` caf\xc3\xa9");
  writeSound(odd.path(), 3, "Odd", 1);
  database.setRoot(odd.path());
  EXPECT_TRUE(isValidDatabase(odd.path()));
  scan();
  EXPECT_STREQ(sound(3).sSoundName, "Odd");
}

TEST_F(DatabaseScanTest, CellTextsOfTheLists) {
  writeModel(dir.path(), 12, "Lead");
  writeSound(dir.path(), 0, "S", 12, 1, 12, 0);
  writeSound(dir.path(), 1, "T", -1, 1);
  scan();
  const SlotTables& tables = database.tables();
  EXPECT_EQ(modelReferenceText(tables, sound(0).sModel1, sound(0).sModelOn1), "12 (Lead)");
  EXPECT_EQ(modelReferenceText(tables, sound(0).sModel2, sound(0).sModelOn2), "---");
  EXPECT_EQ(modelReferenceText(tables, sound(1).sModel1, sound(1).sModelOn1), "-1 (unused)");
  EXPECT_EQ(modelStatusText(model(12).sIsUsed), "in use");
  EXPECT_EQ(modelStatusText(kModelInUseDisabled), "in use - disabled");
  EXPECT_EQ(modelStatusText(kMarkedForRemoval), "!!UNUSED!!");
}

}  // namespace
}  // namespace slotsmith
