#include "Shown.h"

#include "DbaseHeader.h"
#include "PlayerFileState.h"
#include "Ratings.h"
#include "StoredForms.h"
#include "Windows1252.h"

namespace korvale::cli {
namespace {

// Record k starts right after the header, 614 * k bytes in.
constexpr auto kRecordStart = static_cast<std::uint16_t>(kDbaseHeaderLength);

}  // namespace

std::string StoredText(const RecordSpan& record, const FieldDescriptor& field) {
  return FieldFromSpan(record.bytes, kRecordStart, field);
}

bool AppearanceApplies(std::string_view playerPkg) {
  return !playerPkg.empty() && playerPkg.front() == ':';
}

bool IsAppearanceCode(FieldId field) { return Field(field).form == korvale::StoredForm::Letter; }

int AppearanceCount(const FieldDescriptor& field) { return field.high + 1; }

bool IsReadOnly(FieldId field) { return !Field(field).written; }

bool HasShownRange(const FieldDescriptor& field) {
  return field.hasRange && field.form != korvale::StoredForm::Letter;
}

Shown ShownValue(const RecordSpan& record, const FieldDescriptor& field) {
  const std::string stored = StoredText(record, field);
  switch (field.form) {
    case korvale::StoredForm::Text:
      return Cp1252ToUtf8(field.trimmed ? TrimTrailing(stored) : std::string_view(stored));
    case korvale::StoredForm::Flag: return DecodeFlag(stored);
    case korvale::StoredForm::Letter: {
      if (!AppearanceApplies(StoredText(record, Field(FieldId::PlayerPkg)))) return {};
      const auto index = DecodeLetter(stored, AppearanceCount(field));
      if (!index) return {};
      return std::int64_t{*index};
    }
    default: break;
  }
  const std::int32_t number = ReadNumber(stored);
  if (IsRating(IdOf(field))) return std::int64_t{RatingFromCode(number)};
  return std::int64_t{number};
}

Shown ShownValue(const RecordSpan& record, FieldId field) {
  return ShownValue(record, Field(field));
}

std::int64_t ShownNumber(const RecordSpan& record, FieldId field) {
  const Shown value = ShownValue(record, field);
  const auto* number = std::get_if<std::int64_t>(&value);
  return number ? *number : 0;
}

std::string StoredForm(const FieldDescriptor& field, const Shown& value) {
  if (const auto* text = std::get_if<std::string>(&value)) {
    return EncodeText(Utf8ToCp1252(*text).value_or(std::string()), field.writeWidth);
  }
  if (const auto* flag = std::get_if<bool>(&value)) return EncodeFlag(*flag);
  const std::int64_t number = std::get<std::int64_t>(value);
  if (IsRating(IdOf(field))) {
    return EncodeNumber(CodeFromRating(static_cast<std::int32_t>(number)), field.writeWidth);
  }
  return EncodeValue(field, number);
}

std::string Render(const Shown& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          return "null";
        } else if constexpr (std::is_same_v<T, bool>) {
          return v ? "true" : "false";
        } else if constexpr (std::is_same_v<T, std::int64_t>) {
          return std::to_string(v);
        } else {
          std::string quoted = "\"";
          for (const char c : v) {
            if (c == '"' || c == '\\') quoted += '\\';
            quoted += c;
          }
          return VisibleText(quoted + '"');
        }
      },
      value);
}

}  // namespace korvale::cli
