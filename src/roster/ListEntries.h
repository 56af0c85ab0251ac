#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvale {

// "LastName, FirstName, PlayerId": names without trailing white space, the
// 4 bytes of PlayerId exactly as read.
[[nodiscard]] std::string PlayerListEntry(std::string_view lastName, std::string_view firstName,
                                          std::string_view playerId);
// The roster entry: RosterSlot + 1, padded to two characters, " |  " and the
// player entry; a number of three or more characters is left out with its
// separator.
[[nodiscard]] std::string RosterListEntry(std::int32_t rosterSlot, std::string_view playerEntry);

}  // namespace korvale
