#include "ListEntries.h"

#include "StoredForms.h"

namespace korvale {

std::string PlayerListEntry(std::string_view lastName, std::string_view firstName,
                            std::string_view playerId) {
  std::string entry(TrimTrailing(lastName));
  entry += ", ";
  entry += TrimTrailing(firstName);
  entry += ", ";
  entry += playerId;
  return entry;
}

std::string RosterListEntry(std::int32_t rosterSlot, std::string_view playerEntry) {
  std::string number = DecimalText(std::int64_t{rosterSlot} + 1);
  if (number.size() >= 3) return std::string(playerEntry);
  if (number.size() == 1) number.insert(0, 1, ' ');
  return number + " |  " + std::string(playerEntry);
}

}  // namespace korvale
