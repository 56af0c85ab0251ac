#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ExchangeEntry.h"
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
  // The control whose value is committed (none for a list pick, which
  // reads its control directly).
  int control = kNoControl;
};

// The one way a page writes a field: nothing without a file; take over the
// whole page (its outcome does not stop the commit); the stored form;
// WriteField into the current record, recorded in the history first (a
// history that cannot be written is reported once); the follow-ups. When the take stops
// at an earlier control, the committed control's value is taken on its own,
// silently, and nothing is written unless it passes: the field never gets
// its old value back over a valid new one. A file error ends the commit
// where it happens and is reported. A close of the window waits for the
// commit (CloseGate).
void CommitField(PageHost& host, PageExchange& exchange, const FieldWrite& write);

// Stored-form helpers for the commits.
// The value in range, encoded in the field's own form; nothing outside.
[[nodiscard]] std::optional<std::string> RangedValue(korvale::FieldId field, std::int64_t value,
                                                     std::int64_t low, std::int64_t high);
// The text (UTF-8) filled with spaces to `width`; a text longer than
// `longest` (by default `width`) is not written at all.
[[nodiscard]] std::optional<std::string> PaddedText(std::string_view text, std::size_t width,
                                                    std::size_t longest = 0);
