// Sound packs and backups as sources: read with the packs' checks, a sound in an archive is the
// same sound as in its database, an archive the packs refuse is noted, and one whose bytes did not
// change is not read again.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_PACKS)

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "LibraryTestSupport.h"
#include "library/Library.h"
#include "packs/Backup.h"
#include "packs/Pack.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

using testing::TempDir;

class LibraryArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::writeModel(database(), 4, "Glass");
    testing::writeModel(database(), 5, "Reed");
    testing::writeSound(database(), 0, "Glass Pad", 4);
    testing::writeSound(database(), 1, "Reed Lead", 5, 1, 4, 1);
    testing::writeSound(database(), 2, "Alone", 5);
    std::string report;
    ASSERT_TRUE(exportPack(realFileSystem(), database(), {0, 1}, pack(), report).isOk()) << report;
    std::size_t files = 0;
    ASSERT_TRUE(backUpDatabase(realFileSystem(), database(), backup(), files).isOk());
    ASSERT_TRUE(Library::open(home_.path() + "/library.sqlite", library_).isOk());
  }

  std::string database() const { return folder_.path() + "/Neuron DB"; }
  std::string pack() const { return folder_.path() + "/friends.zip"; }
  std::string backup() const { return folder_.path() + "/card.tar.zst"; }

  SourceRecord source(const std::string& path) { return testing::sourceRecord(*library_, path); }

  std::int64_t count(const std::string& sql) {
    std::int64_t value = -1;
    EXPECT_TRUE(library_->connection().queryNumber(sql, value).isOk()) << sql;
    return value;
  }

  TempDir home_{"library-archive-home"};
  TempDir folder_{"library-archives"};
  std::unique_ptr<Library> library_;
};

// A pack and a backup are sources of their own kind; a sound that lies in the database, in the
// pack and in the backup is one sound with three places.
TEST_F(LibraryArchiveTest, PacksAndBackupsAreSources) {
  const auto before = testing::treeSnapshot(folder_.path());
  for (const std::string& path : {database(), pack(), backup()})
    ASSERT_TRUE(library_->addSource(path).status.isOk()) << path;

  EXPECT_EQ(testing::treeSnapshot(folder_.path()), before);
  const struct {
    std::string path;
    SourceKind kind;
    std::int64_t sounds, models;
  } expected[] = {{database(), SourceKind::Database, 3, 2},
                  {pack(), SourceKind::Pack, 2, 2},
                  {backup(), SourceKind::Backup, 3, 2}};
  for (const auto& want : expected) {
    const SourceRecord record = source(want.path);
    EXPECT_EQ(record.kind, want.kind) << want.path;
    EXPECT_EQ(record.state, SourceState::Ok) << want.path << ": " << record.reason;
    EXPECT_EQ(record.sounds, want.sounds) << want.path;
    EXPECT_EQ(record.models, want.models) << want.path;
  }
  EXPECT_EQ(count("SELECT count(*) FROM sounds"), 3);
  EXPECT_EQ(count("SELECT count(*) FROM models"), 2);
  EXPECT_EQ(count("SELECT count(*) FROM places p JOIN sources s ON s.id = p.source "
                  "WHERE p.bank = 'sound' AND p.name = 'Glass Pad'"),
            3);
}

// An archive is read again only when its bytes changed: touched, it shows as changed and is then
// only stamped again; given other bytes, it is read; gone, it keeps its places.
TEST_F(LibraryArchiveTest, AnUnchangedArchiveIsNotReadAgain) {
  ASSERT_TRUE(library_->addSource(pack()).status.isOk());
  EXPECT_EQ(library_->refresh({pack()}).front().slotsRead, 0);

  const auto file = testing::pathFromUtf8(pack());
  std::filesystem::last_write_time(file,
                                   std::filesystem::last_write_time(file) - std::chrono::hours(1));
  EXPECT_EQ(source(pack()).state, SourceState::Changed);
  RefreshOutcome touched = library_->refresh({pack()}).front();
  EXPECT_TRUE(touched.status.isOk());
  EXPECT_EQ(touched.slotsRead, 0);
  EXPECT_EQ(source(pack()).state, SourceState::Ok);

  std::filesystem::remove(file);
  std::string report;
  ASSERT_TRUE(exportPack(realFileSystem(), database(), {2}, pack(), report).isOk());
  EXPECT_EQ(source(pack()).state, SourceState::Changed);
  EXPECT_GT(library_->refresh({pack()}).front().slotsRead, 0);
  EXPECT_EQ(source(pack()).sounds, 1);

  std::filesystem::remove(file);
  EXPECT_TRUE(library_->refresh({pack()}).front().status.isOk());
  EXPECT_EQ(source(pack()).state, SourceState::Missing);
  EXPECT_EQ(source(pack()).sounds, 1);
}

// What the packs refuse is kept as a source, marked refused with their reason, never read in part;
// a file that is no archive at all is refused the same way.
TEST_F(LibraryArchiveTest, ARefusedArchiveIsNoted) {
  const std::string bytes = testing::readFile(backup());
  const struct {
    std::string name;
    std::string contents;
  } cases[] = {
      {"cut.tar.zst", bytes.substr(0, bytes.size() / 2)},
      {"no pack.zip", "PK\x03\x04 not really a zip"},
      {"notes.txt", "a shopping list"},
  };
  for (const auto& archive : cases) {
    const std::string path = folder_.path() + "/" + archive.name;
    testing::writeFile(path, archive.contents);
    EXPECT_TRUE(library_->addSource(path).status.isOk()) << archive.name;
    const SourceRecord record = source(path);
    EXPECT_EQ(record.state, SourceState::Refused) << archive.name;
    EXPECT_FALSE(record.reason.empty()) << archive.name;
    EXPECT_EQ(record.sounds, 0) << archive.name;
  }
}

}  // namespace
}  // namespace slotsmith

#endif
