// The library's lists and `library place` as a script uses them: lists made, filled, trimmed,
// shown and deleted; a list placed into a database from two others as one edit that undo and redo
// take back and bring again byte for byte; and every refusal leaving the database as it was.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_SOUND_LIBRARY)

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "CliRun.h"
#include "core/DatabasePaths.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

TEST(LibraryListCommandsTest, ListsAreMadeFilledTrimmedShownAndDeleted) {
  TempDir dir("cli library lists");
  const std::string db = dir.path() + "/DB";
  const std::string file = dir.path() + "/library.sqlite";
  testing::writeModel(db, 0, "Glass");
  testing::writeModel(db, 1, "Wood");
  testing::writeSound(db, 0, "Glass Pad", 0);
  testing::writeSound(db, 1, "Wood Bass", 1);
  testing::writeSound(db, 2, "Quiet", 0, 0);
  const auto library = [&](std::vector<std::string> args) {
    args.insert(args.begin(), "library");
    args.insert(args.end(), {"--library", file});
    return runSlotsmith(args);
  };
  ASSERT_EQ(library({"add", db}).status, kExitDone);

  EXPECT_EQ(library({"list", "create", "Pads"}).status, kExitDone);
  EXPECT_EQ(library({"list", "create", "Pads"}).status, kExitRefused);
  EXPECT_EQ(library({"list", "add", "Pads", db, "0-2"}).out, "Added 3 sounds to Pads.\n");
  const CliRun again = library({"list", "add", "Pads", db, "1"});
  EXPECT_EQ(again.out, "Added 0 sounds to Pads.\nAlready in the list: slot 1 of " + db + ".\n");
  const CliRun unknown = library({"list", "add", "Pads", db, "1,5"});
  EXPECT_EQ(unknown.status, kExitRefused);
  EXPECT_NE(unknown.err.find("no sound in slot 5"), std::string::npos) << unknown.err;

  EXPECT_EQ(library({"list", "remove", "Pads", "2"}).status, kExitDone);
  EXPECT_EQ(library({"list", "remove", "Pads", "3"}).status, kExitRefused);
  const CliRun shown = library({"list", "show", "Pads"});
  ASSERT_EQ(shown.status, kExitDone);
  const std::size_t line = shown.out.find('\n');
  ASSERT_NE(line, std::string::npos);
  EXPECT_EQ(shown.out.rfind("1\t", 0), 0u) << shown.out;
  EXPECT_NE(shown.out.find("\tGlass Pad\t000 " + db + "\n"), std::string::npos) << shown.out;
  EXPECT_EQ(shown.out.substr(line + 1, 2), "2\t") << shown.out;
  EXPECT_NE(shown.out.find("\tQuiet\t002 " + db + "\n"), std::string::npos) << shown.out;
  const CliRun json = library({"list", "show", "Pads", "--json"});
  EXPECT_NE(json.out.find("\"position\": 2"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"places\": [{\"source\": \"" + db +
                          "\", \"kind\": \"database\", \"slot\": 2, \"name\": \"Quiet\"}]"),
            std::string::npos)
      << json.out;

  EXPECT_EQ(library({"list", "delete", "Pads"}).status, kExitDone);
  EXPECT_EQ(library({"list", "show", "Pads"}).status, kExitRefused);
}

// A list is not a bank: one filled from two databases holds more than 1000 sounds, and its items
// past position 999 are moved and removed by their positions like the others.
TEST(LibraryListCommandsTest, PositionsGoPastTheLastSlot) {
  TempDir dir("cli library long list");
  const std::string a = dir.path() + "/A";
  const std::string b = dir.path() + "/B";
  const std::string file = dir.path() + "/library.sqlite";
  // 1001 sounds: each is panned apart from the others.
  for (int slot = 0; slot < kSlotCount; ++slot) {
    testing::writeFile(soundScriptPath(a, slot),
                       testing::soundScriptText("A" + std::to_string(slot), 0, 0, 0, 0) + "Pan\t" +
                           std::to_string(slot + 1000) + "\n");
  }
  testing::writeSound(b, 0, "Last", 0, 0);
  const auto library = [&](std::vector<std::string> args) {
    args.insert(args.begin(), "library");
    args.insert(args.end(), {"--library", file});
    return runSlotsmith(args);
  };
  ASSERT_EQ(library({"add", a, b}).status, kExitDone);
  ASSERT_EQ(library({"list", "create", "Long"}).status, kExitDone);
  ASSERT_EQ(library({"list", "add", "Long", a, "0-999"}).status, kExitDone);
  ASSERT_EQ(library({"list", "add", "Long", b, "0"}).status, kExitDone);
  const CliRun moved = library({"list", "move", "Long", "1001", "--before", "1"});
  EXPECT_EQ(moved.status, kExitDone) << moved.err;
  const CliRun removed = library({"list", "remove", "Long", "1000-1001"});
  EXPECT_EQ(removed.status, kExitDone) << removed.err;
  const std::string shown = library({"list", "show", "Long"}).out;
  EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 999);
  EXPECT_NE(shown.find("\tLast\t000 " + b + "\n"), std::string::npos);
  EXPECT_EQ(shown.find("\tA998\t"), std::string::npos);
  EXPECT_EQ(shown.find("\tA999\t"), std::string::npos);
  EXPECT_EQ(library({"list", "remove", "Long", "1000000"}).status, kExitUsage);
}

// Moving items keeps the ones moved in their order and puts them before the item named, wherever
// they stood; renaming keeps the items.
TEST(LibraryListCommandsTest, ItemsMoveBeforeAPositionAndListsAreRenamed) {
  TempDir dir("cli library list move");
  const std::string db = dir.path() + "/DB";
  const std::string file = dir.path() + "/library.sqlite";
  for (int slot = 0; slot < 5; ++slot) {  // each sound plays a model of its own: five sounds
    testing::writeModel(db, slot, "M" + std::to_string(slot));
    testing::writeSound(db, slot, std::string(1, static_cast<char>('A' + slot)), slot);
  }
  const auto library = [&](std::vector<std::string> args) {
    args.insert(args.begin(), "library");
    args.insert(args.end(), {"--library", file});
    return runSlotsmith(args);
  };
  ASSERT_EQ(library({"add", db}).status, kExitDone);
  const auto order = [&](const std::string& list) {
    std::string names;
    // Each line: position, id, name, places; the names here are one letter.
    std::istringstream lines(library({"list", "show", list}).out);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t name = line.find('\t', line.find('\t') + 1);
      if (name != std::string::npos && name + 1 < line.size()) names += line[name + 1];
    }
    return names;
  };
  struct Case {
    const char* positions;
    const char* before;
    const char* order;  // empty: refused, the list as it was
  };
  for (const Case& move : {Case{"1", "3", "BACDE"}, Case{"4", "1", "DABCE"},
                           Case{"2,4", "6", "ACEBD"}, Case{"1,5", "3", "BAECD"},
                           Case{"2-3", "2", "ABCDE"}, Case{"3", "7", ""}, Case{"6", "1", ""}}) {
    SCOPED_TRACE(std::string(move.positions) + " before " + move.before);
    library({"list", "delete", "L"});
    ASSERT_EQ(library({"list", "create", "L"}).status, kExitDone);
    ASSERT_EQ(library({"list", "add", "L", db, "0-4"}).status, kExitDone);
    const CliRun moved = library({"list", "move", "L", move.positions, "--before", move.before});
    EXPECT_EQ(moved.status, *move.order != '\0' ? kExitDone : kExitRefused) << moved.err;
    EXPECT_EQ(order("L"), *move.order != '\0' ? move.order : "ABCDE");
  }

  ASSERT_EQ(library({"list", "create", "Other"}).status, kExitDone);
  EXPECT_EQ(library({"list", "rename", "L", "Other"}).status, kExitRefused);
  EXPECT_EQ(library({"list", "rename", "L", "Renamed"}).out, "Renamed the list L to Renamed.\n");
  EXPECT_EQ(order("Renamed"), "ABCDE");
  EXPECT_EQ(library({"list", "show", "L"}).status, kExitRefused);
}

// Two source databases and a target, with one model identical in all three, and a list whose
// sounds alternate between the sources.
struct PlaceFixture {
  TempDir dir{"cli library place"};
  std::string a = dir.path() + "/A";
  std::string b = dir.path() + "/B";
  std::string target = dir.path() + "/C";
  std::string file = dir.path() + "/library.sqlite";

  PlaceFixture() {
    testing::writeModel(a, 0, "Glass");
    testing::writeModel(a, 1, "Wood");
    testing::writeSound(a, 0, "Glass Pad", 0);
    testing::writeSound(a, 1, "Wood Bass", 1);
    testing::writeModel(b, 0, "Reed");
    testing::writeModel(b, 3, "Glass");
    testing::writeSound(b, 4, "Reed Lead", 0);
    testing::writeSound(b, 7, "Glass Keys", 3, 1, 0, 1);
    testing::writeModel(target, 0, "Glass");
    testing::writeModel(target, 1, "Tape");
    testing::writeSound(target, 0, "Old One", 0);
    testing::writeSound(target, 1, "Old Two", 1);
    EXPECT_EQ(library({"add", a, b}).status, kExitDone);
    EXPECT_EQ(library({"list", "create", "Mix"}).status, kExitDone);
    for (const auto& [source, slot] : {std::pair{b, "7"}, {a, "0"}, {b, "4"}, {a, "1"}})
      EXPECT_EQ(library({"list", "add", "Mix", source, slot}).status, kExitDone);
  }

  CliRun library(std::vector<std::string> args) const {
    args.insert(args.begin(), "library");
    args.insert(args.end(), {"--library", file});
    return runSlotsmith(args);
  }
};

TEST(LibraryListCommandsTest, PlaceImportsAListFromTwoDatabasesAsOneUndoableEdit) {
  PlaceFixture fixture;
  const std::string& target = fixture.target;
  const auto before = testing::treeSnapshot(target);

  const CliRun placed = fixture.library({"place", "Mix", target, "--to", "1", "--yes"});
  ASSERT_EQ(placed.status, kExitDone) << placed.err;
  // Glass is in every database: reused. Wood and Reed go to the lowest free model slots, and
  // every reference follows its model.
  EXPECT_NE(placed.out.find("model 3 of " + fixture.b + " is identical to model 0 here"),
            std::string::npos)
      << placed.out;
  const std::vector<std::string> expected = {testing::soundScriptText("Old One", 0, 1, 0, 0),
                                             testing::soundScriptText("Glass Keys", 0, 1, 3, 1),
                                             testing::soundScriptText("Glass Pad", 0, 1, 0, 0),
                                             testing::soundScriptText("Reed Lead", 3, 1, 3, 0),
                                             testing::soundScriptText("Wood Bass", 2, 1, 0, 0),
                                             testing::soundScriptText("Old Two", 1, 1, 0, 0)};
  for (std::size_t slot = 0; slot < expected.size(); ++slot) {
    EXPECT_EQ(testing::readFile(soundScriptPath(target, static_cast<int>(slot))), expected[slot])
        << "sound " << slot;
  }
  EXPECT_EQ(testing::readFile(modelNamePath(target, 2)), "Wood\n");
  EXPECT_EQ(testing::readFile(modelNamePath(target, 3)), "Reed\n");
  EXPECT_NE(runSlotsmith({"history", target}).out.find("\tPlace list Mix\t"), std::string::npos);
  const auto after = testing::treeSnapshot(target);

  ASSERT_EQ(runSlotsmith({"undo", target, "--yes"}).status, kExitDone);
  EXPECT_EQ(testing::treeSnapshot(target), before);
  ASSERT_EQ(runSlotsmith({"redo", target, "--yes"}).status, kExitDone);
  EXPECT_EQ(testing::treeSnapshot(target), after);
}

#if SLOTSMITH_HAS_PACKS
// A card that lost its sounds still has them in a pack the library knows: place takes them from
// there, read whole and checked as import reads a pack.
TEST(LibraryListCommandsTest, PlaceTakesASoundFromAPackWhenItsDatabaseLostIt) {
  PlaceFixture fixture;
  const std::string pack = fixture.dir.path() + "/A.zip";
  ASSERT_EQ(runSlotsmith({"export", fixture.a, "0-1", "--to", pack}).status, kExitDone);
  ASSERT_EQ(fixture.library({"add", pack}).status, kExitDone);
  for (const int slot : {0, 1}) {
    std::filesystem::remove_all(
        testing::pathFromUtf8(slotFolderPath(fixture.a, Bank::Sounds, slot)));
  }

  const CliRun placed = fixture.library({"place", "Mix", fixture.target, "--to", "1", "--yes"});
  ASSERT_EQ(placed.status, kExitDone) << placed.err;
  EXPECT_EQ(testing::readFile(soundScriptPath(fixture.target, 2)),
            testing::soundScriptText("Glass Pad", 0, 1, 0, 0));
  EXPECT_EQ(testing::readFile(soundScriptPath(fixture.target, 4)),
            testing::soundScriptText("Wood Bass", 2, 1, 0, 0));
  EXPECT_EQ(testing::readFile(modelNamePath(fixture.target, 2)), "Wood\n");
}
#endif

TEST(LibraryListCommandsTest, PlaceRefusesBeforeAnythingChanges) {
  struct Case {
    const char* what;
    std::function<void(const PlaceFixture&)> arrange;
    const char* destination;
    std::string refusal;
  };
  const std::vector<Case> cases = {
      {"its only place is gone",
       [](const PlaceFixture& f) {
         std::filesystem::remove_all(testing::pathFromUtf8(slotFolderPath(f.a, Bank::Sounds, 0)));
       },
       "1", "2 Glass Pad"},
      {"its only place holds another sound",
       [](const PlaceFixture& f) { testing::writeSound(f.a, 1, "Wood Bass", 0); }, "1",
       "4 Wood Bass"},
      {"the source was forgotten",
       [](const PlaceFixture& f) {
         f.library({"remove", f.b});
       },
       "1", "1 Glass Keys"},
      {"the block pushes a sound past 999",
       [](const PlaceFixture& f) { testing::writeSound(f.target, 999, "Last", 0); }, "2",
       "past slot #999"},
  };
  for (const Case& c : cases) {
    PlaceFixture fixture;
    c.arrange(fixture);
    const auto before = testing::treeSnapshot(fixture.target);
    const CliRun placed =
        fixture.library({"place", "Mix", fixture.target, "--to", c.destination, "--yes"});
    EXPECT_EQ(placed.status, kExitRefused) << c.what;
    EXPECT_NE(placed.err.find(c.refusal), std::string::npos) << c.what << ": " << placed.err;
    EXPECT_EQ(testing::treeSnapshot(fixture.target), before) << c.what;
  }
}

}  // namespace
}  // namespace slotsmith::cli

#endif
