// A refresh reads again only what changed, and what it leaves in the library is what a fresh read
// of every source would: places, identities, the models each sound plays and the categories the
// rules make of the names.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "core/DatabasePaths.h"
#include "library/Library.h"
#include "library/Rules.h"
#include "ops/Edits.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;

// A library whose commits are not flushed: what is compared here is what a read records, and the
// flushes of a library that is thrown away would only make the test slow. Its rules tag the names
// the random sources give (S0-S9, renamed R0-R9), so that a sound's categories depend on which
// of its names its places bear.
std::unique_ptr<Library> openUnflushed(const std::string& path) {
  std::unique_ptr<Library> library;
  EXPECT_TRUE(Library::open(path, library).isOk());
  EXPECT_TRUE(library->connection().execute("PRAGMA synchronous = OFF").isOk());
  for (RuleRecord rule : {RuleRecord{0, "low", "0,1,2,3"}, RuleRecord{0, "renamed", "r"},
                          RuleRecord{0, "odd", "1,3,5,7,9"}}) {
    EXPECT_TRUE(addRule(library->connection(), rule).isOk());
  }
  return library;
}

// Everything a read records of the sources, one line each, in one order.
std::string libraryDump(Library& library) {
  std::string dump;
  for (const char* sql : {
           "SELECT s.path || ' ' || p.bank || ' ' || p.slot || ' ' || p.name || ' ' || "
           "  hex(p.identity) || ' ' || ifnull(hex(p.exact), '-') "
           "FROM places p JOIN sources s ON s.id = p.source ORDER BY s.path, p.bank, p.slot",
           "SELECT 'plays ' || hex(sound) || ' ' || position || ' ' || hex(model) "
           "FROM sound_models ORDER BY sound, position",
           "SELECT 'sound ' || hex(identity) FROM sounds ORDER BY identity",
           "SELECT 'exact ' || hex(exact) || ' ' || hex(identity) FROM exact_sounds ORDER BY exact",
           "SELECT 'model ' || hex(identity) FROM models ORDER BY identity",
           // A sound no place holds keeps its tags, which a fresh read never saw.
           "SELECT 'tag ' || hex(identity) || ' ' || tag || ' ' || origin FROM tags "
           "WHERE identity IN (SELECT identity FROM places) ORDER BY identity, tag",
       }) {
    SqliteStatement query;
    EXPECT_TRUE(library.connection().prepare(sql, query).isOk()) << sql;
    bool row = true;
    while (query.step(row).isOk() && row)
      dump += query.columnText(0) + '\n';
  }
  return dump;
}

// A file's time moves on at the file system's clock tick: a write a tick after a refresh's look
// shows in its stamps even when it keeps the file's size and inode.
void waitForTheClockToTick() {
  std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

class RandomSources {
 public:
  explicit RandomSources(unsigned seed) : random_(seed) {}

  void make(const std::string& root) {
    const int models = pick(2, 6);
    for (int slot = 0; slot < models; ++slot)
      testing::writeModel(root, slot, "M" + std::to_string(pick(0, 3)));
    for (int slot = 0; slot < 12; ++slot) {
      if (pick(0, 2) > 0) writeRandomSound(root, slot, models);
    }
  }

  // One edit of the database at root, through the engine or as another program makes it.
  void edit(const std::string& root) {
    SilentUi ui(SilentUi::Answer::Confirm);
    Database database(ui);
    database.setRoot(databaseRootFromPath(root));
    const Bank bank = pick(0, 3) == 0 ? Bank::Models : Bank::Sounds;
    const int slot = pick(0, 11);
    switch (pick(0, 7)) {
      case 0:
        runEdit(database, CopyRequest{bank, {slot}, pick(0, 13)});
        break;
      case 1:
        runEdit(database, MoveRequest{bank, {slot}, pick(0, 13)});
        break;
      case 2:
        runEdit(database, DeleteRequest{bank, {slot}, Removal::Delete});
        break;
      case 3:
        runEdit(database, RenameRequest{bank, {{slot, "R" + std::to_string(pick(0, 9))}}});
        break;
      case 4:  // a script rewritten in place, often of the same size
        writeRandomSound(root, slot, 6);
        break;
      case 5:  // a model's name rewritten in place
        testing::writeFile(modelNamePath(root, slot), "N" + std::to_string(pick(0, 9)) + "\n");
        break;
      case 6: {  // a model's data replaced, as a program that writes a new file and renames it
        const std::string data = slotFolderPath(root, Bank::Models, slot) + "/data.bin";
        if (!testing::exists(modelNamePath(root, slot))) break;
        testing::writeFile(data + ".new", "data " + std::to_string(pick(0, 3)));
        std::filesystem::rename(testing::pathFromUtf8(data + ".new"), testing::pathFromUtf8(data));
        break;
      }
      default:  // a slot folder taken away whole
        std::filesystem::remove_all(testing::pathFromUtf8(slotFolderPath(root, bank, slot)));
        break;
    }
  }

 private:
  int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  void writeRandomSound(const std::string& root, int slot, int models) {
    testing::writeSound(root, slot, "S" + std::to_string(pick(0, 9)), pick(0, models), pick(0, 1),
                        pick(0, models), pick(0, 1));
  }

  std::mt19937 random_;
};

class LibraryRefreshTest : public ::testing::TestWithParam<unsigned> {};

// Random databases, random edits and outside writes between refreshes: after every refresh the
// library holds what a fresh read of the same sources into another library file holds, a source
// that did not change is not read again, and every source shows as changed until it is read.
TEST_P(LibraryRefreshTest, IncrementalRefreshEqualsAFreshRead) {
  TempDir home("library-refresh-home");
  RandomSources sources(GetParam());
  TempDir first("library-refresh-0"), second("library-refresh-1"), copy("library-refresh-copy");
  std::vector<std::string> databases = {first.path(), second.path()};
  const std::unique_ptr<Library> library = openUnflushed(home.path() + "/library.sqlite");
  library->setSettlingSeconds(0);
  for (const std::string& database : databases) {
    sources.make(database);
    ASSERT_TRUE(library->addSource(database).status.isOk());
  }
  // The first database as it was, added halfway: sounds the library still holds elsewhere, and
  // sounds no place holds any more, come back under the names they had.
  const std::string copied = copy.path() + "/database";
  std::filesystem::copy(testing::pathFromUtf8(first.path()), testing::pathFromUtf8(copied),
                        std::filesystem::copy_options::recursive);
  for (int round = 0; round < 8; ++round) {
    waitForTheClockToTick();
    if (round == 4) {
      ASSERT_TRUE(library->addSource(copied).status.isOk());
      databases.push_back(copied);
    }
    const int edited = round % 4 == 3 ? -1 : round % 2;
    if (edited >= 0) {
      for (int edit = 0; edit < 3; ++edit)
        sources.edit(databases[static_cast<std::size_t>(edited)]);
    }
    std::vector<SourceRecord> before;
    ASSERT_TRUE(library->sources(before).isOk());
    const std::vector<RefreshOutcome> outcomes = library->refresh();
    ASSERT_EQ(outcomes.size(), databases.size());
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
      ASSERT_TRUE(outcomes[i].status.isOk()) << outcomes[i].status.message();
      // The sources are listed by path, as refresh reads them.
      if (before[i].state == SourceState::Ok) {
#if !defined(_WIN32)  // Windows gives no entry stamps: every refresh reads a database whole
        EXPECT_EQ(outcomes[i].slotsRead, 0) << round;
#endif
      }
      if (edited < 0) {
        EXPECT_EQ(before[i].state, SourceState::Ok) << round;
      }
    }
    std::vector<SourceRecord> after;
    ASSERT_TRUE(library->sources(after).isOk());
    for (const SourceRecord& record : after)
      EXPECT_EQ(record.state, SourceState::Ok) << record.path << " " << record.reason;

    const std::unique_ptr<Library> fresh =
        openUnflushed(home.path() + "/fresh-" + std::to_string(round) + ".sqlite");
    for (const std::string& database : databases)
      ASSERT_TRUE(fresh->addSource(database).status.isOk());
    ASSERT_EQ(libraryDump(*library), libraryDump(*fresh)) << "round " << round;
  }
}

// Places taken away by anything but a read (a rebuild, a hand in the file) are not taken for
// unchanged: the next refresh reads the source whole.
TEST(LibraryRefreshForgottenTest, PlacesForgottenOutsideARefreshAreReadAgain) {
  TempDir home("library-forgotten-home"), database("library-forgotten");
  testing::writeModel(database.path(), 0, "Glass");
  testing::writeSound(database.path(), 0, "Glass Pad", 0);
  const std::unique_ptr<Library> library = openUnflushed(home.path() + "/library.sqlite");
  library->setSettlingSeconds(0);
  ASSERT_TRUE(library->addSource(database.path()).status.isOk());
  ASSERT_TRUE(library->connection().execute("DELETE FROM places").isOk());

  const RefreshOutcome outcome = library->refresh().front();
  EXPECT_TRUE(outcome.status.isOk());
  EXPECT_GT(outcome.slotsRead, 0);
  std::int64_t places = 0;
  ASSERT_TRUE(library->connection().queryNumber("SELECT count(*) FROM places", places).isOk());
  EXPECT_EQ(places, 2);
}

// A sound's categories are those its places' names make, however the places came: read with
// the sources that hold it, or added by a source read for the first time, or back in a new source
// after no place held it (when the tags of its old names no longer count).
TEST(LibraryRefreshRulesTest, CategoriesFollowTheNamesOfEveryPlace) {
  TempDir home("library-rules-home");
  const std::unique_ptr<Library> library = openUnflushed(home.path() + "/library.sqlite");
  library->setSettlingSeconds(0);
  const auto tags = [&library] {
    std::string found;
    SqliteStatement query;
    EXPECT_TRUE(library->connection()
                    .prepare("SELECT tag FROM tags WHERE origin = 'rule' ORDER BY tag", query)
                    .isOk());
    bool row = true;
    while (query.step(row).isOk() && row)
      found += query.columnText(0) + ' ';
    return found;
  };
  std::vector<std::unique_ptr<TempDir>> databases;
  const auto add = [&](const std::string& name) {
    databases.push_back(std::make_unique<TempDir>("library-rules"));
    testing::writeModel(databases.back()->path(), 0, "Glass");
    testing::writeSound(databases.back()->path(), 3, name, 0);
    return library->addSource(databases.back()->path()).status.isOk();
  };
  ASSERT_TRUE(add("Glass 3"));
  EXPECT_EQ(tags(), "low odd ");
  ASSERT_TRUE(add("Glass 2"));
  EXPECT_EQ(tags(), "low odd ");
  std::filesystem::remove_all(testing::pathFromUtf8(databases[0]->path()));
  ASSERT_TRUE(library->removeSource(databases[1]->path()).isOk());
  ASSERT_TRUE(library->refresh().front().status.isOk());
  EXPECT_EQ(tags(), "low odd ") << "a missing source keeps its places";
  ASSERT_TRUE(library->removeSource(databases[0]->path()).isOk());
  EXPECT_EQ(tags(), "low odd ") << "a sound no place holds keeps its tags";
  ASSERT_TRUE(add("Glass 9"));
  EXPECT_EQ(tags(), "odd ");
  ASSERT_TRUE(add("Glass 0"));
  EXPECT_EQ(tags(), "low odd ");
}

INSTANTIATE_TEST_SUITE_P(Seeds, LibraryRefreshTest, ::testing::Values(1u, 2u, 3u));

}  // namespace
}  // namespace slotsmith
