// The doctor's lock check through its process seam: a lock naming a process of this host that
// is not running is shown; a running one, one of another host or an unreadable text is not.
#include <gtest/gtest.h>

#include "core/Database.h"
#include "ops/Doctor.h"
#include "ops/Journal.h"
#include "support/FakeUi.h"
#include "support/InMemoryFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith::testing {
namespace {

const std::string kRoot = "/db";

std::string thisHost() {
  const std::string own = thisProcessDescription();
  const std::size_t at = own.find(" on host ") + 9;
  return own.substr(at, own.find(" (", at) - at);
}

TEST(Doctor, ALockNamingAProcessOfThisHostThatIsGoneIsShown) {
  struct Case {
    std::string lockText;
    bool running;
    bool shown;
  };
  const std::vector<Case> cases{
      {"pid 4242 on host " + thisHost() + " (slotsmith)", false, true},
      {"pid 4242 on host " + thisHost() + " (slotsmith)", true, false},
      {"pid 4242 on host another-" + thisHost() + " (slotsmith)", false, false},
      {"something else", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.lockText + (c.running ? ", running" : ", gone"));
    InMemoryFileSystem fs;
    fs.addFile(soundScriptPath(kRoot, 0), soundScriptText("S", 0, 1, 0, 0));
    fs.addFile(modelNamePath(kRoot, 0), "M\n");
    fs.addFile(lockFilePath(kRoot), c.lockText);
    FakeUi ui;
    Database database(ui, fs);
    database.setRoot(kRoot);
    database.evaluateNeuronDb();
    long asked = 0;
    const auto findings = examineDatabase(fs, kRoot, database.tables(), [&](long pid) {
      asked = pid;
      return c.running;
    });
    const bool shown = !findings.empty() && findings[0].kind == DoctorFinding::Kind::StaleLock;
    EXPECT_EQ(shown, c.shown);
    if (shown) {
      EXPECT_EQ(asked, 4242);
    }
  }
}

}  // namespace
}  // namespace slotsmith::testing
