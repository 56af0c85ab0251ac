#include "ListText.h"

#include "Windows1252.h"

namespace korvale {

QString ShownText(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  Cp1252ToUtf16(bytes, text.data());
  return text;
}

}  // namespace korvale
