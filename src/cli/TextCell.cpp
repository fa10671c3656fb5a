#include "cli/TextCell.h"

namespace slotsmith::cli {

std::string textCell(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

}  // namespace slotsmith::cli
