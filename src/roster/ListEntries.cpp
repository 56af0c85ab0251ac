#include "ListEntries.h"

#include <cctype>

#include "Names.h"
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

namespace {

constexpr std::string_view kNoSecondPosition = "None";

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

std::span<const std::string_view> ListEntriesOf(FieldId field) {
  switch (field) {
    case FieldId::Position:
    case FieldId::SecondPosition: return PositionNames;
    case FieldId::Hand: return HandNames;
    case FieldId::OriginalTeam: return TeamNames;
    case FieldId::Team: return TeamChoiceNames;
    case FieldId::SkinColor: return SkinColorNames;
    case FieldId::BodyType: return BodyTypeNames;
    case FieldId::PlayerType: return PlayerTypeNames;
    case FieldId::HairStyle: return HairStyleNames;
    case FieldId::FacialHair: return FacialHairNames;
    case FieldId::Accessories: return AccessoryNames;
    default: return {};
  }
}

bool IsListField(FieldId field) { return !ListEntriesOf(field).empty(); }

std::optional<std::string_view> EntryForCode(FieldId field, std::int64_t code) {
  if (field == FieldId::SecondPosition && code == -1) return kNoSecondPosition;
  const auto list = ListEntriesOf(field);
  if (code < 0 || code >= static_cast<std::int64_t>(list.size())) return std::nullopt;
  return list[static_cast<std::size_t>(code)];
}

std::optional<std::int64_t> CodeForEntry(FieldId field, std::string_view text) {
  text = Trimmed(text);
  if (field == FieldId::SecondPosition && SameLetters(text, kNoSecondPosition)) return -1;
  const auto list = ListEntriesOf(field);
  for (std::size_t k = 0; k < list.size(); ++k) {
    if (SameLetters(text, list[k])) return static_cast<std::int64_t>(k);
  }
  return std::nullopt;
}

}  // namespace korvale
