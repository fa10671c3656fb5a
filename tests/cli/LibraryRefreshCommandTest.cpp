// `library refresh` and `library sources` as scripts and a second program use them: a changed
// source is shown as such until it is read, archives are sources, and two programs refreshing one
// library file at once both succeed.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_SOUND_LIBRARY)

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "CliRun.h"
#include "KilledEdits.h"
#include "library/Library.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

void writeDatabase(const std::string& root, int sounds) {
  testing::writeModel(root, 0, "Glass");
  for (int slot = 0; slot < sounds; ++slot)
    testing::writeSound(root, slot, "Pad " + std::to_string(slot), 0);
}

// A changed source is listed as changed until a refresh reads it; an archive is added as a source
// of its kind, or refused where packs are not part of the build.
TEST(LibraryRefreshCommandTest, ChangedSourcesAndArchives) {
  TempDir dir("cli library refresh");
  const std::string db = dir.path() + "/DB";
  const std::string file = dir.path() + "/library.sqlite";
  writeDatabase(db, 2);
  ASSERT_EQ(runSlotsmith({"library", "add", db, "--library", file}).status, kExitDone);

  testing::writeSound(db, 7, "Late Pad", 0);
#if !defined(_WIN32)  // Windows gives no entry stamps: a database never shows as changed there
  EXPECT_EQ(runSlotsmith({"library", "sources", "--library", file}).out.rfind("changed\t", 0), 0u);
#endif
  const CliRun refreshed = runSlotsmith({"library", "refresh", "--library", file});
  EXPECT_EQ(refreshed.status, kExitDone);
  EXPECT_EQ(refreshed.out, "Read " + db + ": 3 sounds, 1 models.\n");
  EXPECT_EQ(runSlotsmith({"library", "sources", "--library", file}).out.rfind("ok\t", 0), 0u);

  const std::string pack = dir.path() + "/pads.zip";
  if (SLOTSMITH_HAS_PACKS) {
    const CliRun exported = runSlotsmith({"export", db, "0,7", "--to", pack});
    ASSERT_EQ(exported.status, kExitDone) << exported.err;
  } else {
    testing::writeFile(pack, "PK\x03\x04");
  }
  const CliRun added = runSlotsmith({"library", "add", pack, "--library", file});
  if (SLOTSMITH_HAS_PACKS) {
    EXPECT_EQ(added.status, kExitDone) << added.err;
    EXPECT_EQ(added.out, "Read " + pack + ": 2 sounds, 1 models.\n");
    const CliRun listed = runSlotsmith({"library", "sources", "--library", file});
    EXPECT_NE(listed.out.find("ok\tpack\t2\t1\t"), std::string::npos) << listed.out;
  } else {
    EXPECT_EQ(added.status, kExitRefused);
    EXPECT_NE(added.err.find("not part of this build"), std::string::npos) << added.err;
  }
}

#if !defined(_WIN32)
// The command line refreshing in another process while this one adds and refreshes the same
// sources: neither sees an error, and the library ends with every source read.
TEST(LibraryRefreshCommandTest, TwoProcessesRefreshAtOnce) {
  TempDir dir("cli library two processes");
  const std::string file = dir.path() + "/library.sqlite";
  std::vector<std::string> databases;
  for (int i = 0; i < 4; ++i) {
    databases.push_back(dir.path() + "/DB" + std::to_string(i));
    writeDatabase(databases.back(), 3 + i);
  }
  std::vector<std::string> args = {"library", "add"};
  args.insert(args.end(), databases.begin(), databases.end());
  args.insert(args.end(), {"--library", file});
  const std::string output = dir.path() + "/child.out", errors = dir.path() + "/child.err";
  const int outFd = ::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int errFd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const Child child = startChild(slotsmithArgs(args), outFd, errFd);
  ::close(outFd);
  ::close(errFd);
  ASSERT_GT(child.pid, 0);

  std::unique_ptr<Library> library;
  ASSERT_TRUE(Library::open(file, library).isOk());
  for (int round = 0; round < 3; ++round) {
    for (const std::string& database : databases) {
      const RefreshOutcome outcome = library->addSource(database);
      EXPECT_TRUE(outcome.status.isOk()) << outcome.status.message();
      testing::writeSound(database, 20 + round, "More", 0);
    }
  }
  EXPECT_EQ(waitForExit(child), kExitDone) << testing::readFile(errors);
  EXPECT_EQ(testing::readFile(errors), "");

  for (const RefreshOutcome& outcome : library->refresh())
    EXPECT_TRUE(outcome.status.isOk()) << outcome.status.message();
  std::vector<SourceRecord> records;
  ASSERT_TRUE(library->sources(records).isOk());
  ASSERT_EQ(records.size(), databases.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].state, SourceState::Ok) << records[i].path;
    EXPECT_EQ(records[i].sounds, static_cast<std::int64_t>(3 + i + 3)) << records[i].path;
  }
}
#endif

}  // namespace
}  // namespace slotsmith::cli

#endif
