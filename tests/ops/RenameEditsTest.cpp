// Renames end to end through runEdit: the file that holds the name keeps every other byte, the
// scan sees the new name, the names file is rewritten; a name that cannot be stored, an empty
// slot or a slot outside the bank refuses the whole edit and changes nothing.
#include <sstream>

#include "ModelBankTest.h"
#include "core/SlotNames.h"

namespace slotsmith::testing {
namespace {

struct OddFile {
  std::string title;
  Bank bank;
  std::string bytes;
};

// The bytes that do not hold the name: a script without its name lines, an MName without its
// first line.
std::string withoutName(Bank bank, const std::string& bytes) {
  if (bank == Bank::Models) {
    const std::size_t end = bytes.find('\n');
    return end == std::string::npos ? std::string() : bytes.substr(end + 1);
  }
  std::istringstream in(bytes);
  std::string kept, line;
  while (std::getline(in, line))
    if (!line.starts_with("SoundNameC")) kept += line + "|";
  return kept;
}

class RenameEditTest : public ModelBankTest, public ::testing::WithParamInterface<OddFile> {};

TEST_P(RenameEditTest, OnlyTheNameChangesAndTheNamesFileFollows) {
  const OddFile& odd = GetParam();
  const std::string path =
      odd.bank == Bank::Sounds ? soundScriptPath(root(), 4) : modelNamePath(root(), 4);
  writeFile(path, odd.bytes);
  writeSound(root(), 0, "Other", 4);
  writeModel(root(), 0, "Other");
  database->evaluateNeuronDb();
  const std::string name = odd.bank == Bank::Sounds ? "Brand New Name" : "New Model";
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(RenameRequest{odd.bank, {{4, name}, {0, "Other"}}});
  ASSERT_TRUE(outcome.isDone()) << outcome.message;
  EXPECT_EQ(outcome.plan.changes.size(), 1u);  // slot 0 keeps its name: no write
  EXPECT_EQ(withoutName(odd.bank, readFile(path)), withoutName(odd.bank, odd.bytes));
  const SlotTables& tables = database->tables();
  // A script that padded its name with spaces keeps doing so.
  std::string scanned =
      odd.bank == Bank::Sounds ? tables.soundSlots[4].sSoundName : tables.modelSlots[4].sModelName;
  EXPECT_EQ(scanned.substr(0, scanned.find_last_not_of(' ') + 1), name);
  const std::string names =
      readFile(odd.bank == Bank::Sounds ? soundNamesPath(root()) : modelNamesPath(root()));
  EXPECT_NE(names.find("004\t" + name), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    OddFiles, RenameEditTest,
    ::testing::Values(
        OddFile{"plain", Bank::Sounds, soundScriptText("Old", 3, 1, 5, 0)},
        OddFile{"crlf_unknown_keys_no_final_newline", Bank::Sounds,
                "Mystery\tx y\r\nSoundNameC00\t79\r\nSoundNameC01\t0\r\nR1ModellIndex\t3\r\n"
                "SoundNameC00\t80\r\nweird line without tab\r\nPan\t64"},
        OddFile{"space_padded_and_missing_keys", Bank::Sounds,
                "SoundNameC00\t65\nSoundNameC01\t32\nSoundNameC02\t32\nR2ModellIndex\t-1\n"},
        OddFile{"model_crlf_and_later_lines", Bank::Models, "Old Model\r\nsecond line\r\n\x01\x02"},
        OddFile{"model_without_newline", Bank::Models, "Old"}),
    [](const ::testing::TestParamInfo<OddFile>& info) { return info.param.title; });

TEST_F(ModelBankTest, ARenameThatCannotBeDoneRefusesTheWholeEditAndChangesNothing) {
  writeTenModelsAndSounds();
  database->evaluateNeuronDb();
  struct Refusal {
    Bank bank;
    std::map<int, std::string> names;
    std::string says;
  };
  const std::vector<Refusal> refusals{
      {Bank::Sounds, {{1, "Fine"}, {2, "A name far too long"}}, "sound 2"},
      {Bank::Models, {{1, "Fine"}, {3, "Sixteen chars!!!"}}, "model 3"},
      {Bank::Sounds, {{1, "Fine"}, {5, "Caf\xc3\xa9"}}, "sound 5"},
      {Bank::Sounds, {{1, "Fine"}, {6, ""}}, "sound 6"},
      {Bank::Sounds, {{1, "Fine"}, {40, "Nobody"}}, "sound 40 is empty"},
      {Bank::Models, {{1, "Fine"}, {40, "Nobody"}}, "model 40 is empty"},
      {Bank::Sounds, {{1, "Fine"}, {1000, "Outside"}}, "sound 1000"},
  };
  const auto before = treeSnapshot(root());
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.says);
    const EditOutcome outcome = edit(RenameRequest{refusal.bank, refusal.names});
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Refused);
    EXPECT_NE(outcome.message.find(refusal.says), std::string::npos) << outcome.message;
    EXPECT_EQ(treeSnapshot(root()), before);
  }
  // Nothing to change: no question, no step, nothing written.
  const EditOutcome unchanged =
      edit(RenameRequest{Bank::Sounds, {{1, "S1"}, {40, kEmptySlotName}}});
  EXPECT_TRUE(unchanged.isDone());
  EXPECT_TRUE(unchanged.plan.changes.empty());
  EXPECT_TRUE(ui.questions.empty());
  EXPECT_EQ(treeSnapshot(root()), before);
}

}  // namespace
}  // namespace slotsmith::testing
