// End states of the sound edits on real database folders: where every sound is afterwards, what
// the user was asked, and that declined or refused edits change nothing.
#include "SoundEditsTest.h"

#include "support/InMemoryFileSystem.h"

namespace slotsmith::testing {
namespace {

constexpr int E = SoundBankTest::kMissing;

struct BlockCase {
  std::vector<int> rows;
  int destination;
  std::vector<int> expected;  // the original slot in each folder 0..n-1, E for none
};

void PrintTo(const BlockCase& c, std::ostream* out) {
  *out << "{";
  for (int row : c.rows)
    *out << row << " ";
  *out << "} to " << c.destination;
}

class MoveSoundsTest : public SoundBankTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(MoveSoundsTest, TheBlockLandsAtTheDestinationAndTheOthersCloseUp) {
  writeSounds(0, 9);
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome =
      edit(MoveRequest{Bank::Sounds, GetParam().rows, GetParam().destination});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(origins(static_cast<int>(GetParam().expected.size())), GetParam().expected);
  EXPECT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.progressTexts.front(), "Moving sounds...");
  EXPECT_TRUE(ui.dropEnabled);
}

INSTANTIATE_TEST_SUITE_P(
    TenSounds, MoveSoundsTest,
    ::testing::Values(BlockCase{{7, 8}, 2, {0, 1, 7, 8, 2, 3, 4, 5, 6, 9, E, E}},
                      BlockCase{{3}, 0, {3, 0, 1, 2, 4, 5, 6, 7, 8, 9, E}},
                      BlockCase{{5}, 5, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}},
                      BlockCase{{5}, 4, {0, 1, 2, 3, 5, 4, 6, 7, 8, 9, E}},
                      BlockCase{{5}, 6, {0, 1, 2, 3, 4, E, 5, 6, 7, 8, 9, E}},
                      BlockCase{{2, 3}, 7, {0, 1, E, E, 4, 5, 6, 2, 3, 7, 8, 9, E}},
                      BlockCase{{5, 6, 7}, 6, {0, 1, 2, 3, 4, E, 5, 6, 7, 8, 9, E}},
                      BlockCase{{0, 9}, 5, {E, 1, 2, 3, 4, 0, 9, 5, 6, 7, 8, E}}));

class CopySoundsTest : public SoundBankTest, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(CopySoundsTest, CopiesLandAtTheDestinationAndEverySlotBehindMovesUp) {
  writeSounds(0, 9);
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome =
      edit(CopyRequest{Bank::Sounds, GetParam().rows, GetParam().destination});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  EXPECT_EQ(origins(static_cast<int>(GetParam().expected.size())), GetParam().expected);
  EXPECT_EQ(ui.progressTexts.front(), "Copying sounds...");
}

INSTANTIATE_TEST_SUITE_P(
    TenSounds, CopySoundsTest,
    ::testing::Values(BlockCase{{2, 3}, 5, {0, 1, 2, 3, 4, 2, 3, 5, 6, 7, 8, 9, E}},
                      BlockCase{{5, 6, 7}, 6, {0, 1, 2, 3, 4, 5, 5, 6, 7, 6, 7, 8, 9, E}},
                      BlockCase{{3, 9}, 0, {3, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}},
                      BlockCase{{12}, 1, {0, E, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}}));

TEST_F(SoundBankTest, TheCopyAlertNamesCountFirstSlotAndDestination) {
  writeSounds(0, 9);
  ui.answerWith(kAlertDefault);
  edit(CopyRequest{Bank::Sounds, {3, 2}, 5});
  ASSERT_EQ(ui.questions.size(), 1u);
  EXPECT_EQ(ui.questions[0].message, "Copy sounds");
  EXPECT_EQ(
      ui.questions[0].informative,
      "Are you sure you want to copy 2 sounds starting at slot#2 to slot#5? Undo reverses it.");
  EXPECT_EQ(ui.questions[0].buttons.defaultButton, "Ok");
  EXPECT_EQ(ui.questions[0].buttons.alternateButton, "Cancel");
}

TEST_F(SoundBankTest, ACopiedSlotFolderIsCompleteAndTheNamesFileIsRewritten) {
  writeSounds(0, 3);
  writeFile(slotFolderPath(root(), Bank::Sounds, 1) + "/samples/wave.bin", "wave data");
  ui.answerWith(kAlertDefault);
  EXPECT_EQ(edit(CopyRequest{Bank::Sounds, {1}, 0}).kind, EditOutcome::Kind::Done);
  EXPECT_EQ(readFile(slotFolderPath(root(), Bank::Sounds, 0) + "/samples/wave.bin"), "wave data");
  EXPECT_EQ(readFile(slotFolderPath(root(), Bank::Sounds, 2) + "/samples/wave.bin"), "wave data");
  EXPECT_EQ(readFile(soundNamesPath(root())).size(), 21000u);
  EXPECT_EQ(std::string(database->tables().soundSlots[0].sSoundName), "Sound 001");
}

TEST_F(SoundBankTest, RemoveClosesTheGapsAndDeleteLeavesThemEmpty) {
  writeSounds(0, 9);
  chosen = {3, 5};
  ui.answerWith(kAlertOther);
  EXPECT_EQ(edit(DeleteRequest{.bank = Bank::Sounds, .slots = chosen, .letUserChoose = true}).kind,
            EditOutcome::Kind::Done);
  EXPECT_EQ(origins(10), (std::vector<int>{0, 1, 2, 4, 6, 7, 8, 9, E, E}));
  EXPECT_EQ(ui.progressTexts.front(), "Removing...");
  EXPECT_EQ(ui.questions[0].informative,
            "Are you sure you want to delete or remove 2 selected sounds now? Undo reverses "
            "it.\n\nDeleting leaves empty slots, remove moves the remaining sounds up.\n\nThe "
            "selected sounds: slots 3, 5.");

  chosen = {0, 4};
  ui.answerWith(kAlertAlternate);
  EXPECT_EQ(edit(DeleteRequest{.bank = Bank::Sounds, .slots = chosen, .letUserChoose = true}).kind,
            EditOutcome::Kind::Done);
  EXPECT_EQ(origins(10), (std::vector<int>{E, 1, 2, 4, E, 7, 8, 9, E, E}));
  EXPECT_EQ(listNames(bankFolderPath(root(), Bank::Sounds)).size(), 6u);
}

TEST_F(SoundBankTest, RemovedEmptySlotsCountLikeTheOthers) {
  writeSounds(0, 9);
  writeSounds(15, 16);
  chosen = {3, 12};
  ui.answerWith(kAlertOther);
  edit(DeleteRequest{.bank = Bank::Sounds, .slots = chosen, .letUserChoose = true});
  EXPECT_EQ(origins(17), (std::vector<int>{0, 1, 2, 4, 5, 6, 7, 8, 9, E, E, E, E, 15, 16, E, E}));
}

TEST_F(SoundBankTest, AFullBankLosesNothingWhenSlotsAreRemovedAndMoved) {
  writeSounds(0, 999);
  chosen = {500, 999};
  ui.answerWith(kAlertOther);
  edit(DeleteRequest{.bank = Bank::Sounds, .slots = chosen, .letUserChoose = true});
  EXPECT_EQ(originAt(499), 499);
  EXPECT_EQ(originAt(500), 501);
  EXPECT_EQ(originAt(997), 998);
  EXPECT_EQ(originAt(998), E);
  EXPECT_EQ(originAt(999), E);

  writeSounds(998, 999);
  ui.answerWith(kAlertDefault);    // "Ok"
  ui.answerWith(kAlertAlternate);  // "Continue", although two sounds leave the bank
  EXPECT_EQ(edit(MoveRequest{Bank::Sounds, {5, 6}, 500}).kind, EditOutcome::Kind::Done);
  ASSERT_EQ(ui.questions.size(), 3u);
  EXPECT_NE(ui.questions[2].informative.find("2 occupied sound slots"), std::string::npos);
  EXPECT_EQ(ui.questions[2].buttons.defaultButton, "Cancel");
  EXPECT_EQ(originAt(5), E);
  EXPECT_EQ(originAt(500), 5);
  EXPECT_EQ(originAt(501), 6);
  EXPECT_EQ(originAt(1000), 998);
  EXPECT_EQ(originAt(1001), 999);
}

TEST_F(SoundBankTest, DecliningTheWarningAboutSlotsLeavingTheBankChangesNothing) {
  writeSounds(990, 999);
  ui.answerWith(kAlertDefault);
  ui.answerWith(kAlertDefault);  // "Cancel"
  EXPECT_EQ(edit(CopyRequest{Bank::Sounds, {995}, 0}).kind, EditOutcome::Kind::Cancelled);
  EXPECT_EQ(originAt(999), 999);
  EXPECT_EQ(originAt(1000), E);
  EXPECT_FALSE(rescanned());
}

// What a front end already knows travels in the options: a confirmation given, slots leaving the
// bank named in the confirmation. A warning about more than was named is still asked.
struct KnownAnswers {
  const char* name;
  bool confirmed;
  int leavingNamed;  // -1: no note
  bool confirmationAsked;
  bool warningAsked;
};

class KnownAnswersTest : public SoundBankTest,
                         public ::testing::WithParamInterface<KnownAnswers> {};

TEST_P(KnownAnswersTest, SpareOnlyTheirOwnQuestions) {
  const KnownAnswers& c = GetParam();
  writeSounds(990, 999);
  options.confirmed = c.confirmed;
  if (c.leavingNamed >= 0) {
    options.leavingNote = "NOTE";
    options.leavingSlots = c.leavingNamed;
  }
  if (c.confirmationAsked) ui.answerWith(kAlertDefault);
  if (c.warningAsked) ui.answerWith(kAlertAlternate);  // "Continue"
  EXPECT_TRUE(edit(CopyRequest{Bank::Sounds, {995}, 0}).isDone());
  ASSERT_EQ(ui.questions.size(), std::size_t{c.confirmationAsked} + c.warningAsked);
  EXPECT_EQ(ui.questions.back().isWarning, c.warningAsked);
  if (c.leavingNamed >= 0) {
    EXPECT_NE(ui.questions.front().informative.find("NOTE"), std::string::npos);
    EXPECT_TRUE(ui.questions.front().declineByDefault);
  }
  EXPECT_EQ(originAt(1000), 999);
}

INSTANTIATE_TEST_SUITE_P(
    Options, KnownAnswersTest,
    ::testing::Values(KnownAnswers{"asked_as_they_come", false, -1, true, true},
                      KnownAnswers{"confirmed_the_warning_still_comes", true, -1, false, true},
                      KnownAnswers{"the_note_named_the_slot", false, 1, true, false},
                      KnownAnswers{"the_note_named_fewer", false, 0, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A picture that is not the disk's refuses before any question, changing nothing.
TEST_F(SoundBankTest, AStalePictureIsRefusedBeforeAnyQuestion) {
  writeSounds(0, 5);
  ASSERT_TRUE(database->root());
  database->rescanQuietly();
  options.picture = pictureOf(database->tables());
  writeSounds(7, 7);  // another program adds a sound
  const EditOutcome stale = edit(MoveRequest{Bank::Sounds, {3}, 0});
  EXPECT_TRUE(stale.stale);
  EXPECT_EQ(stale.kind, EditOutcome::Kind::Refused);
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(originAt(3), 3);
}

TEST_F(SoundBankTest, LeftoversOfEarlierRunsAreNeverOverwrittenNorStopAnEdit) {
  writeSounds(995, 999);
  const std::string bank = bankFolderPath(root(), Bank::Sounds);
  const std::vector<std::string> leftovers = {"1000.sound", "1001.sound", "tmp000.sound",
                                              "slotsmith-1-moving-003.sound", "10003.sound"};
  for (const std::string& name : leftovers)
    writeFile(bank + "/" + name + "/note", name);
  ui.answerWith(kAlertDefault);
  ui.answerWith(kAlertAlternate);
  EXPECT_EQ(edit(CopyRequest{Bank::Sounds, {997}, 0}).kind, EditOutcome::Kind::Done);
  for (const std::string& name : leftovers)
    EXPECT_EQ(readFile(bank + "/" + name + "/note"), name);
  EXPECT_NE(ui.questions[1].informative.find("1002.sound"), std::string::npos);
  EXPECT_EQ(originAt(0), 997);
  EXPECT_EQ(originAt(998), 997);
  EXPECT_EQ(originAt(999), 998);
  EXPECT_EQ(originAt(1002), 999);
  EXPECT_EQ(listNames(bank).size(), leftovers.size() + 6);
}

TEST_F(SoundBankTest, CancelChangesNothingAndRunsNoRescanOrNamesFile) {
  writeSounds(0, 9);
  ui.answerWith(kAlertAlternate);
  EXPECT_EQ(edit(MoveRequest{Bank::Sounds, {7}, 2}).kind, EditOutcome::Kind::Cancelled);
  ui.answerWith(kAlertAlternate);
  EXPECT_EQ(edit(CopyRequest{Bank::Sounds, {7}, 2}).kind, EditOutcome::Kind::Cancelled);
  chosen = {1};
  ui.answerWith(kAlertDefault);
  EXPECT_EQ(edit(DeleteRequest{.bank = Bank::Sounds, .slots = chosen, .letUserChoose = true}).kind,
            EditOutcome::Kind::Cancelled);
  EXPECT_EQ(origins(11), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}));
  EXPECT_FALSE(rescanned());
  EXPECT_FALSE(exists(soundNamesPath(root())));
  EXPECT_EQ(ui.progressOpens, 0);
}

TEST_F(SoundBankTest, ABlockThatDoesNotFitIsRefusedBeforeAnythingIsAsked) {
  writeSounds(0, 9);
  for (const auto& [rows, destination] :
       std::vector<std::pair<std::vector<int>, int>>{{{1, 2}, 999}, {{1}, 1000}, {{7}, -1}}) {
    EXPECT_EQ(edit(MoveRequest{Bank::Sounds, rows, destination}).kind, EditOutcome::Kind::Refused);
    EXPECT_EQ(edit(CopyRequest{Bank::Sounds, rows, destination}).kind, EditOutcome::Kind::Refused);
  }
  EXPECT_TRUE(ui.questions.empty());
  ASSERT_FALSE(ui.messages.empty());
  EXPECT_NE(ui.messages[0].informative.find("does not fit"), std::string::npos);
  EXPECT_EQ(origins(11), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}));
}

TEST_F(SoundBankTest, WithoutADatabaseNothingIsAsked) {
  database->setRoot(std::nullopt);
  for (const EditRequest& request :
       {EditRequest{MoveRequest{Bank::Sounds, {1}, 2}},
        EditRequest{CopyRequest{Bank::Sounds, {1}, 2}},
        EditRequest{DeleteRequest{Bank::Sounds, {1}}}, EditRequest{ConsolidateRequest{}},
        EditRequest{FindReplaceRequest{1, 2, {1}}}, EditRequest{NamesExportRequest{}}}) {
    EXPECT_EQ(edit(request).kind, EditOutcome::Kind::NoDatabase) << titleOf(request);
  }
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SoundBankTest, ADryRunPlansAndAsksButChangesNothing) {
  writeSounds(0, 9);
  options.dryRun = true;
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(MoveRequest{Bank::Sounds, {7, 8}, 2});
  EXPECT_EQ(outcome.kind, EditOutcome::Kind::Done);
  EXPECT_FALSE(outcome.plan.changes.empty());
  EXPECT_EQ(origins(11), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, E}));
  EXPECT_FALSE(rescanned());
}

// A folder that cannot be written refuses the edit before any change, and the refusal says so in
// words, not only with the system's reason.
TEST(SoundEditsCheckTest, AFolderThatIsNotWritableIsRefusedBeforeAnyChange) {
  for (const auto& [folder, said] : {std::pair{"/db/Sounds", "not writable"},
                                     std::pair{"/db", "The database cannot be written"}}) {
    SCOPED_TRACE(folder);
    InMemoryFileSystem fs;
    for (int slot = 0; slot < 5; ++slot)
      fs.addFile(soundScriptPath("/db", slot), "Volume\t1\n");
    fs.makeReadOnly(folder);
    FakeUi ui;
    Database database(ui, fs);
    database.setRoot("/db");
    ui.answerWith(kAlertDefault);
    const EditOutcome outcome = runEdit(database, MoveRequest{Bank::Sounds, {3}, 0});
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Refused);
    EXPECT_NE(outcome.message.find(said), std::string::npos) << outcome.message;
    EXPECT_EQ(fs.treeBelow("/db/Sounds").size(), 10u);
    EXPECT_EQ(fs.entryType("/db/Sounds/003.sound/sound.script"), EntryType::File);
  }
}

}  // namespace
}  // namespace slotsmith::testing
