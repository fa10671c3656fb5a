// History that this user's Slotsmith did not write (a database from someone else, from the
// user's other computer, or from an earlier version) is shown and never obeyed: no command
// that reads changes a byte because of it, undo and redo never offer it, an unfinished one
// refuses edits until the doctor sets it aside, and only the user's word adopts it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/CliRun.h"
#include "ops/Journal.h"
#include "ops/TransactionSteps.h"
#include "support/JournalText.h"
#include "support/Platform.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::writeFile;

// Every file and folder below root with its bytes, Slotsmith's own folder included (but for the
// lock, which an edit that is refused takes all the same).
std::map<std::string, std::string> wholeTree(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(testing::pathFromUtf8(root))) {
    const std::string path = testing::utf8FromPath(entry.path());
    if (path.ends_with("/.slotsmith/lock")) continue;
    tree[path.substr(root.size())] = entry.is_regular_file() ? readFile(path) : "/";
  }
  return tree;
}

std::string database(const testing::TempDir& dir) {
  const std::string root = dir.path() + "/DB";
  for (int slot = 0; slot < 8; ++slot) {
    testing::writeModel(root, slot, "M" + std::to_string(slot));
    testing::writeSound(root, slot, "S" + std::to_string(slot), slot, 1, 7 - slot, 0);
  }
  return root;
}

// The record frame of the version before signatures: a checksum, no key.
std::string unsignedRecord(const std::string& text) {
  char proof[17];
  std::snprintf(proof, sizeof proof, "%016llx", static_cast<unsigned long long>(checksumOf(text)));
  return "#" + std::to_string(text.size()) + " " + proof + " " + text + "\n";
}

struct Planted {
  std::string title;
  // Writes history entry 1 of the database at root; keyFile is another computer's key.
  std::function<void(const std::string& root, const std::string& keyFile)> plant;
  bool unfinished;
};

std::vector<Planted> plantedEntries() {
  const std::string own = entryRelativePath(1);
  // A journal signed on another computer, with the entry's folders.
  auto signedElsewhere = [own](Journal journal, std::vector<JournalState> markers) {
    return [own, journal, markers](const std::string& root, const std::string& keyFile) {
      std::string text;
      {
        testing::OtherHistoryKey other(keyFile);
        Journal placed = journal;
        for (JournalRename& rename : placed.renames) {
          // The true fingerprint of what the slot holds now, where the journal asks for one.
          if (rename.placedChecksum != 1) continue;
          EXPECT_TRUE(transaction::placedChecksumNow(realFileSystem(), root + "/" + rename.to,
                                                     rename.placedChecksum)
                          .isOk());
        }
        text = testing::journalWithMarkers(placed, 1, markers);
      }
      for (const char* part : {"/staged", "/kept", "/moving"})
        fs::create_directories(testing::pathFromUtf8(root + "/" + own + part));
      writeFile(root + "/" + own + "/journal", text);
    };
  };
  Journal placement;
  placement.title = "Planted";
  placement.renames = {{own + "/staged/0", "Sounds/005.sound", 0}};
  Journal truePlacement = placement;
  truePlacement.renames[0].placedChecksum = 1;  // filled in with the slot's true fingerprint
  Journal deletion;
  deletion.title = "Planted delete";
  deletion.renames = {{"Sounds/005.sound", own + "/kept/0", 0}};
  deletion.firstPhaseRenames = 1;
  const std::vector<JournalState> applied{JournalState::Forward, JournalState::Forward2,
                                          JournalState::Applied};
  return {
      {"a journal of the first format, rolling back into slot 3",
       [own](const std::string& root, const std::string&) {
         fs::create_directories(testing::pathFromUtf8(root + "/" + own + "/staged"));
         writeFile(root + "/" + own + "/journal",
                   "slotsmith-journal 1\ntitle\tPlanted\nrename\t" + own +
                       "/staged/0\tSounds/003.sound\t0\nforward\nbackward\n");
       },
       true},
      {"an unsigned journal whose fingerprint names the files of slot 3",
       [own](const std::string& root, const std::string&) {
         const std::uint64_t namesOnly = checksumOf("sound.script\n") | 1;
         std::string text = unsignedRecord("slotsmith-journal 2");
         for (const std::string& line :
              {std::string("title\tPlanted"), std::string("time\t0"), std::string("names\tnone"),
               std::string("folders\t1"), std::string("scripts\t0"), std::string("phase1\t0"),
               std::string("renames\t1"),
               "rename\t" + own + "/staged/0\tSounds/003.sound\t" + std::to_string(namesOnly),
               std::string("forward"), std::string("backward")}) {
           text += unsignedRecord(line);
         }
         fs::create_directories(testing::pathFromUtf8(root + "/" + own + "/staged"));
         writeFile(root + "/" + own + "/journal", text);
       },
       true},
      {"an applied placement signed elsewhere, recording nothing",
       signedElsewhere(placement, applied), false},
      {"an applied placement signed elsewhere, with the slot's true fingerprint",
       signedElsewhere(truePlacement, applied), false},
      {"a committed delete signed elsewhere", signedElsewhere(deletion, {JournalState::Forward}),
       true},
  };
}

std::vector<std::vector<std::string>> readCommands(const std::string& root,
                                                   const std::string& outside) {
  std::vector<std::vector<std::string>> commands{
      {"list", root, "sounds"}, {"list", root, "models"}, {"check", root},  {"history", root},
      {"diff", root, "0", "1"}, {"duplicates", root},     {"doctor", root},
  };
#if SLOTSMITH_HAS_PACKS
  commands.push_back({"export", root, "0-1", "--to", outside + "/pack.zip"});
  commands.push_back({"backup", root, "--to", outside + "/backup.tar.zst"});
#else
  static_cast<void>(outside);
#endif
  return commands;
}

TEST(ForeignHistory, IsShownNeverObeyedAndRefusesEditsOnlyWhileUnfinished) {
  for (const Planted& planted : plantedEntries()) {
    SCOPED_TRACE(planted.title);
    testing::TempDir dir("foreign history");
    const std::string root = database(dir);
    const std::string outside = dir.path() + "/outside";
    fs::create_directories(testing::pathFromUtf8(outside));
    planted.plant(root, dir.path() + "/other-computer/history-key");
    const auto before = wholeTree(root);

    for (const std::vector<std::string>& command : readCommands(root, outside)) {
      SCOPED_TRACE(command[0]);
      const CliRun run = runSlotsmith(command);
      EXPECT_EQ(wholeTree(root), before) << run.err;
      EXPECT_NE((run.err + run.out).find("made elsewhere"), std::string::npos)
          << run.err << run.out;
      EXPECT_EQ(run.err.find("made elsewhere"), run.err.rfind("made elsewhere")) << run.err;
    }
    // Nothing of it is ever undone, and nothing else is there to undo.
    EXPECT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitRefused);
    EXPECT_EQ(runSlotsmith({"redo", root, "--yes"}).status, kExitRefused);
    EXPECT_EQ(wholeTree(root), before);

    const CliRun edit = runSlotsmith({"move", root, "sounds", "0", "--to", "7", "--yes"});
    if (!planted.unfinished) {
      // A finished entry from elsewhere is left alone, by the edit and by its trim alike.
      EXPECT_EQ(edit.status, kExitDone) << edit.err;
      const std::string journal = root + "/" + entryRelativePath(1) + "/journal";
      EXPECT_EQ(readFile(journal), before.at("/" + entryRelativePath(1) + "/journal"));
      continue;
    }
    EXPECT_EQ(edit.status, kExitRefused);
    EXPECT_NE(edit.err.find("slotsmith doctor"), std::string::npos) << edit.err;
    EXPECT_EQ(wholeTree(root), before);
    // The doctor sets it aside whole, touching no slot, and edits run again.
    const auto slots = testing::treeSnapshot(root);
    const CliRun fix = runSlotsmith({"doctor", root, "--fix"});
    EXPECT_NE(fix.out.find("set aside whole"), std::string::npos) << fix.out << fix.err;
    EXPECT_EQ(testing::treeSnapshot(root), slots);
    EXPECT_EQ(testing::listNames(root + "/.slotsmith/aside").size(), 1u);
    EXPECT_EQ(runSlotsmith({"move", root, "sounds", "0", "--to", "7", "--yes"}).status, kExitDone);
  }
}

// The user's own history, carried to their other computer (another key): there it is history
// made elsewhere until adopted; then it undoes and redoes as at home, with every check it has
// there.
TEST(ForeignHistory, HistoryFromTheUsersOtherComputerIsAdoptedWhereItStillFits) {
  testing::TempDir dir("other computer");
  const std::string root = database(dir);
  ASSERT_EQ(runSlotsmith({"move", root, "models", "1-2", "--to", "5", "--yes"}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"copy", root, "sounds", "0", "--to", "6", "--yes"}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"delete", root, "sounds", "3", "--yes"}).status, kExitDone);
  ASSERT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
  // The copied sound is changed by hand afterwards: its copy cannot be undone any more.
  writeFile(root + "/Sounds/006.sound/sound.script",
            testing::soundScriptText("Changed by hand", 0, 1, 7, 0));
  const auto changed = testing::treeSnapshot(root);

  testing::OtherHistoryKey otherComputer(dir.path() + "/laptop/history-key");
  const CliRun history = runSlotsmith({"history", root});
  EXPECT_NE(history.out.find("made elsewhere"), std::string::npos) << history.out;
  EXPECT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitRefused);
  EXPECT_EQ(runSlotsmith({"redo", root, "--yes"}).status, kExitRefused);
  EXPECT_EQ(runSlotsmith({"history", root, "--adopt"}).status, kExitRefused);  // not confirmed
  EXPECT_EQ(testing::treeSnapshot(root), changed);

  const CliRun adopt = runSlotsmith({"history", root, "--adopt", "--yes"});
  for (const char* line : {"adopted: #1", "adopted: #2", "adopted: #3"})
    EXPECT_NE(adopt.out.find(line), std::string::npos) << adopt.out << adopt.err;
  EXPECT_EQ(testing::treeSnapshot(root), changed);
  // This computer's history now: the copy's undo is refused for the slot changed by hand, and
  // the delete redoes and undoes as at home.
  const CliRun undoCopy = runSlotsmith({"undo", root, "--yes"});
  EXPECT_EQ(undoCopy.status, kExitRefused);
  EXPECT_NE(undoCopy.err.find("Sounds/006.sound"), std::string::npos) << undoCopy.err;
  EXPECT_EQ(runSlotsmith({"redo", root, "--yes"}).status, kExitDone);
  EXPECT_FALSE(testing::exists(root + "/Sounds/003.sound"));
  EXPECT_EQ(runSlotsmith({"undo", root, "--yes"}).status, kExitDone);
  EXPECT_EQ(testing::treeSnapshot(root), changed);
}

// An undo takes out of a slot only what the edit placed there, byte for byte: a later change by
// hand, which keeps every file's name, is refused, naming the slot, and changes nothing.
TEST(ForeignHistory, AnUndoRefusesASlotChangedByHandSinceAndNamesIt) {
  testing::TempDir dir("changed by hand");
  const std::string root = database(dir);
  ASSERT_EQ(runSlotsmith({"copy", root, "sounds", "2", "--to", "6", "--yes"}).status, kExitDone);
  for (const std::string& file :
       {std::string("/Sounds/006.sound/sound.script"), std::string("/Models/002.model/MName")}) {
    SCOPED_TRACE(file);
    const std::string path = root + file;
    const std::string placed = readFile(path);
    writeFile(path, placed + "Edited\t1\n");
    const auto edited = testing::treeSnapshot(root);
    const CliRun undo = runSlotsmith({"undo", root, "--yes"});
    // A model the copy did not place is nothing of the undo's.
    if (file.starts_with("/Models/")) {
      EXPECT_EQ(undo.status, kExitDone) << undo.err;
      break;
    }
    EXPECT_EQ(undo.status, kExitRefused);
    EXPECT_NE(undo.err.find("Sounds/006.sound"), std::string::npos) << undo.err;
    EXPECT_EQ(testing::treeSnapshot(root), edited);
    writeFile(path, placed);
  }
}

}  // namespace
}  // namespace slotsmith::cli
