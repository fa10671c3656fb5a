// The user's data in the library file as the command line keeps it safe: a damaged file is
// refused with a message that says how to rebuild it, `library rebuild` brings the data back, and
// a refresh killed at any moment leaves the file whole with the data as it was.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_SOUND_LIBRARY)

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "KilledEdits.h"
#include "library/LibraryFile.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

// The rows of a query, one line each, for comparing two moments of the library.
std::string rowsOf(const std::string& file, const std::string& sql) {
  std::unique_ptr<SqliteConnection> connection;
  EXPECT_TRUE(openLibrary(file, connection).isOk());
  if (!connection) return "cannot open";
  SqliteStatement query;
  EXPECT_TRUE(connection->prepare(sql, query).isOk()) << sql;
  std::string rows;
  bool row = true;
  while (query.step(row).isOk() && row)
    rows += query.columnText(0) + '\n';
  return rows;
}

constexpr char kUserRows[] =
    "SELECT hex(identity) || ' ' || tag || ' ' || origin FROM tags UNION ALL "
    "SELECT hex(identity) || ' ' || favourite || hidden || note FROM user_sounds UNION ALL "
    "SELECT 'removed ' || hex(identity) || tag FROM removed_tags";
constexpr char kPlaceRows[] =
    "SELECT bank || slot || ' ' || hex(identity) || ' ' || name FROM places ORDER BY bank, slot";

// A library of the demo database with tags, a favourite and a note set through the commands.
class LibraryUserDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(runSlotsmith({"demo", db_}).status, kExitDone);
    ASSERT_EQ(run({"library", "add", db_}).status, kExitDone);
    ASSERT_EQ(run({"library", "tag", db_, "12", "+Warm", "-Pad"}).status, kExitDone);
    ASSERT_EQ(run({"library", "fav", db_, "5"}).status, kExitDone);
    ASSERT_EQ(run({"library", "note", db_, "5", "played live"}).status, kExitDone);
  }

  CliRun run(std::vector<std::string> args) {
    args.insert(args.end(), {"--library", file_});
    return runSlotsmith(args);
  }

  TempDir dir_{"library user data"};
  const std::string db_ = dir_.path() + "/DB";
  const std::string file_ = dir_.path() + "/library.sqlite";
};

// The commands as scripts use them: what they print, and their exit statuses for a sound named
// by place or by id, and for words they cannot take.
TEST_F(LibraryUserDataTest, TheCommandsNameASoundByPlaceOrById) {
  const std::string id =
      rowsOf(file_, "SELECT lower(hex(identity)) FROM places WHERE bank = 'sound' AND slot = 5");
  const struct {
    std::vector<std::string> args;
    int status;
    std::string out;  // the whole output, or for a refusal a part of standard error
  } cases[] = {
      {{"tag", db_, "12"}, kExitDone, "Warm\thand\n"},
      {{"tag", db_, "12", "+pad", "-Warm"}, kExitDone, "Pad\thand\n"},
      {{"tag", db_, "12", "Warm"}, kExitUsage, "neither"},
      {{"tag", db_, "999"}, kExitRefused, "slot 999 held no sound"},
      {{"tag", db_ + "/typo", "5"}, kExitRefused, "is no source"},
      {{"tag", "--id", id.substr(0, 7)}, kExitRefused, "8 to 64 hex digits"},
      {{"fav", "--id", id.substr(0, 8), "--off"},
       kExitDone,
       "(" + id.substr(0, 8) + ") is no favourite.\n"},
      {{"note", "--id", id.substr(0, 12), ""}, kExitDone, "Took the note off "},
      {{"rules", "add", "+x", "x"}, kExitRefused, "may not begin with"},
      {{"rules", "add", "Reed", "re*d"}, kExitRefused, "star inside a word"},
      {{"rules", "change", "99", "--tag", "X"}, kExitRefused, "no such rule"},
      {{"rules", "frob"}, kExitUsage, "rules add TAG PATTERN"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{"library"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const CliRun result = run(args);
    SCOPED_TRACE(c.args.front() + " " + c.args.back() + ": " + result.out + result.err);
    EXPECT_EQ(result.status, c.status);
    if (c.status != kExitDone) {
      EXPECT_NE(result.err.find(c.out), std::string::npos);
    } else if (c.args.front() == "tag") {
      EXPECT_EQ(result.out, c.out);
    } else {
      EXPECT_NE(result.out.find(c.out), std::string::npos);
    }
  }
}

struct Damage {
  const char* what;
  // Changes the closed library file; returns whether every row of the user's data is still
  // readable after it.
  bool (*damage)(const std::string& file);
};

// Garbage over the first page of each table and index the sources fill: the user's tables are
// untouched, and rebuild brings every row of them back.
bool garbageOverTheSourcesTables(const std::string& file) {
  const std::string roots = rowsOf(file,
                                   "SELECT rootpage FROM sqlite_schema WHERE rootpage > 0 AND "
                                   "(tbl_name IN ('places', 'sounds', 'exact_sounds', 'models', "
                                   "'sound_models') OR tbl_name LIKE 'place_names%')");
  std::fstream out(testing::pathFromUtf8(file), std::ios::in | std::ios::out | std::ios::binary);
  std::size_t start = 0;
  for (std::size_t end = roots.find('\n'); end != std::string::npos;
       start = end + 1, end = roots.find('\n', start)) {
    const long page = std::stol(roots.substr(start, end - start));
    out.seekp((page - 1) * 4096);
    out << std::string(4096, '\x5a');
  }
  return true;
}

// A file cut short: SQLite refuses it whole; the rows on the pages that are left come back.
bool cutShort(const std::string& file) {
  const auto path = testing::pathFromUtf8(file);
  std::filesystem::resize_file(path, std::filesystem::file_size(path) * 3 / 4);
  return false;
}

// A whole file is rebuilt where it is; a damaged one is set aside and its data salvaged.
TEST_F(LibraryUserDataTest, ADamagedFileIsRefusedAndRebuildKeepsTheUsersData) {
  const std::string before = rowsOf(file_, kUserRows);
  const std::string places = rowsOf(file_, kPlaceRows);
  const CliRun inPlace = run({"library", "rebuild"});
  EXPECT_EQ(inPlace.status, kExitDone) << inPlace.err;
  EXPECT_EQ(inPlace.out.find(".damaged-"), std::string::npos) << inPlace.out;
  EXPECT_EQ(rowsOf(file_, kUserRows), before);
  EXPECT_EQ(rowsOf(file_, kPlaceRows), places);
  for (const Damage& damage :
       {Damage{"garbage over pages", garbageOverTheSourcesTables}, Damage{"cut short", cutShort}}) {
    SCOPED_TRACE(damage.what);
    const bool whole = damage.damage(file_);

    const CliRun refused = run({"library", "sources"});
    EXPECT_EQ(refused.status, kExitRefused);
    EXPECT_NE(refused.err.find("`slotsmith library rebuild`"), std::string::npos) << refused.err;

    const CliRun rebuilt = run({"library", "rebuild"});
    EXPECT_EQ(rebuilt.status, kExitDone) << rebuilt.err;
    EXPECT_NE(rebuilt.out.find(file_ + ".damaged-"), std::string::npos) << rebuilt.out;
    EXPECT_EQ(rowsOf(file_, "PRAGMA integrity_check"), "ok\n");
    EXPECT_EQ(rowsOf(file_, kPlaceRows), places);
    if (whole) {
      EXPECT_EQ(rowsOf(file_, kUserRows), before);
    } else {
      EXPECT_NE(rowsOf(file_, kUserRows).find("played live"), std::string::npos);
    }
    EXPECT_EQ(run({"library", "sources"}).status, kExitDone);
  }
}

// `library refresh` killed at a random moment, twenty times, while the database changes between
// rounds (a block of sounds moved, undone and redone): the library file stays whole, the user's
// data as it was, and the places are those of one moment of the database, never a mixture.
TEST_F(LibraryUserDataTest, AKilledRefreshLeavesTheLibraryWholeAndTheTagsIntact) {
#ifdef SLOTSMITH_SANITIZED
  GTEST_SKIP() << "too slow under the sanitizers";
#endif
  const std::string userRows = rowsOf(file_, kUserRows);
  const std::string atStart = rowsOf(file_, kPlaceRows);
  ASSERT_EQ(runSlotsmith({"move", db_, "sounds", "0-49", "--to", "100", "--yes"}).status,
            kExitDone);
  ASSERT_EQ(run({"library", "refresh"}).status, kExitDone);
  const std::string moved = rowsOf(file_, kPlaceRows);
  ASSERT_NE(moved, atStart);

  const std::vector<std::string> refresh =
      slotsmithArgs({"library", "refresh", "--library", file_});
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  ASSERT_EQ(waitForExit(startChild(refresh)), 0);
  const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
  std::mt19937 random(20261210);
  bool isMoved = true;
  for (int round = 0; round < 20; ++round) {
    ASSERT_EQ(runSlotsmith({isMoved ? "undo" : "redo", db_, "--yes"}).status, kExitDone);
    isMoved = !isMoved;
    const auto delay =
        std::chrono::microseconds(std::uniform_int_distribution<long>(0, duration.count())(random));
    SCOPED_TRACE("round " + std::to_string(round) + ", killed after " +
                 std::to_string(delay.count()) + " us");
    const Child child = startChild(refresh);
    std::this_thread::sleep_for(delay);
    killChild(child);
    waitForExit(child);

    EXPECT_EQ(rowsOf(file_, "PRAGMA integrity_check"), "ok\n");
    EXPECT_EQ(rowsOf(file_, kUserRows), userRows);
    EXPECT_EQ(rowsOf(file_, "SELECT count(*) FROM uncategorized"), "0\n");
    const std::string places = rowsOf(file_, kPlaceRows);
    EXPECT_TRUE(places == atStart || places == moved);
  }
  ASSERT_EQ(run({"library", "refresh"}).status, kExitDone);
  EXPECT_EQ(rowsOf(file_, kPlaceRows), isMoved ? moved : atStart);
  EXPECT_EQ(rowsOf(file_, kUserRows), userRows);
}

}  // namespace
}  // namespace slotsmith::cli

#endif
