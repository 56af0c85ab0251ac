#include "PlayerData2Page.h"

#include <functional>
#include <optional>

#include "CommitField.h"
#include "ControlIds.h"
#include "Names.h"
#include "PageControls.h"
#include "PageHost.h"
#include "StoredForms.h"
#include "Windows1252.h"

using korvale::Field;
using korvale::FieldId;
namespace ids = korvale::res::playerdata2;

namespace {

// The first character of PlayerPkg when the appearance codes apply.
constexpr std::string_view kCodesApply = ":";

// Each text box holds as many characters as its field.
int Limit(FieldId field) { return Field(field).writeWidth; }

template <std::size_t N>
std::vector<std::string_view> Entries(const std::array<std::string_view, N>& names) {
  return {names.begin(), names.end()};
}

}  // namespace

PlayerData2Page::PlayerData2Page(PageHost& host, PageControls& controls)
    : host_(host), controls_(controls), exchange_(controls, host.Messages()) {
  DeclareExchange();
}

void PlayerData2Page::DeclareExchange() {
  exchange_.SetEntries({
      ExchangeEntry::Check(ids::kIsPlayable, &isPlayable_),
      ExchangeEntry::Check(ids::kIsRom, &isRom_),
      ExchangeEntry::Check(ids::kIsHidden, &isHidden_),
      ExchangeEntry::Check(ids::kIsCreated, &isCreated_),
      ExchangeEntry::Text(ids::kPortrait, &portrait_, Limit(FieldId::Portrait)),
      ExchangeEntry::Text(ids::kActionPhoto, &actionPhoto_, Limit(FieldId::ActionPhoto)),
      ExchangeEntry::Text(ids::kSpeechHeader, &speechHeader_, Limit(FieldId::SpeechHeader)),
      ExchangeEntry::Text(ids::kSpeechData, &speechData_, Limit(FieldId::SpeechData)),
      ExchangeEntry::Text(ids::kPlayerPkg, &playerPkg_, Limit(FieldId::PlayerPkg)),
  });
}

std::vector<PageCommit> PlayerData2Page::Commits() {
  using Event = PageCommit::Event;
  std::vector<PageCommit> commits{
      {ids::kSkinColor, Event::Pick,
       [this] { CommitIndex(FieldId::SkinColor, ids::kSkinColor, false); }},
      {ids::kBodyType, Event::Pick,
       [this] { CommitIndex(FieldId::BodyType, ids::kBodyType, false); }},
  };
  for (const auto& [field, list] : CodeLists()) {
    commits.push_back({list, Event::Pick,
                       [this, field = field, list = list] { CommitIndex(field, list, true); }});
  }
  const std::pair<int, FlagBinding> boxes[] = {
      {ids::kIsCreated, {FieldId::IsCreated, &isCreated_}},
      {ids::kIsHidden, {FieldId::IsHidden, &isHidden_}},
      {ids::kIsPlayable, {FieldId::IsPlayable, &isPlayable_}},
      {ids::kIsRom, {FieldId::IsRom, &isRom_}},
  };
  for (const auto& [id, flag] : boxes) {
    commits.push_back({id, Event::Click,
                       [this, flag = flag, id = id] { CommitFlag(flag.first, *flag.second, id); }});
  }
  const std::pair<int, TextBinding> edits[] = {
      {ids::kPortrait, {FieldId::Portrait, &portrait_}},
      {ids::kActionPhoto, {FieldId::ActionPhoto, &actionPhoto_}},
      {ids::kSpeechHeader, {FieldId::SpeechHeader, &speechHeader_}},
      {ids::kSpeechData, {FieldId::SpeechData, &speechData_}},
      {ids::kPlayerPkg, {FieldId::PlayerPkg, &playerPkg_}},
  };
  for (const auto& [id, text] : edits) {
    const bool redisplay = text.first == FieldId::PlayerPkg;
    commits.push_back({id, Event::Leave, [this, text = text, redisplay, id = id] {
                         CommitText(text.first, *text.second, redisplay, id);
                       }});
  }
  return commits;
}

std::array<PlayerData2Page::FlagBinding, 4> PlayerData2Page::Flags() {
  return {{{FieldId::IsPlayable, &isPlayable_},
           {FieldId::IsCreated, &isCreated_},
           {FieldId::IsRom, &isRom_},
           {FieldId::IsHidden, &isHidden_}}};
}

std::array<PlayerData2Page::ListBinding, 4> PlayerData2Page::CodeLists() {
  return {{{FieldId::PlayerType, ids::kPlayerType},
           {FieldId::HairStyle, ids::kHairStyle},
           {FieldId::FacialHair, ids::kFacialHair},
           {FieldId::Accessories, ids::kAccessories}}};
}

std::array<PlayerData2Page::TextBinding, 5> PlayerData2Page::Texts() {
  return {{{FieldId::Portrait, &portrait_},
           {FieldId::ActionPhoto, &actionPhoto_},
           {FieldId::SpeechHeader, &speechHeader_},
           {FieldId::SpeechData, &speechData_},
           {FieldId::PlayerPkg, &playerPkg_}}};
}

void PlayerData2Page::FillLists() {
  controls_.SetEntries(ids::kSkinColor, Entries(korvale::SkinColorNames));
  controls_.SetEntries(ids::kBodyType, Entries(korvale::BodyTypeNames));
  controls_.SetEntries(ids::kPlayerType, Entries(korvale::PlayerTypeNames));
  controls_.SetEntries(ids::kHairStyle, Entries(korvale::HairStyleNames));
  controls_.SetEntries(ids::kFacialHair, Entries(korvale::FacialHairNames));
  controls_.SetEntries(ids::kAccessories, Entries(korvale::AccessoryNames));
}

void PlayerData2Page::LoadRecord() {
  LoadListIndex(FieldId::SkinColor, ids::kSkinColor);
  LoadListIndex(FieldId::BodyType, ids::kBodyType);
  for (const auto& [field, state] : Flags()) LoadFlag(field, *state);
  LoadAppearanceMarker();
  for (const auto& [field, list] : CodeLists()) LoadCode(field, list);
  for (const auto& [field, text] : Texts()) LoadText(field, *text);
}

void PlayerData2Page::Clear() {
  for (int list : {ids::kAccessories, ids::kFacialHair, ids::kPlayerType, ids::kBodyType,
                   ids::kHairStyle, ids::kSkinColor}) {
    controls_.SetEntries(list, {});
  }
  for (const auto& [field, state] : Flags()) *state = 0;
  for (const auto& [field, text] : Texts()) text->clear();
  exchange_.Show();
}

std::string PlayerData2Page::ReadCurrent(FieldId field) const {
  return host_.File().ReadField(host_.File().CurrentRecord(), field);
}

// A value outside the field's codes shows no entry.
void PlayerData2Page::LoadListIndex(FieldId field, int list) {
  const std::int32_t value = korvale::ReadNumber(ReadCurrent(field));
  controls_.Select(list, Field(field).Accepts(value) ? value : -1);
}

void PlayerData2Page::LoadFlag(FieldId field, std::int32_t& state) {
  state = korvale::DecodeFlag(ReadCurrent(field)) ? 1 : 0;
  exchange_.Show();
}

void PlayerData2Page::LoadAppearanceMarker() {
  korvale::PlayerFileState& file = host_.File();
  appearanceMarker_ = file.ReadField(file.CurrentRecord(), Field(FieldId::PlayerPkg).position, 1);
  const bool codesApply = appearanceMarker_ == kCodesApply;
  for (const auto& [field, list] : CodeLists()) controls_.SetEnabled(list, codesApply);
}

// Without the marker the codes are not read at all. A letter outside the
// list shows no entry.
void PlayerData2Page::LoadCode(FieldId field, int list) {
  if (appearanceMarker_ != kCodesApply) {
    controls_.Select(list, -1);
    return;
  }
  const int codes = Field(field).high + 1;
  controls_.Select(list, korvale::DecodeLetter(ReadCurrent(field), codes).value_or(-1));
}

void PlayerData2Page::LoadText(FieldId field, std::string& text) {
  text = korvale::Cp1252ToUtf8(korvale::TrimTrailing(ReadCurrent(field)));
  exchange_.Show();
}

void PlayerData2Page::CommitIndex(FieldId field, int list, bool redisplay) {
  CommitField(host_, exchange_,
              {Field(field).position,
               [this, field, list]() -> std::optional<std::string> {
                 return korvale::EncodeValue(Field(field), controls_.Selection(list));
               },
               redisplay ? std::function<void()>([this] { Redisplay(); }) : nullptr});
}

void PlayerData2Page::CommitFlag(FieldId field, const std::int32_t& state, int box) {
  CommitField(host_, exchange_,
              {Field(field).position,
               [field, &state]() -> std::optional<std::string> {
                 return korvale::EncodeValue(Field(field), state);
               },
               nullptr, box});
}

void PlayerData2Page::CommitText(FieldId field, const std::string& text, bool redisplay, int edit) {
  CommitField(
      host_, exchange_,
      {Field(field).position, [field, &text] { return PaddedText(text, Field(field).writeWidth); },
       redisplay ? std::function<void()>([this] { Redisplay(); }) : nullptr, edit});
}

void PlayerData2Page::Redisplay() { host_.ShowCurrentRecord(); }
