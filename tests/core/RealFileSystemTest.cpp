// The operating system's FileSystem where it must hold back: it never removes what it did not
// create, nor replaces it by a rename; its flush path by path, which must reach every file and
// folder a change touched; and where it takes a short cut: a listing tells each entry's type
// exactly as a look at the entry would. The files it writes in place (the lock, a journal) are
// written only when they are plain files of their own. Below an anchored root no change goes
// through a symbolic link.
#include <gtest/gtest.h>

#include <filesystem>

#include <functional>
#include <set>

#include "core/FileSystem.h"
#include "support/Platform.h"
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

// rename(2) would quietly replace a file or an empty folder at the target: the real file system
// asks for a rename that refuses, whatever the system calls it.
TEST(RealFileSystem, ARenameOntoSomethingThereFailsAndLeavesBothAsTheyWere) {
  struct RenameCase {
    std::string title;
    std::string from, to;
    std::vector<std::string> namesLeftAtTheTarget;
  };
  const std::vector<RenameCase> cases{
      {"a folder onto an empty folder", "/full", "/empty", {}},
      {"a folder onto a folder", "/full", "/other", {"kept"}},
      {"a file onto a file", "/full/data", "/other/kept", {}},
  };
  for (const RenameCase& c : cases) {
    SCOPED_TRACE(c.title);
    TempDir dir;
    writeFile(dir.path() + "/full/data", "moved\n");
    writeFile(dir.path() + "/other/kept", "precious\n");
    std::filesystem::create_directory(dir.path() + "/empty");
    const bool folders = c.from == "/full";
    FileSystem& fs = realFileSystem();
    const Status status = folders ? fs.renameFolder(dir.path() + c.from, dir.path() + c.to)
                                  : fs.renameFile(dir.path() + c.from, dir.path() + c.to);
    EXPECT_EQ(status.code(), Status::Code::AlreadyExists) << status.message();
    EXPECT_EQ(readFile(dir.path() + "/full/data"), "moved\n");
    EXPECT_EQ(readFile(dir.path() + "/other/kept"), "precious\n");
    if (folders) {
      EXPECT_EQ(listNames(dir.path() + c.to), c.namesLeftAtTheTarget);
    }
  }
}

struct FlushCase {
  std::string title;
  std::function<void(FileSystem&, const std::string& dir)> change;
  std::set<std::string> flushed;  // relative to the folder; "" is the folder itself
};

TEST(RealFileSystem, AFlushPathByPathReachesWhatEachChangeTouchedOnceAndNoMore) {
  const auto ok = [](const Status& status) { ASSERT_TRUE(status.isOk()) << status.message(); };
  const std::vector<FlushCase> cases{
      {"a new folder",
       [&](FileSystem& fs, const std::string& d) { ok(fs.createFolder(d + "/n")); },
       {"", "/n"}},
      {"a new file",
       [&](FileSystem& fs, const std::string& d) { ok(fs.createFile(d + "/x/new", "1")); },
       {"/x", "/x/new"}},
      {"a file replaced",
       [&](FileSystem& fs, const std::string& d) { ok(fs.writeFileAtomically(d + "/x/f", "2")); },
       {"/x", "/x/f"}},
      {"an append",
       [&](FileSystem& fs, const std::string& d) { ok(fs.appendToFileDurably(d + "/x/f", "3")); },
       {"/x/f"}},
      {"a file renamed into another folder",
       [&](FileSystem& fs, const std::string& d) { ok(fs.renameFile(d + "/x/f", d + "/y/f")); },
       {"/x", "/y"}},
      {"a copy",
       [&](FileSystem& fs, const std::string& d) { ok(fs.copyFolder(d + "/x", d + "/c")); },
       {"", "/c", "/c/f", "/c/sub", "/c/sub/g"}},
      {"a removal",
       [&](FileSystem& fs, const std::string& d) { ok(fs.removeFolder(d + "/x")); },
       {""}},
      // What a rename carries away before the flush is flushed under its new name.
      {"a copy renamed",
       [&](FileSystem& fs, const std::string& d) {
         ok(fs.copyFolder(d + "/x", d + "/c"));
         ok(fs.renameFolder(d + "/c", d + "/y/c"));
       },
       {"", "/y", "/y/c", "/y/c/f", "/y/c/sub", "/y/c/sub/g"}},
      // What is gone by the flush is skipped: its folder above remembers the removal.
      {"a new file removed",
       [&](FileSystem& fs, const std::string& d) {
         ok(fs.createFile(d + "/x/new", "1"));
         ok(fs.removeFolder(d + "/x/new"));
       },
       {"/x"}},
  };
  FileSystem& fs = realFileSystem();
  std::set<std::string> flushed;
  observeRealFileSystemFlushes([&](const std::string& path) { flushed.insert(path); });
  for (const FlushCase& c : cases) {
    SCOPED_TRACE(c.title);
    TempDir dir;
    writeFile(dir.path() + "/x/f", "0");
    writeFile(dir.path() + "/x/sub/g", "0");
    writeFile(dir.path() + "/y/keep", "0");
    ASSERT_TRUE(fs.syncFileSystem(dir.path()).isOk());  // whatever earlier tests left
    flushed.clear();
    c.change(fs, dir.path());
    ASSERT_TRUE(fs.syncFileSystem(dir.path()).isOk());
    std::set<std::string> expected;
    for (const std::string& path : c.flushed)
      expected.insert(dir.path() + path);
    EXPECT_EQ(flushed, expected);
    flushed.clear();
    ASSERT_TRUE(fs.syncFileSystem(dir.path()).isOk());
    EXPECT_TRUE(flushed.empty()) << "flushed again: " << *flushed.begin();
  }
  observeRealFileSystemFlushes({});
}

TEST(RealFileSystem, AListingTellsEachEntryWhatALookAtItTells) {
  TempDir dir;
  const std::string folder = dir.path() + "/bank";
  writeFile(folder + "/file", "bytes");
  writeFile(folder + "/folder/inside", "bytes");
  if (symbolicLinksCanBeMade()) {
    createSymlink("file", folder + "/link to a file");
    createDirectorySymlink("folder", folder + "/link to a folder");
    createSymlink("nowhere", folder + "/dangling link");
  }
  ASSERT_TRUE(placeNamedPipe(folder + "/pipe"));
  // Enough entries that the listing takes more than one read of the folder.
  for (int n = 0; n < 1100; ++n)
    std::filesystem::create_directory(
        testing::pathFromUtf8(folder + "/" + std::to_string(n) + ".sound"));

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

TEST(RealFileSystem, AFolderReaderReadsWhatReadFileReadsAtTheJoinedPath) {
  TempDir dir;
  const std::string folder = dir.path() + "/bank";
  writeFile(folder + "/001.sound/sound.script", "Key\t1\n");
  writeFile(folder + "/empty", "");
  writeFile(folder + "/long", std::string(5000, 'x'));
  writeFile(folder + "/folder/inside", "bytes");
  if (symbolicLinksCanBeMade()) {
    createSymlink("empty", folder + "/link to a file");
    createSymlink("nowhere", folder + "/dangling link");
  }
  ASSERT_TRUE(placeNamedPipe(folder + "/pipe"));
  const std::vector<std::string> relatives = {
      "001.sound/sound.script", "empty",       "long",           "folder",       "pipe", "missing",
      "folder/missing",         "empty/below", "link to a file", "dangling link"};

  for (const std::string& bank : {folder, dir.path() + "/no bank"}) {
    const std::unique_ptr<FolderReader> reader = realFileSystem().folderReader(bank);
    for (const std::string& relative : relatives) {
      SCOPED_TRACE(bank + " / " + relative);
      std::string expected;
      std::string contents = "stale";
      const Status direct = realFileSystem().readFile(bank + "/" + relative, expected, 4096);
      const Status read = reader->readFile(relative, contents, 4096);
      EXPECT_EQ(read.code(), direct.code());
      EXPECT_EQ(read.message(), direct.message());
      EXPECT_EQ(contents, expected);
    }
  }
}

// A plain read opens each folder on the way and the file without following a link; it tells
// the same as the reader that looks at each entry on the way first, and the stamp of what it read
// is the entry's own.
TEST(RealFileSystem, APlainReadRefusesEveryLinkOnTheWayAsALookWouldTell) {
  TempDir dir;
  const std::string folder = dir.path() + "/bank";
  writeFile(folder + "/001.sound/sound.script", "Key\t1\n");
  writeFile(folder + "/long", std::string(5000, 'x'));
  writeFile(folder + "/folder/inside", "bytes");
  if (symbolicLinksCanBeMade()) {
    createSymlink("long", folder + "/link to a file");
    createDirectorySymlink("001.sound", folder + "/002.sound");
    createSymlink("nowhere", folder + "/dangling link");
  }
  ASSERT_TRUE(placeNamedPipe(folder + "/pipe"));
  const std::vector<std::string> relatives = {"001.sound/sound.script",
                                              "long",
                                              "folder",
                                              "pipe",
                                              "missing",
                                              "folder/missing",
                                              "long/below",
                                              "link to a file",
                                              "002.sound/sound.script",
                                              "dangling link"};

  const std::unique_ptr<FolderReader> reader = realFileSystem().folderReader(folder);
  JoiningFolderReader looking(realFileSystem(), folder);
  for (const std::string& relative : relatives) {
    SCOPED_TRACE(relative);
    std::string expected, contents = "stale";
    bool expectedTruncated = false, truncated = false;
    EntryStamp opened;
    const Status looked =
        looking.readPlainFile(relative, expected, 4096, expectedTruncated, nullptr);
    const Status read = reader->readPlainFile(relative, contents, 4096, truncated, &opened);
    EXPECT_EQ(read.code(), looked.code()) << read.message();
    EXPECT_EQ(contents, expected);
    EXPECT_EQ(truncated, expectedTruncated);
#if !defined(_WIN32)  // Windows gives no entry stamps
    if (read.isOk()) {
      EntryStamp entry;
      ASSERT_TRUE(reader->stampEntry(relative, entry));
      EXPECT_EQ(opened, entry);
    }
#endif
  }
}

// The lock and the journals lie in a folder that came with the database; whatever is planted at
// their names, only a plain file of its own is written, and nothing else changes a byte.
TEST(RealFileSystem, TheLockAndAJournalAreWrittenOnlyIntoAPlainFileOfTheirOwn) {
  struct Planted {
    std::string title;
    std::function<bool(const std::string& outside, const std::string& at)> plant;
    bool refused = true;
    std::string reason;  // a word the refusal must hold (else the system's own words say why)
  };
  const std::vector<Planted> planted{
      {"a file of its own",
       [](const std::string&, const std::string& at) {
         writeFile(at, "");
         return true;
       },
       false,
       {}},
      {"a hard link to a file outside",
       [](const std::string& outside, const std::string& at) {
         std::filesystem::create_hard_link(pathFromUtf8(outside), pathFromUtf8(at));
         return true;
       },
       true, "hard links"},
      {"a symbolic link to a file outside",
       [](const std::string& outside, const std::string& at) {
         if (!symbolicLinksCanBeMade()) return false;
         createSymlink(outside, at);
         return true;
       },
       true,
       {}},
      {"a named pipe",
       [](const std::string&, const std::string& at) { return !kOnWindows && placeNamedPipe(at); },
       true,
       {}},
  };
  struct Writer {
    std::string title;
    std::function<Status(const std::string& at)> write;
  };
  const std::vector<Writer> writers{
      {"the lock",
       [](const std::string& at) {
         std::unique_ptr<FileLock> lock;
         Status status = realFileSystem().lockFile(at, "pid 1 on host here", lock);
         EXPECT_EQ(lock != nullptr, status.isOk());
         return status;
       }},
      {"a journal",
       [](const std::string& at) { return realFileSystem().appendToFileDurably(at, "marker\n"); }},
  };
  for (const Planted& p : planted) {
    for (const Writer& w : writers) {
      SCOPED_TRACE(w.title + " as " + p.title);
      TempDir dir;
      const std::string outside = dir.path() + "/outside";
      const std::string at = dir.path() + "/DB/.slotsmith/file";
      writeFile(outside, "the user's own file\n");
      std::filesystem::create_directories(pathFromUtf8(dir.path() + "/DB/.slotsmith"));
      if (!p.plant(outside, at)) continue;
      const Status status = w.write(at);
      EXPECT_EQ(readFile(outside), "the user's own file\n");
      if (!p.refused) {
        EXPECT_TRUE(status.isOk()) << status.message();
        continue;
      }
      EXPECT_FALSE(status.isOk());
      EXPECT_EQ(status.path(), at);
      EXPECT_NE(status.message().find(p.reason), std::string::npos) << status.message();
    }
  }
}

// A database may hold links another program put there while the engine looked elsewhere. Below
// an anchored root every change finds its way from the root's open folder and refuses a link
// wherever it lies on the way, whichever end of a rename or a copy it is on.
TEST(RealFileSystem, BelowAnAnchoredRootNoChangeGoesThroughALink) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  // Windows has no walk by handle that refuses reparse points on the way (see the README).
  if (kOnWindows) GTEST_SKIP() << "changes below a root are not walked by handle on Windows";
  FileSystem& fs = realFileSystem();
  struct Operation {
    std::string title;
    std::function<Status(const std::string& db, const std::string& via)> run;
  };
  const std::vector<Operation> operations{
      {"create a file", [&](auto&, auto& via) { return fs.createFile(via + "/new", "x"); }},
      {"create a locked file",
       [&](auto&, auto& via) {
         std::unique_ptr<FileLock> lock;
         return fs.createLockedFile(via + "/new", "x", lock);
       }},
      {"replace a file",
       [&](auto&, auto& via) { return fs.writeFileAtomically(via + "/file", "x"); }},
      {"create a folder", [&](auto&, auto& via) { return fs.createFolder(via + "/new"); }},
      {"rename from",
       [&](auto& db, auto& via) { return fs.renameFolder(via + "/f", db + "/moved"); }},
      {"rename to", [&](auto& db, auto& via) { return fs.renameFile(db + "/own", via + "/own"); }},
      {"remove a tree", [&](auto&, auto& via) { return fs.removeFolder(via + "/f"); }},
      {"remove a file", [&](auto&, auto& via) { return fs.removeFolder(via + "/f/data"); }},
      {"copy from", [&](auto& db, auto& via) { return fs.copyFolder(via + "/f", db + "/copy"); }},
      {"copy to", [&](auto& db, auto& via) { return fs.copyFolder(db + "/ownf", via + "/copy"); }},
      {"append", [&](auto&, auto& via) { return fs.appendToFileDurably(via + "/file", "x\n"); }},
      {"lock",
       [&](auto&, auto& via) {
         std::unique_ptr<FileLock> lock;
         return fs.lockFile(via + "/file", "pid 1 on host here", lock);
       }},
      {"lock for reading",
       [&](auto&, auto& via) {
         std::unique_ptr<FileLock> lock;
         return fs.lockFileShared(via + "/file", lock);
       }},
  };
  // Where the link lies: right below the root, or deeper, below a folder of the database's own.
  for (const std::string linked : {"in", "deep/in"}) {
    for (const Operation& operation : operations) {
      SCOPED_TRACE(operation.title + " through " + linked);
      TempDir dir;
      const std::string db = dir.path() + "/DB";
      const std::string outside = dir.path() + "/outside";
      writeFile(outside + "/file", "the user's own file\n");
      writeFile(outside + "/f/data", "the user's own data\n");
      writeFile(db + "/own", "the database's file\n");
      writeFile(db + "/ownf/data", "the database's data\n");
      std::filesystem::create_directories(pathFromUtf8(db + "/deep"));
      createDirectorySymlink(outside, db + "/" + linked);
      const auto outsideBefore = treeSnapshot(outside);
      const auto databaseBefore = listNames(db);
      std::unique_ptr<RootAnchor> anchor;
      ASSERT_TRUE(fs.anchorRoot(db, anchor).isOk());
      const Status status = operation.run(db, db + "/" + linked);
      EXPECT_FALSE(status.isOk());
      EXPECT_NE(status.message().find("symbolic link"), std::string::npos) << status.message();
      EXPECT_EQ(treeSnapshot(outside), outsideBefore);
      EXPECT_EQ(listNames(db), databaseBefore);
      EXPECT_EQ(readFile(db + "/own"), "the database's file\n");
    }
  }
}

}  // namespace
}  // namespace slotsmith::testing
