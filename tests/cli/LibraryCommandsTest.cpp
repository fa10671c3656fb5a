// The library's source commands as scripts use them: what they print, their exit statuses, and
// a source that cannot be reached keeping its places.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_SOUND_LIBRARY)

#include <filesystem>
#include <string>

#include "CliRun.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

TEST(LibraryCommandsTest, SourcesAreAddedReadMissedAndRemoved) {
  TempDir dir("cli library caf\xc3\xa9");
  const std::string db = dir.path() + "/DB";
  const std::string file = dir.path() + "/library.sqlite";
  testing::writeModel(db, 0, "Glass");
  testing::writeSound(db, 0, "Glass Pad", 0);
  testing::writeSound(db, 1, "Bass", 0);

  const CliRun added =
      runSlotsmith({"library", "add", db, dir.path() + "/typo", "--library", file});
  EXPECT_EQ(added.status, kExitRefused);
  EXPECT_EQ(added.out, "Read " + db + ": 2 sounds, 1 models.\n");
  EXPECT_NE(added.err.find("typo is no database folder"), std::string::npos) << added.err;

  const CliRun listed = runSlotsmith({"library", "sources", "--library", file});
  EXPECT_EQ(listed.status, kExitDone);
  EXPECT_EQ(listed.out.rfind("ok\tdatabase\t2\t1\t", 0), 0u) << listed.out;
  EXPECT_NE(listed.out.find("\t" + db + "\t\t1\t1\n"), std::string::npos) << listed.out;

  std::filesystem::rename(testing::pathFromUtf8(db), testing::pathFromUtf8(db + "-away"));
  const CliRun refreshed = runSlotsmith({"library", "refresh", "--library", file});
  EXPECT_EQ(refreshed.status, kExitDone);
  EXPECT_EQ(refreshed.out, db + ": missing, not found; its places are kept.\n");
  const CliRun json = runSlotsmith({"library", "sources", "--json", "--library", file});
  EXPECT_NE(json.out.find("\"state\": \"missing\""), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"sounds\": 2, \"models\": 1"), std::string::npos) << json.out;

  EXPECT_EQ(runSlotsmith({"library", "remove", db, "--library", file}).status, kExitDone);
  EXPECT_EQ(runSlotsmith({"library", "remove", db, "--library", file}).status, kExitRefused);
  EXPECT_EQ(runSlotsmith({"library", "sources", "--library", file}).out, "");
  EXPECT_EQ(runSlotsmith({"library", "refresh", db, "--library", file}).status, kExitRefused);
}

}  // namespace
}  // namespace slotsmith::cli

#endif
