#include "core/SlotFilter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/Database.h"
#include "support/FakeUi.h"
#include "support/InMemoryFileSystem.h"
#include "support/TempDir.h"

namespace slotsmith {
namespace {

// A small bank, scanned as the lists see it:
//   models 3 "Vox Soft" (in use), 4 "Glock Hard" (in use - disabled), 5 "Cello Air" (unused);
//   6 is empty but a sound refers to it, 0 and 7.. are empty.
//   sound 0 "Warm Pad"   3 on, 4 off        plays a model; one disabled reference
//   sound 1 "Glass Bell" 4 off, -1 on       plays nothing; one disabled reference
//   sound 2 "Dark PAD 2" 0 off, 6 on        plays nothing: both name empty slots
//   sound 4 "Bass"       3 on, 3 on         plays a model
class SlotFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [slot, name] : {std::pair{3, "Vox Soft"}, {4, "Glock Hard"}, {5, "Cello Air"}})
      fs_.addFile(modelNamePath("/db", slot), std::string(name) + "\n");
    addSound(0, "Warm Pad", 3, 1, 4, 0);
    addSound(1, "Glass Bell", 4, 0, -1, 1);
    addSound(2, "Dark PAD 2", 0, 0, 6, 1);
    addSound(4, "Bass", 3, 1, 3, 1);
    database_.setRoot("/db");
    database_.evaluateNeuronDb();
  }

  void addSound(int slot, const std::string& name, int model1, int switch1, int model2,
                int switch2) {
    fs_.addFile(soundScriptPath("/db", slot),
                testing::soundScriptText(name, model1, switch1, model2, switch2));
  }

  std::vector<int> matching(const std::string& text, Bank bank) {
    SlotFilter filter;
    const Status status = SlotFilter::parse(text, filter);
    EXPECT_TRUE(status.isOk()) << text << ": " << status.message();
    return filter.matchingSlots(database_.tables(), bank);
  }

  testing::InMemoryFileSystem fs_;
  testing::FakeUi ui_;
  Database database_{ui_, fs_};
};

std::vector<int> everySlotBut(const std::set<int>& excluded) {
  std::vector<int> slots;
  for (int n = 0; n < kSlotCount; ++n) {
    if (!excluded.count(n)) slots.push_back(n);
  }
  return slots;
}

TEST_F(SlotFilterTest, EveryWordAndTheirCombinations) {
  const struct {
    const char* text;
    Bank bank;
    std::vector<int> expected;
  } cases[] = {
      {"", Bank::Sounds, everySlotBut({})},
      {"pad", Bank::Sounds, {0, 2}},
      {"  PAD\twarm ", Bank::Sounds, {0}},
      {"\"m p\"", Bank::Sounds, {0}},
      {"\"empty\"", Bank::Sounds, {}},
      {"model:3", Bank::Sounds, {0, 4}},
      {"MODEL:004", Bank::Sounds, {0, 1}},
      {"model:0", Bank::Sounds, {2}},
      {"model:3 model:4", Bank::Sounds, {0}},
      {"unused", Bank::Sounds, {1, 2}},
      {"disabled", Bank::Sounds, {0, 1}},
      {"unused disabled", Bank::Sounds, {1}},
      {"empty", Bank::Sounds, everySlotBut({0, 1, 2, 4})},
      {"empty pad", Bank::Sounds, {}},
      {"o", Bank::Models, {3, 4, 5}},
      {"GLOCK", Bank::Models, {4}},
      {"model:5", Bank::Models, {5}},
      {"model:7", Bank::Models, {7}},
      {"model:5 unused", Bank::Models, {5}},
      {"model:7 unused", Bank::Models, {}},
      {"model:3 model:4", Bank::Models, {}},
      {"unused", Bank::Models, {5}},
      {"Disabled", Bank::Models, {4}},
      {"empty", Bank::Models, everySlotBut({3, 4, 5})},
      {"empty model:6", Bank::Models, {6}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(matching(c.text, c.bank), c.expected) << c.text << " in " << bankFolderName(c.bank);
  }
}

TEST(SlotFilter, UnknownWordsAndBadNumbersAreRefusedWithTheWord) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"pad colour:red",
       "unknown filter word \"colour:\" (known words: model:N, unused, disabled, empty; quote a "
       "name that holds a colon)"},
      {":x", "unknown filter word \":\""},
      {"model:1000", "\"model:1000\": model: needs a slot number 0-999"},
      {"model:", "\"model:\": model: needs a slot number 0-999"},
      {"model:-1", "\"model:-1\": model: needs a slot number 0-999"},
      {"pad \"warm", "the quote before \"warm\" is never closed"},
  };
  for (const auto& c : cases) {
    SlotFilter filter;
    ASSERT_TRUE(SlotFilter::parse("pad", filter).isOk());
    const Status status = SlotFilter::parse(c.text, filter);
    EXPECT_EQ(status.code(), Status::Code::Invalid) << c.text;
    EXPECT_EQ(status.message().substr(0, std::string(c.message).size()), c.message);
  }
  SlotFilter quoted;
  EXPECT_TRUE(SlotFilter::parse("\"a:b\"", quoted).isOk());
}

}  // namespace
}  // namespace slotsmith
