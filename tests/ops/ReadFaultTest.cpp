// An edit that cannot read what it needs must not go on without it. Every file read a model edit
// makes while it plans fails in turn; the edit is then refused and the database is left exactly
// as it was, byte for byte, or (when the read that failed was not needed) the edit completes
// exactly as it does without a fault. It never half-completes and never claims success with
// references left behind.
#include <filesystem>
#include <functional>

#include "ModelBankTest.h"
#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {
namespace {

struct ReadFaultCase {
  std::string title;
  std::function<EditRequest(FakeUi&)> start;  // scripts the answers, returns the request
};

class ReadFaultTest : public ModelBankTest, public ::testing::WithParamInterface<ReadFaultCase> {
 protected:
  ReadFaultTest() : faulty(realFileSystem()) { useFileSystem(faulty); }

  // Ten models every sound uses, and an unused one for the consolidation to remove.
  void freshDatabase() {
    faulty.failRead(std::size_t{1} << 30);
    std::filesystem::remove_all(testing::pathFromUtf8(root()));
    writeTenModelsAndSounds();
    writeModel(root(), 12, "M12");
    database->evaluateNeuronDb();
    ui = FakeUi();
  }

  EditOutcome runCase() { return edit(GetParam().start(ui)); }

  FaultInjectingFileSystem faulty;
};

TEST_P(ReadFaultTest, AFailedReadRefusesTheEditAndChangesNothing) {
  freshDatabase();
  const auto before = treeSnapshot(root());
  faulty.failRead(std::size_t{1} << 30);
  ASSERT_TRUE(runCase().isDone());
  const auto after = treeSnapshot(root());
  const std::size_t planningReads = faulty.readsBeforeFirstChange();
  ASSERT_GE(planningReads, 7u);  // every script the edit may have to rewrite

  for (std::size_t k = 0; k < planningReads; ++k) {
    SCOPED_TRACE(GetParam().title + ", read " + std::to_string(k) + " fails");
    freshDatabase();
    faulty.failRead(k);
    const EditOutcome outcome = runCase();
    if (outcome.isDone()) {
      EXPECT_EQ(treeSnapshot(root()), after);
      continue;
    }
    // Refused while it plans, or rolled back before its commit when a file it places cannot be
    // read for its fingerprint: either way nothing changed, and the user hears which file.
    const bool refused = outcome.kind == EditOutcome::Kind::Refused &&
                         outcome.message.find("cannot be read") != std::string::npos;
    const bool rolledBack = outcome.kind == EditOutcome::Kind::Failed &&
                            outcome.message.find("nothing was changed") != std::string::npos;
    EXPECT_TRUE(refused || rolledBack) << outcome.message;
    EXPECT_EQ(treeSnapshot(root()), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ModelEdits, ReadFaultTest,
    ::testing::Values(ReadFaultCase{"move",
                                    [](FakeUi& ui) -> EditRequest {
                                      ui.answerWith(kAlertDefault);
                                      return MoveRequest{Bank::Models, {7, 8}, 2};
                                    }},
                      ReadFaultCase{"copy",
                                    [](FakeUi& ui) -> EditRequest {
                                      ui.answerWith(kAlertDefault);
                                      return CopyRequest{Bank::Models, {2}, 5};
                                    }},
                      ReadFaultCase{"remove",
                                    [](FakeUi& ui) -> EditRequest {
                                      ui.answerWith(kAlertOther);
                                      return DeleteRequest{Bank::Models, {3}, Removal::Remove};
                                    }},
                      ReadFaultCase{"consolidate",
                                    [](FakeUi& ui) -> EditRequest {
                                      ui.answerWith(kAlertOther);
                                      return ConsolidateRequest{.from = 4};
                                    }},
                      ReadFaultCase{"find and replace",
                                    [](FakeUi&) -> EditRequest {
                                      return FindReplaceRequest{4, 7, {0, 1, 2, 3, 4, 5, 6}};
                                    }},
                      ReadFaultCase{"dedupe",
                                    [](FakeUi&) -> EditRequest { return DedupeRequest{}; }}),
    [](const ::testing::TestParamInfo<ReadFaultCase>& info) {
      std::string name = info.param.title;
      std::erase(name, ' ');
      return name;
    });

}  // namespace
}  // namespace slotsmith::testing
