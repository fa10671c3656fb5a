// A database's .slotsmith folder travels with it, so it is input like any other: damaged by a
// crash, by hand, or planted. One table of such states, each laid over a database with an edit in
// its history: the next edit and the next listing never change anything outside the database,
// never delete slot data, and either go on (where the state is harmless) or refuse, saying why.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "ops/Journal.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

struct HostileCase {
  std::string title;
  // Damages the database at root (history entry 1 holds a model move); outside is a folder
  // beside it that nothing may touch.
  std::function<void(const std::string& root, const std::string& outside)> damage;
  bool editGoesOn = false;  // harmless: the next edit is carried out
  bool makesLinks = false;  // needs a system that makes symbolic links
};

std::string journalOf(const std::string& root) {
  return root + "/" + entryRelativePath(1) + "/journal";
}

// A committed journal of the database's own format that names the given rename.
std::string plantedJournal(const std::string& from, const std::string& to) {
  Journal journal;
  journal.title = "Planted";
  journal.renames = {{from, to, 0}};
  journal.firstPhaseRenames = 1;
  return formatJournal(journal) + markerLine(JournalState::Forward);
}

std::vector<HostileCase> hostileCases() {
  auto rewriteJournal = [](std::function<std::string(const std::string&)> change) {
    return [change](const std::string& root, const std::string&) {
      const std::string text = readFile(journalOf(root));
      fs::remove(testing::pathFromUtf8(journalOf(root)));
      writeFile(journalOf(root), change(text));
    };
  };
  auto linkTo = [](const std::string& relative, bool folder) {
    return [relative, folder](const std::string& root, const std::string& outside) {
      const std::string path = root + "/" + relative;
      fs::remove_all(testing::pathFromUtf8(path));
      if (folder) {
        testing::createDirectorySymlink(outside, path);
      } else {
        testing::createSymlink(outside + "/precious", path);
      }
    };
  };
  // A hard link is no link to look at: the name is a plain file, whose bytes are the outside's.
  auto hardLinkTo = [](const std::string& relative) {
    return [relative](const std::string& root, const std::string& outside) {
      const std::string path = root + "/" + relative;
      fs::remove_all(testing::pathFromUtf8(path));
      fs::create_hard_link(testing::pathFromUtf8(outside + "/precious"),
                           testing::pathFromUtf8(path));
    };
  };
  return {
      {"an empty journal", rewriteJournal([](const std::string&) { return ""; })},
      {"a journal cut in half",
       rewriteJournal([](const std::string& text) { return text.substr(0, text.size() / 2); })},
      {"a journal whose last marker is torn",
       rewriteJournal([](const std::string& text) { return text.substr(0, text.size() - 3); }),
       true},
      {"a garbage journal", rewriteJournal([](const std::string&) { return "hello\nworld\n"; })},
      {"a journal naming a path outside the root", rewriteJournal([](const std::string&) {
         return plantedJournal("Sounds/005.sound", "../outside/stolen");
       })},
      {"a journal naming an absolute path", rewriteJournal([](const std::string&) {
         return plantedJournal("Sounds/005.sound", "/tmp/slotsmith-stolen");
       })},
      {"a journal naming a file Slotsmith never writes", rewriteJournal([](const std::string&) {
         return plantedJournal("Sounds/005.sound/other", ".slotsmith/history/000001/kept/9");
       })},
      {".slotsmith as a link", linkTo(".slotsmith", true), false, true},
      {"the lock as a link", linkTo(".slotsmith/lock", false), false, true},
      {"the lock as a hard link", hardLinkTo(".slotsmith/lock")},
      {"the history as a link", linkTo(".slotsmith/history", true), false, true},
      {"a history entry as a link", linkTo(entryRelativePath(1), true), false, true},
  };
}

TEST(HostileHistory, NothingOutsideTheRootChangesNoSlotIsLostAndARefusalSaysWhy) {
  for (const HostileCase& c : hostileCases()) {
    if (c.makesLinks && !testing::symbolicLinksCanBeMade()) continue;
    SCOPED_TRACE(c.title);
    testing::TempDir dir("hostile history");
    const std::string root = dir.path() + "/DB";
    const std::string outside = dir.path() + "/outside";
    for (int slot = 0; slot < 8; ++slot) {
      testing::writeModel(root, slot, "M" + std::to_string(slot));
      testing::writeSound(root, slot, "S" + std::to_string(slot), slot, 1, 7 - slot, 0);
    }
    writeFile(outside + "/precious", "the user's own file\n");
    writeFile(outside + "/" + entryRelativePath(1) + "/journal", "not ours\n");
    ASSERT_EQ(runSlotsmith({"move", root, "models", "1-2", "--to", "5", "--yes"}).status,
              kExitDone);
    const auto before = testing::treeSnapshot(root);
    const auto outsideBefore = testing::treeSnapshot(outside);
    c.damage(root, outside);

    const CliRun edit = runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"});
    const CliRun list = runSlotsmith({"list", root, "sounds"});
    EXPECT_EQ(testing::treeSnapshot(outside), outsideBefore);
    EXPECT_EQ(readFile(outside + "/precious"), "the user's own file\n");
    EXPECT_FALSE(testing::exists("/tmp/slotsmith-stolen"));
    EXPECT_EQ(list.status, kExitDone) << list.err;
    if (c.editGoesOn) {
      EXPECT_EQ(edit.status, kExitDone) << edit.err;
      continue;
    }
    EXPECT_EQ(edit.status, kExitRefused);
    EXPECT_FALSE(edit.err.empty());
    // Refused: every slot as it was, names files included.
    EXPECT_EQ(testing::treeSnapshot(root), before) << edit.err;
  }
}

// The database an import reads from is only read: while an edit holds it, or one is left
// unfinished there, it is half way between two states, and the import is refused.
TEST(HostileHistory, AnImportRefusesASourceThatIsBeingEditedOrLeftUnfinished) {
  enum class Source { Locked, Unfinished, Quiet };
  for (const Source state : {Source::Locked, Source::Unfinished, Source::Quiet}) {
    SCOPED_TRACE(static_cast<int>(state));
    testing::TempDir dir("import source");
    const std::string root = dir.path() + "/DB";
    const std::string source = dir.path() + "/Other";
    for (int slot = 0; slot < 4; ++slot) {
      testing::writeModel(root, slot, "M" + std::to_string(slot));
      testing::writeSound(root, slot, "S" + std::to_string(slot), slot);
      testing::writeModel(source, slot, "O" + std::to_string(slot));
      testing::writeSound(source, slot, "T" + std::to_string(slot), slot);
    }
    std::unique_ptr<FileLock> held;
    fs::create_directories(testing::pathFromUtf8(source + "/.slotsmith"));
    if (state == Source::Locked) {
      ASSERT_TRUE(realFileSystem().lockFile(lockFilePath(source), "pid 1 on host x", held).isOk());
    }
    if (state == Source::Unfinished) {
      Journal journal;
      journal.title = "Move sounds";
      writeFile(source + "/" + entryRelativePath(1) + "/journal",
                formatJournal(journal) + markerLine(JournalState::Forward));
    }
    const auto before = testing::treeSnapshot(root);
    const auto sourceBefore = testing::treeSnapshot(source);
    const CliRun run =
        runSlotsmith({"import", root, "--from", source, "0-1", "--to", "2", "--yes"});
    EXPECT_EQ(testing::treeSnapshot(source), sourceBefore);
    if (state == Source::Quiet) {
      EXPECT_EQ(run.status, kExitDone) << run.err;
      continue;
    }
    EXPECT_EQ(run.status, kExitRefused);
    EXPECT_NE(run.err.find(source), std::string::npos) << run.err;
    EXPECT_EQ(testing::treeSnapshot(root), before);
  }
}

}  // namespace
}  // namespace slotsmith::cli
