#include "PlayerRatingsPage.h"

#include <functional>

#include "CommitField.h"
#include "PageHost.h"
#include "Ratings.h"
#include "StoredForms.h"

namespace {

using korvale::FieldId;

// How a value is stored: a rating as its code, the others as they are.
enum class Scale { Rating, Plain };

struct RatingsEntry {
  int control;
  FieldId field;
  std::int32_t low, high;
  Scale scale;
};

constexpr RatingsEntry Rating(int control, FieldId field) {
  return {control, field, korvale::kLowestRating, korvale::kHighestRating, Scale::Rating};
}
constexpr RatingsEntry Plain(int control, FieldId field, std::int32_t low, std::int32_t high) {
  return {control, field, low, high, Scale::Plain};
}

// The exchange order.
constexpr std::array<RatingsEntry, PlayerRatingsPage::kEditableCount> kEntries{
    Rating(1003, FieldId::JumpShooting),
    Rating(1005, FieldId::ThreePointers),
    Rating(1007, FieldId::FreeThrows),
    Rating(1009, FieldId::InsideShooting),
    Rating(1011, FieldId::Dunking),
    Plain(1015, FieldId::DunkPackage, 0, 6),
    Rating(1013, FieldId::Jumping),
    Plain(1016, FieldId::PreferredDunk, 0, 5),
    Plain(1017, FieldId::ShootingRange, 8, 25),
    Plain(1047, FieldId::ShootingRange2, 0, 17),
    Rating(1018, FieldId::OffensiveRebounding),
    Rating(1019, FieldId::DefensiveRebounding),
    Rating(1022, FieldId::OffensiveAwareness),
    Rating(1023, FieldId::DefensiveAwareness),
    Rating(1026, FieldId::Blocking),
    Rating(1028, FieldId::Stealing),
    Rating(1030, FieldId::Passing),
    Rating(1032, FieldId::Dribbling),
    Rating(1042, FieldId::Clutch),
    Rating(1040, FieldId::Fatigue),
    Rating(1044, FieldId::Hardiness),
    Rating(1036, FieldId::Quickness),
    Rating(1034, FieldId::Speed),
    Rating(1038, FieldId::Strength),
};
constexpr int kOverallRatingControl = 1043;
constexpr int kCalculatedOverallControl = 1046;

// The display reads the fields in this order, the stored overall last.
constexpr std::array<FieldId, PlayerRatingsPage::kEditableCount> kLoadOrder{
    FieldId::JumpShooting,
    FieldId::ThreePointers,
    FieldId::FreeThrows,
    FieldId::InsideShooting,
    FieldId::Dunking,
    FieldId::DunkPackage,
    FieldId::Jumping,
    FieldId::PreferredDunk,
    FieldId::ShootingRange,
    FieldId::ShootingRange2,
    FieldId::OffensiveRebounding,
    FieldId::DefensiveRebounding,
    FieldId::OffensiveAwareness,
    FieldId::DefensiveAwareness,
    FieldId::Blocking,
    FieldId::Stealing,
    FieldId::Passing,
    FieldId::Dribbling,
    FieldId::Speed,
    FieldId::Quickness,
    FieldId::Clutch,
    FieldId::Fatigue,
    FieldId::Strength,
    FieldId::Hardiness};

std::size_t EntryOf(FieldId field) {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (kEntries[i].field == field) return i;
  }
  return kEntries.size();
}

std::int32_t Shown(const RatingsEntry& entry, std::int32_t stored) {
  return entry.scale == Scale::Rating ? korvale::RatingFromCode(stored) : stored;
}

std::optional<std::string> Stored(const RatingsEntry& entry, std::int32_t value) {
  if (value < entry.low || value > entry.high) return std::nullopt;
  const std::int32_t stored = entry.scale == Scale::Rating ? korvale::CodeFromRating(value) : value;
  return korvale::EncodeValue(korvale::Field(entry.field), stored);
}

}  // namespace

PlayerRatingsPage::PlayerRatingsPage(PageHost& host, PageControls& controls)
    : host_(host), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    entries.push_back(
        ExchangeEntry::Ranged(kEntries[i].control, &values_[i], kEntries[i].low, kEntries[i].high));
  }
  entries.push_back(ExchangeEntry::Integer(kOverallRatingControl, &overallRating_));
  entries.push_back(ExchangeEntry::Real(kCalculatedOverallControl, &calculatedOverall_));
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
  for (const FieldId field : kLoadOrder) {
    const std::size_t i = EntryOf(field);
    values_[i] = Shown(kEntries[i], korvale::ReadNumber(file.ReadField(record, field)));
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
  if (entry.scale == Scale::Rating || entry.field == FieldId::ShootingRange ||
      entry.field == FieldId::ShootingRange2) {
    followUp = [this] { RecalculateOverall(); };
  }
  CommitField(
      host_, exchange_,
      {korvale::Field(entry.field).position, [this, i] { return Stored(kEntries[i], values_[i]); },
       std::move(followUp), entry.control});
}
