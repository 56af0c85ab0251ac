#include "SoakControls.h"

#include "ControlIds.h"
#include "Ratings.h"
#include "StoredForms.h"
#include "Windows1252.h"

namespace korvale::testing {
namespace {

namespace pdc = res::playerdata;
namespace pd2c = res::playerdata2;
namespace rc = res::ratings;
namespace sc = res::season;

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
      Text(pd, pdc::kLastName, LastName),
      Text(pd, pdc::kFirstName, FirstName),
      Text(pd, pdc::kNickname, Nickname),
      Text(pd, pdc::kBirthTown, BirthTown),
      Text(pd, pdc::kBirthState, BirthState),
      Text(pd, pdc::kDraftedBy, DraftedBy),
      Ranged(pd, pdc::kDraftYear, DraftYear),
      Ranged(pd, pdc::kPlayerNumber, PlayerNumber),
      Ranged(pd, pdc::kWeight, Weight),
      Ranged(pd, pdc::kDraftRound, DraftRound),
      Ranged(pd, pdc::kDraftOverall, DraftOverall),
      Ranged(pd, pdc::kDraftPlace, DraftPlace),
      Ranged(pd, pdc::kYearsPro, YearsPro),
      Ranged(pd, pdc::kHeight, Height),
      Ranged(pd, pdc::kBirthDay, BirthDay),
      Ranged(pd, pdc::kBirthMonth, BirthMonth),
      Ranged(pd, pdc::kBirthYear, BirthYear),
      Text(pd2, pd2c::kPortrait, Portrait),
      Text(pd2, pd2c::kActionPhoto, ActionPhoto),
      Text(pd2, pd2c::kSpeechHeader, SpeechHeader),
      Text(pd2, pd2c::kSpeechData, SpeechData),
      Text(pd2, pd2c::kPlayerPkg, PlayerPkg),
      Rating(rc::kJumpShooting, JumpShooting),
      Rating(rc::kThreePointers, ThreePointers),
      Rating(rc::kFreeThrows, FreeThrows),
      Rating(rc::kInsideShooting, InsideShooting),
      Rating(rc::kDunking, Dunking),
      Plain(rc::kDunkPackage, DunkPackage),
      Rating(rc::kJumping, Jumping),
      Plain(rc::kPreferredDunk, PreferredDunk),
      Plain(rc::kShootingRange, ShootingRange),
      Plain(rc::kShootingRange2, ShootingRange2),
      Rating(rc::kOffensiveRebounding, OffensiveRebounding),
      Rating(rc::kDefensiveRebounding, DefensiveRebounding),
      Rating(rc::kOffensiveAwareness, OffensiveAwareness),
      Rating(rc::kDefensiveAwareness, DefensiveAwareness),
      Rating(rc::kBlocking, Blocking),
      Rating(rc::kStealing, Stealing),
      Rating(rc::kPassing, Passing),
      Rating(rc::kDribbling, Dribbling),
      Rating(rc::kClutch, Clutch),
      Rating(rc::kFatigue, Fatigue),
      Rating(rc::kHardiness, Hardiness),
      Rating(rc::kQuickness, Quickness),
      Rating(rc::kSpeed, Speed),
      Rating(rc::kStrength, Strength),
      Total(sc::kFieldGoalsAttempted, FieldGoalsAttempted),
      Total(sc::kFieldGoalsMade, FieldGoalsMade),
      Total(sc::kThreePointAttempted, ThreePointAttempted),
      Total(sc::kThreePointMade, ThreePointMade),
      Total(sc::kFreeThrowsAttempted, FreeThrowsAttempted),
      Total(sc::kFreeThrowsMade, FreeThrowsMade),
      Total(sc::kAssists, Assists),
      Total(sc::kBlocks, Blocks),
      Total(sc::kOffensiveRebounds, OffensiveRebounds),
      Total(sc::kFouls, Fouls),
      Total(sc::kSteals, Steals),
      Total(sc::kDefensiveRebounds, DefensiveRebounds),
      Total(sc::kTurnovers, Turnovers),
      Total(sc::kMinutes, Minutes),
      Total(sc::kGames, Games),
      Total(sc::kEjections, Ejections),
  };
  return edits;
}

const std::vector<ListControl>& ListControls() {
  using enum FieldId;
  static const std::vector<ListControl> lists{
      {kPlayerDataTab, pdc::kPosition, Position},
      {kPlayerDataTab, pdc::kSecondPosition, SecondPosition, -1},
      {kPlayerDataTab, pdc::kHand, Hand},
      {kPlayerDataTab, pdc::kOriginalTeam, OriginalTeam},
      {kPlayerData2Tab, pd2c::kSkinColor, SkinColor},
      {kPlayerData2Tab, pd2c::kBodyType, BodyType},
      {kPlayerData2Tab, pd2c::kPlayerType, PlayerType},
      {kPlayerData2Tab, pd2c::kHairStyle, HairStyle},
      {kPlayerData2Tab, pd2c::kFacialHair, FacialHair},
      {kPlayerData2Tab, pd2c::kAccessories, Accessories},
  };
  return lists;
}

const std::vector<CheckControl>& CheckControls() {
  using enum FieldId;
  static const std::vector<CheckControl> boxes{{kPlayerData2Tab, pd2c::kIsCreated, IsCreated},
                                               {kPlayerData2Tab, pd2c::kIsPlayable, IsPlayable},
                                               {kPlayerData2Tab, pd2c::kIsRom, IsRom},
                                               {kPlayerData2Tab, pd2c::kIsHidden, IsHidden}};
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
