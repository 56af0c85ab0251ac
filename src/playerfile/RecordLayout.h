#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace korvale {

// Every record of the player file is this many bytes; record k starts
// kRecordLength * k bytes after record 0, whose field positions the
// layout table gives as absolute file offsets.
inline constexpr std::uint64_t kRecordLength = 614;

enum class StoredForm : std::uint8_t {
  Text,        // left-aligned, space-filled on the right
  Number,      // "%d", space-filled on the left
  ZeroFilled,  // "%d" with one "0" in front of a one-digit result
  Digit,       // first character of "%d"
  Letter,      // "A" + value
  Flag,        // "T" or "F"; only "T" reads as true
};

// A rating is stored as a code from 0 to this.
inline constexpr std::int32_t kHighestRatingCode = 98;

struct FieldDescriptor {
  std::string_view name;
  std::uint16_t position;   // file offset of the field in record 0
  std::uint8_t readWidth;   // bytes read
  std::uint8_t writeWidth;  // bytes written (only Nickname differs)
  StoredForm form;
  bool trimmed;  // trailing white space removed when shown
  bool hasRange;
  std::int32_t low;  // accepted when written (stored values)
  std::int32_t high;
  bool written;  // false: the editor never writes it

  [[nodiscard]] constexpr std::uint64_t OffsetIn(std::int64_t record) const {
    return kRecordLength * static_cast<std::uint64_t>(record) + position;
  }
  [[nodiscard]] constexpr bool Accepts(std::int64_t value) const {
    return !hasRange || (value >= low && value <= high);
  }
};

// The 80 fields in order of position. The enumerators index kRecordLayout.
enum class FieldId : std::uint8_t {
  PlayerNumber,
  Position,
  SecondPosition,
  Height,
  Weight,
  YearsPro,
  SkinColor,
  Hand,
  Fatigue,
  JumpShooting,
  ThreePointers,
  FreeThrows,
  Dunking,
  Stealing,
  Blocking,
  OffensiveRebounding,
  DefensiveRebounding,
  Passing,
  OffensiveAwareness,
  DefensiveAwareness,
  Speed,
  Quickness,
  Jumping,
  Dribbling,
  Strength,
  Hardiness,
  ShootingRange,
  LastName,
  FirstName,
  Nickname,
  OriginalTeam,
  BirthYear,
  BirthMonth,
  BirthDay,
  BirthTown,
  BirthState,
  DraftPlace,
  DraftRound,
  DraftOverall,
  DraftYear,
  PlayerId,
  RosterSlot,
  DraftedBy,
  Team,
  IsPlayable,
  IsCreated,
  IsRom,
  IsHidden,
  Portrait,
  ActionPhoto,
  SpeechHeader,
  SpeechData,
  PlayerPkg,
  PlayerType,
  HairStyle,
  FacialHair,
  Accessories,
  InsideShooting,
  Clutch,
  BodyType,
  ShootingRange2,
  OverallRating,
  DunkPackage,
  PreferredDunk,
  FieldGoalsAttempted,
  FieldGoalsMade,
  ThreePointAttempted,
  ThreePointMade,
  FreeThrowsAttempted,
  FreeThrowsMade,
  Blocks,
  OffensiveRebounds,
  Assists,
  Fouls,
  Steals,
  DefensiveRebounds,
  Turnovers,
  Minutes,
  Games,
  Ejections,
};

inline constexpr std::size_t kFieldCount = 80;

extern const std::array<FieldDescriptor, kFieldCount> kRecordLayout;

// Inline: every cell of an import asks them several times.
[[nodiscard]] inline const FieldDescriptor& Field(FieldId id) {
  return kRecordLayout[static_cast<std::size_t>(id)];
}
[[nodiscard]] const FieldDescriptor* FieldByName(std::string_view name);
[[nodiscard]] inline FieldId IdOf(const FieldDescriptor& field) {
  return static_cast<FieldId>(&field - kRecordLayout.data());
}

// The span of a record that holds every field: [first, end).
[[nodiscard]] std::uint16_t FirstFieldPosition();
[[nodiscard]] std::uint16_t FieldSpanEnd();

// True when the byte at this position constant belongs to some field.
[[nodiscard]] bool IsFieldByte(std::uint16_t position);

}  // namespace korvale
