// Text as a terminal or a dialog may show it. Names and paths come from database folders, packs
// and backups made elsewhere, so they may hold any byte: an escape sequence in a sound's name
// would recolour the terminal, move its cursor or set its title, a carriage return would
// overwrite what the line said. Shown text goes through here; files written for the synthesizer
// never do, they keep their bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace slotsmith {

enum class LineBreaks { Keep, Escape };

// The text with every control character written as an escape, the way a C string writes it:
// \a \b \t \n \v \f \r, \e for ESC, \xNN for the other C0 bytes and DEL, \u0080..\u009f for the C1
// controls (a terminal may take U+009B as the start of a sequence), and \u202e and the like for the
// characters that reorder text (they make a name read as another). Bytes that are no UTF-8 are
// written \xNN. Printable text, UTF-8 included, stays as it is; so does a backslash, which names
// and Windows paths hold. Messages keep their line breaks and tabs (LineBreaks::Keep); a cell of
// one line escapes them too.
std::string printableText(std::string_view text, LineBreaks lineBreaks = LineBreaks::Keep);

// How many bytes at the end of the text start a UTF-8 sequence that is not complete yet (0 to 3):
// a stream that writes printable text in pieces holds them back until the rest comes.
std::size_t incompleteUtf8Tail(std::string_view text);

}  // namespace slotsmith
