#include <fmt/format.h>

#include <ostream>
#include <vector>

#include "Biography.h"
#include "Commands.h"
#include "Derived.h"
#include "Labels.h"
#include "ListEntries.h"
#include "RecordSource.h"

namespace korvale::cli {
namespace {

struct Line {
  std::string_view label;
  FieldId field;
};

const std::vector<Line> kPlayerData{{"First Name:", FieldId::FirstName},
                                    {"Last Name:", FieldId::LastName},
                                    {"Nickname:", FieldId::Nickname},
                                    {"Birth Month:", FieldId::BirthMonth},
                                    {"Birth Day:", FieldId::BirthDay},
                                    {"Birth Year:", FieldId::BirthYear},
                                    {"Birthtown:", FieldId::BirthTown},
                                    {"Birthstate:", FieldId::BirthState},
                                    {"Hand:", FieldId::Hand},
                                    {"Position:", FieldId::Position},
                                    {"Position 2:", FieldId::SecondPosition},
                                    {"Height:", FieldId::Height},
                                    {"Weight:", FieldId::Weight},
                                    {"Number:", FieldId::PlayerNumber},
                                    {"Years Pro:", FieldId::YearsPro},
                                    {"Draft Year:", FieldId::DraftYear},
                                    {"Draft Round:", FieldId::DraftRound},
                                    {"Drafted By:", FieldId::DraftedBy},
                                    {"Draft Overall:", FieldId::DraftOverall},
                                    {"Draft Place:", FieldId::DraftPlace},
                                    {"Original Team:", FieldId::OriginalTeam},
                                    {"Team:", FieldId::Team},
                                    {"Roster Slot:", FieldId::RosterSlot}};

const std::vector<Line> kPlayerData2{{"Skin Color:", FieldId::SkinColor},
                                     {"BodyType:", FieldId::BodyType},
                                     {"Player Type:", FieldId::PlayerType},
                                     {"Hairstyle:", FieldId::HairStyle},
                                     {"Facial Hair:", FieldId::FacialHair},
                                     {"Accessories:", FieldId::Accessories},
                                     {"Is Playable:", FieldId::IsPlayable},
                                     {"Is Created:", FieldId::IsCreated},
                                     {"Is Rom:", FieldId::IsRom},
                                     {"Is Hidden:", FieldId::IsHidden},
                                     {"Portrait:", FieldId::Portrait},
                                     {"Action Photo:", FieldId::ActionPhoto},
                                     {"Speech Header:", FieldId::SpeechHeader},
                                     {"Speech Data:", FieldId::SpeechData},
                                     {"Player PKG:", FieldId::PlayerPkg}};

const std::vector<Line> kRatings{{"Jump Shooting:", FieldId::JumpShooting},
                                 {"3 Pointers:", FieldId::ThreePointers},
                                 {"Free Throws:", FieldId::FreeThrows},
                                 {"Inside Shooting:", FieldId::InsideShooting},
                                 {"Dunking:", FieldId::Dunking},
                                 {"Dunk Package:", FieldId::DunkPackage},
                                 {"Jumping:", FieldId::Jumping},
                                 {"Preferred Dunk:", FieldId::PreferredDunk},
                                 {"Shooting Range:", FieldId::ShootingRange},
                                 {"Shooting Range2:", FieldId::ShootingRange2},
                                 {"Off.Rebounding:", FieldId::OffensiveRebounding},
                                 {"Def.Rebounding:", FieldId::DefensiveRebounding},
                                 {"Off.Awareness:", FieldId::OffensiveAwareness},
                                 {"Def.Awareness:", FieldId::DefensiveAwareness},
                                 {"Blocking:", FieldId::Blocking},
                                 {"Stealing:", FieldId::Stealing},
                                 {"Passing:", FieldId::Passing},
                                 {"Dribbling:", FieldId::Dribbling},
                                 {"Speed:", FieldId::Speed},
                                 {"Quickness:", FieldId::Quickness},
                                 {"Strength:", FieldId::Strength},
                                 {"Fatigue:", FieldId::Fatigue},
                                 {"Clutch:", FieldId::Clutch},
                                 {"Hardiness:", FieldId::Hardiness},
                                 {"Stored Overall:", FieldId::OverallRating}};

const std::vector<Line> kSeason{
    {"Minutes:", FieldId::Minutes},       {"Games:", FieldId::Games},
    {"FGM:", FieldId::FieldGoalsMade},    {"FGA:", FieldId::FieldGoalsAttempted},
    {"FTM:", FieldId::FreeThrowsMade},    {"FTA:", FieldId::FreeThrowsAttempted},
    {"3PTM:", FieldId::ThreePointMade},   {"3PTA:", FieldId::ThreePointAttempted},
    {"Blocks:", FieldId::Blocks},         {"ORB:", FieldId::OffensiveRebounds},
    {"DRB:", FieldId::DefensiveRebounds}, {"Assists:", FieldId::Assists},
    {"Steals:", FieldId::Steals},         {"Fouls:", FieldId::Fouls},
    {"Turn:", FieldId::Turnovers},        {"Eject:", FieldId::Ejections}};

// The derived values under their page labels, by index in kDerivedColumns.
const std::vector<std::pair<std::string_view, std::size_t>> kSeasonDerived{
    {"Points:", 2},
    {"Tot.:", 3},
    {"Min Per Game:", 4},
    {"Points Per Game:", 5},
    {"Blocks Per Game:", 6},
    {"RPG:", 7},
    {"Assists Per Game:", 8},
    {"Steals Per Game:", 9},
    {"Fouls Per Game:", 10},
    {"Turnovers Per Game:", 11},
    {"Ejections Per Game:", 12},
    {"Field Goal %:", 13},
    {"Free Throw %:", 14},
    {"3 Point %:", 15}};

void Page(std::string& out, std::string_view title, const std::vector<Line>& lines,
          const RecordSpan& record) {
  out += fmt::format("{}\n", title);
  for (const Line& line : lines) {
    out += fmt::format("  {:<21}{}\n", line.label, ShownText(record, line.field));
  }
}

void Show(std::string& out, const RecordSpan& record) {
  const auto derived = DerivedTexts(record);
  out += fmt::format("{}\n", RecordLabel(record));
  Page(out, "Player Data", kPlayerData, record);
  out += fmt::format("  {:<21}{}\n", "Height (ft, in):", derived[0]);
  Page(out, "Player Data 2", kPlayerData2, record);
  Page(out, "Player Ratings", kRatings, record);
  out += fmt::format("  {:<21}{}\n", "Calculated Overall:", derived[1]);
  Page(out, "Season Stats", kSeason, record);
  for (const auto& [label, index] : kSeasonDerived) {
    out += fmt::format("  {:<21}{}\n", label, derived[index]);
  }
}

}  // namespace

int ShowCommand(const ShowOptions& options, Io io) {
  PlayerFileState file(io.files);
  OpenRoster(file, options.file, false, io.err);
  WarnIfCutShort(file, io.err);
  RecordSource source(file);
  std::optional<std::string> bytes;
  std::int64_t index = -1;
  if (options.record) {
    index = *options.record;
    if (index >= 0 && index < source.Count()) bytes = source.Read(index);
  } else {
    source.ForEach([&](const RecordSpan& record) {
      if (!bytes && ShownNumber(record, FieldId::PlayerId) == *options.id) {
        bytes = std::string(record.bytes);
        index = record.index;
      }
    });
  }
  if (!bytes) {
    io.err << "korvale-cli: no "
           << (options.record ? "record " + std::to_string(*options.record)
                              : "player with id " + std::to_string(*options.id))
           << " in " << options.file << '\n';
    return kFindings;
  }
  std::string out;
  Show(out, RecordSpan{index, *bytes});
  io.out << out;
  return kSuccess;
}

}  // namespace korvale::cli
