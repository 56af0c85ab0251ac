#include "ListText.h"

#include "Windows1252.h"

namespace korvale {

// Every Windows-1252 character lies in the Basic Multilingual Plane: one
// UTF-16 unit per byte.
QString ShownText(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char byte : bytes) {
    *out++ = QChar(static_cast<char16_t>(DecodeCp1252(static_cast<unsigned char>(byte))));
  }
  return text;
}

}  // namespace korvale
