#include "JsonInput.h"

#include "TableFormat.h"

namespace korvale::cli {

bool JsonInput::Ready() {
  while (at_ >= usable_) {
    if (ended_ || stop_ != Stop::None || at_ < piece_.size()) return false;
    piece_ = chunks_.Next();
    at_ = 0;
    ended_ = piece_.empty();
    usable_ = Usable(piece_);
  }
  return true;
}

std::size_t JsonInput::Usable(std::string_view piece) {
  for (std::size_t i = 0; i < piece.size(); ++i) {
    Byte(piece[i]);
    if (stop_ != Stop::None) return i;
  }
  return piece.size();
}

void JsonInput::StartToken(bool key) {
  token_ = 0;
  key_ = key;
}

void JsonInput::Byte(char c) {
  if (inString_) {
    if (escaped_) {
      escaped_ = false;
    } else if (c == '\\') {
      escaped_ = true;
    } else if (c == '"') {
      inString_ = false;
      return;
    }
  } else if (c == '"') {
    inWord_ = false;
    inString_ = true;
    StartToken(expectKey_);
    return;
  } else if (c == '[' || c == '{') {
    inWord_ = false;
    objects_.push_back(c == '{');
    expectKey_ = c == '{';
    if (objects_.size() > kDeepest) stop_ = Stop::TooDeep;
    return;
  } else if (c == ']' || c == '}' || c == ',' || c == ':' || c == ' ' || c == '\t' || c == '\n' ||
             c == '\r') {
    inWord_ = false;
    if ((c == ']' || c == '}') && !objects_.empty()) objects_.pop_back();
    if (c == ',') expectKey_ = !objects_.empty() && objects_.back();
    if (c == ':') expectKey_ = false;
    return;
  } else if (!inWord_) {
    inWord_ = true;
    StartToken(false);
  }
  if (++token_ > kLongestCell) stop_ = key_ ? Stop::LongKey : Stop::LongValue;
}

}  // namespace korvale::cli
