// The drop preview against the edit it previews: for a table of drops on a sparse bank, what the
// status bar says, and that once the edit ran every sound is exactly where the preview put it.
#include "ops/DropPreview.h"

#include "ModelBankTest.h"
#include "SoundEditsTest.h"

namespace slotsmith::testing {
namespace {

struct PreviewCase {
  BlockEditKind kind;
  std::vector<int> rows;
  int destination;
  std::string text;
};

// The edit a drop of the case starts.
EditRequest requestOf(Bank bank, const PreviewCase& drop) {
  if (drop.kind == BlockEditKind::Copy) return CopyRequest{bank, drop.rows, drop.destination};
  return MoveRequest{bank, drop.rows, drop.destination};
}

void PrintTo(const PreviewCase& c, std::ostream* out) {
  *out << (c.kind == BlockEditKind::Copy ? "copy" : "move") << " " << c.rows.size() << " to "
       << c.destination;
}

class DropPreviewTest : public SoundBankTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(DropPreviewTest, SaysWhatTheEditThenDoes) {
  // Occupied: 0-29, 40-49 and 995-999; the gaps between must move unseen.
  writeSounds(0, 29);
  writeSounds(40, 49);
  writeSounds(995, 999);
  database->evaluateNeuronDb();
  const PreviewCase& drop = GetParam();
  const BlockPreview preview =
      previewBlockEdit(database->tables(), Bank::Sounds, drop.rows, drop.destination, drop.kind);
  EXPECT_EQ(preview.text, drop.text);

  ui.answerWith(kAlertDefault);
  // The edit warns of its own when occupied slots would leave the bank: the same count.
  if (!preview.leavingSlots.empty()) ui.answerWith(kAlertAlternate);  // "Continue"
  const EditOutcome outcome = edit(requestOf(Bank::Sounds, drop));
  if (!preview.fits) {
    EXPECT_EQ(outcome.kind, EditOutcome::Kind::Refused);
    EXPECT_NE(outcome.message.find(preview.text), std::string::npos) << outcome.message;
    return;
  }
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  if (!preview.leavingSlots.empty()) {
    EXPECT_EQ(ui.questions.back().informative.rfind(
                  std::to_string(preview.leavingSlots.size()) + " occupied sound slot", 0),
              0u);
  }
  std::vector<int> moving;
  std::vector<int> leaving;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const bool occupied = slot <= 29 || (slot >= 40 && slot <= 49) || slot >= 995;
    if (!occupied) continue;
    const int final = preview.finalNumbers[slot];
    if (final != slot) moving.push_back(slot);
    if (final >= kSlotCount) leaving.push_back(slot);
    // A copy's source stays too; every sound is where the preview put it.
    EXPECT_EQ(originAt(final), slot) << "sound " << slot << " expected at " << final;
  }
  EXPECT_EQ(preview.movingSlots, moving);
  EXPECT_EQ(preview.leavingSlots, leaving);
}

INSTANTIATE_TEST_SUITE_P(
    SparseBank, DropPreviewTest,
    ::testing::Values(
        PreviewCase{BlockEditKind::Move,
                    {20, 21, 22},
                    10,
                    "Move 3 sounds to slot 10: sounds 10\u201319 move down by 3; none leave the "
                    "bank"},
        PreviewCase{BlockEditKind::Move,
                    {40, 41, 42, 43, 44, 45, 46, 47, 48, 49},
                    0,
                    "Move 10 sounds to slot 0: sounds 0\u201329 move down by 10; none leave the "
                    "bank"},
        PreviewCase{BlockEditKind::Move,
                    {5, 25},
                    20,
                    "Move 2 sounds to slot 20: sounds 20\u201324 move down by 2, sounds "
                    "26\u2013998 move down by 1; 1 occupied sound leaves the bank"},
        PreviewCase{BlockEditKind::Move,
                    {22},
                    12,
                    "Move 1 sound to slot 12: sounds 12\u201321 move down by 1; none leave the "
                    "bank"},
        PreviewCase{BlockEditKind::Move,
                    {12},
                    12,
                    "Move 1 sound to slot 12: nothing moves; none leave the bank"},
        PreviewCase{BlockEditKind::Move,
                    {0, 1, 2},
                    997,
                    "Move 3 sounds to slot 997: no other sound moves; 3 occupied sounds leave "
                    "the bank"},
        PreviewCase{BlockEditKind::Copy,
                    {0, 1},
                    994,
                    "Copy 2 sounds to slot 994: sounds 995\u2013997 move down by 2; 2 occupied "
                    "sounds leave the bank"},
        PreviewCase{BlockEditKind::Copy,
                    {3},
                    45,
                    "Copy 1 sound to slot 45: sounds 45\u2013998 move down by 1; 1 occupied "
                    "sound leaves the bank"},
        PreviewCase{BlockEditKind::Move,
                    {5, 6},
                    999,
                    "A block of 2 sounds does not fit at slot #999: the bank ends at slot #999, "
                    "so the block can start at slot #998 at the latest."}));

// Model drops: the models land where the preview put them, and the preview counts exactly the
// sounds whose scripts the edit rewrites.
class ModelDropPreviewTest : public ModelBankTest,
                             public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(ModelDropPreviewTest, CountsTheSoundsTheEditRewrites) {
  writeTenModelsAndSounds();
  database->evaluateNeuronDb();
  const PreviewCase& drop = GetParam();
  const BlockPreview preview =
      previewBlockEdit(database->tables(), Bank::Models, drop.rows, drop.destination, drop.kind);
  EXPECT_EQ(preview.text, drop.text);
  ui.answerWith(kAlertDefault);
  const EditOutcome outcome = edit(requestOf(Bank::Models, drop));
  ASSERT_EQ(outcome.kind, EditOutcome::Kind::Done) << outcome.message;
  int rewritten = 0;
  for (const Change& step : outcome.plan.changes) {
    rewritten += step.kind == Change::Kind::Write && step.to.ends_with("/sound.script");
  }
  EXPECT_EQ(preview.soundsFollowing, rewritten);
  for (int model = 0; model < 10; ++model)
    EXPECT_EQ(newNumberOf(model), preview.finalNumbers[model]) << "model " << model;
  expectReferencesFollowTheModels();
}

INSTANTIATE_TEST_SUITE_P(
    TenModels, ModelDropPreviewTest,
    ::testing::Values(
        PreviewCase{BlockEditKind::Move,
                    {7, 8},
                    2,
                    "Move 2 models to slot 2: models 2\u20136 move down by 2; the references of "
                    "8 sounds follow; none leave the bank"},
        PreviewCase{BlockEditKind::Copy,
                    {0},
                    5,
                    "Copy 1 model to slot 5: models 5\u20139 move down by 1; the references of "
                    "6 sounds follow; none leave the bank"},
        PreviewCase{BlockEditKind::Move,
                    {3},
                    20,
                    "Move 1 model to slot 20: no other model moves; the references of 2 sounds "
                    "follow; none leave the bank"}));

}  // namespace
}  // namespace slotsmith::testing
