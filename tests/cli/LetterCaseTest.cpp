// A database on a disk that ignores letter case, as Windows' own disks and the synthesizer's FAT
// card do: a slot folder spelled in capitals is that slot, and an edit around it is either done
// exactly as where it is spelled in lower case, or refused with nothing changed. (ExfatDriveTest
// checks the same on a FAT card under Linux, whose own disks tell letter cases apart.)
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/FileSystem.h"
#include "ops/Transaction.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

TEST(LetterCase, ASlotFolderSpelledInCapitalsIsThatSlotAndAnEditIsRightOrRefused) {
  testing::TempDir dir("letter case");
  const auto demo = [&](const std::string& name) {
    const std::string root = dir.path() + "/" + name;
    EXPECT_EQ(runSlotsmith({"demo", root}).status, kExitDone);
    return root;
  };
  const std::string reference = demo("reference");
  if (!testing::exists(reference + "/SOUNDS")) {
    GTEST_SKIP() << "this disk tells letter cases apart";
  }
  const std::vector<std::string> edits[] = {
      {"copy", "sounds", "1", "--to", "5", "--yes"},
      {"move", "sounds", "4-6", "--to", "20", "--yes"},
      {"delete", "sounds", "5", "--yes"},
  };
  for (const std::vector<std::string>& edit : edits) {
    SCOPED_TRACE(edit[0]);
    const auto run = [&](const std::string& root) {
      std::vector<std::string> args{edit[0], root};
      args.insert(args.end(), edit.begin() + 1, edit.end());
      return runSlotsmith(args);
    };
    const std::string plain = demo(edit[0] + " plain");
    const std::string listed = runSlotsmith({"list", plain, "sounds"}).out;
    ASSERT_EQ(run(plain).status, kExitDone);
    const std::string edited = runSlotsmith({"list", plain, "sounds"}).out;

    const std::string root = demo(edit[0] + " capitals");
    // Two steps: a disk that ignores case may take a rename to the same name in capitals for
    // a rename onto itself.
    const auto rename = [&](const std::string& from, const std::string& to) {
      std::filesystem::rename(testing::pathFromUtf8(root + "/Sounds/" + from),
                              testing::pathFromUtf8(root + "/Sounds/" + to));
    };
    rename("005.sound", "spelled");
    rename("spelled", "005.SOUND");
    const std::vector<std::string> names = testing::listNames(root + "/Sounds");
    ASSERT_NE(std::find(names.begin(), names.end(), "005.SOUND"), names.end());
    EXPECT_EQ(runSlotsmith({"list", root, "sounds"}).out, listed);
    const auto before = testing::treeSnapshot(root);
    const CliRun result = run(root);
    EXPECT_FALSE(hasUnfinishedTransaction(realFileSystem(), root));
    if (result.status == kExitDone) {
      EXPECT_EQ(runSlotsmith({"list", root, "sounds"}).out, edited);
    } else {
      EXPECT_EQ(result.status, kExitRefused) << result.err;
      EXPECT_NE(result.err.find("005.SOUND"), std::string::npos) << result.err;
      EXPECT_EQ(testing::treeSnapshot(root), before);
    }
  }
}

}  // namespace
}  // namespace slotsmith::cli
