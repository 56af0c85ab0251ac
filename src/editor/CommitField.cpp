#include "CommitField.h"

#include <algorithm>

#include "Guarded.h"
#include "PageExchange.h"
#include "PageHost.h"
#include "StoredForms.h"
#include "Windows1252.h"

void CommitField(PageHost& host, PageExchange& exchange, const FieldWrite& write) {
  const CloseGate::Hold hold(host.Gate());
  if (!host.File().IsSelected()) return;
  if (!exchange.Take(write.control) && exchange.FailedAt() != write.control &&
      !exchange.TakeOne(write.control, false)) {
    return;
  }
  Guarded(host.Messages(), [&] {
    const std::optional<std::string> bytes = write.storedBytes();
    if (!bytes) return;
    if (const auto failed = host.History().WriteField(host.File(), write.position, *bytes)) {
      host.Messages().Warn(*failed);
    }
    if (write.followUp) write.followUp();
  });
}

std::optional<std::string> RangedValue(korvale::FieldId field, std::int64_t value, std::int64_t low,
                                       std::int64_t high) {
  if (value < low || value > high) return std::nullopt;
  return korvale::EncodeValue(korvale::Field(field), value);
}

std::optional<std::string> PaddedText(std::string_view text, std::size_t width,
                                      std::size_t longest) {
  std::optional<std::string> bytes = korvale::Utf8ToCp1252(text);
  if (!bytes || bytes->size() > std::max(width, longest)) return std::nullopt;
  return korvale::EncodeText(*bytes, width);
}
