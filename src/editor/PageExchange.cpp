#include "PageExchange.h"

#include <array>
#include <charconv>
#include <utility>

#include "ExchangeInteger.h"
#include "MessageSink.h"
#include "PageControls.h"
#include "Utf8.h"

namespace {

// "%.*g" at precision 15, whatever the locale.
std::string RealText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  return {buffer.data(), result.ptr};
}

// A real number with white space around it and nothing else.
std::optional<double> ParseReal(std::string_view text) {
  constexpr std::string_view kSpace = " \t\n\v\f\r";
  const std::size_t first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return std::nullopt;
  text = text.substr(first, text.find_last_not_of(kSpace) - first + 1);
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

PageExchange::PageExchange(PageControls& controls, MessageSink& messages)
    : controls_(controls), messages_(messages) {}

void PageExchange::SetEntries(std::vector<ExchangeEntry> entries) {
  entries_ = std::move(entries);
  shown_.assign(entries_.size(), std::string());
}

void PageExchange::Show() {
  const bool wasBusy = std::exchange(busy_, true);
  for (std::size_t i = 0; i < entries_.size(); ++i) ShowEntry(i);
  busy_ = wasBusy;
}

void PageExchange::ShowEntry(std::size_t index) {
  const ExchangeEntry& e = entries_[index];
  std::string& shown = shown_[index];
  switch (e.kind) {
    case ExchangeEntry::Kind::Text:
      shown = *std::get<std::string*>(e.value);
      controls_.LimitText(e.control, e.limit, shown);
      break;
    case ExchangeEntry::Kind::Integer:
    case ExchangeEntry::Kind::RangedInteger:
      shown = std::to_string(*std::get<std::int32_t*>(e.value));
      break;
    case ExchangeEntry::Kind::Real: shown = RealText(*std::get<double*>(e.value)); break;
    case ExchangeEntry::Kind::Check:
      controls_.SetChecked(e.control, *std::get<std::int32_t*>(e.value) != 0);
      return;
  }
  SetText(e.control, shown);
}

void PageExchange::SetText(int control, const std::string& text) {
  if (controls_.Text(control) != text) controls_.SetText(control, text);
}

bool PageExchange::Take(int committing) {
  busy_ = true;
  failedAt_ = kNoControl;
  for (const ExchangeEntry& e : entries_) {
    if (const std::optional<std::string> failure = TakeEntry(e)) {
      failedAt_ = e.control;
      stopsCommand_ = committing != kNoControl && committing == e.control;
      Fail(e.control, *failure);  // the focus return clears busy_
      return false;
    }
  }
  busy_ = false;
  return true;
}

bool PageExchange::TakeOne(int control, bool report) {
  const int index = IndexOf(control);
  if (index < 0) return true;
  const bool wasBusy = std::exchange(busy_, true);
  const std::optional<std::string> failure = TakeEntry(entries_[static_cast<std::size_t>(index)]);
  busy_ = wasBusy;
  if (!failure) return true;
  if (report) {
    busy_ = true;
    stopsCommand_ = true;
    Fail(control, *failure);
  }
  return false;
}

int PageExchange::IndexOf(int control) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].control == control) return static_cast<int>(i);
  }
  return -1;
}

bool PageExchange::Changed(int control) const {
  const int index = IndexOf(control);
  return index >= 0 &&
         entries_[static_cast<std::size_t>(index)].kind != ExchangeEntry::Kind::Check &&
         controls_.Text(control) != shown_[static_cast<std::size_t>(index)];
}

void PageExchange::Revert(int control) {
  const int index = IndexOf(control);
  if (index >= 0) SetText(control, shown_[static_cast<std::size_t>(index)]);
}

std::optional<std::string> PageExchange::TakeEntry(const ExchangeEntry& e) {
  if (e.kind == ExchangeEntry::Kind::Check) {
    *std::get<std::int32_t*>(e.value) = controls_.Checked(e.control) ? 1 : 0;
    return std::nullopt;
  }
  const std::string text = controls_.Text(e.control);
  switch (e.kind) {
    case ExchangeEntry::Kind::Text:
      *std::get<std::string*>(e.value) = text;
      if (e.limit > 0 && korvale::Utf16Length(text) > static_cast<std::size_t>(e.limit)) {
        return "Please enter no more than " + std::to_string(e.limit) + " characters.";
      }
      return std::nullopt;
    case ExchangeEntry::Kind::Integer:
    case ExchangeEntry::Kind::RangedInteger: {
      const auto parsed = korvale::ParseExchangeInteger(text);
      if (!parsed) return "Please enter an integer.";
      *std::get<std::int32_t*>(e.value) = *parsed;
      if (e.kind == ExchangeEntry::Kind::RangedInteger && (*parsed < e.low || *parsed > e.high)) {
        return "Please enter an integer between " + std::to_string(e.low) + " and " +
               std::to_string(e.high) + ".";
      }
      return std::nullopt;
    }
    case ExchangeEntry::Kind::Real: {
      const std::optional<double> value = ParseReal(text);
      if (!value) return "Please enter a number.";
      *std::get<double*>(e.value) = *value;
      return std::nullopt;
    }
    case ExchangeEntry::Kind::Check: break;
  }
  return std::nullopt;
}

void PageExchange::Fail(int control, const std::string& message) {
  messages_.Warn(message);
  // The focus goes back once the message box has closed and its window
  // has handed the focus on; until then the page ignores its controls.
  controls_.FocusLater(control, [this] {
    busy_ = false;
    stopsCommand_ = false;
  });
}
