// The operating system's FileSystem where the platforms differ most, held to one behaviour on
// each: a rename never replaces what stands at its target; a path in any script and longer than
// Windows' old limit of 260 characters works like any other; the exclusive and the shared lock
// keep each other out while the holder's text stays readable (Windows locks are mandatory); and a
// file another program holds open (Windows) refuses a rename or a replacement cleanly, saying so,
// with nothing changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/FileSystem.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

enum class Entry { File, Folder, EmptyFolder };

void place(Entry entry, const std::string& path, const std::string& text) {
  if (entry == Entry::File) {
    writeFile(path, text);
  } else if (entry == Entry::Folder) {
    writeFile(path + "/inside", text);
  } else {
    std::filesystem::create_directories(pathFromUtf8(path));
  }
}

TEST(RealFileSystemEdges, ARenameOntoAnythingThatIsThereIsRefusedAndChangesNothing) {
  FileSystem& fs = realFileSystem();
  for (const Entry from : {Entry::File, Entry::Folder}) {
    for (const Entry to : {Entry::File, Entry::Folder, Entry::EmptyFolder}) {
      for (const bool asFolder : {false, true}) {
        SCOPED_TRACE(std::to_string(static_cast<int>(from)) + " onto " +
                     std::to_string(static_cast<int>(to)) + (asFolder ? ", renameFolder" : ""));
        TempDir dir;
        place(from, dir.path() + "/from", "the source\n");
        place(to, dir.path() + "/to", "the target\n");
        const auto before = treeSnapshot(dir.path());
        const Status status = asFolder ? fs.renameFolder(dir.path() + "/from", dir.path() + "/to")
                                       : fs.renameFile(dir.path() + "/from", dir.path() + "/to");
        EXPECT_EQ(status.code(), Status::Code::AlreadyExists) << status.message();
        EXPECT_EQ(status.path(), dir.path() + "/to");
        EXPECT_EQ(treeSnapshot(dir.path()), before);
      }
    }
  }
}

// Folders named in several scripts, nested past 260 characters: every operation an edit uses.
TEST(RealFileSystemEdges, LongPathsInAnyScriptWorkLikeAnyOther) {
  FileSystem& fs = realFileSystem();
  TempDir dir("long paths \xc3\xa9\xe6\x97\xa5\xe6\x9c\xac");
  std::string deep = dir.path();
  for (int level = 0; deep.size() < 600; ++level) {
    deep += "/Ordner \xc3\xbc \xd0\x9f\xd0\xb0\xd0\xbf\xd0\xba\xd0\xb0 \xe9\x9f\xb3\xe8\x89\xb2 " +
            std::to_string(level);
    ASSERT_TRUE(fs.createFolder(deep).isOk()) << deep.size();
  }
  const std::string script = deep + "/S\xc3\xa4nd.script";
  ASSERT_TRUE(fs.writeFileAtomically(script, "R1Switch\t1\n").isOk());
  ASSERT_TRUE(fs.writeFileAtomically(script, "R1Switch\t0\n").isOk());
  std::string contents;
  ASSERT_TRUE(fs.readFile(script, contents, 1024).isOk());
  EXPECT_EQ(contents, "R1Switch\t0\n");
  EXPECT_EQ(fs.entryType(script), EntryType::File);
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(fs.listFolderEntries(deep, entries).isOk());
  ASSERT_EQ(entries.size(), 1u);  // no temporary file left beside it
  EXPECT_EQ(entries[0].name, "S\xc3\xa4nd.script");
  EXPECT_EQ(entries[0].type, EntryType::File);
  ASSERT_TRUE(fs.copyFolder(deep, deep + " copy").isOk());
  ASSERT_TRUE(fs.renameFolder(deep + " copy", deep + " \xe2\x86\x92 moved").isOk());
  EXPECT_EQ(readFile(deep + " \xe2\x86\x92 moved/S\xc3\xa4nd.script"), "R1Switch\t0\n");
  std::uint64_t bytes = 0;
  ASSERT_TRUE(fs.diskUsage(dir.path(), bytes).isOk());
  EXPECT_EQ(bytes, 2 * contents.size());
  ASSERT_TRUE(fs.syncFileSystem(dir.path()).isOk());
  ASSERT_TRUE(fs.removeFolder(deep).isOk());
  EXPECT_EQ(fs.entryType(deep), EntryType::Missing);
  EXPECT_EQ(fs.entryType(deep + " \xe2\x86\x92 moved"), EntryType::Folder);
}

TEST(RealFileSystemEdges, TheLocksKeepEachOtherOutAndTheHolderStaysReadable) {
  FileSystem& fs = realFileSystem();
  struct LockCase {
    bool firstExclusive;
    bool secondExclusive;
    bool secondIsRefused;
  };
  for (const LockCase c : {LockCase{true, true, true}, LockCase{true, false, true},
                           LockCase{false, true, true}, LockCase{false, false, false}}) {
    SCOPED_TRACE(std::string(c.firstExclusive ? "exclusive" : "shared") + " then " +
                 (c.secondExclusive ? "exclusive" : "shared"));
    TempDir dir;
    const std::string path = dir.path() + "/lock";
    writeFile(path, "");
    const auto take = [&](bool exclusive, std::unique_ptr<FileLock>& lock) {
      return exclusive ? fs.lockFile(path, "pid 7 on host studio (slotsmith)", lock)
                       : fs.lockFileShared(path, lock);
    };
    std::unique_ptr<FileLock> first, second;
    ASSERT_TRUE(take(c.firstExclusive, first).isOk());
    ASSERT_NE(first, nullptr);
    const std::string holder = c.firstExclusive ? "pid 7 on host studio (slotsmith)" : "";
    EXPECT_EQ(readFile(path), holder);
    const Status status = take(c.secondExclusive, second);
    if (c.secondIsRefused) {
      EXPECT_EQ(status.code(), Status::Code::AlreadyExists) << status.message();
      EXPECT_EQ(status.reason(), holder);
      EXPECT_EQ(second, nullptr);
    } else {
      EXPECT_TRUE(status.isOk()) << status.message();
    }
    // Let go, the other gets it; an exclusive holder leaves no text behind.
    first.reset();
    second.reset();
    EXPECT_EQ(readFile(path), "");
    EXPECT_TRUE(take(c.secondExclusive, second).isOk());
  }
}

TEST(RealFileSystemEdges, AFileAnotherProgramHoldsOpenRefusesARenameOrAReplacementCleanly) {
  TempDir dir;
  const std::string folder = dir.path() + "/Sounds/003.sound";
  const std::string script = folder + "/sound.script";
  writeFile(script, "R1ModellIndex\t12\n");
  const std::unique_ptr<HeldOpenFile> held = holdOpenElsewhere(script);
  if (!held) GTEST_SKIP() << "an open file never stands in the way of a rename here";
  FileSystem& fs = realFileSystem();
  const auto before = treeSnapshot(dir.path());
  const std::vector<std::pair<std::string, Status>> refusals{
      {"rename", fs.renameFile(script, folder + "/renamed")},
      {"replace", fs.writeFileAtomically(script, "R1ModellIndex\t13\n")},
  };
  for (const auto& [what, status] : refusals) {
    SCOPED_TRACE(what);
    EXPECT_FALSE(status.isOk());
    EXPECT_EQ(status.path(), script);
    EXPECT_NE(status.reason().find("another program has it open"), std::string::npos)
        << status.message();
  }
  EXPECT_EQ(treeSnapshot(dir.path()), before);  // no temporary file left either
}

}  // namespace
}  // namespace slotsmith::testing
