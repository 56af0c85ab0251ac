#include "VisibleLines.h"

#include "VisibleText.h"

namespace korvale::cli {

VisibleLines::~VisibleLines() {
  if (!line_.empty()) to_ << VisibleText(line_);
  to_.flush();
}

void VisibleLines::Append(std::string_view text) {
  for (std::size_t end; (end = text.find('\n')) != std::string_view::npos;) {
    line_.append(text.substr(0, end));
    to_ << VisibleText(line_) << '\n';
    line_.clear();
    text.remove_prefix(end + 1);
  }
  line_.append(text);
}

VisibleLines::int_type VisibleLines::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char byte = traits_type::to_char_type(c);
  Append(std::string_view(&byte, 1));
  return to_ ? c : traits_type::eof();
}

std::streamsize VisibleLines::xsputn(const char* s, std::streamsize n) {
  Append(std::string_view(s, static_cast<std::size_t>(n)));
  return to_ ? n : 0;
}

int VisibleLines::sync() { return to_.flush() ? 0 : -1; }

}  // namespace korvale::cli
