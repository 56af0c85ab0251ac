#include "ListText.h"

#include <algorithm>

#include "ListEntries.h"
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

std::int32_t EntryIdOf(const QString& entry) {
  // Each shown character stands for one byte of the file, and only ASCII
  // characters take part in reading a number, so Latin-1 is exact here.
  const qsizetype from = std::max<qsizetype>(entry.size() - 4, 0);
  char last[4];
  std::size_t n = 0;
  for (qsizetype i = from; i < entry.size(); ++i) {
    const char16_t unit = entry[i].unicode();
    last[n++] = unit > 0xFF ? '?' : static_cast<char>(unit);  // as toLatin1() gives it
  }
  return EntryId(std::string_view(last, n));
}

void SortEntries(QStringList& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
}

}  // namespace korvale
