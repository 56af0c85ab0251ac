#include "ListText.h"

#include <algorithm>

#include "ListEntries.h"
#include "Windows1252.h"

namespace korvale {

QString ShownText(std::string_view bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

std::int32_t EntryIdOf(const QString& entry) {
  // Each shown character stands for one byte of the file, and only ASCII
  // characters take part in reading a number, so Latin-1 is exact here.
  return EntryId(entry.right(4).toLatin1().toStdString());
}

void SortEntries(QStringList& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
  });
}

}  // namespace korvale
