#include "Labels.h"

#include <span>

#include "Names.h"

namespace korvale::cli {
namespace {

std::span<const std::string_view> ListOf(FieldId field) {
  switch (field) {
    case FieldId::Position: return PositionNames;
    case FieldId::Hand: return HandNames;
    case FieldId::OriginalTeam: return TeamNames;
    case FieldId::Team: return TeamChoiceNames;
    case FieldId::SkinColor: return SkinColorNames;
    case FieldId::BodyType: return BodyTypeNames;
    case FieldId::PlayerType: return PlayerTypeNames;
    case FieldId::HairStyle: return HairStyleNames;
    case FieldId::FacialHair: return FacialHairNames;
    case FieldId::Accessories: return AccessoryNames;
    default: return {};
  }
}

}  // namespace

std::string RecordLabel(std::int64_t index, std::int64_t playerId) {
  return "record " + std::to_string(index) + " (id " + std::to_string(playerId) + ")";
}

std::string RecordLabel(const RecordSpan& record) {
  return RecordLabel(record.index, ShownNumber(record, FieldId::PlayerId));
}

std::string EntryText(FieldId field, const Shown& value) {
  const auto* code = std::get_if<std::int64_t>(&value);
  if (code == nullptr) return {};
  std::int64_t index = *code;
  if (field == FieldId::SecondPosition) {
    if (index == -1) return "None";
    field = FieldId::Position;
  }
  const auto list = ListOf(field);
  if (index >= 0 && index < static_cast<std::int64_t>(list.size())) {
    return std::string(list[static_cast<std::size_t>(index)]);
  }
  return "(code " + std::to_string(*code) + ")";
}

}  // namespace korvale::cli
