#include "core/NaturalOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace slotsmith {
namespace {

// Each list is in natural order, every name strictly before the next.
TEST(NaturalOrder, TrickyNamesSortAsPeopleReadThem) {
  const std::vector<std::vector<std::string>> ordered{
      {"Pad 2", "Pad 10", "Pad 100"},
      {"1", "01", "001", "2", "10"},              // the same number: the shorter run first
      {"a1b", "a01a", "a01b"},                    // ... decided at the run, not later
      {"Bass", "bass 1", "Bass 2", "BASS10"},     // case ignored, shorter first
      {"x9", "x10", "x9999999999999999999999"},   // runs longer than any integer
      {"x0", "x00", "x1"},                        // zeros alone are the number 0
      {" Pad", "Pad", "Pad 1", "Pad-1", "Pad1"},  // space, punctuation, digits in ASCII order
      {"", "0", "A", "a0"},
      {"Lead 7b", "Lead 7c", "Lead 07a"},
  };
  for (const auto& names : ordered) {
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(compareNaturally(names[i], names[i]), 0) << names[i];
      for (std::size_t j = i + 1; j < names.size(); ++j) {
        EXPECT_LT(compareNaturally(names[i], names[j]), 0) << names[i] << " < " << names[j];
        EXPECT_GT(compareNaturally(names[j], names[i]), 0) << names[j] << " > " << names[i];
      }
    }
  }
  // Names that differ in letter case alone are equal: a stable sort keeps their order.
  for (const auto& [a, b] : std::vector<std::pair<std::string, std::string>>{
           {"pad", "PAD"}, {"Pad 01", "pAD 01"}, {"", ""}}) {
    EXPECT_EQ(compareNaturally(a, b), 0) << a << " = " << b;
  }
}

// A sweep over short names of a small alphabet: the order is a strict weak order (irreflexive,
// antisymmetric and transitive), so sorting by it is well defined.
TEST(NaturalOrder, IsAStrictWeakOrderOverEveryShortName) {
  const std::string alphabet = "0 1aA";
  std::vector<std::string> names{""};
  for (int length = 1; length <= 3; ++length) {
    const std::size_t before = names.size();
    for (std::size_t k = 0; k < before; ++k) {
      if (names[k].size() != static_cast<std::size_t>(length - 1)) continue;
      for (char c : alphabet)
        names.push_back(names[k] + c);
    }
  }
  const auto less = [](const std::string& a, const std::string& b) {
    return compareNaturally(a, b) < 0;
  };
  for (const std::string& a : names) {
    ASSERT_FALSE(less(a, a)) << a;
    for (const std::string& b : names) {
      ASSERT_EQ(compareNaturally(a, b), -compareNaturally(b, a)) << a << " / " << b;
      if (!less(a, b)) continue;
      for (const std::string& c : names) {
        if (less(b, c)) {
          ASSERT_TRUE(less(a, c)) << a << " < " << b << " < " << c;
        }
      }
    }
  }
}

}  // namespace
}  // namespace slotsmith
