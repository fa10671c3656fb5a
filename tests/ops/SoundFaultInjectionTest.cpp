// Every step of a sound edit fails in turn. Wherever the edit stops, and once the next open has
// finished what a failed flush left unfinished, no sound is lost: each is in its old place or its
// new place, and the lists are rescanned.
#include <filesystem>
#include <functional>
#include <map>

#include "SoundEditsTest.h"
#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {
namespace {

struct FaultCase {
  std::string title;
  // Scripts the answers and returns the request.
  std::function<EditRequest(FakeUi&)> run;
  std::map<int, int> finalNumbers;  // where each kept sound ends when nothing fails
  std::vector<int> removed;
};

class SoundFaultTest : public SoundBankTest {
 protected:
  SoundFaultTest() : faulty(realFileSystem()) { useFileSystem(faulty); }

  void freshDatabase() {
    std::filesystem::remove_all(testing::pathFromUtf8(root()));
    writeSounds(0, 9);
    ui = FakeUi();
  }

  // Every folder of the bank by the original sound it holds.
  std::map<int, std::vector<std::string>> whereSoundsAre() {
    std::map<int, std::vector<std::string>> found;
    const std::string bank = bankFolderPath(root(), Bank::Sounds);
    for (const std::string& name : listNames(bank)) {
      const int origin = originAtPath(bank + "/" + name);
      if (origin != kMissing) found[origin].push_back(name);
    }
    return found;
  }

  std::size_t changesOfAFullRun(const FaultCase& c) {
    freshDatabase();
    faulty.failChange(1u << 30);
    edit(c.run(ui));
    return faulty.changesAttempted();
  }

  void expectNothingLostWhateverStepFails(const FaultCase& c) {
    const std::size_t changes = changesOfAFullRun(c);
    ASSERT_GT(changes, 2u);
    for (std::size_t k = 0; k < changes; ++k) {
      SCOPED_TRACE(c.title + ", change " + std::to_string(k) + " fails");
      freshDatabase();
      faulty.failChange(k);
      const EditOutcome outcome = edit(c.run(ui));
      // Every edit is a transaction: a failure before its commit rolls it back (or, when the
      // lock cannot even be taken, refuses it); a failing rename after it rolls it back too.
      ASSERT_NE(outcome.kind, EditOutcome::Kind::Cancelled);
      if (outcome.kind == EditOutcome::Kind::Failed) {
        ASSERT_FALSE(ui.messages.empty());
        const std::string& message = ui.messages.back().message;
        EXPECT_TRUE(message == "SoundNames not written" || message == c.title + " failed")
            << message;
        EXPECT_TRUE(rescanned());
      }
      // A flush that failed after the commit leaves the edit for the next open to finish.
      faulty.failChange(1u << 30);
      ASSERT_TRUE(recoverDatabase(*database).isOk());
      // A rolled-back or completed edit says nothing more; a failure's report names where
      // folders wait.
      expectEverySoundAccountedFor(c, ui.messages.empty() ? "" : ui.messages.back().informative);
    }
  }

  void expectEverySoundAccountedFor(const FaultCase& c, const std::string& report) {
    auto found = whereSoundsAre();
    for (const auto& [slot, finalNumber] : c.finalNumbers) {
      ASSERT_EQ(found[slot].size(), 1u) << "sound " << slot;
      expectAllowedPlace(found[slot][0], slot, finalNumber, report);
    }
    for (int slot : c.removed) {
      ASSERT_LE(found[slot].size(), 1u);
      if (!found[slot].empty()) expectAllowedPlace(found[slot][0], slot, slot, report);
    }
  }

  void expectAllowedPlace(const std::string& name, int slot, int finalNumber,
                          const std::string& report) {
    if (name == slotFolderName(Bank::Sounds, slot)) return;
    if (name == slotFolderName(Bank::Sounds, finalNumber)) return;
    EXPECT_NE(report.find(name), std::string::npos)
        << "sound " << slot << " is in " << name << ", which the report does not name:\n"
        << report;
  }

  FaultInjectingFileSystem faulty;
};

TEST_F(SoundFaultTest, AMoveThatStopsAtAnyStepLosesNoSound) {
  expectNothingLostWhateverStepFails(
      {"Move sounds",
       [](FakeUi& ui) -> EditRequest {
         ui.answerWith(kAlertDefault);
         return MoveRequest{Bank::Sounds, {0, 9}, 5};
       },
       {{0, 5}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 7}, {6, 8}, {7, 9}, {8, 10}, {9, 6}},
       {}});
}

TEST_F(SoundFaultTest, ASwapThatStopsAtAnyStepLosesNoSound) {
  expectNothingLostWhateverStepFails({"Move sounds",
                                      [](FakeUi& ui) -> EditRequest {
                                        ui.answerWith(kAlertDefault);
                                        return MoveRequest{Bank::Sounds, {5, 6}, 4};
                                      },
                                      {{4, 6}, {5, 4}, {6, 5}},
                                      {}});
}

TEST_F(SoundFaultTest, ARemoveThatStopsAtAnyStepLosesNoKeptSound) {
  expectNothingLostWhateverStepFails(
      {"Remove sounds",
       [](FakeUi& ui) -> EditRequest {
         ui.answerWith(kAlertOther);
         return DeleteRequest{Bank::Sounds, {3, 5}, Removal::Remove};
       },
       {{0, 0}, {1, 1}, {2, 2}, {4, 3}, {6, 4}, {7, 5}, {8, 6}, {9, 7}},
       {3, 5}});
}

TEST_F(SoundFaultTest, ACopyThatStopsAtAnyStepLeavesEveryOriginalInPlaceOrMoved) {
  expectNothingLostWhateverStepFails(
      {"Copy sounds",
       [](FakeUi& ui) -> EditRequest {
         ui.answerWith(kAlertDefault);
         return CopyRequest{Bank::Sounds, {2, 8}, 8};
       },
       {{0, 0}, {1, 1}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {7, 7}, {9, 11}},
       {}});
}

}  // namespace
}  // namespace slotsmith::testing
