#include "PlayerRatingsPage.h"

#include <functional>

#include "CommitField.h"
#include "ControlIds.h"
#include "PageHost.h"
#include "Ratings.h"
#include "StoredForms.h"

namespace {

using korvale::FieldId;
namespace ids = korvale::res::ratings;

struct RatingsEntry {
  int control;
  FieldId field;
};

// The exchange order.
constexpr std::array<RatingsEntry, PlayerRatingsPage::kEditableCount> kEntries{{
    {ids::kJumpShooting, FieldId::JumpShooting},
    {ids::kThreePointers, FieldId::ThreePointers},
    {ids::kFreeThrows, FieldId::FreeThrows},
    {ids::kInsideShooting, FieldId::InsideShooting},
    {ids::kDunking, FieldId::Dunking},
    {ids::kDunkPackage, FieldId::DunkPackage},
    {ids::kJumping, FieldId::Jumping},
    {ids::kPreferredDunk, FieldId::PreferredDunk},
    {ids::kShootingRange, FieldId::ShootingRange},
    {ids::kShootingRange2, FieldId::ShootingRange2},
    {ids::kOffensiveRebounding, FieldId::OffensiveRebounding},
    {ids::kDefensiveRebounding, FieldId::DefensiveRebounding},
    {ids::kOffensiveAwareness, FieldId::OffensiveAwareness},
    {ids::kDefensiveAwareness, FieldId::DefensiveAwareness},
    {ids::kBlocking, FieldId::Blocking},
    {ids::kStealing, FieldId::Stealing},
    {ids::kPassing, FieldId::Passing},
    {ids::kDribbling, FieldId::Dribbling},
    {ids::kClutch, FieldId::Clutch},
    {ids::kFatigue, FieldId::Fatigue},
    {ids::kHardiness, FieldId::Hardiness},
    {ids::kQuickness, FieldId::Quickness},
    {ids::kSpeed, FieldId::Speed},
    {ids::kStrength, FieldId::Strength},
}};

// The display reads the entries in this order (the first eighteen as they
// are exchanged, then Speed, Quickness, Clutch, Fatigue, Strength and
// Hardiness), the stored overall last.
constexpr std::array<std::size_t, PlayerRatingsPage::kEditableCount> kLoadOrder{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 22, 21, 18, 19, 23, 20};

std::size_t EntryOf(FieldId field) {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (kEntries[i].field == field) return i;
  }
  return kEntries.size();
}

// A rating is shown as such and stored as its code; the others as they are.
std::int32_t Shown(const RatingsEntry& entry, std::int32_t stored) {
  return korvale::IsRating(entry.field) ? korvale::RatingFromCode(stored) : stored;
}

std::optional<std::string> Stored(const RatingsEntry& entry, std::int32_t value) {
  const korvale::FieldDescriptor& field = korvale::Field(entry.field);
  const korvale::ShownRange range = korvale::ShownRangeOf(field);
  if (value < range.low || value > range.high) return std::nullopt;
  const bool rating = korvale::IsRating(entry.field);
  return korvale::EncodeValue(field, rating ? korvale::CodeFromRating(value) : value);
}

}  // namespace

PlayerRatingsPage::PlayerRatingsPage(PageHost& host, PageControls& controls)
    : host_(host), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    const korvale::ShownRange range = korvale::ShownRangeOf(korvale::Field(kEntries[i].field));
    entries.push_back(
        ExchangeEntry::Ranged(kEntries[i].control, &values_[i], range.low, range.high));
  }
  entries.push_back(ExchangeEntry::Integer(ids::kOverallRating, &overallRating_));
  entries.push_back(ExchangeEntry::Real(ids::kCalculatedOverall, &calculatedOverall_));
  exchange_.SetEntries(std::move(entries));
}

std::vector<PageCommit> PlayerRatingsPage::Commits() {
  std::vector<PageCommit> commits;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    commits.push_back({kEntries[i].control, PageCommit::Event::Leave, [this, i] { Commit(i); }});
  }
  return commits;
}

void PlayerRatingsPage::LoadRecord() {
  korvale::PlayerFileState& file = host_.File();
  const std::int32_t record = file.CurrentRecord();
  for (const std::size_t i : kLoadOrder) {
    values_[i] = Shown(kEntries[i], korvale::ReadNumber(file.ReadField(record, kEntries[i].field)));
    exchange_.Show();
  }
  overallRating_ = korvale::ReadNumber(file.ReadField(record, FieldId::OverallRating));
  exchange_.Show();
}

void PlayerRatingsPage::RecalculateOverall() {
  calculatedOverall_ = korvale::CalculatedOverallOf(
      korvale::OverallSumOf([this](FieldId field) { return values_[EntryOf(field)]; }));
  exchange_.Show();
}

void PlayerRatingsPage::Clear() {
  values_.fill(0);
  overallRating_ = 0;
  calculatedOverall_ = 0.0;
  exchange_.Show();
}

// The calculated overall follows every write it depends on: the ratings
// and both shooting ranges.
void PlayerRatingsPage::Commit(std::size_t i) {
  const RatingsEntry& entry = kEntries[i];
  std::function<void()> followUp;
  if (korvale::IsRating(entry.field) || entry.field == FieldId::ShootingRange ||
      entry.field == FieldId::ShootingRange2) {
    followUp = [this] { RecalculateOverall(); };
  }
  CommitField(
      host_, exchange_,
      {korvale::Field(entry.field).position, [this, i] { return Stored(kEntries[i], values_[i]); },
       std::move(followUp), entry.control});
}
