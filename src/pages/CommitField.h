#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <QString>

#include "RecordLayout.h"

class PageExchange;
class PageHost;

// How one field is written: where, in which stored form, and what follows.
struct FieldWrite {
  std::uint16_t position;
  // The stored bytes of the page's value as it stands after the take, or
  // nothing when the value may not be written (outside the field's range,
  // longer than the field).
  std::function<std::optional<std::string>()> storedBytes;
  std::function<void()> followUp;  // may be empty
};

// The one way a page writes a field: nothing without a file; take over the
// whole page (its outcome does not stop the commit); the stored form;
// WriteField into the current record; the follow-ups. A file error ends the
// commit where it happens and is reported.
void CommitField(PageHost& host, PageExchange& exchange, const FieldWrite& write);

// Stored-form helpers for the commits.
// The value in range, encoded in the field's own form; nothing outside.
[[nodiscard]] std::optional<std::string> RangedValue(korvale::FieldId field, std::int64_t value,
                                                     std::int64_t low, std::int64_t high);
// The text filled with spaces to `width`; a longer text is written as it is
// when `longerAllowed`, otherwise not at all.
[[nodiscard]] std::optional<std::string> PaddedText(const QString& text, std::size_t width,
                                                    bool longerAllowed = false);
