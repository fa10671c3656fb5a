#include "core/Duplicates.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/DatabasePaths.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::soundScriptText;
using testing::TempDir;
using testing::writeFile;
using Groups = std::vector<std::vector<int>>;

std::string withCrlf(const std::string& text) {
  std::string out;
  for (char c : text)
    out += c == '\n' ? std::string("\r\n") : std::string(1, c);
  return out;
}

std::string manyLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += "Extra" + std::to_string(i) + "\t" + std::to_string(i) + "\n";
  return text;
}

TEST(Duplicates, SoundsIdenticalButForTheirNameLines) {
  TempDir dir;
  const std::string& root = dir.path();
  const std::string pad = soundScriptText("Pad", 3, 1, 0, 0);
  const struct {
    int slot;
    std::string script;
  } sounds[] = {
      {0, pad},
      {1, soundScriptText("Bell", 3, 1, 0, 0)},
      {2, soundScriptText("Pad", 4, 1, 0, 0)},
      {3, withCrlf(pad)},
      {4,
       "SoundNameC03\t0\nVolume\t100\nSoundNameC00\t66\n" + pad.substr(pad.find("R1ModellIndex"))},
      {5, pad + manyLines(1100)},
      {6, soundScriptText("Sixteen chars xx", 3, 1, 0, 0) + manyLines(1100)},
      {8, soundScriptText("Pad copy", 4, 1, 0, 0)},
      {9, pad + "SoundNameC16\t1\n"},
      {10, pad + "SoundNameC00 66\n"},
  };
  for (const auto& sound : sounds)
    writeFile(soundScriptPath(root, sound.slot), sound.script);
  std::filesystem::create_directories(
      testing::pathFromUtf8(soundScriptPath(root, 7)));  // a folder: cannot be read

  const DuplicateGroups result = findDuplicateSounds(realFileSystem(), root);
  EXPECT_EQ(result.groups, (Groups{{0, 1, 4}, {2, 8}, {5, 6}}));
  ASSERT_EQ(result.unreadable.size(), 1u);
  EXPECT_EQ(result.unreadable[0].path(), soundScriptPath(root, 7));
}

void writeModelFolder(const std::string& root, int slot, const std::string& name,
                      const std::string& data) {
  const std::string folder = slotFolderPath(root, Bank::Models, slot);
  if (!name.empty()) writeFile(folder + "/MName", name + "\n");
  writeFile(folder + "/MData", data);
}

TEST(Duplicates, ModelsWithAndWithoutTheirNames) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  TempDir dir;
  const std::string& root = dir.path();
  writeModelFolder(root, 0, "Lead", "data A");
  writeModelFolder(root, 1, "Lead copy", "data A");
  writeModelFolder(root, 2, "Lead", "data A");
  writeModelFolder(root, 3, "Bass", "data B");
  std::filesystem::create_directories(
      testing::pathFromUtf8(modelNamePath(root, 4)));  // MName a folder: unreadable
  writeModelFolder(root, 4, "", "data A");
  writeModelFolder(root, 5, "", "data A");  // no MName: an empty slot, not a candidate
  writeModelFolder(root, 6, "Bass", "data B");
  writeModelFolder(root, 7, "Lead", "data A");
  testing::createSymlink("MData", slotFolderPath(root, Bank::Models, 7) + "/Link");

  const DuplicateGroups byName = findDuplicateModels(realFileSystem(), root, {true});
  EXPECT_EQ(byName.groups, (Groups{{0, 2}, {3, 6}}));
  const DuplicateGroups byData = findDuplicateModels(realFileSystem(), root, {false});
  EXPECT_EQ(byData.groups, (Groups{{0, 1, 2}, {3, 6}}));
  for (const DuplicateGroups& result : {byName, byData}) {
    ASSERT_EQ(result.unreadable.size(), 2u);
    EXPECT_EQ(result.unreadable[0].path(), modelNamePath(root, 4));
    EXPECT_EQ(result.unreadable[1].path(), slotFolderPath(root, Bank::Models, 7) + "/Link");
  }
}

}  // namespace
}  // namespace slotsmith
