#include "core/NaturalOrder.h"

#include <cstddef>

namespace slotsmith {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

char foldCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int sign(std::ptrdiff_t difference) {
  return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

}  // namespace

int compareNaturally(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      const std::size_t runA = i;
      const std::size_t runB = j;
      while (i < a.size() && isDigit(a[i]))
        ++i;
      while (j < b.size() && isDigit(b[j]))
        ++j;
      // The numbers without their leading zeros: the longer is the larger, and of two as long
      // the first digit that differs decides. No run is ever turned into an integer, so a
      // hundred digits compare as well as three.
      std::size_t digitsA = runA;
      std::size_t digitsB = runB;
      while (digitsA + 1 < i && a[digitsA] == '0')
        ++digitsA;
      while (digitsB + 1 < j && b[digitsB] == '0')
        ++digitsB;
      if (const std::size_t lengthA = i - digitsA, lengthB = j - digitsB; lengthA != lengthB) {
        return lengthA < lengthB ? -1 : 1;
      }
      if (const int digits = a.substr(digitsA, i - digitsA).compare(b.substr(digitsB, j - digitsB));
          digits != 0) {
        return sign(digits);
      }
      if (i - runA != j - runB) return (i - runA) < (j - runB) ? -1 : 1;
      continue;
    }
    const char x = foldCase(a[i]);
    const char y = foldCase(b[j]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    ++i;
    ++j;
  }
  return sign(static_cast<std::ptrdiff_t>(a.size() - i) -
              static_cast<std::ptrdiff_t>(b.size() - j));
}

}  // namespace slotsmith
