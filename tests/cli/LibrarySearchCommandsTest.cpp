// Finding sounds in the library from the command line as scripts read it: the lines and JSON of
// `library search`, `library where` and `library at-risk`, the at-risk counts `library sources`
// adds after its old columns, and the exit statuses.
#include <gtest/gtest.h>

#if defined(SLOTSMITH_SOUND_LIBRARY)

#include <string>

#include "CliRun.h"
#include "support/TempDir.h"

namespace slotsmith::cli {
namespace {

using testing::TempDir;

TEST(LibrarySearchCommandsTest, SoundsAreFoundWithEveryPlace) {
  TempDir dir("cli library search");
  const std::string one = dir.path() + "/one";
  const std::string two = dir.path() + "/two";
  const std::string file = dir.path() + "/library.sqlite";
  testing::writeModel(one, 0, "Glass");
  testing::writeSound(one, 0, "Glass Pad", 0);
  testing::writeSound(one, 1, "Bass", 0, 0);
  testing::writeModel(two, 3, "Glass");
  testing::writeSound(two, 5, "Gl\xC3\xA4ss \"Pad\"", 3);
  ASSERT_EQ(runSlotsmith({"library", "add", one, two, "--library", file}).status, kExitDone);

  const CliRun text = runSlotsmith({"library", "search", "GLASS", "--library", file});
  ASSERT_EQ(text.status, kExitDone) << text.err;
  const std::string id = text.out.substr(0, text.out.find('\t'));
  EXPECT_EQ(id.size(), 64u);
  EXPECT_EQ(text.out, id + "\tGlass Pad\t-\t-\tPad\t" + one + "\t000\tGlass Pad\t" + two +
                          "\t005\tGl\xC3\xA4ss \"Pad\"\n");
  const CliRun json =
      runSlotsmith({"library", "search", "glass", "pad", "--json", "--library", file});
  EXPECT_EQ(json.out, "[\n  {\"id\": \"" + id +
                          "\", \"name\": \"Glass Pad\", \"tags\": [\"Pad\"], \"favourite\": false, "
                          "\"hidden\": false, \"places\": [{\"source\": \"" +
                          one + "\", \"slot\": 0, \"name\": \"Glass Pad\"}, {\"source\": \"" + two +
                          "\", \"slot\": 5, \"name\": \"Gl\xC3\xA4ss \\\"Pad\\\"\"}]}\n]\n");
  EXPECT_EQ(runSlotsmith({"library", "search", "nothing", "--json", "--library", file}).out,
            "[]\n");
  EXPECT_EQ(runSlotsmith({"library", "search", "places:two", "--library", file}).status,
            kExitUsage);
  EXPECT_EQ(runSlotsmith({"library", "search", "in:" + dir.path(), "--library", file}).status,
            kExitRefused);

  const CliRun where = runSlotsmith({"library", "where", two, "5", "--library", file});
  EXPECT_EQ(where.status, kExitDone);
  EXPECT_EQ(where.out, one + "\t000\tGlass Pad\n" + two + "\t005\tGl\xC3\xA4ss \"Pad\"\n");
  const CliRun empty = runSlotsmith({"library", "where", one, "7", "--library", file});
  EXPECT_EQ(empty.status, kExitRefused);
  EXPECT_NE(empty.err.find("007 of " + one + " is empty"), std::string::npos) << empty.err;
  const CliRun unknown = runSlotsmith({"library", "where", dir.path(), "0", "--library", file});
  EXPECT_EQ(unknown.status, kExitRefused);
  EXPECT_NE(unknown.err.find("is no source of the library"), std::string::npos) << unknown.err;

  // Bass plays no model: a sound of its own, in one database only. Glass lies in both.
  const CliRun bass = runSlotsmith({"library", "search", "bass", "--library", file});
  const std::string bassId = bass.out.substr(0, bass.out.find('\t'));
  const CliRun atRisk = runSlotsmith({"library", "at-risk", "--library", file});
  EXPECT_EQ(atRisk.status, kExitDone);
  EXPECT_EQ(atRisk.out, "sound\t" + one + "\t001\tBass\t" + bassId + "\n");
  const CliRun atRiskJson = runSlotsmith({"library", "at-risk", "--json", "--library", file});
  EXPECT_EQ(atRiskJson.out.rfind("{\"sounds\": [\n  {\"id\": \"" + bassId + "\"", 0), 0u)
      << atRiskJson.out;
  EXPECT_NE(atRiskJson.out.find("\"}]}\n], \"models\": []}\n"), std::string::npos)
      << atRiskJson.out;

  const CliRun sources = runSlotsmith({"library", "sources", "--library", file});
  EXPECT_NE(sources.out.find("\t" + one + "\t\t1\t0\n"), std::string::npos) << sources.out;
  EXPECT_NE(sources.out.find("\t" + two + "\t\t0\t0\n"), std::string::npos) << sources.out;
  const CliRun sourcesJson = runSlotsmith({"library", "sources", "--json", "--library", file});
  EXPECT_NE(sourcesJson.out.find("\"atRiskSounds\": 1, \"atRiskModels\": 0}"), std::string::npos)
      << sourcesJson.out;
}

}  // namespace
}  // namespace slotsmith::cli

#endif
