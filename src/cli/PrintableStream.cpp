#include "cli/PrintableStream.h"

#include "core/PrintableText.h"

namespace slotsmith::cli {

namespace {

void writeTo(std::streambuf* target, std::string_view bytes) {
  target->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

PrintableStreamBuf::~PrintableStreamBuf() {
  writeHeld();
}

void PrintableStreamBuf::writeRaw(std::string_view bytes) {
  writeHeld();
  writeTo(target_, bytes);
}

PrintableStreamBuf::int_type PrintableStreamBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  xsputn(&byte, 1);
  return c;
}

std::streamsize PrintableStreamBuf::xsputn(const char* s, std::streamsize count) {
  held_.append(s, static_cast<std::size_t>(count));
  const std::size_t complete = held_.size() - incompleteUtf8Tail(held_);
  writeTo(target_, printableText(std::string_view(held_).substr(0, complete)));
  held_.erase(0, complete);
  return count;
}

int PrintableStreamBuf::sync() {
  return target_->pubsync();
}

void PrintableStreamBuf::writeHeld() {
  if (held_.empty()) return;
  writeTo(target_, printableText(held_));
  held_.clear();
}

void writeTerminalControl(std::ostream& out, std::string_view sequence) {
  if (auto* printable = dynamic_cast<PrintableStreamBuf*>(out.rdbuf())) {
    printable->writeRaw(sequence);
  } else {
    out.write(sequence.data(), static_cast<std::streamsize>(sequence.size()));
  }
}

}  // namespace slotsmith::cli
