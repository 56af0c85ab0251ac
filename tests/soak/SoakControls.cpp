#include "SoakControls.h"

#include "Ratings.h"
#include "StoredForms.h"
#include "Windows1252.h"

namespace korvale::testing {
namespace {

EditControl Text(int tab, int id, FieldId field) {
  return {tab, id, field, false, 0, 0, false, Field(field).writeWidth};
}
EditControl Ranged(int tab, int id, FieldId field) {
  return {tab, id, field, true, Field(field).low, Field(field).high};
}
EditControl Rating(int id, FieldId field) {
  return {kRatingsTab, id, field, true, kLowestRating, kHighestRating, true};
}
EditControl Plain(int id, FieldId field) {
  return {kRatingsTab, id, field, true, Field(field).low, Field(field).high};
}
EditControl Total(int id, FieldId field) { return {kSeasonTab, id, field, true, 0, 99999}; }

}  // namespace

const std::vector<EditControl>& EditControls() {
  using enum FieldId;
  constexpr int pd = kPlayerDataTab;
  constexpr int pd2 = kPlayerData2Tab;
  static const std::vector<EditControl> edits{
      Text(pd, 1003, LastName),
      Text(pd, 1002, FirstName),
      Text(pd, 1004, Nickname),
      Text(pd, 1006, BirthTown),
      Text(pd, 1007, BirthState),
      Text(pd, 1017, DraftedBy),
      Ranged(pd, 1016, DraftYear),
      Ranged(pd, 1008, PlayerNumber),
      Ranged(pd, 1010, Weight),
      Ranged(pd, 1019, DraftRound),
      Ranged(pd, 1020, DraftOverall),
      Ranged(pd, 1023, DraftPlace),
      Ranged(pd, 1018, YearsPro),
      Ranged(pd, 1009, Height),
      Ranged(pd, 1024, BirthDay),
      Ranged(pd, 1005, BirthMonth),
      Ranged(pd, 1025, BirthYear),
      Text(pd2, 1050, Portrait),
      Text(pd2, 1051, ActionPhoto),
      Text(pd2, 1048, SpeechHeader),
      Text(pd2, 1049, SpeechData),
      Text(pd2, 1047, PlayerPkg),
      Rating(1003, JumpShooting),
      Rating(1005, ThreePointers),
      Rating(1007, FreeThrows),
      Rating(1009, InsideShooting),
      Rating(1011, Dunking),
      Plain(1015, DunkPackage),
      Rating(1013, Jumping),
      Plain(1016, PreferredDunk),
      Plain(1017, ShootingRange),
      Plain(1047, ShootingRange2),
      Rating(1018, OffensiveRebounding),
      Rating(1019, DefensiveRebounding),
      Rating(1022, OffensiveAwareness),
      Rating(1023, DefensiveAwareness),
      Rating(1026, Blocking),
      Rating(1028, Stealing),
      Rating(1030, Passing),
      Rating(1032, Dribbling),
      Rating(1042, Clutch),
      Rating(1040, Fatigue),
      Rating(1044, Hardiness),
      Rating(1036, Quickness),
      Rating(1034, Speed),
      Rating(1038, Strength),
      Total(1048, FieldGoalsAttempted),
      Total(1047, FieldGoalsMade),
      Total(1055, ThreePointAttempted),
      Total(1054, ThreePointMade),
      Total(1053, FreeThrowsAttempted),
      Total(1052, FreeThrowsMade),
      Total(1066, Assists),
      Total(1060, Blocks),
      Total(1064, OffensiveRebounds),
      Total(1067, Fouls),
      Total(1062, Steals),
      Total(1065, DefensiveRebounds),
      Total(1072, Turnovers),
      Total(1046, Minutes),
      Total(1049, Games),
      Total(1073, Ejections),
  };
  return edits;
}

const std::vector<ListControl>& ListControls() {
  using enum FieldId;
  static const std::vector<ListControl> lists{
      {kPlayerDataTab, 1012, Position},    {kPlayerDataTab, 1013, SecondPosition, -1},
      {kPlayerDataTab, 1014, Hand},        {kPlayerDataTab, 1015, OriginalTeam},
      {kPlayerData2Tab, 1026, SkinColor},  {kPlayerData2Tab, 1027, BodyType},
      {kPlayerData2Tab, 1028, PlayerType}, {kPlayerData2Tab, 1031, HairStyle},
      {kPlayerData2Tab, 1029, FacialHair}, {kPlayerData2Tab, 1030, Accessories},
  };
  return lists;
}

const std::vector<CheckControl>& CheckControls() {
  using enum FieldId;
  static const std::vector<CheckControl> boxes{{kPlayerData2Tab, 1039, IsCreated},
                                               {kPlayerData2Tab, 1040, IsPlayable},
                                               {kPlayerData2Tab, 1041, IsRom},
                                               {kPlayerData2Tab, 1042, IsHidden}};
  return boxes;
}

std::optional<std::string> StoredInteger(const EditControl& edit, std::int32_t shown) {
  if (shown < edit.low || shown > edit.high) return std::nullopt;
  return EncodeValue(Field(edit.field), edit.rating ? CodeFromRating(shown) : shown);
}

std::optional<std::string> StoredText(const EditControl& edit, const QString& text) {
  const std::optional<std::string> bytes = korvale::Utf8ToCp1252(text.toStdString());
  if (!bytes || bytes->size() > Field(edit.field).writeWidth) return std::nullopt;
  return EncodeText(*bytes, Field(edit.field).writeWidth);
}

std::string StoredPick(const ListControl& list, int index) {
  return EncodeValue(Field(list.field), index + list.offset);
}

}  // namespace korvale::testing
