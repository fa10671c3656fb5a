// Dedupe end to end through runEdit: every reference to a copy points at the lowest slot of its
// group, the copies are gone, the kept models and every other byte of the scripts are as before.
#include <sstream>

#include "ModelBankTest.h"

namespace slotsmith::testing {
namespace {

struct DedupeCase {
  std::string title;
  bool ignoreModelNames;
  std::map<int, int> pointsAt;  // model slot -> the slot its references point at afterwards
};

class DedupeEditTest : public ModelBankTest, public ::testing::WithParamInterface<DedupeCase> {};

// Every line of a script but the two reference values.
std::string withoutReferences(const std::string& script) {
  std::istringstream in(script);
  std::string kept, line;
  while (std::getline(in, line)) {
    if (!line.starts_with("R1ModellIndex") && !line.starts_with("R2ModellIndex"))
      kept += line + "|";
  }
  return kept;
}

TEST_P(DedupeEditTest, ReferencesPointAtTheLowestAndTheCopiesAreGone) {
  const DedupeCase& c = GetParam();
  // 1 = 4 and 2 = 5 = 7 byte for byte; 6 holds 0's data under another name.
  for (int m : {0, 1, 2, 3})
    writeModel(root(), m, "M" + std::to_string(m));
  writeModel(root(), 4, "M1");
  writeModel(root(), 5, "M2");
  writeModel(root(), 7, "M2");
  writeFile(modelNamePath(root(), 6), "Zed\n");
  writeFile(slotFolderPath(root(), Bank::Models, 6) + "/data.bin", "model M0");
  for (int m = 0; m < 8; ++m)
    writeSound(root(), m, "S" + std::to_string(m), m, m % 2, 7 - m, 1);
  database->evaluateNeuronDb();
  std::map<int, std::string> scripts;
  for (int s = 0; s < 8; ++s)
    scripts[s] = readFile(soundScriptPath(root(), s));
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(DedupeRequest{.ignoreModelNames = c.ignoreModelNames});
  ASSERT_TRUE(outcome.isDone()) << outcome.message;
  auto after = [&](int model) { return c.pointsAt.count(model) ? c.pointsAt.at(model) : model; };
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(referencesOf(s), std::make_pair(after(s), after(7 - s))) << "sound " << s;
    EXPECT_EQ(withoutReferences(readFile(soundScriptPath(root(), s))),
              withoutReferences(scripts[s]));
  }
  for (int m = 0; m < 8; ++m) {
    EXPECT_EQ(exists(slotFolderPath(root(), Bank::Models, m)), after(m) == m) << "model " << m;
  }
  EXPECT_EQ(readFile(modelNamePath(root(), 2)), "M2\n");
}

INSTANTIATE_TEST_SUITE_P(
    Groups, DedupeEditTest,
    ::testing::Values(DedupeCase{"names_count", false, {{4, 1}, {5, 2}, {7, 2}}},
                      DedupeCase{"names_ignored", true, {{4, 1}, {5, 2}, {6, 0}, {7, 2}}}),
    [](const ::testing::TestParamInfo<DedupeCase>& info) { return info.param.title; });

}  // namespace
}  // namespace slotsmith::testing
