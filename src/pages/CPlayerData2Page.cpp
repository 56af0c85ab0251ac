#include "CPlayerData2Page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "CommitField.h"
#include "CommitTriggers.h"
#include "DialogBuilder.h"
#include "FileText.h"
#include "Names.h"
#include "PageHost.h"
#include "PlayerData2PageTemplate.h"
#include "StoredForms.h"

using korvale::Field;
using korvale::FieldId;
using korvale::res::ControlMap;
namespace ids = korvale::res::playerdata2;

namespace {

// The first character of PlayerPkg when the appearance codes apply.
constexpr std::string_view kCodesApply = ":";

// Each text box holds as many characters as its field.
int Limit(FieldId field) { return Field(field).writeWidth; }

template <std::size_t N>
void Fill(QComboBox* list, const std::array<std::string_view, N>& names) {
  for (std::string_view name : names) {
    list->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  }
  // A filled list shows nothing until a record selects an entry.
  list->setCurrentIndex(-1);
}

}  // namespace

CPlayerData2Page::CPlayerData2Page(PageHost& host, QWidget* parent)
    : QWidget(parent),
      host_(host),
      controls_(this, korvale::res::BuildDialog(korvale::res::PlayerData2PageTemplate(), this)),
      exchange_(controls_, host.Messages()) {
  BindControls();
  ConnectHandlers();
  exchange_.Show();
}

void CPlayerData2Page::BindControls() {
  const ControlMap& controls = controls_.Map();
  accessories_ = controls.Get<QComboBox>(ids::kAccessories);
  facialHair_ = controls.Get<QComboBox>(ids::kFacialHair);
  playerType_ = controls.Get<QComboBox>(ids::kPlayerType);
  bodyType_ = controls.Get<QComboBox>(ids::kBodyType);
  hairStyle_ = controls.Get<QComboBox>(ids::kHairStyle);
  skinColor_ = controls.Get<QComboBox>(ids::kSkinColor);
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

void CPlayerData2Page::ConnectHandlers() {
  const ControlMap& controls = controls_.Map();
  OnPick(skinColor_, exchange_, [this] { CommitIndex(FieldId::SkinColor, skinColor_, false); });
  OnPick(bodyType_, exchange_, [this] { CommitIndex(FieldId::BodyType, bodyType_, false); });
  for (const auto& [field, list] : CodeLists()) {
    OnPick(list, exchange_, [this, field = field, list = list] { CommitIndex(field, list, true); });
  }
  const std::pair<int, FlagBinding> boxes[] = {
      {ids::kIsCreated, {FieldId::IsCreated, &isCreated_}},
      {ids::kIsHidden, {FieldId::IsHidden, &isHidden_}},
      {ids::kIsPlayable, {FieldId::IsPlayable, &isPlayable_}},
      {ids::kIsRom, {FieldId::IsRom, &isRom_}},
  };
  for (const auto& [id, flag] : boxes) {
    auto* box = controls.Get<QCheckBox>(id);
    OnClick(box, exchange_,
            [this, flag = flag, id = id] { CommitFlag(flag.first, *flag.second, id); });
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
    auto* edit = controls.Get<QLineEdit>(id);
    OnLeave(edit, id, exchange_, [this, text = text, redisplay, id = id] {
      CommitText(text.first, *text.second, redisplay, id);
    });
  }
}

std::array<CPlayerData2Page::FlagBinding, 4> CPlayerData2Page::Flags() {
  return {{{FieldId::IsPlayable, &isPlayable_},
           {FieldId::IsCreated, &isCreated_},
           {FieldId::IsRom, &isRom_},
           {FieldId::IsHidden, &isHidden_}}};
}

std::array<CPlayerData2Page::ListBinding, 4> CPlayerData2Page::CodeLists() const {
  return {{{FieldId::PlayerType, playerType_},
           {FieldId::HairStyle, hairStyle_},
           {FieldId::FacialHair, facialHair_},
           {FieldId::Accessories, accessories_}}};
}

std::array<CPlayerData2Page::TextBinding, 5> CPlayerData2Page::Texts() {
  return {{{FieldId::Portrait, &portrait_},
           {FieldId::ActionPhoto, &actionPhoto_},
           {FieldId::SpeechHeader, &speechHeader_},
           {FieldId::SpeechData, &speechData_},
           {FieldId::PlayerPkg, &playerPkg_}}};
}

void CPlayerData2Page::FillLists() {
  Fill(skinColor_, korvale::SkinColorNames);
  Fill(bodyType_, korvale::BodyTypeNames);
  Fill(playerType_, korvale::PlayerTypeNames);
  Fill(hairStyle_, korvale::HairStyleNames);
  Fill(facialHair_, korvale::FacialHairNames);
  Fill(accessories_, korvale::AccessoryNames);
}

void CPlayerData2Page::LoadRecord() {
  LoadListIndex(FieldId::SkinColor, skinColor_);
  LoadListIndex(FieldId::BodyType, bodyType_);
  for (const auto& [field, state] : Flags()) LoadFlag(field, *state);
  LoadAppearanceMarker();
  for (const auto& [field, list] : CodeLists()) LoadCode(field, list);
  for (const auto& [field, text] : Texts()) LoadText(field, *text);
}

void CPlayerData2Page::Clear() {
  for (QComboBox* list :
       {accessories_, facialHair_, playerType_, bodyType_, hairStyle_, skinColor_}) {
    list->clear();
  }
  for (const auto& [field, state] : Flags()) *state = 0;
  for (const auto& [field, text] : Texts()) text->clear();
  exchange_.Show();
}

std::string CPlayerData2Page::ReadCurrent(FieldId field) const {
  return host_.File().ReadField(host_.File().CurrentRecord(), field);
}

// A value outside the field's codes shows no entry.
void CPlayerData2Page::LoadListIndex(FieldId field, QComboBox* list) {
  const std::int32_t value = korvale::ReadNumber(ReadCurrent(field));
  list->setCurrentIndex(Field(field).Accepts(value) ? value : -1);
}

void CPlayerData2Page::LoadFlag(FieldId field, std::int32_t& state) {
  state = korvale::DecodeFlag(ReadCurrent(field)) ? 1 : 0;
  exchange_.Show();
}

void CPlayerData2Page::LoadAppearanceMarker() {
  korvale::PlayerFileState& file = host_.File();
  std::string& marker = host_.AppearanceMarker();
  marker = file.ReadField(file.CurrentRecord(), Field(FieldId::PlayerPkg).position, 1);
  const bool codesApply = marker == kCodesApply;
  for (const auto& [field, list] : CodeLists()) list->setEnabled(codesApply);
}

// Without the marker the codes are not read at all. A letter outside the
// list shows no entry.
void CPlayerData2Page::LoadCode(FieldId field, QComboBox* list) {
  if (host_.AppearanceMarker() != kCodesApply) {
    list->setCurrentIndex(-1);
    return;
  }
  const int codes = Field(field).high + 1;
  list->setCurrentIndex(korvale::DecodeLetter(ReadCurrent(field), codes).value_or(-1));
}

void CPlayerData2Page::LoadText(FieldId field, std::string& text) {
  text = FromFileBytes(korvale::TrimTrailing(ReadCurrent(field)));
  exchange_.Show();
}

void CPlayerData2Page::CommitIndex(FieldId field, const QComboBox* list, bool redisplay) {
  CommitField(host_, exchange_,
              {Field(field).position,
               [field, list]() -> std::optional<std::string> {
                 return korvale::EncodeValue(Field(field), list->currentIndex());
               },
               redisplay ? std::function<void()>([this] { Redisplay(); }) : nullptr});
}

void CPlayerData2Page::CommitFlag(FieldId field, const std::int32_t& state, int box) {
  CommitField(host_, exchange_,
              {Field(field).position,
               [field, &state]() -> std::optional<std::string> {
                 return korvale::EncodeValue(Field(field), state);
               },
               nullptr, box});
}

void CPlayerData2Page::CommitText(FieldId field, const std::string& text, bool redisplay,
                                  int edit) {
  CommitField(
      host_, exchange_,
      {Field(field).position, [field, &text] { return PaddedText(text, Field(field).writeWidth); },
       redisplay ? std::function<void()>([this] { Redisplay(); }) : nullptr, edit});
}

void CPlayerData2Page::Redisplay() { host_.ShowCurrentRecord(); }
