#include "SoakModel.h"

#include <algorithm>

#include "ExchangeInteger.h"
#include "PlayerFileState.h"
#include "StoredForms.h"

namespace korvale::testing {

SoakModel::SoakModel(std::string bytes) : bytes_(std::move(bytes)) {
  const FieldDescriptor& id = Field(FieldId::PlayerId);
  for (std::int64_t k = 0; k < RecordCount(); ++k) {
    ids_.push_back(ReadNumber(std::string_view(bytes_).substr(id.OffsetIn(k), id.readWidth)));
  }
}

std::int64_t SoakModel::RecordCount() const { return PlayerFileState::RecordCount(bytes_.size()); }

void SoakModel::Write(FieldId field, const std::string& stored) {
  bytes_.replace(Field(field).OffsetIn(current_), stored.size(), stored);
}

bool SoakModel::Leave(const EditControl& edit, const QString& text, const QString& before) {
  if (!edit.integer) {
    if (const auto stored = StoredText(edit, text)) Write(edit.field, *stored);
    return false;
  }
  const auto typed = ParseExchangeInteger(text.toStdString());
  if (!typed) {
    // The value stays what the box held before: that is written again.
    warnings_ << "Please enter an integer.";
    if (const auto old = ParseExchangeInteger(before.toStdString())) {
      if (const auto stored = StoredInteger(edit, *old)) Write(edit.field, *stored);
    }
    return true;
  }
  if (const auto stored = StoredInteger(edit, *typed)) {
    Write(edit.field, *stored);
    return false;
  }
  warnings_ << QString("Please enter an integer between %1 and %2.").arg(edit.low).arg(edit.high);
  return true;
}

void SoakModel::Pick(const ListControl& list, int index) {
  Write(list.field, StoredPick(list, index));
}

void SoakModel::Check(const CheckControl& box, bool checked) {
  Write(box.field, EncodeFlag(checked));
}

void SoakModel::Forward() {
  if (current_ + 1 < RecordCount()) ++current_;
}

void SoakModel::Back() {
  if (current_ > 0) --current_;
}

void SoakModel::Choose(const QString& entry) {
  const std::int32_t id = ReadNumber(entry.right(4).toStdString());
  for (std::size_t k = 0; k < ids_.size(); ++k) {
    if (ids_[k] == id) current_ = static_cast<std::int32_t>(k);
  }
}

QStringList SoakModel::TakeWarnings() { return std::exchange(warnings_, {}); }

}  // namespace korvale::testing
