#pragma once

#include <cstdint>
#include <string_view>

#include <QString>
#include <QStringList>

namespace korvale {

// File bytes (Windows-1252) as shown text.
[[nodiscard]] QString ShownText(std::string_view bytes);

// The number of a list entry's last 4 characters (of the whole entry when
// it is shorter), read as the file's numbers are read.
[[nodiscard]] std::int32_t EntryIdOf(const QString& entry);

// Sorts list entries as a sorted list box orders them: case-insensitive,
// entries that compare equal keep their order.
void SortEntries(QStringList& entries);

}  // namespace korvale
