// Find and replace in the selected sounds: the count of occurrences, the result alert, and that
// only matching selected scripts are written.
#include "ModelBankTest.h"

namespace slotsmith::testing {
namespace {

class FindReplaceTest : public ModelBankTest {
 protected:
  void SetUp() override {
    writeModels(0, 40);
    writeSound(root(), 3, "first", 12, 1, 4, 1);
    writeSound(root(), 7, "both", 12, 0, 12, 0);
    writeSound(root(), 8, "unselected", 12, 1, 12, 1);
    writeFile(soundScriptPath(root(), 9), "R1ModellIndex\t12\nR1ModellIndex\t5\nR2Switch\t1\n");
    chosen = {3, 7, 9, 20};  // 20 has no sound
  }
};

TEST_F(FindReplaceTest, ReplacesInTheSelectedSoundsAndCountsEveryOccurrence) {
  const std::string unselected = readFile(soundScriptPath(root(), 8));
  const EditOutcome outcome = edit(FindReplaceRequest{12, 40, chosen});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(outcome.occurrences, 4);
  EXPECT_EQ(referencesOf(3), std::make_pair(40, 4));
  EXPECT_EQ(referencesOf(7), std::make_pair(40, 40));  // switched off, still replaced
  // The second R1ModellIndex line names model 5, and goes on naming it.
  EXPECT_EQ(readFile(soundScriptPath(root(), 9)),
            "R1ModellIndex\t40\nR1ModellIndex\t5\nR2Switch\t1\n");
  EXPECT_EQ(readFile(soundScriptPath(root(), 8)), unselected);
  EXPECT_FALSE(exists(soundScriptPath(root(), 20)));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].message, "Find & replace complete");
  EXPECT_EQ(ui.messages[0].buttons.defaultButton, "Nice!");
  EXPECT_EQ(ui.messages[0].informative, "Replaced 4 occurrences.");
  EXPECT_EQ(ui.progressTexts.front(), "Replacing model references...");
  EXPECT_TRUE(ui.dropEnabled);
  EXPECT_FALSE(exists(modelNamesPath(root())));
}

TEST_F(FindReplaceTest, ReplacingAModelByItselfCountsButWritesOnlyWhatChanges) {
  const EditOutcome outcome = edit(FindReplaceRequest{12, 12, chosen});
  EXPECT_EQ(outcome.occurrences, 4);
  // No script changes: every line keeps its own value, sound 9's second R1ModellIndex line too.
  EXPECT_TRUE(outcome.plan.changes.empty());
  EXPECT_EQ(ui.messages.at(0).informative, "Replaced 4 occurrences.");
}

// References to model slots with no model become -1, whatever sounds hold them, in one edit that
// undo reverses; with none there, nothing is done.
TEST_F(FindReplaceTest, ClearingSetsEveryReferenceToAnEmptyModelSlotToNoneUndoably) {
  writeSound(root(), 11, "dangling", 50, 1, 60, 0);
  writeSound(root(), 12, "half", 12, 1, 50, 1);
  ui.answerWith(kAlertAlternate);
  const EditOutcome outcome = edit(ClearEmptyReferencesRequest{});
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(outcome.occurrences, 3);
  EXPECT_EQ(referencesOf(11), std::make_pair(-1, -1));
  EXPECT_EQ(referencesOf(12), std::make_pair(12, -1));
  EXPECT_EQ(referencesOf(3), std::make_pair(12, 4));
  EXPECT_NE(ui.questions.at(0).informative.find("empty model slots 50, 60"), std::string::npos)
      << ui.questions.at(0).informative;
  ui.answerWith(kAlertAlternate);
  ASSERT_TRUE(edit(UndoRequest{}).isDone());
  EXPECT_EQ(referencesOf(11), std::make_pair(50, 60));
  EXPECT_EQ(referencesOf(12), std::make_pair(12, 50));
  writeFile(soundScriptPath(root(), 11), soundScriptText("fixed", 1, 1, 2, 0));
  writeFile(soundScriptPath(root(), 12), soundScriptText("fixed", 1, 1, 2, 0));
  EXPECT_EQ(edit(ClearEmptyReferencesRequest{}).kind, EditOutcome::Kind::Refused);
}

TEST_F(FindReplaceTest, NoMatchStillReportsACountOfZero) {
  EXPECT_EQ(edit(FindReplaceRequest{33, 1, chosen}).occurrences, 0);
  EXPECT_EQ(ui.messages.at(0).informative, "Replaced 0 occurrences.");
}

TEST_F(FindReplaceTest, ANumberOutsideTheBankIsRefused) {
  EXPECT_EQ(edit(FindReplaceRequest{12, 1000, chosen}).kind, EditOutcome::Kind::Refused);
  EXPECT_EQ(referencesOf(3), std::make_pair(12, 4));
}

// Only reference keys that are there are occurrences: a missing key reads 0 but refers to
// nothing. And -1, the value a removal leaves, can be found and given like a model number.
TEST_F(FindReplaceTest, OnlyPresentReferencesCountAndMinusOneIsAValueLikeAnyOther) {
  writeFile(soundScriptPath(root(), 11), "Volume\t3\n");
  writeFile(soundScriptPath(root(), 12), "R1ModellIndex\t0\nR1Switch\t1\n");
  writeFile(soundScriptPath(root(), 13), "R1ModellIndex\t-1\nR2ModellIndex\t-1\n");
  const EditOutcome zero = edit(FindReplaceRequest{0, 5, {11, 12}});
  EXPECT_EQ(zero.occurrences, 1);
  EXPECT_EQ(ui.messages.at(0).informative, "Replaced 1 occurrences.");
  EXPECT_EQ(readFile(soundScriptPath(root(), 11)), "Volume\t3\n");
  EXPECT_EQ(referencesOf(12).first, 5);

  EXPECT_EQ(edit(FindReplaceRequest{-1, 7, {11, 13}}).occurrences, 2);
  EXPECT_EQ(referencesOf(13), std::make_pair(7, 7));
  EXPECT_EQ(edit(FindReplaceRequest{7, -1, {13}}).occurrences, 2);
  EXPECT_EQ(referencesOf(13), std::make_pair(-1, -1));
  EXPECT_EQ(edit(FindReplaceRequest{-2, 7, {13}}).kind, EditOutcome::Kind::Refused);
}

}  // namespace
}  // namespace slotsmith::testing
