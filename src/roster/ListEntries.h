#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace korvale {

// "LastName, FirstName, PlayerId": names without trailing white space, the
// 4 bytes of PlayerId exactly as read.
[[nodiscard]] std::string PlayerListEntry(std::string_view lastName, std::string_view firstName,
                                          std::string_view playerId);
// The roster entry: RosterSlot + 1, padded to two characters, " |  " and the
// player entry; a number of three or more characters is left out with its
// separator.
[[nodiscard]] std::string RosterListEntry(std::int32_t rosterSlot, std::string_view playerEntry);

// The fields the editor shows as a list entry, and their lists: the entry
// at index k is the text for code k. Second Position adds "None" for -1.
[[nodiscard]] bool IsListField(FieldId field);
[[nodiscard]] std::span<const std::string_view> ListEntriesOf(FieldId field);
// The entry text for a code; none when the code has no entry.
[[nodiscard]] std::optional<std::string_view> EntryForCode(FieldId field, std::int64_t code);
// The code whose entry matches `text` in any letter case, blanks at either
// end ignored; none when no entry matches.
[[nodiscard]] std::optional<std::int64_t> CodeForEntry(FieldId field, std::string_view text);

}  // namespace korvale
