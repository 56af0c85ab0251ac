#include "RecordLayout.h"

#include <algorithm>

namespace korvale {
namespace {

using enum StoredForm;

constexpr FieldDescriptor TextField(std::string_view n, std::uint16_t c, std::uint8_t w) {
  return {n, c, w, w, Text, true, false, 0, 0, true};
}
constexpr FieldDescriptor Num(std::string_view n, std::uint16_t c, std::uint8_t w, std::int32_t lo,
                              std::int32_t hi, StoredForm f = Number) {
  return {n, c, w, w, f, true, true, lo, hi, true};
}
constexpr FieldDescriptor Rating(std::string_view n, std::uint16_t c) {
  return Num(n, c, 2, 0, kHighestRatingCode);
}
constexpr FieldDescriptor Stat(std::string_view n, std::uint16_t c) {
  return Num(n, c, 5, 0, 99999);
}
constexpr FieldDescriptor FlagField(std::string_view n, std::uint16_t c) {
  return {n, c, 1, 1, Flag, true, false, 0, 0, true};
}
constexpr FieldDescriptor ReadOnly(std::string_view n, std::uint16_t c, std::uint8_t w,
                                   bool ranged = false, std::int32_t lo = 0, std::int32_t hi = 0) {
  return {n, c, w, w, Number, true, ranged, lo, hi, false};
}

}  // namespace

const std::array<FieldDescriptor, kFieldCount> kRecordLayout{{
    Num("PlayerNumber", 3747, 2, -1, 99),
    Num("Position", 3749, 1, 0, 4, Digit),
    Num("SecondPosition", 3750, 2, -1, 4),
    Num("Height", 3754, 2, 60, 91),
    Num("Weight", 3757, 3, 133, 350),
    Num("YearsPro", 3762, 2, 0, 99),
    Num("SkinColor", 3768, 1, 0, 5, Digit),
    Num("Hand", 3769, 1, 0, 1, Digit),
    Rating("Fatigue", 3772),
    Rating("JumpShooting", 3775),
    Rating("ThreePointers", 3778),
    Rating("FreeThrows", 3781),
    Rating("Dunking", 3784),
    Rating("Stealing", 3787),
    Rating("Blocking", 3790),
    Rating("OffensiveRebounding", 3793),
    Rating("DefensiveRebounding", 3796),
    Rating("Passing", 3799),
    Rating("OffensiveAwareness", 3802),
    Rating("DefensiveAwareness", 3805),
    Rating("Speed", 3808),
    Rating("Quickness", 3811),
    Rating("Jumping", 3814),
    Rating("Dribbling", 3817),
    Rating("Strength", 3820),
    Rating("Hardiness", 3823),
    Num("ShootingRange", 3826, 2, 8, 25),
    TextField("LastName", 3828, 25),
    TextField("FirstName", 3853, 25),
    {"Nickname", 3878, 26, 25, Text, true, false, 0, 0, true},
    Num("OriginalTeam", 3905, 2, 0, 28),
    Num("BirthYear", 3907, 4, 1900, 9999),
    Num("BirthMonth", 3911, 2, 1, 12, ZeroFilled),
    Num("BirthDay", 3913, 2, 1, 31, ZeroFilled),
    TextField("BirthTown", 3915, 20),
    TextField("BirthState", 3935, 20),
    Num("DraftPlace", 3956, 3, -1, 255),
    Num("DraftRound", 3960, 3, -1, 255),
    Num("DraftOverall", 3964, 3, -1, 255),
    Num("DraftYear", 3967, 4, 0, 9999),
    ReadOnly("PlayerId", 3997, 4),
    ReadOnly("RosterSlot", 4001, 2),
    {"DraftedBy", 4003, 3, 3, Text, false, false, 0, 0, true},
    ReadOnly("Team", 4008, 2, true, 0, 31),
    FlagField("IsPlayable", 4029),
    FlagField("IsCreated", 4030),
    FlagField("IsRom", 4031),
    FlagField("IsHidden", 4032),
    TextField("Portrait", 4034, 12),
    TextField("ActionPhoto", 4046, 12),
    TextField("SpeechHeader", 4066, 11),
    TextField("SpeechData", 4078, 11),
    TextField("PlayerPkg", 4090, 12),
    Num("PlayerType", 4091, 1, 0, 11, Letter),
    Num("HairStyle", 4092, 1, 0, 16, Letter),
    Num("FacialHair", 4093, 1, 0, 8, Letter),
    Num("Accessories", 4094, 1, 0, 6, Letter),
    Rating("InsideShooting", 4183),
    Rating("Clutch", 4186),
    Num("BodyType", 4190, 1, 0, 8, Digit),
    Num("ShootingRange2", 4192, 2, 0, 17),
    ReadOnly("OverallRating", 4195, 2),
    Num("DunkPackage", 4197, 1, 0, 6, Digit),
    Num("PreferredDunk", 4198, 1, 0, 5, Digit),
    Stat("FieldGoalsAttempted", 4199),
    Stat("FieldGoalsMade", 4204),
    Stat("ThreePointAttempted", 4209),
    Stat("ThreePointMade", 4214),
    Stat("FreeThrowsAttempted", 4219),
    Stat("FreeThrowsMade", 4224),
    Stat("Blocks", 4229),
    Stat("OffensiveRebounds", 4234),
    Stat("Assists", 4239),
    Stat("Fouls", 4244),
    Stat("Steals", 4249),
    Stat("DefensiveRebounds", 4254),
    Stat("Turnovers", 4259),
    Stat("Minutes", 4264),
    Stat("Games", 4269),
    Stat("Ejections", 4274),
}};

const FieldDescriptor* FieldByName(std::string_view name) {
  const auto* it = std::find_if(kRecordLayout.begin(), kRecordLayout.end(),
                                [name](const FieldDescriptor& f) { return f.name == name; });
  return it == kRecordLayout.end() ? nullptr : &*it;
}

std::uint16_t FirstFieldPosition() { return kRecordLayout.front().position; }

std::uint16_t FieldSpanEnd() {
  const auto& last = kRecordLayout.back();
  return static_cast<std::uint16_t>(last.position + last.readWidth);
}

bool IsFieldByte(std::uint16_t position) {
  return std::any_of(kRecordLayout.begin(), kRecordLayout.end(), [position](const auto& f) {
    return position >= f.position && position < f.position + f.readWidth;
  });
}

}  // namespace korvale
