// The doctor's lock check through its process seam: a lock naming a process of this host that
// is not running is shown and cleared by the fix; a running one, one of another host or an
// unreadable text is not. And the health check right after an open, which reuses what the open
// found out, finds what a check of its own finds, links and all, except what lies inside slot
// folders (only the doctor looks there), and names each sound.script that is no sound;
// nothing found by name alone is ever removable.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/Database.h"
#include "ops/Doctor.h"
#include "ops/Journal.h"
#include "ops/Opening.h"
#include "support/FakeUi.h"
#include "support/InMemoryFileSystem.h"
#include "support/Platform.h"
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
    std::vector<std::string> cleared;
    EXPECT_TRUE(fixDatabase(fs, kRoot, findings, cleared).isOk());
    EXPECT_EQ(cleared.size(), shown ? 1U : 0U);
    // The fix proves the lock free by taking it; only then is the gone process's name dropped.
    EXPECT_EQ(fs.contentsOf(lockFilePath(kRoot)).empty(), shown);
    if (shown) {
      EXPECT_EQ(asked, 4242);
    }
  }
}

TEST(Doctor, AfterAnOpenItFindsWhatACheckOfItsOwnFinds) {
  SKIP_WITHOUT_SYMBOLIC_LINKS();
  namespace fs = std::filesystem;
  using Kind = DoctorFinding::Kind;
  for (const bool damagedJournal : {false, true}) {
    SCOPED_TRACE(damagedJournal ? "a damaged journal" : "no history");
    TempDir dir;
    const std::string root = dir.path() + "/DB";
    const std::string outside = dir.path() + "/outside";
    for (int n = 0; n < 2; ++n) {
      writeModel(root, n, "M");
      writeSound(root, n, "S", n);
    }
    writeFile(root + "/.SoundNames.slotsmith-Zz9yY8", "half a list");
    writeFile(slotFolderPath(root, Bank::Sounds, 1) + "/.sound.script.slotsmith-a1B2c3", "half");
    // Leftovers behind a linked slot folder are not the bank's; its script still counts.
    writeSound(outside, 0, "Linked", 7);
    writeFile(slotFolderPath(outside, Bank::Sounds, 0) + "/.sound.script.slotsmith-x", "half");
    testing::createDirectorySymlink(slotFolderPath(outside, Bank::Sounds, 0),
                                    slotFolderPath(root, Bank::Sounds, 10));
    fs::create_directories(testing::pathFromUtf8(root + "/Models/slotsmith-5-1"));
    writeSound(root, 1003, "Pushed", 0);
    writeFile(slotFolderPath(root, Bank::Sounds, 1003) + "/.sound.script.slotsmith-q", "half");
    // References to model slots of every kind: an MName there in any form is no empty slot.
    writeModel(outside, 20, "Named");
    fs::create_directories(testing::pathFromUtf8(slotFolderPath(outside, Bank::Models, 21)));
    for (int model : {20, 21})
      testing::createDirectorySymlink(slotFolderPath(outside, Bank::Models, model),
                                      slotFolderPath(root, Bank::Models, model));
    writeFile(slotFolderPath(root, Bank::Models, 22) + "/MData", "data");
    fs::create_directories(testing::pathFromUtf8(slotFolderPath(root, Bank::Models, 24)));
    testing::createSymlink(outside + "/nowhere", modelNamePath(root, 24));
    for (int model : {20, 21, 22, 24, 25})
      writeSound(root, model - 16, "R", model, 1, model == 25 ? 25 : 0, 0);
    // Scripts that are no sound, and one that only looks unusual (CR LF, a byte above 127).
    writeFile(soundScriptPath(root, 30), std::string("R1ModellIndex\t1\n\0\0garbage", 25));
    writeFile(soundScriptPath(root, 31), soundScriptText("Esc", 0, 1, 0, 0) + "Note\t\x1b[1m\n");
    writeFile(soundScriptPath(root, 32), "R1ModellIndex\t0\nR1Switch\t1\n");
    std::string crlf = soundScriptText("Fine", 0, 1, 0, 0) + "Comment\tcaf\xc3\xa9\n";
    for (std::size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
      crlf.insert(at, "\r");
    writeFile(soundScriptPath(root, 33), crlf);
    writeFile(soundScriptPath(root, 34),
              soundScriptText("Twice", 0, 1, 0, 0) + "R2ModellIndex\t7\n");
    if (damagedJournal) writeFile(historyFolderPath(root) + "/000001/journal", "not a journal\n");

    std::vector<std::tuple<Kind, std::string, bool>> expected{
        {Kind::TemporaryFile, "/.SoundNames.slotsmith-Zz9yY8", false},
        {Kind::TemporaryFile, "/Sounds/001.sound/.sound.script.slotsmith-a1B2c3", false},
        {Kind::OverflowFolder, "/Sounds/1003.sound", false},
        {Kind::TemporaryFile, "/Sounds/1003.sound/.sound.script.slotsmith-q", false},
        {Kind::TemporaryFolder, "/Models/slotsmith-5-1", false},
        {Kind::EmptyModelReference, "/Sounds/005.sound/sound.script", false},
        {Kind::EmptyModelReference, "/Sounds/006.sound/sound.script", false},
        {Kind::EmptyModelReference, "/Sounds/009.sound/sound.script", false},
        {Kind::EmptyModelReference, "/Sounds/009.sound/sound.script", false},
        {Kind::EmptyModelReference, "/Sounds/010.sound/sound.script", false},
        {Kind::DamagedSoundScript, "/Sounds/030.sound/sound.script", false},
        {Kind::DamagedSoundScript, "/Sounds/031.sound/sound.script", false},
        {Kind::DamagedSoundScript, "/Sounds/032.sound/sound.script", false},
        {Kind::RepeatedReference, "/Sounds/034.sound/sound.script", false},
    };
    if (damagedJournal)
      expected.insert(expected.begin(), {Kind::ForeignHistory, "/.slotsmith/history/000001", true});
    const auto described = [&](const std::vector<DoctorFinding>& findings) {
      std::vector<std::tuple<Kind, std::string, bool>> lines;
      for (const DoctorFinding& f : findings)
        lines.emplace_back(f.kind, f.path.substr(root.size()), f.removable);
      return lines;
    };
    FakeUi ui;
    Database database(ui);
    database.setRoot(root);
    const OpeningRecovery recovery = recoverOnOpening(database);
    database.evaluateNeuronDb();
    const auto opened = described(examineOpenedDatabase(database, recovery));
    EXPECT_EQ(described(examineDatabase(realFileSystem(), root, database.tables())), expected);
    std::erase_if(expected, [](const auto& line) {
      return std::get<0>(line) == Kind::TemporaryFile && std::get<1>(line).starts_with("/Sounds/");
    });
    EXPECT_EQ(opened, expected);
  }
}

}  // namespace
}  // namespace slotsmith::testing
