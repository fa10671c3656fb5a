// A cell of a TAB-separated line as the read commands print it, shared so that every command
// keeps one record on one line.
#pragma once

#include <string>

namespace slotsmith::cli {

// Names and values are free bytes, but a TAB or a line break inside one would split the line
// that scripts read as one record with fixed columns; those print as spaces.
std::string textCell(std::string text);

}  // namespace slotsmith::cli
