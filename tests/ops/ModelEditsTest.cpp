// End states of the model edits on real database folders: where every model folder is, and what
// every reference of every sound holds afterwards.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>
#include <variant>

#include "ModelBankTest.h"
#include "support/FaultInjectingFileSystem.h"

namespace slotsmith::testing {
namespace {

constexpr int E = ModelBankTest::kMissing;

struct BlockCase {
  std::vector<int> rows;
  int destination;
  std::vector<int> expected;  // the original model in each folder 0..n-1, E for none
};

void PrintTo(const BlockCase& c, std::ostream* out) {
  *out << "{";
  for (int row : c.rows)
    *out << row << " ";
  *out << "} to " << c.destination;
}

class MoveModelsTest : public ModelBankTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(MoveModelsTest, TheBlockLandsAtTheDestinationAndEveryReferenceFollowsItsModel) {
  writeTenModelsAndSounds();
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome =
      edit(MoveRequest{Bank::Models, GetParam().rows, GetParam().destination});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(modelOrigins(static_cast<int>(GetParam().expected.size())), GetParam().expected);
  expectReferencesFollowTheModels();
  EXPECT_EQ(ui.questions[0].message, "Move models");
  EXPECT_EQ(ui.progressTexts.front(), "Moving models...");
  // Once the folders are in place the display says that the sounds are being updated.
  const bool referencesChange = GetParam().rows != std::vector<int>{5};
  EXPECT_EQ(std::count(ui.progressTexts.begin(), ui.progressTexts.end(), "Updating sounds..."),
            referencesChange ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    TenModels, MoveModelsTest,
    ::testing::Values(BlockCase{{7, 8}, 2, {0, 1, 7, 8, 2, 3, 4, 5, 6, 9, E}},
                      BlockCase{{2, 3}, 7, {0, 1, E, E, 4, 5, 6, 2, 3, 7, 8, 9, E}},
                      BlockCase{{0, 9}, 5, {E, 1, 2, 3, 4, 0, 9, 5, 6, 7, 8, E}},
                      BlockCase{{5}, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}}));

TEST_F(ModelBankTest, MovesGiveTheReferencesTheDescribedNumbers) {
  writeTenModelsAndSounds();
  ui.answerWith(kAlertDefault);
  edit(MoveRequest{Bank::Models, {7, 8}, 2});
  EXPECT_EQ(referencesOf(6), std::make_pair(8, 2));
  EXPECT_EQ(referencesOf(7), std::make_pair(2, 3));
  EXPECT_EQ(referencesOf(8), std::make_pair(3, 9));
  EXPECT_EQ(referencesOf(0), std::make_pair(0, 1));
  ui.answerWith(kAlertDefault);
  edit(MoveRequest{Bank::Models, {5}, 5});
  EXPECT_EQ(referencesOf(6), std::make_pair(8, 2));
}

TEST_F(ModelBankTest, CopyRaisesTheReferencesFromTheDestinationOnAndNoSoundUsesTheCopy) {
  writeTenModelsAndSounds();
  writeSound(root(), 20, "outside", 1200, 1, -1, 0);
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(CopyRequest{Bank::Models, {2}, 5});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(modelOrigins(12), (std::vector<int>{0, 1, 2, 3, 4, 2, 5, 6, 7, 8, 9, E}));
  EXPECT_EQ(referencesOf(4), std::make_pair(4, 6));
  EXPECT_EQ(referencesOf(1), std::make_pair(1, 2));
  EXPECT_EQ(referencesOf(9), std::make_pair(10, 0));
  // A reference outside the bank points at no model; the shift leaves it alone.
  EXPECT_EQ(referencesOf(20), std::make_pair(1200, -1));
}

TEST_F(ModelBankTest, RemoveSetsReferencesToRemovedModelsToMinusOneAndCloseTheGaps) {
  writeTenModelsAndSounds();
  chosen = {3, 5};
  ui.answerWith(kAlertOther);
  const EditOutcome outcome =
      edit(DeleteRequest{.bank = Bank::Models, .slots = chosen, .letUserChoose = true});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(modelOrigins(10), (std::vector<int>{0, 1, 2, 4, 6, 7, 8, 9, E, E}));
  expectReferencesFollowTheModels();
  EXPECT_EQ(referencesOf(3), std::make_pair(-1, 3));
  EXPECT_EQ(ui.questions[0].buttons.otherButton, "Remove");
  EXPECT_EQ(ui.progressTexts.front(), "Removing...");
  EXPECT_TRUE(exists(modelNamesPath(root())));
}

TEST_F(ModelBankTest, DeleteLeavesTheSlotEmptyAndEveryScriptUntouched) {
  writeTenModelsAndSounds();
  writeSound(root(), 12, "uses 5", 5, 1, 5, 0);
  const std::string before = readFile(soundScriptPath(root(), 12));
  chosen = {5};
  ui.answerWith(kAlertAlternate);
  edit(DeleteRequest{.bank = Bank::Models, .slots = chosen, .letUserChoose = true});
  EXPECT_FALSE(exists(slotFolderPath(root(), Bank::Models, 5)));
  EXPECT_EQ(modelOriginAt(6), 6);
  EXPECT_EQ(readFile(soundScriptPath(root(), 12)), before);
}

// The question names the models chosen and the sounds that use them, switched on or off, by
// number and name; then Cancel is what Return answers. Cancelling changes nothing.
TEST_F(ModelBankTest, TheDeleteQuestionNamesTheModelsAndTheSoundsUsingThem) {
  const std::string asked =
      "Are you sure you want to delete or remove %d selected models now? Undo reverses it.\n\n"
      "Deleting leaves empty slots, remove moves the remaining models up.\n\n";
  const struct {
    std::vector<int> models;
    std::string selected;  // what follows the alert's own sentence
    bool declineByDefault;
  } cases[] = {
      {{20}, "The selected model: slot 20.", false},
      {{3},
       "The selected model: slot 3.\n\n2 sounds use it: 2 (S2), 3 (S3). Deleting leaves them "
       "referring to empty model slots; removing sets their references to no model (-1).",
       true},
      {{0, 20, 21},
       "The selected models: slots 0, 20–21.\n\n3 sounds use them: 0 (S0), 9 (S9), 30. Deleting "
       "leaves them referring to empty model slots; removing sets their references to no model "
       "(-1).",
       true},
      {{1, 3, 5, 7, 9, 20, 21},
       "The selected models: slots 1, 3, 5, 7 … and 3 more.\n\n11 sounds use them: 0 (S0), "
       "1 (S1), 2 (S2), 3 (S3) … and 7 more. Deleting leaves them referring to empty model "
       "slots; removing sets their references to no model (-1).",
       true},
  };
  writeTenModelsAndSounds();
  writeModel(root(), 20, "M20");
  writeModel(root(), 21, "M21");
  writeSound(root(), 30, "", 21, 0, -1, 0);  // no name; its reference switched off
  for (const auto& c : cases) {
    SCOPED_TRACE(c.selected);
    chosen = c.models;
    ui.questions.clear();
    ui.answerWith(kAlertDefault);
    EXPECT_EQ(
        edit(DeleteRequest{.bank = Bank::Models, .slots = chosen, .letUserChoose = true}).kind,
        EditOutcome::Kind::Cancelled);
    char sentence[256];
    std::snprintf(sentence, sizeof sentence, asked.c_str(), static_cast<int>(c.models.size()));
    ASSERT_EQ(ui.questions.size(), 1u);
    EXPECT_EQ(ui.questions[0].informative, sentence + c.selected);
    EXPECT_EQ(ui.questions[0].declineByDefault, c.declineByDefault);
    EXPECT_EQ(modelOrigins(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_FALSE(exists(modelNamesPath(root())));
  }
}

TEST_F(ModelBankTest, DuplicateSwitchedOffEmptySlotAndMinusOneReferences) {
  writeModels(0, 9);
  // Each line follows its own value: the second R1ModellIndex line names model 2, below the
  // removed one, and keeps it.
  writeFile(soundScriptPath(root(), 0),
            "R1ModellIndex\t6\nR1Switch\t0\nR1ModellIndex\t2\n"
            "R2ModellIndex\t15\nR2Switch\t1\n");
  writeSound(root(), 1, "gone", -1, 1, 7, 0);
  chosen = {4};
  ui.answerWith(kAlertOther);
  edit(DeleteRequest{.bank = Bank::Models, .slots = chosen, .letUserChoose = true});
  EXPECT_EQ(readFile(soundScriptPath(root(), 0)),
            "R1ModellIndex\t5\nR1Switch\t0\nR1ModellIndex\t2\n"
            "R2ModellIndex\t14\nR2Switch\t1\n");
  EXPECT_EQ(referencesOf(1), std::make_pair(-1, 6));
}

TEST_F(ModelBankTest, OnlyChangedScriptsAreWrittenAndNoScriptIsCreatedInAnEmptySoundSlot) {
  writeTenModelsAndSounds();
  writeFile(soundScriptPath(root(), 30), "R1ModellIndex\t+001\r\nR2ModellIndex\t-1\r\n");
  writeFile(slotFolderPath(root(), Bank::Sounds, 31) + "/notes.txt", "no script here");
  chosen = {8};
  ui.answerWith(kAlertOther);
  const EditOutcome outcome =
      edit(DeleteRequest{.bank = Bank::Models, .slots = chosen, .letUserChoose = true});
  EXPECT_EQ(readFile(soundScriptPath(root(), 30)), "R1ModellIndex\t+001\r\nR2ModellIndex\t-1\r\n");
  EXPECT_FALSE(exists(soundScriptPath(root(), 31)));
  int writes = 0;
  for (const Change& step : outcome.plan.changes)
    writes += step.kind == Change::Kind::Write;
  EXPECT_EQ(writes, 3);  // sounds 7, 8 and 9, which refer to 8 or 9
}

TEST_F(ModelBankTest, ReferencesFollowAModelPushedIntoAnOverflowFolderTakenByALeftover) {
  writeModels(995, 999);
  writeFile(slotFolderPath(root(), Bank::Models, 1000) + "/MName", "left over\n");
  writeSound(root(), 0, "top", 999, 1, 10003, 1);
  ui.answerWith(kAlertDefault);
  ui.answerWith(kAlertAlternate);  // continue although a model leaves the bank
  const EditOutcome outcome = edit(CopyRequest{Bank::Models, {995}, 990});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(modelOriginAt(1001), 999);
  EXPECT_EQ(referencesOf(0), std::make_pair(1001, 10003));
}

TEST_F(ModelBankTest, AFailedScriptWriteRollsTheWholeEditBack) {
  writeTenModelsAndSounds();
  FaultInjectingFileSystem faulty(realFileSystem());
  useFileSystem(faulty);
  ui.answerWith(kAlertDefault);
  // The first changes make the hidden folder, the history, the entry and its staged/ and kept/
  // folders; then each new script is staged before the commit. The second one fails.
  faulty.failChange(6);
  const EditOutcome outcome = edit(MoveRequest{Bank::Models, {9}, 4});
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Failed);
  EXPECT_NE(outcome.message.find("rolled back: nothing was changed"), std::string::npos)
      << outcome.message;
  EXPECT_EQ(outcome.message.find("still refer"), std::string::npos) << outcome.message;
  EXPECT_EQ(modelOrigins(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ModelBankTest, AFailureBeforeAnyModelMovedReportsNoStaleReference) {
  writeTenModelsAndSounds();
  FaultInjectingFileSystem faulty(realFileSystem());
  useFileSystem(faulty);
  ui.answerWith(kAlertDefault);
  // The staging copy, after the hidden folder, the history and the entry with its two folders.
  faulty.failChange(5);
  const EditOutcome outcome = edit(CopyRequest{Bank::Models, {3}, 6});
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Failed);
  EXPECT_EQ(outcome.message.find("still refer"), std::string::npos) << outcome.message;
  EXPECT_EQ(modelOrigins(10), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

// A script that gives each reference key on more than one line: the first lines (the ones the
// scan reads) name -1 and model 5, the later ones models 2 and 8 and -1. Whatever a model edit or
// an import does, every line must go on naming the model it named (or -1 where that model is
// gone), never the model that took its number.
constexpr int kTwice = 20;

struct RepeatedKeyCase {
  std::string name;
  std::function<EditRequest(const std::string& other)> request;
  int answer;
  int soundAfter;  // the slot of the sound with the repeated keys after the edit
};

void PrintTo(const RepeatedKeyCase& c, std::ostream* out) {
  *out << c.name;
}

class RepeatedReferenceKeyTest : public ModelBankTest,
                                 public ::testing::WithParamInterface<RepeatedKeyCase> {
 protected:
  static std::vector<int32_t> referenceLines(const std::string& bytes) {
    auto script = std::make_unique<SoundScript>();
    script->parse(bytes);
    std::vector<int32_t> values;
    for (const ScriptLine& line : script->lines) {
      const std::string_view key = line.key;
      if (key == kModel1Key || key == kModel2Key) values.push_back(line.value);
    }
    return values;
  }
};

TEST_P(RepeatedReferenceKeyTest, EveryLineOfTheKeyKeepsNamingItsModel) {
  const bool import = std::holds_alternative<ImportSoundsRequest>(GetParam().request(""));
  const std::string other = root() + " elsewhere";
  const std::string source = import ? other : root();
  for (int slot = 0; slot <= 9; ++slot)
    writeModel(source, slot, "M" + std::to_string(slot));
  writeSound(source, 0, "Uses", 3, 1, 6, 1);
  const std::string twice = soundScriptText("Twice", -1, 1, 5, 1) +
                            "R1ModellIndex\t2\nR2ModellIndex\t8\nR2ModellIndex\t-1\n";
  writeFile(soundScriptPath(source, kTwice), twice);
  if (import) {
    writeModel(root(), 0, "M50");
    writeSound(root(), 0, "Here", 0);
  }
  ui.answerWith(GetParam().answer);
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(GetParam().request(other));
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;

  std::vector<int32_t> expected;
  for (const int32_t before : referenceLines(twice))
    expected.push_back(isModelNumber(before) ? newNumberOf(before) : before);
  EXPECT_EQ(referenceLines(readFile(soundScriptPath(root(), GetParam().soundAfter))), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ModelEdits, RepeatedReferenceKeyTest,
    ::testing::Values(
        RepeatedKeyCase{"move",
                        [](auto&) {
                          return MoveRequest{Bank::Models, {2}, 7};
                        },
                        kAlertDefault, kTwice},
        RepeatedKeyCase{"move_block_down",
                        [](auto&) {
                          return MoveRequest{Bank::Models, {5, 8}, 0};
                        },
                        kAlertDefault, kTwice},
        RepeatedKeyCase{
            "remove_and_close",
            [](auto&) {
              return DeleteRequest{.bank = Bank::Models, .slots = {1, 5}, .letUserChoose = true};
            },
            kAlertOther, kTwice},
        RepeatedKeyCase{"consolidate", [](auto&) { return ConsolidateRequest{.from = 0}; },
                        kAlertOther, kTwice},
        RepeatedKeyCase{"import",
                        [](const std::string& other) {
                          return ImportSoundsRequest{other, {kTwice}, 30};
                        },
                        kAlertDefault, 30}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace slotsmith::testing
