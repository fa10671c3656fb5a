// The layout simulation and the relocation planner on an in-memory bank: every slot folder holds
// a file naming the slot it came from, so a test can see where each folder ended up after the
// transaction carried the planned changes out.
#include "ops/SlotRelocation.h"

#include <gtest/gtest.h>

#include <map>

#include "ops/Transaction.h"
#include "support/InMemoryFileSystem.h"

namespace slotsmith {
namespace {

using testing::InMemoryFileSystem;

constexpr char kRoot[] = "/db";

class RelocationTest : public ::testing::Test {
 protected:
  std::string bank() const { return bankFolderPath(kRoot, Bank::Sounds); }

  void addSlots(int first, int last) {
    for (int slot = first; slot <= last; ++slot)
      addFolderNamed(slotFolderName(Bank::Sounds, slot));
  }
  void addFolderNamed(const std::string& name) {
    fs.addFile(bank() + "/" + name + "/origin", name);
  }

  SlotRelocation plan(const SlotLayout& layout) {
    std::vector<std::string> listing;
    EXPECT_TRUE(fs.listFolder(bank(), listing).isOk());
    return planSlotRelocation(Bank::Sounds, kRoot, listing, layout);
  }

  // Plans, checks and carries out the relocation, then maps every folder name to where it came
  // from.
  std::map<std::string, std::string> run(const SlotLayout& layout) {
    EditPlan edit;
    SlotRelocation relocation = plan(layout);
    EXPECT_TRUE(relocation.status.isOk()) << relocation.status.message();
    edit.changes = relocation.changes;
    EXPECT_TRUE(checkChanges(edit, fs).isOk()) << checkChanges(edit, fs).message();
    EXPECT_EQ(runTransaction(fs, kRoot, edit, {}).kind, TransactionResult::Kind::Done);
    return contents();
  }

  std::map<std::string, std::string> contents() {
    std::map<std::string, std::string> found;
    std::vector<std::string> names;
    EXPECT_TRUE(fs.listFolder(bank(), names).isOk());
    for (const std::string& name : names)
      found[name] = fs.contentsOf(bank() + "/" + name + "/origin");
    return found;
  }

  InMemoryFileSystem fs;
};

std::string folder(int number) {
  return slotFolderName(Bank::Sounds, number);
}

TEST_F(RelocationTest, AShiftMovesTheSlotsFromThereAndPushesTheLastIntoOverflowFolders) {
  addSlots(0, 999);
  SlotLayout layout;
  layout.shiftUpFrom(990, 3);
  SlotRelocation relocation = plan(layout);
  ASSERT_EQ(relocation.changes.size(), 10u);
  EXPECT_EQ(relocation.slotsLeavingBank, (std::vector<int>{997, 998, 999}));

  const auto after = run(layout);
  EXPECT_EQ(after.at("1000.sound"), folder(997));
  EXPECT_EQ(after.at("999.sound"), folder(996));
  EXPECT_EQ(after.at("993.sound"), folder(990));
  EXPECT_EQ(after.count("990.sound"), 0u);
  EXPECT_EQ(after.count("992.sound"), 0u);
}

TEST_F(RelocationTest, AShiftFromPastTheBankDoesNothing) {
  addSlots(0, 999);
  SlotLayout layout;
  layout.shiftUpFrom(1000, 5);
  EXPECT_TRUE(plan(layout).changes.empty());
}

TEST_F(RelocationTest, OverflowLeftoversAreNeverOverwrittenAndFreeNumbersAreUsedInstead) {
  addSlots(995, 999);
  addFolderNamed("1000.sound");
  addFolderNamed("1002.sound");
  SlotLayout layout;
  layout.shiftUpFrom(990, 3);
  SlotRelocation relocation = plan(layout);
  EXPECT_EQ(relocation.finalNumbers[997], 1001);
  EXPECT_EQ(relocation.finalNumbers[998], 1003);
  EXPECT_EQ(relocation.finalNumbers[999], 1004);

  const auto after = run(layout);
  EXPECT_EQ(after.at("1000.sound"), "1000.sound");
  EXPECT_EQ(after.at("1002.sound"), "1002.sound");
  EXPECT_EQ(after.at("1001.sound"), folder(997));
  EXPECT_EQ(after.at("1003.sound"), folder(998));
  EXPECT_EQ(after.at("1004.sound"), folder(999));
}

TEST_F(RelocationTest, ASwapOfTwoSlotsIsTwoMoves) {
  addSlots(0, 9);
  SlotLayout layout;  // a move of {5} to 4
  layout.park({5});
  layout.compactFrom(4);
  layout.shiftUpFrom(4, 1);
  layout.place(4);
  EXPECT_EQ(plan(layout).changes.size(), 2u);

  const auto after = run(layout);
  EXPECT_EQ(after.at("004.sound"), folder(5));
  EXPECT_EQ(after.at("005.sound"), folder(4));
  EXPECT_EQ(after.size(), 10u);
}

TEST_F(RelocationTest, LeftoversBesideTheSlotsStayWhereTheyAre) {
  addSlots(0, 9);
  addFolderNamed("slotsmith-1-moving-005.sound");
  addFolderNamed("tmp004.sound");
  addFolderNamed("10004.sound");
  SlotLayout layout;
  layout.park({5});
  layout.compactFrom(4);
  layout.shiftUpFrom(4, 1);
  layout.place(4);

  const auto after = run(layout);
  EXPECT_EQ(after.at("slotsmith-1-moving-005.sound"), "slotsmith-1-moving-005.sound");
  EXPECT_EQ(after.at("tmp004.sound"), "tmp004.sound");
  EXPECT_EQ(after.at("10004.sound"), "10004.sound");
  EXPECT_EQ(after.at("004.sound"), folder(5));
}

TEST_F(RelocationTest, RemovedFoldersAreDeletedAndTheLaterSlotsCloseTheGap) {
  addSlots(0, 9);
  SlotLayout layout;
  layout.mark({3, 5});
  layout.compactFrom(3);
  SlotRelocation relocation = plan(layout);
  EXPECT_EQ(relocation.finalNumbers[3], SlotLayout::kRemoved);
  EXPECT_EQ(relocation.finalNumbers[4], 3);

  const auto after = run(layout);
  const std::map<std::string, std::string> expected = {
      {"000.sound", folder(0)}, {"001.sound", folder(1)}, {"002.sound", folder(2)},
      {"003.sound", folder(4)}, {"004.sound", folder(6)}, {"005.sound", folder(7)},
      {"006.sound", folder(8)}, {"007.sound", folder(9)}};
  EXPECT_EQ(after, expected);
}

TEST_F(RelocationTest, EmptySlotsMoveAsGapsWithoutSteps) {
  addSlots(0, 2);
  addSlots(6, 7);  // 3, 4 and 5 have no folder
  SlotLayout layout;
  layout.mark({1});
  layout.compactFrom(1);
  const auto after = run(layout);
  const std::map<std::string, std::string> expected = {{"000.sound", folder(0)},
                                                       {"001.sound", folder(2)},
                                                       {"005.sound", folder(6)},
                                                       {"006.sound", folder(7)}};
  EXPECT_EQ(after, expected);
}

TEST_F(RelocationTest, CopiesReadTheSlotsAsBeforeTheEditSoTheBlockMayContainTheDestination) {
  addSlots(0, 9);
  SlotLayout layout;  // a copy of {5, 6, 7} to 6
  layout.stage({5, 6, 7});
  layout.shiftUpFrom(6, 3);
  layout.place(6);

  const auto after = run(layout);
  EXPECT_EQ(after.at("005.sound"), folder(5));
  EXPECT_EQ(after.at("006.sound"), folder(5));
  EXPECT_EQ(after.at("007.sound"), folder(6));
  EXPECT_EQ(after.at("008.sound"), folder(7));
  EXPECT_EQ(after.at("009.sound"), folder(6));
  EXPECT_EQ(after.at("012.sound"), folder(9));
  EXPECT_EQ(after.size(), 13u);
}

TEST_F(RelocationTest, ACopyOfAnEmptySlotLeavesItsBlockPositionEmpty) {
  addSlots(0, 3);
  SlotLayout layout;
  layout.stage({2, 8});
  layout.shiftUpFrom(1, 2);
  layout.place(1);
  const auto after = run(layout);
  const std::map<std::string, std::string> expected = {{"000.sound", folder(0)},
                                                       {"001.sound", folder(2)},
                                                       {"003.sound", folder(1)},
                                                       {"004.sound", folder(2)},
                                                       {"005.sound", folder(3)}};
  EXPECT_EQ(after, expected);
}

TEST_F(RelocationTest, ASlotFolderNamedInCapitalsRefusesTheEditWhereverItLies) {
  // A file system that ignores case reads slot 5 through "005.SOUND"; the plan goes by names.
  for (const char* odd : {"005.SOUND", "001.Sound", "1003.SOUND"}) {
    InMemoryFileSystem other;
    fs = other;
    addSlots(0, 3);
    addFolderNamed(odd);
    SlotLayout layout;
    layout.shiftUpFrom(0, 1);
    const SlotRelocation relocation = plan(layout);
    EXPECT_EQ(relocation.status.code(), Status::Code::Refused) << odd;
    EXPECT_NE(relocation.status.message().find(odd), std::string::npos);
  }
}

TEST_F(RelocationTest, RemovalMarksBeforeTheStartOfACompactionAreIgnored) {
  SlotLayout layout;
  layout.mark({2, 6});
  layout.compactFrom(5);
  EXPECT_EQ(layout.finalNumberOf(2), 2);
  EXPECT_EQ(layout.finalNumberOf(6), SlotLayout::kRemoved);
  EXPECT_EQ(layout.finalNumberOf(7), 6);
  EXPECT_EQ(layout.finalNumberOf(999), 998);
}

}  // namespace
}  // namespace slotsmith
