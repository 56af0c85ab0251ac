#include "CPlayerDataPage.h"

#include <functional>
#include <limits>
#include <optional>
#include <string>

#include <QComboBox>
#include <QLineEdit>

#include "Biography.h"
#include "CommitField.h"
#include "CommitTriggers.h"
#include "DialogTemplates.h"
#include "FileText.h"
#include "Names.h"
#include "PageHost.h"
#include "StoredForms.h"

using korvale::Field;
using korvale::FieldId;

namespace {

QString ListText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Selects `index` when the list has such an entry, otherwise no entry.
void SelectUnchecked(QComboBox* list, int index) {
  list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace

CPlayerDataPage::CPlayerDataPage(PageHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      controls_(this, korvale::res::BuildDialog(korvale::res::PlayerDataPageTemplate(), this)),
      exchange_(controls_, host.Messages()) {
  DeclareExchange();
  ConnectCommits();
  exchange_.Show();
}

QLineEdit* CPlayerDataPage::Edit(int id) const { return controls_.Map().Get<QLineEdit>(id); }
QComboBox* CPlayerDataPage::List(int id) const { return controls_.Map().Get<QComboBox>(id); }

void CPlayerDataPage::DeclareExchange() {
  auto text = [](int id, std::string& value, int limit) {
    return ExchangeEntry::Text(id, &value, limit);
  };
  // Each integer's accepted range is its field's range in the layout.
  auto ranged = [](int id, std::int32_t& value, FieldId field) {
    return ExchangeEntry::Ranged(id, &value, Field(field).low, Field(field).high);
  };
  Values& v = values_;
  exchange_.SetEntries({
      text(kLastName, v.LastName, 25),
      text(kFirstName, v.FirstName, 25),
      text(kNickname, v.Nickname, 25),
      ranged(kDraftYear, v.DraftYear, FieldId::DraftYear),
      text(kBirthTown, v.BirthTown, 20),
      text(kBirthState, v.BirthState, 20),
      ranged(kPlayerNumber, v.PlayerNumber, FieldId::PlayerNumber),
      ranged(kWeight, v.Weight, FieldId::Weight),
      text(kDraftedBy, v.DraftedBy, 3),
      ranged(kDraftRound, v.DraftRound, FieldId::DraftRound),
      ranged(kDraftOverall, v.DraftOverall, FieldId::DraftOverall),
      ranged(kDraftPlace, v.DraftPlace, FieldId::DraftPlace),
      ranged(kYearsPro, v.YearsPro, FieldId::YearsPro),
      ranged(kHeight, v.Height, FieldId::Height),
      text(kHeightText, v.HeightText, 0),
      ranged(kBirthDay, v.BirthDay, FieldId::BirthDay),
      ranged(kBirthMonth, v.BirthMonth, FieldId::BirthMonth),
      ranged(kBirthYear, v.BirthYear, FieldId::BirthYear),
  });
}

void CPlayerDataPage::ConnectCommits() {
  using Bytes = std::function<std::optional<std::string>()>;
  auto commit = [this](FieldId field, Bytes bytes, std::function<void()> followUp, int control) {
    return [this, write = FieldWrite{Field(field).position, std::move(bytes), std::move(followUp),
                                     control}] { CommitField(host_, exchange_, write); };
  };
  auto leave = [&](int id, FieldId field, Bytes bytes, std::function<void()> followUp = {}) {
    OnLeave(Edit(id), id, exchange_, commit(field, std::move(bytes), std::move(followUp), id));
  };
  auto pick = [&](int id, FieldId field, Bytes bytes) {
    OnPick(List(id), exchange_, commit(field, std::move(bytes), {}, kNoControl));
  };
  // Text: space-filled to `width`; a longer text (a 26-character nickname
  // left as read) is written whole when the field's read width holds it,
  // else not at all.
  auto padded = [](const std::string& value, FieldId field, std::size_t width) -> Bytes {
    return [&value, width, longest = std::size_t{Field(field).readWidth}] {
      return PaddedText(value, width, longest);
    };
  };
  auto ranged = [](FieldId field, const std::int32_t& value) -> Bytes {
    return
        [field, &value] { return RangedValue(field, value, Field(field).low, Field(field).high); };
  };
  auto index = [this](int id) { return List(id)->currentIndex(); };
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

  leave(kFirstName, FieldId::FirstName, padded(v.FirstName, FieldId::FirstName, 25), names);
  leave(kLastName, FieldId::LastName, padded(v.LastName, FieldId::LastName, 25), names);
  leave(kNickname, FieldId::Nickname, padded(v.Nickname, FieldId::Nickname, 25));
  leave(kDraftYear, FieldId::DraftYear, ranged(FieldId::DraftYear, v.DraftYear));
  leave(kBirthTown, FieldId::BirthTown, padded(v.BirthTown, FieldId::BirthTown, 20));
  leave(kBirthState, FieldId::BirthState, padded(v.BirthState, FieldId::BirthState, 20));
  leave(kPlayerNumber, FieldId::PlayerNumber, ranged(FieldId::PlayerNumber, v.PlayerNumber));
  pick(kPosition, FieldId::Position,
       [=] { return std::optional(korvale::EncodeDigit(index(kPosition))); });
  pick(kHand, FieldId::Hand, [=] { return std::optional(korvale::EncodeDigit(index(kHand))); });
  leave(kWeight, FieldId::Weight, ranged(FieldId::Weight, v.Weight));
  leave(kDraftedBy, FieldId::DraftedBy, padded(v.DraftedBy, FieldId::DraftedBy, 3));
  leave(kDraftRound, FieldId::DraftRound, ranged(FieldId::DraftRound, v.DraftRound));
  leave(kDraftOverall, FieldId::DraftOverall, ranged(FieldId::DraftOverall, v.DraftOverall));
  leave(kDraftPlace, FieldId::DraftPlace, ranged(FieldId::DraftPlace, v.DraftPlace));
  leave(kYearsPro, FieldId::YearsPro, ranged(FieldId::YearsPro, v.YearsPro));
  leave(kHeight, FieldId::Height, ranged(FieldId::Height, v.Height), height);
  leave(kBirthDay, FieldId::BirthDay, ranged(FieldId::BirthDay, v.BirthDay));
  leave(kBirthMonth, FieldId::BirthMonth, ranged(FieldId::BirthMonth, v.BirthMonth));
  leave(kBirthYear, FieldId::BirthYear, ranged(FieldId::BirthYear, v.BirthYear));
  pick(kOriginalTeam, FieldId::OriginalTeam,
       [=] { return std::optional(korvale::EncodeNumber(index(kOriginalTeam), 2)); });
  // "None" is the first entry and code -1.
  pick(kSecondPosition, FieldId::SecondPosition,
       [=] { return std::optional(korvale::EncodeNumber(index(kSecondPosition) - 1, 2)); });
}

void CPlayerDataPage::FillPositionLists() {
  QComboBox* position = List(kPosition);
  QComboBox* second = List(kSecondPosition);
  position->clear();
  second->clear();
  second->addItem("None");
  for (std::string_view name : korvale::PositionNames) {
    position->addItem(ListText(name));
    second->addItem(ListText(name));
  }
  position->setCurrentIndex(-1);
  second->setCurrentIndex(-1);
}

void CPlayerDataPage::FillOriginalTeamList() {
  QComboBox* list = List(kOriginalTeam);
  list->clear();
  for (std::string_view name : korvale::TeamNames) list->addItem(ListText(name));
  list->setCurrentIndex(-1);
}

void CPlayerDataPage::FillHandList() {
  QComboBox* list = List(kHand);
  list->clear();
  for (std::string_view name : korvale::HandNames) list->addItem(ListText(name));
  list->setCurrentIndex(-1);
}

void CPlayerDataPage::LoadRecord() {
  Values& v = values_;
  ReadInteger(FieldId::PlayerNumber, v.PlayerNumber);
  ReadInteger(FieldId::YearsPro, v.YearsPro);
  ReadPosition();
  ReadSecondPosition();
  ReadPlayerId();
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
  ReadHand();
  ReadInteger(FieldId::DraftYear, v.DraftYear);
  ReadDraftedBy();
  ReadInteger(FieldId::DraftRound, v.DraftRound);
  ReadInteger(FieldId::DraftOverall, v.DraftOverall);
  ReadInteger(FieldId::DraftPlace, v.DraftPlace);
  ReadTeam();
  ReadOriginalTeam();
}

void CPlayerDataPage::Clear() {
  for (int id : {kPosition, kSecondPosition, kHand, kOriginalTeam, kSchool}) List(id)->clear();
  values_ = Values{};
  exchange_.Show();
}

std::string CPlayerDataPage::Read(FieldId field) {
  korvale::PlayerFileState& file = host_.File();
  return file.ReadField(file.CurrentRecord(), field);
}

void CPlayerDataPage::ReadText(FieldId field, std::string& value) {
  value = FromFileBytes(korvale::TrimTrailing(Read(field)));
  exchange_.Show();
}

void CPlayerDataPage::ReadInteger(FieldId field, std::int32_t& value) {
  value = korvale::ReadNumber(Read(field));
  exchange_.Show();
}

std::int32_t CPlayerDataPage::ReadCode(FieldId field) { return korvale::ReadNumber(Read(field)); }

void CPlayerDataPage::ReadHeight() {
  values_.Height = korvale::ReadNumber(Read(FieldId::Height));
  values_.HeightText = korvale::HeightText(values_.Height);
  exchange_.Show();
}

void CPlayerDataPage::ReadDraftedBy() {
  values_.DraftedBy = FromFileBytes(Read(FieldId::DraftedBy));  // trailing spaces kept
  exchange_.Show();
}

void CPlayerDataPage::ReadPosition() {
  SelectUnchecked(List(kPosition), ReadCode(FieldId::Position));
}

// "None" is the first entry and code -1.
void CPlayerDataPage::ReadSecondPosition() {
  const std::int32_t code = ReadCode(FieldId::SecondPosition);
  SelectUnchecked(List(kSecondPosition),
                  code < std::numeric_limits<std::int32_t>::max() ? code + 1 : -1);
}

void CPlayerDataPage::ReadHand() { SelectUnchecked(List(kHand), ReadCode(FieldId::Hand)); }

void CPlayerDataPage::ReadOriginalTeam() {
  SelectUnchecked(List(kOriginalTeam), ReadCode(FieldId::OriginalTeam));
}

void CPlayerDataPage::ReadPlayerId() { host_.ShowPlayerId(ReadCode(FieldId::PlayerId)); }

void CPlayerDataPage::ReadTeam() { host_.SelectTeamChoice(ReadCode(FieldId::Team)); }
