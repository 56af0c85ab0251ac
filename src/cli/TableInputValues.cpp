#include "TableInputValues.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "ListEntries.h"
#include "Ratings.h"
#include "StoredForms.h"

namespace korvale::cli {
namespace {

// The words Calc and Excel write for flags, in English, German, French,
// Spanish, Italian, Dutch and Portuguese.
constexpr std::array<std::string_view, 8> kTrueWords{"true",      "1",    "wahr", "vrai",
                                                     "verdadero", "vero", "waar", "verdadeiro"};
constexpr std::array<std::string_view, 6> kFalseWords{"false", "0",     "falsch",
                                                      "faux",  "falso", "onwaar"};

std::string_view Blankless(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

bool OneOf(std::string_view word, std::span<const std::string_view> words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

// A whole number with an optional sign and blanks around it; a number
// beyond 64 bits is kept as its digits.
std::optional<Cell> WholeNumber(const std::string& text) {
  const std::string_view number = Blankless(text);
  std::size_t digits = number.empty() || (number[0] != '-' && number[0] != '+') ? 0 : 1;
  if (digits == number.size()) return std::nullopt;
  for (std::size_t k = digits; k < number.size(); ++k) {
    if (number[k] < '0' || number[k] > '9') return std::nullopt;
  }
  std::int64_t value = 0;
  const char* begin = number.data() + (number[0] == '+' ? 1 : 0);
  const auto [end, error] = std::from_chars(begin, number.data() + number.size(), value);
  if (error != std::errc() || end != number.data() + number.size()) {
    return Cell{Unusable{std::string(number), true}};
  }
  return Cell{value};
}

std::string Describe(const Cell& cell) {
  if (const auto* u = std::get_if<Unusable>(&cell)) return u->what;
  if (const auto* t = std::get_if<std::string>(&cell)) return Render(Shown{*t});
  if (const auto* n = std::get_if<std::int64_t>(&cell)) return "the number " + std::to_string(*n);
  if (const auto* b = std::get_if<bool>(&cell)) return *b ? "the flag true" : "the flag false";
  return "nothing";
}

Taken TakeText(const Cell& cell, bool fromCsv) {
  if (std::holds_alternative<std::monostate>(cell)) return {Shown{std::string()}, {}};
  const auto* text = std::get_if<std::string>(&cell);
  if (text == nullptr) return {std::nullopt, Describe(cell) + " is not a text"};
  if (fromCsv && text->size() > 1 && (*text)[0] == '\'' &&
      std::string_view("=+-@").find((*text)[1]) != std::string_view::npos) {
    return {Shown{text->substr(1)}, {}};
  }
  return {Shown{*text}, {}};
}

Taken TakeFlag(const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {};
  if (const auto* b = std::get_if<bool>(&cell)) return {Shown{*b}, {}};
  if (const auto* t = std::get_if<std::string>(&cell)) {
    const std::string word = Lower(Blankless(*t));
    if (OneOf(word, kTrueWords)) return {Shown{true}, {}};
    if (OneOf(word, kFalseWords)) return {Shown{false}, {}};
  }
  return {std::nullopt, Describe(cell) + " is neither true nor false"};
}

std::string OutsideRange(const FieldDescriptor& field, const std::string& number) {
  const std::string range = AllowedRange(field);
  if (range.empty()) return number + " is too large";
  return number + " outside " + range;
}

// A few plain digits, the common cell, read without further checks.
std::optional<std::int64_t> PlainDigits(std::string_view text) {
  constexpr std::size_t kMostDigits = 18;  // within 64 bits
  if (text.empty() || text.size() > kMostDigits) return std::nullopt;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

Taken TakeNumber(const FieldDescriptor& field, const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {};
  if (const auto* t = std::get_if<std::string>(&cell)) {
    if (const auto plain = PlainDigits(*t)) return {Shown{*plain}, {}};
  }
  std::optional<Cell> number;
  if (const auto* t = std::get_if<std::string>(&cell)) {
    number = WholeNumber(*t);
    if (!number) {
      if (const auto code = CodeForEntry(IdOf(field), *t)) return {Shown{*code}, {}};
    }
  } else {
    number = cell;
  }
  if (number) {
    if (const auto* n = std::get_if<std::int64_t>(&*number)) return {Shown{*n}, {}};
    if (const auto* u = std::get_if<Unusable>(&*number); u && u->tooLarge) {
      return {std::nullopt, OutsideRange(field, u->what)};
    }
  }
  return {std::nullopt, Describe(cell) + " is not a whole number"};
}

}  // namespace

Taken TakeCell(const FieldDescriptor& field, const Cell& cell, bool fromCsv) {
  switch (field.form) {
    case korvale::StoredForm::Text: return TakeText(cell, fromCsv);
    case korvale::StoredForm::Flag: return TakeFlag(cell);
    default: return TakeNumber(field, cell);
  }
}

Taken TakeRecordNumber(const Cell& cell) {
  if (std::holds_alternative<std::monostate>(cell)) return {std::nullopt, "missing"};
  std::optional<Cell> number = cell;
  if (const auto* t = std::get_if<std::string>(&cell)) number = WholeNumber(*t);
  if (number) {
    if (const auto* n = std::get_if<std::int64_t>(&*number)) return {Shown{*n}, {}};
    if (const auto* u = std::get_if<Unusable>(&*number); u && u->tooLarge) {
      return {std::nullopt, "record " + u->what + " does not exist"};
    }
  }
  return {std::nullopt, Describe(cell) + " is not a record number"};
}

std::string AllowedRange(const FieldDescriptor& field) {
  if (field.form == korvale::StoredForm::Letter) {
    return "0.." + std::to_string(AppearanceCount(field) - 1);
  }
  if (!HasShownRange(field)) return {};
  const ShownRange range = ShownRangeOf(field);
  return std::to_string(range.low) + ".." + std::to_string(range.high);
}

std::string NumberProblem(const FieldDescriptor& field, std::int64_t number) {
  if (field.form == korvale::StoredForm::Letter) {
    if (number >= 0 && number < AppearanceCount(field)) return {};
  } else if (!HasShownRange(field)) {
    return {};
  } else if (const ShownRange range = ShownRangeOf(field);
             number >= range.low && number <= range.high) {
    return {};
  }
  return OutsideRange(field, std::to_string(number));
}

}  // namespace korvale::cli
