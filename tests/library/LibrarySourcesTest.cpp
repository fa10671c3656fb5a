// The library's sources: what a read records, what a source that cannot be read now keeps, and
// that reading changes nothing in the source.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "LibraryTestSupport.h"
#include "core/DatabasePaths.h"
#include "library/Library.h"
#include "library/LibraryFile.h"
#include "ops/Journal.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;
using testing::writeModel;
using testing::writeSound;

class LibrarySourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Library::open(home_.path() + "/library.sqlite", library_).isOk());
  }

  std::int64_t count(const std::string& sql) {
    std::int64_t value = -1;
    EXPECT_TRUE(library_->connection().queryNumber(sql, value).isOk()) << sql;
    return value;
  }

  SourceRecord source(const std::string& path) { return testing::sourceRecord(*library_, path); }

  TempDir home_{"library-home"};
  std::unique_ptr<Library> library_;
};

// Two databases hold the same sound under two names and in two slots: one sound, two places,
// one model. Every place's name is found whatever its letter case and accents. Reading them
// leaves their files as they were.
TEST_F(LibrarySourcesTest, OneSoundInTwoDatabasesHasTwoPlaces) {
  TempDir first("library-first"), second("library-second");
  writeModel(first.path(), 3, "Glass");
  writeSound(first.path(), 5, "Glass Pad", 3);
  writeSound(first.path(), 6, "Lonely", 3, 1, 3, 1);
  writeModel(second.path(), 0, "Glass");
  writeSound(second.path(), 0, "MY GL\xC3\x84SS", 0);
  const auto before = testing::treeSnapshot(first.path());

  EXPECT_TRUE(library_->addSource(first.path()).status.isOk());
  EXPECT_TRUE(library_->addSource(second.path()).status.isOk());

  EXPECT_EQ(testing::treeSnapshot(first.path()), before);
  EXPECT_EQ(count("SELECT count(*) FROM sounds"), 2);
  EXPECT_EQ(count("SELECT count(*) FROM models"), 1);
  EXPECT_EQ(count("SELECT count(*) FROM places WHERE bank = 'sound'"), 3);
  EXPECT_EQ(count("SELECT count(*) FROM exact_sounds"), 3);
  EXPECT_EQ(count("SELECT max(n) FROM (SELECT count(*) AS n FROM places WHERE bank = 'sound' "
                  "GROUP BY identity)"),
            2);
  EXPECT_EQ(count("SELECT count(*) FROM places WHERE folded_name LIKE '%glass%'"), 4);
  if (hasNameIndex(library_->connection())) {
    EXPECT_EQ(count("SELECT count(*) FROM place_names WHERE place_names MATCH 'glass'"), 4);
  }
  const SourceRecord record = source(first.path());
  EXPECT_EQ(record.state, SourceState::Ok);
  EXPECT_EQ(record.sounds, 2);
  EXPECT_EQ(record.models, 1);
  EXPECT_TRUE(record.lastRead.has_value());
}

// An unplugged card keeps its places, marked missing, until it is back; a folder that is no
// database is refused with the reason; removing a source forgets its places but not the user's
// data about its sounds.
TEST_F(LibrarySourcesTest, ASourceThatCannotBeReadKeepsItsPlaces) {
  TempDir card("library-card"), elsewhere("library-elsewhere");
  writeModel(card.path(), 0, "Glass");
  writeSound(card.path(), 0, "Glass Pad", 0);
  ASSERT_TRUE(library_->addSource(card.path()).status.isOk());
  ASSERT_TRUE(library_->connection()
                  .execute("INSERT INTO user_sounds(identity, favourite) "
                           "SELECT identity, 1 FROM sounds")
                  .isOk());
  const std::string away = elsewhere.path() + "/card";
  std::filesystem::rename(testing::pathFromUtf8(card.path()), testing::pathFromUtf8(away));

  EXPECT_TRUE(library_->refresh().front().status.isOk());
  EXPECT_EQ(source(card.path()).state, SourceState::Missing);
  EXPECT_EQ(source(card.path()).sounds, 1);

  std::filesystem::create_directories(testing::pathFromUtf8(card.path()));
  EXPECT_TRUE(library_->refresh({card.path()}).front().status.isOk());
  EXPECT_EQ(source(card.path()).state, SourceState::Refused);
  EXPECT_EQ(source(card.path()).sounds, 1);

  std::filesystem::remove(testing::pathFromUtf8(card.path()));
  std::filesystem::rename(testing::pathFromUtf8(away), testing::pathFromUtf8(card.path()));
  EXPECT_TRUE(library_->refresh({card.path()}).front().status.isOk());
  EXPECT_EQ(source(card.path()).state, SourceState::Ok);

  ASSERT_TRUE(library_->removeSource(card.path()).isOk());
  EXPECT_EQ(count("SELECT count(*) FROM places"), 0);
  EXPECT_EQ(count("SELECT count(*) FROM sounds"), 0);
  EXPECT_EQ(count("SELECT count(*) FROM user_sounds WHERE favourite = 1"), 1);
  EXPECT_TRUE(library_->removeSource(card.path()).isNotFound());
}

// An edit in progress holds the database: the read waits for it, then skips the source and the
// library keeps what it knew, never a picture taken halfway through the edit.
TEST_F(LibrarySourcesTest, AnEditInProgressIsWaitedForThenSkipped) {
  TempDir database("library-busy");
  writeModel(database.path(), 0, "Glass");
  writeSound(database.path(), 0, "Glass Pad", 0);
  ASSERT_TRUE(library_->addSource(database.path()).status.isOk());
  std::filesystem::create_directories(
      testing::pathFromUtf8(lockFilePath(database.path())).parent_path());
  std::unique_ptr<FileLock> edit;
  ASSERT_TRUE(realFileSystem().lockFile(lockFilePath(database.path()), "an edit", edit).isOk());
  writeSound(database.path(), 1, "Half Done", 0);

  const RefreshOutcome outcome = library_->refresh({database.path()}).front();
  EXPECT_EQ(outcome.status.code(), Status::Code::Refused);
  EXPECT_EQ(source(database.path()).sounds, 1);

  edit.reset();
  EXPECT_TRUE(library_->refresh({database.path()}).front().status.isOk());
  EXPECT_EQ(source(database.path()).sounds, 2);
}

// The library file: a second opening finds it at its version; one from a newer build and one
// that is no SQLite file are refused, the damaged one as invalid.
TEST_F(LibrarySourcesTest, OpeningRefusesAFileItCannotRead) {
  const std::string path = home_.path() + "/library.sqlite";
  std::unique_ptr<SqliteConnection> again;
  ASSERT_TRUE(openLibrary(path, again).isOk());
  std::int64_t version = 0;
  ASSERT_TRUE(again->queryNumber("PRAGMA user_version", version).isOk());
  EXPECT_EQ(version, kLibrarySchemaVersion);
  EXPECT_TRUE(hasNameIndex(*again));

  ASSERT_TRUE(again->execute("PRAGMA user_version = 99").isOk());
  again.reset();
  library_.reset();
  EXPECT_EQ(openLibrary(path, again).code(), Status::Code::Refused);

  const std::string damaged = home_.path() + "/damaged.sqlite";
  testing::writeFile(damaged, std::string(8192, 'x'));
  EXPECT_EQ(openLibrary(damaged, again).code(), Status::Code::Invalid);
}

// Two users of one library file at once (the desktop and the command line): a read goes on while
// the other holds the write lock, and a second writer waits for the first to commit rather than
// fail.
TEST_F(LibrarySourcesTest, TwoConnectionsShareTheFile) {
  TempDir database("library-shared");
  writeModel(database.path(), 0, "Glass");
  writeSound(database.path(), 0, "Glass Pad", 0);
  std::unique_ptr<Library> other;
  ASSERT_TRUE(Library::open(home_.path() + "/library.sqlite", other).isOk());
  std::thread writer;
  {
    auto holding = std::make_unique<SqliteTransaction>(library_->connection());
    ASSERT_TRUE(holding->began().isOk());
    std::vector<SourceRecord> records;
    EXPECT_TRUE(other->sources(records).isOk());
    writer = std::thread([holding = std::move(holding)]() mutable {
      std::this_thread::sleep_for(std::chrono::milliseconds(200));
      EXPECT_TRUE(holding->commit().isOk());
    });
  }
  EXPECT_TRUE(other->addSource(database.path()).status.isOk());
  writer.join();
  EXPECT_EQ(source(database.path()).sounds, 1);
}

// The library lies where SLOTSMITH_LIBRARY names, else in the user's data folder.
TEST(LibraryPathTest, TheEnvironmentNamesTheFile) {
  const std::string named = libraryPath();
  ASSERT_FALSE(named.empty());
  EXPECT_EQ(named, std::getenv("SLOTSMITH_LIBRARY"));
#if !defined(_WIN32) && !defined(__APPLE__)
  const std::string home = std::getenv("HOME") == nullptr ? "" : std::getenv("HOME");
  ::unsetenv("SLOTSMITH_LIBRARY");
  ::setenv("XDG_DATA_HOME", "/data/of/user", 1);
  EXPECT_EQ(libraryPath(), "/data/of/user/slotsmith/library.sqlite");
  ::unsetenv("XDG_DATA_HOME");
  if (!home.empty()) {
    EXPECT_EQ(libraryPath(), home + "/.local/share/slotsmith/library.sqlite");
  }
  ::setenv("SLOTSMITH_LIBRARY", named.c_str(), 1);
#endif
}

}  // namespace
}  // namespace slotsmith
