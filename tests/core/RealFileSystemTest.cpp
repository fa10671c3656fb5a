// The operating system's FileSystem where it must hold back: it never removes what it did not
// create; and where it takes a short cut: a listing tells each entry's type exactly as a look at
// the entry would.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "core/FileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

TEST(RealFileSystem, ACopyOntoAnExistingFolderFailsAndLeavesThatFolderAsItWas) {
  TempDir dir;
  writeFile(dir.path() + "/from/data", "copy me\n");
  writeFile(dir.path() + "/to/keep", "precious\n");
  const Status status = realFileSystem().copyFolder(dir.path() + "/from", dir.path() + "/to");
  EXPECT_FALSE(status.isOk());
  EXPECT_EQ(listNames(dir.path() + "/to"), std::vector<std::string>{"keep"});
  EXPECT_EQ(readFile(dir.path() + "/to/keep"), "precious\n");
}

TEST(RealFileSystem, AListingTellsEachEntryWhatALookAtItTells) {
  TempDir dir;
  const std::string folder = dir.path() + "/bank";
  writeFile(folder + "/file", "bytes");
  writeFile(folder + "/folder/inside", "bytes");
  std::filesystem::create_symlink("file", folder + "/link to a file");
  std::filesystem::create_directory_symlink("folder", folder + "/link to a folder");
  std::filesystem::create_symlink("nowhere", folder + "/dangling link");
  ASSERT_EQ(::mkfifo((folder + "/pipe").c_str(), 0600), 0);
  // Enough entries that the listing takes more than one read of the folder.
  for (int n = 0; n < 1100; ++n)
    std::filesystem::create_directory(folder + "/" + std::to_string(n) + ".sound");

  std::vector<FolderEntry> entries{{"stale", EntryType::File}};
  ASSERT_TRUE(realFileSystem().listFolderEntries(folder, entries).isOk());
  EXPECT_EQ(entries.size(), listNames(folder).size());
  for (const FolderEntry& entry : entries)
    EXPECT_EQ(entry.type, realFileSystem().entryType(folder + "/" + entry.name)) << entry.name;
  for (const std::string& notAFolder : {folder + "/file", folder + "/missing"}) {
    EXPECT_FALSE(realFileSystem().listFolderEntries(notAFolder, entries).isOk()) << notAFolder;
    EXPECT_TRUE(entries.empty());
  }
}

}  // namespace
}  // namespace slotsmith::testing
