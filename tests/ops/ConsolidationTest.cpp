// Consolidation: unused models go, the used ones close up from the start slot, references follow.
#include "ModelBankTest.h"

namespace slotsmith::testing {
namespace {

constexpr int E = ModelBankTest::kMissing;

class ConsolidationTest : public ModelBankTest {
 protected:
  // Models 0..9; sounds use 0, 2, 5 (switched off only) and 9.
  void SetUp() override {
    writeModels(0, 9);
    writeSound(root(), 0, "a", 0, 1, 2, 1);
    writeSound(root(), 1, "b", 5, 0, 9, 1);
    writeSound(root(), 2, "c", -1, 1, 5, 0);
    database->evaluateNeuronDb();
    ui.progressTexts.clear();
  }
};

TEST_F(ConsolidationTest, FromTheStartEveryUnusedModelGoesAndTheRestCloseUp) {
  ui.answerWith(kAlertAlternate);
  const EditOutcome outcome = edit(ConsolidateRequest{});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(modelOrigins(6), (std::vector<int>{0, 2, 5, 9, E, E}));
  EXPECT_EQ(referencesOf(0), std::make_pair(0, 1));
  EXPECT_EQ(referencesOf(1), std::make_pair(2, 3));
  EXPECT_EQ(referencesOf(2), std::make_pair(-1, 2));
  const RecordedAlert& alert = ui.questions.at(0);
  EXPECT_EQ(alert.message, "Consolidate database");
  EXPECT_EQ(alert.buttons.defaultButton, "Cancel");
  EXPECT_EQ(alert.buttons.alternateButton, "Yes");
  EXPECT_EQ(alert.buttons.otherButton, "");
  EXPECT_EQ(ui.progressTexts.front(), "Consolidating...");
}

TEST_F(ConsolidationTest, FromAChosenSlotTheSlotsBeforeItStay) {
  ui.answerWith(kAlertOther);
  edit(ConsolidateRequest{.from = 3, .letUserChooseStart = true});
  EXPECT_EQ(ui.questions.at(0).buttons.alternateButton, "Yes - all");
  EXPECT_EQ(ui.questions.at(0).buttons.otherButton, "Yes - from #3");
  EXPECT_EQ(modelOrigins(6), (std::vector<int>{0, 1, 2, 5, 9, E}));
  EXPECT_EQ(referencesOf(1), std::make_pair(3, 4));
}

// The question counts the models each confirming answer drops (unused models, not empty slots),
// and says which; cancelling changes nothing.
TEST_F(ConsolidationTest, TheQuestionCountsTheModelsEachAnswerDropsAndCancelChangesNothing) {
  const struct {
    ConsolidateRequest request;
    std::string told;  // the end of the informative text
  } cases[] = {
      {{}, "It removes 6 unused models (slots 1, 3–4, 6–8)."},
      {{.from = 3, .letUserChooseStart = true},
       "\"Yes - all\" removes 6 unused models (slots 1, 3–4, 6–8); \"Yes - from #3\" removes 5 "
       "unused models (slots 3–4, 6–8)."},
      {{.from = 8}, "From #8 on it removes 1 unused model (slot 8)."},
      {{.from = 9}, "From #9 on it removes no model."},
      {{.from = 12}, "From #12 on it removes no model."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.told);
    ui.questions.clear();
    ui.answerWith(kAlertDefault);
    EXPECT_EQ(edit(c.request).kind, EditOutcome::Kind::Cancelled);
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_TRUE(ui.questions[0].informative.ends_with("Undo reverses it.\n\n" + c.told))
        << ui.questions[0].informative;
    EXPECT_EQ(modelOrigins(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  }
}

TEST_F(ConsolidationTest, AUsedNumberWithoutAFolderKeepsItsPlaceInTheSequence) {
  writeSound(root(), 3, "d", 20, 1, 0, 0);
  writeSound(root(), 4, "e", 30, 1, 0, 0);
  database->evaluateNeuronDb();
  ui.answerWith(kAlertAlternate);
  edit(ConsolidateRequest{});
  EXPECT_EQ(referencesOf(3), std::make_pair(4, 0));
  EXPECT_EQ(referencesOf(4), std::make_pair(5, 0));
  EXPECT_EQ(modelOrigins(6), (std::vector<int>{0, 2, 5, 9, E, E}));
}

TEST_F(ConsolidationTest, ABankWithoutGapsWritesNoScript) {
  ui.answerWith(kAlertAlternate);
  edit(ConsolidateRequest{});
  ui.answerWith(kAlertAlternate);
  const EditOutcome again = edit(ConsolidateRequest{});
  EXPECT_EQ(again.kind, EditOutcome::Kind::Done);
  EXPECT_TRUE(again.plan.changes.empty());
}

}  // namespace
}  // namespace slotsmith::testing
