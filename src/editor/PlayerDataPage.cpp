#include "PlayerDataPage.h"

#include <functional>
#include <limits>
#include <optional>

#include "Biography.h"
#include "CommitField.h"
#include "Names.h"
#include "PageControls.h"
#include "PageHost.h"
#include "StoredForms.h"
#include "Windows1252.h"

using korvale::Field;
using korvale::FieldId;

namespace {

template <std::size_t N>
std::vector<std::string_view> Entries(const std::array<std::string_view, N>& names,
                                      std::vector<std::string_view> entries = {}) {
  entries.insert(entries.end(), names.begin(), names.end());
  return entries;
}

}  // namespace

PlayerDataPage::PlayerDataPage(PageHost& host, PageControls& controls)
    : host_(host), controls_(controls), exchange_(controls, host.Messages()) {
  DeclareExchange();
}

void PlayerDataPage::DeclareExchange() {
  // Each text box holds as many characters as its field takes.
  auto text = [](int id, std::string& value, FieldId field) {
    return ExchangeEntry::Text(id, &value, Field(field).writeWidth);
  };
  // Each integer's accepted range is its field's range in the layout.
  auto ranged = [](int id, std::int32_t& value, FieldId field) {
    return ExchangeEntry::Ranged(id, &value, Field(field).low, Field(field).high);
  };
  Values& v = values_;
  exchange_.SetEntries({
      text(kLastName, v.LastName, FieldId::LastName),
      text(kFirstName, v.FirstName, FieldId::FirstName),
      text(kNickname, v.Nickname, FieldId::Nickname),
      ranged(kDraftYear, v.DraftYear, FieldId::DraftYear),
      text(kBirthTown, v.BirthTown, FieldId::BirthTown),
      text(kBirthState, v.BirthState, FieldId::BirthState),
      ranged(kPlayerNumber, v.PlayerNumber, FieldId::PlayerNumber),
      ranged(kWeight, v.Weight, FieldId::Weight),
      text(kDraftedBy, v.DraftedBy, FieldId::DraftedBy),
      ranged(kDraftRound, v.DraftRound, FieldId::DraftRound),
      ranged(kDraftOverall, v.DraftOverall, FieldId::DraftOverall),
      ranged(kDraftPlace, v.DraftPlace, FieldId::DraftPlace),
      ranged(kYearsPro, v.YearsPro, FieldId::YearsPro),
      ranged(kHeight, v.Height, FieldId::Height),
      ExchangeEntry::Text(kHeightText, &v.HeightText, 0),
      ranged(kBirthDay, v.BirthDay, FieldId::BirthDay),
      ranged(kBirthMonth, v.BirthMonth, FieldId::BirthMonth),
      ranged(kBirthYear, v.BirthYear, FieldId::BirthYear),
  });
}

std::vector<PageCommit> PlayerDataPage::Commits() {
  using Bytes = std::function<std::optional<std::string>()>;
  using Event = PageCommit::Event;
  std::vector<PageCommit> commits;
  auto add = [&](Event event, int id, FieldId field, Bytes bytes,
                 std::function<void()> followUp = {}) {
    FieldWrite write{Field(field).position, std::move(bytes), std::move(followUp),
                     event == Event::Leave ? id : kNoControl};
    commits.push_back(
        {id, event, [this, write = std::move(write)] { CommitField(host_, exchange_, write); }});
  };
  auto leave = [&](int id, FieldId field, Bytes bytes, std::function<void()> followUp = {}) {
    add(Event::Leave, id, field, std::move(bytes), std::move(followUp));
  };
  // A list's entry is stored as its index, less `first` (the first entry's
  // code is -1 where it is "None").
  auto pick = [&](int id, FieldId field, int first = 0) {
    add(Event::Pick, id, field, [this, id, field, first] {
      return std::optional(korvale::EncodeValue(Field(field), controls_.Selection(id) + first));
    });
  };
  // Text: space-filled to the field's write width; a longer text (a
  // 26-character nickname left as read) is written whole when the field's
  // read width holds it, else not at all.
  auto padded = [](const std::string& value, FieldId field) -> Bytes {
    return [&value, width = std::size_t{Field(field).writeWidth},
            longest = std::size_t{Field(field).readWidth}] {
      return PaddedText(value, width, longest);
    };
  };
  auto ranged = [](FieldId field, const std::int32_t& value) -> Bytes {
    return
        [field, &value] { return RangedValue(field, value, Field(field).low, Field(field).high); };
  };
  auto names = [this] {
    host_.FillPlayerList();
    host_.SyncPlayerList();
    host_.FillRosterList();
  };
  auto height = [this] {
    values_.HeightText = korvale::HeightText(values_.Height);
    exchange_.Show();
  };
  const Values& v = values_;

  leave(kFirstName, FieldId::FirstName, padded(v.FirstName, FieldId::FirstName), names);
  leave(kLastName, FieldId::LastName, padded(v.LastName, FieldId::LastName), names);
  leave(kNickname, FieldId::Nickname, padded(v.Nickname, FieldId::Nickname));
  leave(kDraftYear, FieldId::DraftYear, ranged(FieldId::DraftYear, v.DraftYear));
  leave(kBirthTown, FieldId::BirthTown, padded(v.BirthTown, FieldId::BirthTown));
  leave(kBirthState, FieldId::BirthState, padded(v.BirthState, FieldId::BirthState));
  leave(kPlayerNumber, FieldId::PlayerNumber, ranged(FieldId::PlayerNumber, v.PlayerNumber));
  pick(kPosition, FieldId::Position);
  pick(kHand, FieldId::Hand);
  leave(kWeight, FieldId::Weight, ranged(FieldId::Weight, v.Weight));
  leave(kDraftedBy, FieldId::DraftedBy, padded(v.DraftedBy, FieldId::DraftedBy));
  leave(kDraftRound, FieldId::DraftRound, ranged(FieldId::DraftRound, v.DraftRound));
  leave(kDraftOverall, FieldId::DraftOverall, ranged(FieldId::DraftOverall, v.DraftOverall));
  leave(kDraftPlace, FieldId::DraftPlace, ranged(FieldId::DraftPlace, v.DraftPlace));
  leave(kYearsPro, FieldId::YearsPro, ranged(FieldId::YearsPro, v.YearsPro));
  leave(kHeight, FieldId::Height, ranged(FieldId::Height, v.Height), height);
  leave(kBirthDay, FieldId::BirthDay, ranged(FieldId::BirthDay, v.BirthDay));
  leave(kBirthMonth, FieldId::BirthMonth, ranged(FieldId::BirthMonth, v.BirthMonth));
  leave(kBirthYear, FieldId::BirthYear, ranged(FieldId::BirthYear, v.BirthYear));
  pick(kOriginalTeam, FieldId::OriginalTeam);
  pick(kSecondPosition, FieldId::SecondPosition, -1);
  return commits;
}

void PlayerDataPage::FillLists() {
  FillPositionLists();
  FillOriginalTeamList();
  host_.FillTeamChoice();
  FillHandList();
}

void PlayerDataPage::FillPositionLists() {
  controls_.SetEntries(kPosition, Entries(korvale::PositionNames));
  controls_.SetEntries(kSecondPosition, Entries(korvale::PositionNames, {"None"}));
}

void PlayerDataPage::FillOriginalTeamList() {
  controls_.SetEntries(kOriginalTeam, Entries(korvale::TeamNames));
}

void PlayerDataPage::FillHandList() { controls_.SetEntries(kHand, Entries(korvale::HandNames)); }

void PlayerDataPage::LoadRecord() {
  Values& v = values_;
  ReadInteger(FieldId::PlayerNumber, v.PlayerNumber);
  ReadInteger(FieldId::YearsPro, v.YearsPro);
  ReadList(FieldId::Position, kPosition);
  ReadSecondPosition();
  host_.ShowPlayerId(ReadCode(FieldId::PlayerId));
  ReadHeight();
  ReadInteger(FieldId::Weight, v.Weight);
  ReadText(FieldId::LastName, v.LastName);
  ReadText(FieldId::FirstName, v.FirstName);
  ReadText(FieldId::Nickname, v.Nickname);
  ReadInteger(FieldId::BirthYear, v.BirthYear);
  ReadInteger(FieldId::BirthMonth, v.BirthMonth);
  ReadInteger(FieldId::BirthDay, v.BirthDay);
  ReadText(FieldId::BirthTown, v.BirthTown);
  ReadText(FieldId::BirthState, v.BirthState);
  ReadList(FieldId::Hand, kHand);
  ReadInteger(FieldId::DraftYear, v.DraftYear);
  ReadDraftedBy();
  ReadInteger(FieldId::DraftRound, v.DraftRound);
  ReadInteger(FieldId::DraftOverall, v.DraftOverall);
  ReadInteger(FieldId::DraftPlace, v.DraftPlace);
  host_.SelectTeamChoice(ReadCode(FieldId::Team));
  ReadList(FieldId::OriginalTeam, kOriginalTeam);
}

void PlayerDataPage::Clear() {
  for (int id : {kPosition, kSecondPosition, kHand, kOriginalTeam, kSchool}) {
    controls_.SetEntries(id, {});
  }
  values_ = Values{};
  exchange_.Show();
}

std::string PlayerDataPage::Read(FieldId field) {
  korvale::PlayerFileState& file = host_.File();
  return file.ReadField(file.CurrentRecord(), field);
}

void PlayerDataPage::ReadText(FieldId field, std::string& value) {
  value = korvale::Cp1252ToUtf8(korvale::TrimTrailing(Read(field)));
  exchange_.Show();
}

void PlayerDataPage::ReadInteger(FieldId field, std::int32_t& value) {
  value = korvale::ReadNumber(Read(field));
  exchange_.Show();
}

std::int32_t PlayerDataPage::ReadCode(FieldId field) { return korvale::ReadNumber(Read(field)); }

void PlayerDataPage::ReadHeight() {
  values_.Height = korvale::ReadNumber(Read(FieldId::Height));
  values_.HeightText = korvale::HeightText(values_.Height);
  exchange_.Show();
}

void PlayerDataPage::ReadDraftedBy() {
  values_.DraftedBy = korvale::Cp1252ToUtf8(Read(FieldId::DraftedBy));  // trailing spaces kept
  exchange_.Show();
}

// "None" is the first entry and code -1.
void PlayerDataPage::ReadSecondPosition() {
  const std::int32_t code = ReadCode(FieldId::SecondPosition);
  controls_.Select(kSecondPosition,
                   code < std::numeric_limits<std::int32_t>::max() ? code + 1 : -1);
}

// A code with no entry selects none.
void PlayerDataPage::ReadList(FieldId field, int list) { controls_.Select(list, ReadCode(field)); }
