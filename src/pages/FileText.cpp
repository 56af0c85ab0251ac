#include "FileText.h"

#include "Windows1252.h"

QString FromFileBytes(std::string_view bytes) {
  return QString::fromStdString(korvale::Cp1252ToUtf8(bytes));
}

std::optional<std::string> ToFileBytes(const QString& text) {
  return korvale::Utf8ToCp1252(text.toStdString());
}

bool IsAcceptedCharacter(QChar c) {
  return !c.isSurrogate() && korvale::IsAcceptedTextCharacter(c.unicode());
}
