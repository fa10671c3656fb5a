// A database's .slotsmith folder travels with it, so it is input like any other: damaged by a
// crash, by hand, or planted. One table of such states, each laid over a database with an edit in
// its history: the next edit and the next listing never change anything outside the database,
// never delete slot data, and either go on (where the state is harmless) or refuse, saying why.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "CliRun.h"
#include "core/Database.h"
#include "core/DatabasePaths.h"
#include "core/FileSystem.h"
#include "core/ScriptKeyReader.h"
#include "ops/Edits.h"
#include "ops/Journal.h"
#include "ops/Transaction.h"
#include "ops/TransactionSteps.h"
#include "support/FakeUi.h"
#include "support/FaultInjectingFileSystem.h"
#include "support/JournalText.h"
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
  return testing::journalWithMarkers(journal, 1, {JournalState::Forward});
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
      // Rewritten by the edit's last rename: a link there is refused before anything changes.
      {"SoundNames as a link", linkTo("SoundNames", false), false, true},
  };
}

TEST(HostileHistory, NothingOutsideTheRootChangesNoSlotIsLostAndARefusalSaysWhy) {
  const std::vector<HostileCase> cases = hostileCases();
  for (std::size_t index = 0; index < cases.size(); ++index) {
    const HostileCase& c = cases[index];
    if (c.makesLinks && !testing::symbolicLinksCanBeMade()) continue;
    // The history entry the damage meets is a block move or, every other case, a sort of the
    // models (named so that sorting reverses them), with every reference rewritten.
    const bool sorted = index % 2 == 1;
    SCOPED_TRACE(c.title + (sorted ? " (after a sort)" : " (after a move)"));
    testing::TempDir dir("hostile history");
    const std::string root = dir.path() + "/DB";
    const std::string outside = dir.path() + "/outside";
    for (int slot = 0; slot < 8; ++slot) {
      testing::writeModel(root, slot, "M" + std::to_string(sorted ? 7 - slot : slot));
      testing::writeSound(root, slot, "S" + std::to_string(slot), slot, 1, 7 - slot, 0);
    }
    writeFile(outside + "/precious", "the user's own file\n");
    writeFile(outside + "/" + entryRelativePath(1) + "/journal", "not ours\n");
    ASSERT_EQ(runSlotsmith(sorted ? std::vector<std::string>{"sort", root, "models", "0-7", "--by",
                                                             "name", "--yes"}
                                  : std::vector<std::string>{"move", root, "models", "1-2", "--to",
                                                             "5", "--yes"})
                  .status,
              kExitDone);
    const auto outsideBefore = testing::treeSnapshot(outside);
    c.damage(root, outside);
    const auto before = testing::treeSnapshot(root);

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

// The model move of the database the tests below start from (history entry 1), with its journal's
// markers cut back to `state`, as a crash at that point would leave them: the slots themselves
// stay where the applied move put them, which recovery then finds done or rolls back.
void setJournalState(const std::string& root, JournalState state) {
  std::string text = readFile(journalOf(root));
  text = testing::journalBody(text);
  std::vector<JournalState> markers{JournalState::Forward};
  for (JournalState next : {JournalState::Forward2, JournalState::Applied, JournalState::Backward,
                            JournalState::Backward2}) {
    if (markers.back() == state) break;
    markers.push_back(next);
  }
  for (JournalState marker : markers)
    text += markerLine(text, 1, marker);
  fs::remove(testing::pathFromUtf8(journalOf(root)));
  writeFile(journalOf(root), text);
}

// A database of eight sounds and models whose history holds one applied move of models 1-2 to 5:
// it renamed model folders, rewrote the scripts of sounds 1 and 2 and the names file.
std::string databaseWithAMove(const testing::TempDir& dir) {
  const std::string root = dir.path() + "/DB";
  for (int slot = 0; slot < 8; ++slot) {
    testing::writeModel(root, slot, "M" + std::to_string(slot));
    testing::writeSound(root, slot, "S" + std::to_string(slot), slot, 1, 7 - slot, 0);
  }
  EXPECT_EQ(runSlotsmith({"move", root, "models", "1-2", "--to", "5", "--yes"}).status, kExitDone);
  return root;
}

// Every file's bytes below root, Slotsmith's own folder included: where a slot's data went, if
// anywhere.
std::multiset<std::string> everyFileBelow(const std::string& root) {
  std::multiset<std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(testing::pathFromUtf8(root))) {
    if (entry.is_regular_file() && !entry.is_symlink()) {
      contents.insert(readFile(testing::utf8FromPath(entry.path())));
    }
  }
  return contents;
}

// A link anywhere a journal leads, at every state a crash can leave it in: recovery on the next
// open, and the next edit, refuse and name it, and neither the database nor what the link points
// to changes. Each link points to a copy of what it replaces, as a planted one would.
TEST(HostileHistory, ALinkWhereAJournalLeadsIsRefusedAtEveryMarkerState) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  const std::string entry = entryRelativePath(1);
  const std::vector<std::string> places{
      "Models",        "Sounds/001.sound",   "Models/005.model",
      entry + "/kept", entry + "/moving",    entry + "/staged",
      entry,           ".slotsmith/history", ".slotsmith",
  };
  for (JournalState state : {JournalState::Forward, JournalState::Forward2, JournalState::Backward,
                             JournalState::Backward2}) {
    for (const std::string& place : places) {
      SCOPED_TRACE(std::string(stateName(state)) + ": " + place + " as a link");
      testing::TempDir dir("linked history");
      const std::string root = databaseWithAMove(dir);
      const std::string outside = dir.path() + "/outside";
      setJournalState(root, state);
      std::string copyName = place;
      std::replace(copyName.begin(), copyName.end(), '/', '_');
      const fs::path real = testing::pathFromUtf8(root + "/" + place);
      const fs::path copy = testing::pathFromUtf8(outside + "/copy" + copyName);
      fs::create_directories(copy.parent_path());
      fs::create_directories(real);  // an empty folder the applied move left is absent
      fs::copy(real, copy, fs::copy_options::recursive);
      fs::remove_all(real);
      testing::createDirectorySymlink(testing::utf8FromPath(copy), root + "/" + place);
      const auto before = testing::treeSnapshot(root);
      const auto outsideBefore = testing::treeSnapshot(outside);

      const CliRun list = runSlotsmith({"list", root, "sounds"});
      const CliRun edit = runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"});
      EXPECT_EQ(testing::treeSnapshot(outside), outsideBefore);
      EXPECT_EQ(testing::treeSnapshot(root), before);
      EXPECT_EQ(list.status, kExitDone) << list.err;
      EXPECT_EQ(edit.status, kExitRefused);
      EXPECT_NE(edit.err.find("link"), std::string::npos) << edit.err;
    }
  }
}

// Journals of shapes the transaction never writes, committed and marked as a crash would leave
// them, signed with this user's key or planted from elsewhere: recovery acts on none of them,
// nothing outside the root changes, and no byte of a slot leaves the root. One planted from
// elsewhere is never even looked at: edits are refused naming the doctor, whose --fix sets it aside
// whole. The last one carries the true fingerprint of the slot it would take, which proves
// nothing when the journal is not this user's.
TEST(HostileHistory, AJournalOfAShapeNeverWrittenIsRefusedAndNoSlotDataLeavesTheRoot) {
  const std::string own = entryRelativePath(1);
  struct Shape {
    std::string title;
    std::vector<JournalRename> renames;
    std::size_t firstPhase;
    JournalState state;
    std::string said;  // what the refusal names
    bool dropARenameRecord = false;
    bool forgeFingerprint = false;
  };
  const std::vector<Shape> shapes{
      {"a rollback taking an occupied slot it never placed",
       {{own + "/staged/0", "Sounds/003.sound", 0}},
       0,
       JournalState::Backward,
       "does not hold what"},
      {"a name that is a target twice",
       {{"Sounds/001.sound", own + "/kept/0", 0}, {"Sounds/002.sound", own + "/kept/0", 0}},
       2,
       JournalState::Forward,
       "shape"},
      {"a first phase that puts into a slot",
       {{own + "/staged/0", "Sounds/004.sound", 0}},
       1,
       JournalState::Forward,
       "shape"},
      {"a second phase that takes out of a slot",
       {{"Sounds/004.sound", own + "/moving/0", 0}},
       0,
       JournalState::Forward,
       "shape"},
      {"a first phase that takes into staged/",
       {{"Sounds/004.sound", own + "/staged/1", 0}},
       1,
       JournalState::Forward,
       "shape"},
      {"counts that disagree",
       {{"Sounds/001.sound", own + "/kept/0", 0}, {"Sounds/002.sound", own + "/kept/1", 0}},
       2,
       JournalState::Backward2,
       "count",
       true},
      {"a rollback with a forged fingerprint",
       {{own + "/staged/0", "Sounds/003.sound", 0}},
       0,
       JournalState::Backward,
       "",
       false,
       true},
  };
  for (const bool elsewhere : {false, true})
    for (const Shape& shape : shapes) {
      // A true fingerprint in a journal of this user's is a rollback of their own.
      if (shape.forgeFingerprint && !elsewhere) continue;
      SCOPED_TRACE(shape.title + (elsewhere ? ", planted from elsewhere" : ", signed here"));
      testing::TempDir dir("shaped history");
      const std::string root = databaseWithAMove(dir);
      const std::string outside = dir.path() + "/outside";
      writeFile(outside + "/precious", "the user's own file\n");
      Journal journal;
      journal.title = "Planted";
      journal.renames = shape.renames;
      journal.firstPhaseRenames = shape.firstPhase;
      if (shape.forgeFingerprint) {
        ASSERT_TRUE(transaction::folderFingerprint(realFileSystem(), root + "/Sounds/003.sound", {},
                                                   journal.renames[0].placedChecksum)
                        .isOk());
      }
      std::optional<testing::OtherHistoryKey> otherKey;
      if (elsewhere) otherKey.emplace(dir.path() + "/other-computer/history-key");
      std::string text = formatJournal(journal, 1);
      if (shape.dropARenameRecord) text.erase(text.rfind("#"));
      for (JournalState marker :
           {JournalState::Forward, JournalState::Forward2, JournalState::Applied,
            JournalState::Backward, JournalState::Backward2}) {
        text += markerLine(text, 1, marker);
        if (marker == shape.state) break;
      }
      otherKey.reset();
      fs::remove_all(testing::pathFromUtf8(root + "/" + own));
      for (const char* part : {"/staged", "/kept", "/moving"})
        fs::create_directories(testing::pathFromUtf8(root + "/" + own + part));
      writeFile(journalOf(root), text);
      const auto before = testing::treeSnapshot(root);
      const std::multiset<std::string> bytesBefore = everyFileBelow(root + "/Sounds");

      const CliRun edit = runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"});
      EXPECT_EQ(readFile(outside + "/precious"), "the user's own file\n");
      const std::multiset<std::string> bytesAfter = everyFileBelow(root);
      for (const std::string& bytes : bytesBefore)
        EXPECT_EQ(bytesAfter.count(bytes) > 0, true);
      EXPECT_EQ(edit.status, kExitRefused);
      EXPECT_EQ(testing::treeSnapshot(root), before) << edit.err;
      EXPECT_NE(edit.err.find(elsewhere ? "made elsewhere" : shape.said), std::string::npos)
          << edit.err;
      if (!elsewhere) continue;
      const std::multiset<std::string> bankBytes = everyFileBelow(root + "/Sounds");
      const CliRun fix = runSlotsmith({"doctor", root, "--fix"});
      EXPECT_NE(fix.out.find("set aside whole"), std::string::npos) << fix.out << fix.err;
      EXPECT_EQ(everyFileBelow(root + "/Sounds"), bankBytes);
      EXPECT_EQ(runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"}).status,
                kExitDone);
    }
}

// The states that left a database refusing every edit for good: after `doctor --fix` every slot
// holds what it held before the edit that got stuck, and edits run again. What the fix could not
// put back stays set aside, and `--clear-aside` deletes it on the user's word.
TEST(HostileHistory, EveryStuckStateIsLeftByDoctorFixWithEverySlotAsBefore) {
  enum class Stuck { TornMidPhase, LostJournal, JournalGone, Garbage };
  for (Stuck stuck :
       {Stuck::TornMidPhase, Stuck::LostJournal, Stuck::JournalGone, Stuck::Garbage}) {
    SCOPED_TRACE(static_cast<int>(stuck));
    testing::TempDir dir("stuck history");
    const std::string root = databaseWithAMove(dir);
    // The move as a crash in the middle of its first phase leaves it: half of what it took out is
    // in the entry, half still in place.
    const auto afterMove = testing::treeSnapshot(root);
    ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
    const auto beforeMove = testing::treeSnapshot(root);
    ASSERT_EQ(runSlotsmith({"redo", root, "--yes"}).status, kExitDone);
    const std::string journal = journalOf(root);
    const std::string text = readFile(journal);
    Journal parsed;
    ASSERT_TRUE(parseJournal(text, parsed, 1).isOk());
    // Phase 2 undone and half of phase 1: what a crash at that rename of the move leaves.
    for (const JournalRename& rename :
         transaction::phaseRenames(parsed, transaction::Direction::Backward, 1)) {
      fs::rename(testing::pathFromUtf8(root + "/" + rename.from),
                 testing::pathFromUtf8(root + "/" + rename.to));
    }
    std::size_t phase1 = parsed.firstPhaseRenames;
    for (std::size_t i = phase1 / 2; i < phase1; ++i) {
      fs::rename(testing::pathFromUtf8(root + "/" + parsed.renames[i].to),
                 testing::pathFromUtf8(root + "/" + parsed.renames[i].from));
    }
    fs::remove(testing::pathFromUtf8(journal));
    switch (stuck) {
      case Stuck::TornMidPhase:  // cut inside the renames, as damage after a kill leaves it
        writeFile(journal, text.substr(0, testing::journalBody(text).size() - 40));
        break;
      case Stuck::LostJournal:  // a trim cut short after it deleted the journal first
        break;
      case Stuck::JournalGone:
        writeFile(journal, "");
        break;
      case Stuck::Garbage:
        writeFile(journal, "hello\n" + text.substr(0, text.size() / 3));
        break;
    }
    EXPECT_EQ(runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"}).status,
              kExitRefused);
    const CliRun shown = runSlotsmith({"doctor", root});
    EXPECT_NE(shown.out.find("unfinished edit: "), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("--fix"), std::string::npos) << shown.out;
    const CliRun fixed = runSlotsmith({"doctor", root, "--fix"});
    EXPECT_NE(fixed.out.find("cleared: "), std::string::npos) << fixed.out << fixed.err;
    if (stuck == Stuck::TornMidPhase) {
      // The records that prove themselves say where every folder came from.
      EXPECT_EQ(testing::treeSnapshot(root), beforeMove);
    } else {
      // Without a journal nothing is provable: what lies in the entry stays there, set aside.
      const std::multiset<std::string> everything = everyFileBelow(root);
      for (const auto& [path, bytes] : beforeMove) {
        if (!path.ends_with("/")) {
          EXPECT_GT(everything.count(bytes), 0u) << path;
        }
      }
    }
    static_cast<void>(afterMove);
    EXPECT_EQ(runSlotsmith({"move", root, "sounds", "6", "--to", "7", "--yes"}).status, kExitDone);
    const std::vector<std::string> aside = testing::listNames(root + "/.slotsmith/aside");
    ASSERT_EQ(aside.size(), 1u);
    const CliRun clearedAside = runSlotsmith({"doctor", root, "--clear-aside", aside[0]});
    EXPECT_NE(clearedAside.out.find("deleted: "), std::string::npos) << clearedAside.err;
    EXPECT_FALSE(testing::exists(root + "/.slotsmith/aside/" + aside[0]));
    EXPECT_EQ(runSlotsmith({"doctor", root, "--clear-aside", "../history"}).status, kExitRefused);
  }
}

// On FAT and exFAT a rename between two folders writes two directory entries in no set order, so a
// pulled card can keep a slot folder under both its names. Recovery then stops rather than replace
// either copy; `doctor --fix` keeps the one in the bank, sets the entry with the other aside, and
// edits run again. When the bank's copy is not what the edit put there (the slot's model from
// before the edit, say), the fix names every sound that refers to that slot, since each now plays
// another model than before the edit; when it is, it names none.
TEST(HostileHistory, AFolderUnderBothNamesStopsRecoveryAndTheFixKeepsTheBanksCopy) {
  for (const bool otherInBank : {false, true}) {
    SCOPED_TRACE(otherInBank ? "another model in the bank" : "the edit's model in the bank");
    testing::TempDir dir("both names");
    const std::string root = databaseWithAMove(dir);
    Journal journal;
    ASSERT_TRUE(parseJournal(readFile(journalOf(root)), journal, 1).isOk());
    // A model folder the second phase put in place, kept under its old name as well.
    const JournalRename last =
        *std::find_if(journal.renames.rbegin(), journal.renames.rend(),
                      [](const JournalRename& rename) { return rename.to.starts_with("Models/"); });
    const fs::path placed = testing::pathFromUtf8(root + "/" + last.to);
    fs::copy(placed, testing::pathFromUtf8(root + "/" + last.from), fs::copy_options::recursive);
    if (otherInBank) {
      fs::remove_all(placed);
      fs::copy(testing::pathFromUtf8(slotFolderPath(root, Bank::Models, 0)), placed,
               fs::copy_options::recursive);
    }
    const auto torn = testing::treeSnapshot(root);
    setJournalState(root, JournalState::Forward2);

    const CliRun edit = runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"});
    EXPECT_EQ(edit.status, kExitRefused);
    EXPECT_EQ(testing::treeSnapshot(root), torn) << edit.err;
    const CliRun fixed = runSlotsmith({"doctor", root, "--fix"});
    EXPECT_NE(fixed.out.find("cleared: "), std::string::npos);
    EXPECT_EQ(testing::treeSnapshot(root), torn);
    const int slot = *slotNumberFromFolderName(Bank::Models, last.to.substr(7));
    std::size_t referring = 0;
    for (int sound = 0; sound < 8; ++sound) {
      const ScriptKeyValues keys = readScriptKeys(readFile(soundScriptPath(root, sound)));
      for (const int32_t model : {keys.model1, keys.model2}) {
        if (model != slot) continue;
        ++referring;
        const std::string named = "plays another model: sound " + std::to_string(sound) +
                                  " refers to model slot " + std::to_string(slot) + ",";
        EXPECT_EQ(fixed.out.find(named) != std::string::npos, otherInBank) << fixed.out;
      }
    }
    EXPECT_GT(referring, 0u);
    EXPECT_EQ(fixed.out.find("plays another model") != std::string::npos, otherInBank) << fixed.out;
    EXPECT_EQ(runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"}).status, kExitDone);
    EXPECT_EQ(testing::listNames(root + "/.slotsmith/aside").size(), 1u);
  }
}

// A process killed in a phase leaves its renames in the cache, where a flush of this process's own
// changes would not reach them on a file system flushed path by path: recovery flushes every folder
// the journal renames in or out of before it writes the marker that relies on them.
TEST(HostileHistory, RecoveryFlushesTheRenamesOfTheDeadProcessBeforeItsNextMarker) {
  {
    // Killed after the last rename of its second phase, before the marker that says so.
    testing::TempDir dir("recovery flush");
    const std::string root = databaseWithAMove(dir);
    setJournalState(root, JournalState::Forward2);
    std::set<std::string> flushedBeforeMarker;
    observeRealFileSystemFlushes([&](const std::string& path) {
      if (!testing::hasMarker(readFile(journalOf(root)), JournalState::Applied))
        flushedBeforeMarker.insert(path);
    });
    const CliRun list = runSlotsmith({"list", root, "models"});
    observeRealFileSystemFlushes({});
    EXPECT_NE(list.err.find("It was finished"), std::string::npos) << list.err;
    const std::string entry = root + "/" + entryRelativePath(1);
    for (const std::string& folder : {root, root + "/Models", root + "/Sounds/001.sound",
                                      entry + "/kept", entry + "/moving", entry + "/staged"}) {
      EXPECT_EQ(flushedBeforeMarker.count(folder), 1u) << folder;
    }
  }
}

// Says yes to every question, as `--yes` does.
class ConfirmingUi : public testing::FakeUi {
 public:
  int ask(const Question& question) override { return question.confirmingAnswer; }
};

// History housekeeping cut short at every step, whatever an interrupted deletion left in the
// trash: the slots are as before or after the edit, and edits run again after at most
// `doctor --fix`. Trimming is what a new edit does to the undone edit before it; clearing is
// `history --clear`.
TEST(HostileHistory, AnInterruptedTrimOrClearNeverLeavesEditsRefused) {
  for (const bool clearing : {false, true}) {
    // The slots as the new edit leaves them when nothing cuts it short (clearing leaves them be).
    std::map<std::string, std::string> edited;
    if (!clearing) {
      testing::TempDir reference("trimmed whole");
      const std::string root = databaseWithAMove(reference);
      ASSERT_EQ(runSlotsmith({"move", root, "sounds", "4", "--to", "6", "--yes"}).status,
                kExitDone);
      ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
      ASSERT_EQ(runSlotsmith({"move", root, "sounds", "0", "--to", "3", "--yes"}).status,
                kExitDone);
      edited = testing::treeSnapshot(root);
    }
    for (std::size_t crash = 0;; ++crash) {
      SCOPED_TRACE((clearing ? "clear, crash at change " : "trim, crash at change ") +
                   std::to_string(crash));
      testing::TempDir dir("interrupted housekeeping");
      const std::string root = databaseWithAMove(dir);
      ASSERT_EQ(runSlotsmith({"move", root, "sounds", "4", "--to", "6", "--yes"}).status,
                kExitDone);
      if (!clearing) {
        ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
      }
      const auto before = testing::treeSnapshot(root);
      ConfirmingUi ui;
      testing::FaultInjectingFileSystem faulty(realFileSystem());
      Database database(ui, faulty);
      database.setRoot(root);
      faulty.crashAtChange(crash);
      const EditOutcome outcome = clearing ? clearUndoHistory(database)
                                           : runEdit(database, MoveRequest{Bank::Sounds, {0}, 3});
      const bool finished = faulty.changesAttempted() <= crash;
      // What the crash left, as the next open recovers it.
      static_cast<void>(runSlotsmith({"list", root, "sounds"}));
      const auto after = testing::treeSnapshot(root);
      // Clearing never changes a slot. Trimming follows the new edit, which a crash leaves
      // before its commit (slots as before) or after it (slots as the edit leaves them).
      if (clearing) {
        EXPECT_EQ(after, before);
      } else {
        EXPECT_TRUE(after == before || after == edited) << outcome.message;
      }
      // A deletion cut short: whatever lies in the trash loses its journal first.
      const std::string trash = root + "/.slotsmith/trash";
      const std::vector<std::string> trashed =
          testing::exists(trash) ? testing::listNames(trash) : std::vector<std::string>();
      for (const std::string& name : trashed)
        fs::remove(testing::pathFromUtf8(trash + "/" + name + "/journal"));
      CliRun edit = runSlotsmith({"move", root, "sounds", "6", "--to", "7", "--yes"});
      if (edit.status != kExitDone) {
        static_cast<void>(runSlotsmith({"doctor", root, "--fix"}));
        edit = runSlotsmith({"move", root, "sounds", "6", "--to", "7", "--yes"});
      }
      EXPECT_EQ(edit.status, kExitDone) << edit.err;
      // The next edit empties what was in the trash when it began.
      for (const std::string& name : trashed)
        EXPECT_FALSE(testing::exists(trash + "/" + name)) << name;
      static_cast<void>(outcome);
      if (finished) break;
    }
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
                testing::journalWithMarkers(journal, 1, {JournalState::Forward}));
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
