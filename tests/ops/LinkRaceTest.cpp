// Another program may swap a folder inside the database for a symbolic link while an edit runs,
// between the engine's look at a path and the change it makes there. Each sweep runs an edit,
// the clearing of the history or the recovery of an interrupted edit on the real file system, and
// swaps a chosen folder (a history entry, a bank, the history itself) for a link to a copy of it
// outside the database just before each change in turn. The run may fail; what the link names
// must stay as it was, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "ops/Edits.h"
#include "ops/Transaction.h"
#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/Platform.h"
#include "support/SwappingFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

namespace fs = std::filesystem;

class ConfirmingUi : public FakeUi {
 public:
  int ask(const Question& question) override { return question.confirmingAnswer; }
};

// How the database is before the raced run: with two edits in its history, or with the second of
// them interrupted half-way and left for recovery.
enum class Start { WithHistory, Interrupted };

// The victim "entry" stands for the newest history entry.
constexpr char kNewestEntry[] = "entry";

struct Race {
  std::string title;
  Start start;
  std::vector<std::string> victims;  // relative to the root
  std::function<void(Database&)> run;
};

void layOut(const std::string& root) {
  for (int slot = 0; slot < 3; ++slot)
    writeModel(root, slot, "Model " + std::to_string(slot));
  for (int slot = 0; slot < 4; ++slot)
    writeSound(root, slot, "Sound " + std::to_string(slot), slot % 3, 1, (slot + 1) % 3, 1);
}

// The two edits whose history the races start from; the second is the one interrupted.
void runFirstEdit(Database& database) {
  ASSERT_TRUE(runEdit(database, DeleteRequest{Bank::Sounds, {3}}).isDone());
}
EditOutcome runSecondEdit(Database& database) {
  return runEdit(database, MoveRequest{Bank::Models, {0}, 2});
}

// Lays out the database at root as the race starts from it.
void prepare(const std::string& root, Start start) {
  layOut(root);
  ConfirmingUi ui;
  {
    Database database(ui);
    database.setRoot(root);
    runFirstEdit(database);
  }
  if (start == Start::WithHistory) {
    Database database(ui);
    database.setRoot(root);
    ASSERT_TRUE(runSecondEdit(database).isDone());
    return;
  }
  // Counts the second edit's changes on a copy, then stops it ever earlier until it stops where
  // only recovery can finish it.
  const std::string copy = root + ".count";
  fs::copy(pathFromUtf8(root), pathFromUtf8(copy), fs::copy_options::recursive);
  FaultInjectingFileSystem counting(realFileSystem());
  {
    Database database(ui, counting);
    database.setRoot(copy);
    counting.failChange(static_cast<std::size_t>(-1));
    ASSERT_TRUE(runSecondEdit(database).isDone());
  }
  fs::remove_all(pathFromUtf8(copy));
  const std::size_t changes = counting.changesAttempted();
  const std::string saved = root + ".saved";
  fs::copy(pathFromUtf8(root), pathFromUtf8(saved), fs::copy_options::recursive);
  for (std::size_t crash = changes * 2 / 3; crash > 0; --crash) {
    fs::remove_all(pathFromUtf8(root));
    fs::copy(pathFromUtf8(saved), pathFromUtf8(root), fs::copy_options::recursive);
    FaultInjectingFileSystem faulty(realFileSystem());
    {
      Database database(ui, faulty);
      database.setRoot(root);
      faulty.crashAtChange(crash);
      static_cast<void>(runSecondEdit(database));
    }
    if (hasUnfinishedTransaction(realFileSystem(), root)) break;
  }
  fs::remove_all(pathFromUtf8(saved));
  ASSERT_TRUE(hasUnfinishedTransaction(realFileSystem(), root));
}

std::string victimPath(const std::string& root, const std::string& victim) {
  if (victim != kNewestEntry) return root + "/" + victim;
  std::vector<std::string> entries = listNames(root + "/.slotsmith/history");
  std::erase_if(entries, [&](const std::string& name) {
    return !fs::is_directory(pathFromUtf8(root + "/.slotsmith/history/" + name));
  });
  return entries.empty() ? std::string() : root + "/.slotsmith/history/" + entries.back();
}

void copyTree(const std::string& from, const std::string& to) {
  fs::remove_all(pathFromUtf8(to));
  fs::copy(pathFromUtf8(from), pathFromUtf8(to),
           fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

TEST(LinkRace, AFolderSwappedForALinkBeforeAnyChangeLeavesWhatTheLinkNamesUntouched) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  // Windows has no walk by handle that refuses reparse points on the way (see the README).
  if (kOnWindows) GTEST_SKIP() << "changes below a root are not walked by handle on Windows";
  const std::vector<Race> races{
      {"clearing the history",
       Start::WithHistory,
       {kNewestEntry, ".slotsmith/history"},
       [](Database& database) { static_cast<void>(clearUndoHistory(database)); }},
      {"a delete",
       Start::WithHistory,
       {"Sounds", ".slotsmith/history"},
       [](Database& database) {
         static_cast<void>(runEdit(database, DeleteRequest{Bank::Sounds, {1}}));
       }},
      {"a move of sounds",
       Start::WithHistory,
       {"Sounds"},
       [](Database& database) {
         static_cast<void>(runEdit(database, MoveRequest{Bank::Sounds, {0}, 3}));
       }},
      {"a move of models, which rewrites scripts",
       Start::WithHistory,
       {"Sounds", "Models"},
       [](Database& database) {
         static_cast<void>(runEdit(database, MoveRequest{Bank::Models, {1}, 0}));
       }},
      {"the recovery of an interrupted edit",
       Start::Interrupted,
       {kNewestEntry, "Sounds", ".slotsmith/history"},
       [](Database& database) { static_cast<void>(recoverDatabase(database)); }},
  };
  TempDir dir("slotsmith-race", memoryBackedFolder());
  const std::string root = dir.path() + "/DB";
  const std::string start = dir.path() + "/start";
  const std::string outside = dir.path() + "/outside";
  std::size_t runs = 0;
  for (const Race& race : races) {
    fs::remove_all(pathFromUtf8(root));
    prepare(root, race.start);
    copyTree(root, start);
    for (const std::string& victim : race.victims) {
      const std::string swapped = victimPath(start, victim);
      ASSERT_FALSE(swapped.empty());
      const std::string relative = swapped.substr(start.size());
      // Runs the race with the swap before change `at`; the changes the run made.
      std::size_t swaps = 0;
      const auto runRace = [&](std::size_t at) {
        SCOPED_TRACE(race.title + ", " + relative + " swapped before change " + std::to_string(at));
        ++runs;
        copyTree(start, root);
        copyTree(swapped, outside);
        const auto before = treeSnapshot(outside);
        ConfirmingUi ui;
        SwappingFileSystem racing(realFileSystem());
        {
          Database database(ui, racing);
          racing.swapBeforeChange(at, root + relative, outside);
          database.setRoot(root);
          race.run(database);
        }
        swaps += racing.swapped() ? 1 : 0;
        EXPECT_EQ(treeSnapshot(outside), before);
        return racing.changesMade();
      };
      // A run without a swap counts the changes to sweep over.
      const std::size_t changes = runRace(std::numeric_limits<std::size_t>::max());
      for (std::size_t at = 0; at < changes; ++at)
        runRace(at);
      EXPECT_GT(swaps, 0u) << race.title << ", " << relative;
    }
  }
  RecordProperty("runs", static_cast<int>(runs));
}

}  // namespace
}  // namespace slotsmith::testing
