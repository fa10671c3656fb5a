// The command line's standard output and error as the terminal gets them: every byte a command
// writes goes through printableText, so a name or path from a hostile database, pack or backup
// is shown with its control characters escaped, whichever command prints it and however. Line
// breaks and tabs pass, since messages and records are made of them. The terminal's own control
// sequences (the progress line) are written past the escaping, on purpose, by writeTerminalControl.
#pragma once

#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>

namespace slotsmith::cli {

class PrintableStreamBuf : public std::streambuf {
 public:
  explicit PrintableStreamBuf(std::streambuf* target) : target_(target) {}
  PrintableStreamBuf(const PrintableStreamBuf&) = delete;
  PrintableStreamBuf& operator=(const PrintableStreamBuf&) = delete;
  ~PrintableStreamBuf() override;

  // Writes the bytes as they are.
  void writeRaw(std::string_view bytes);

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize count) override;
  int sync() override;

 private:
  // Writes what is held back, the start of a UTF-8 sequence whose rest never came, escaped.
  void writeHeld();

  std::streambuf* target_;
  // The start of a UTF-8 sequence written in two pieces, held until the rest comes.
  std::string held_;
};

// Writes a control sequence of the terminal's own to the stream, past any PrintableStreamBuf.
void writeTerminalControl(std::ostream& out, std::string_view sequence);

}  // namespace slotsmith::cli
