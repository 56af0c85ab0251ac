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

template <std::size_t N>
std::vector<std::string_view> Entries(const std::array<std::string_view, N>& names) {
  return {names.begin(), names.end()};
}

}  // namespace

PlayerData2Page::PlayerData2Page(PageHost& host, PageControls& controls)
    : host_(host), controls_(controls), exchange_(controls, host.Messages()) {
  std::vector<ExchangeEntry> entries;
  for (const FlagBinding& flag : Flags()) {
    entries.push_back(ExchangeEntry::Check(flag.control, flag.value));
  }
  // Each text box holds as many characters as its field.
  for (const TextBinding& text : Texts()) {
    entries.push_back(ExchangeEntry::Text(text.control, text.value, Field(text.field).writeWidth));
  }
  exchange_.SetEntries(std::move(entries));
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
  for (const FlagBinding& flag : Flags()) {
    commits.push_back({flag.control, Event::Click,
                       [this, flag] { CommitFlag(flag.field, *flag.value, flag.control); }});
  }
  for (const TextBinding& text : Texts()) {
    const bool redisplay = text.field == FieldId::PlayerPkg;
    commits.push_back({text.control, Event::Leave, [this, text, redisplay] {
                         CommitText(text.field, *text.value, redisplay, text.control);
                       }});
  }
  return commits;
}

std::array<PlayerData2Page::FlagBinding, 4> PlayerData2Page::Flags() {
  return {{{ids::kIsPlayable, FieldId::IsPlayable, &isPlayable_},
           {ids::kIsCreated, FieldId::IsCreated, &isCreated_},
           {ids::kIsRom, FieldId::IsRom, &isRom_},
           {ids::kIsHidden, FieldId::IsHidden, &isHidden_}}};
}

std::array<PlayerData2Page::ListBinding, 4> PlayerData2Page::CodeLists() {
  return {{{FieldId::PlayerType, ids::kPlayerType},
           {FieldId::HairStyle, ids::kHairStyle},
           {FieldId::FacialHair, ids::kFacialHair},
           {FieldId::Accessories, ids::kAccessories}}};
}

std::array<PlayerData2Page::TextBinding, 5> PlayerData2Page::Texts() {
  return {{{ids::kPortrait, FieldId::Portrait, &portrait_},
           {ids::kActionPhoto, FieldId::ActionPhoto, &actionPhoto_},
           {ids::kSpeechHeader, FieldId::SpeechHeader, &speechHeader_},
           {ids::kSpeechData, FieldId::SpeechData, &speechData_},
           {ids::kPlayerPkg, FieldId::PlayerPkg, &playerPkg_}}};
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
  for (const FlagBinding& flag : Flags()) LoadFlag(flag.field, *flag.value);
  LoadAppearanceMarker();
  for (const auto& [field, list] : CodeLists()) LoadCode(field, list);
  for (const TextBinding& text : Texts()) LoadText(text.field, *text.value);
}

void PlayerData2Page::Clear() {
  for (int list : {ids::kAccessories, ids::kFacialHair, ids::kPlayerType, ids::kBodyType,
                   ids::kHairStyle, ids::kSkinColor}) {
    controls_.SetEntries(list, {});
  }
  for (const FlagBinding& flag : Flags()) *flag.value = 0;
  for (const TextBinding& text : Texts()) text.value->clear();
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
