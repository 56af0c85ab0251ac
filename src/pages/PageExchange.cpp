#include "PageExchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "ExchangeInteger.h"
#include "MessageSink.h"
#include "TextLimitValidator.h"

namespace {

QString TextOf(const QWidget* control) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  return {};
}

void SetText(QWidget* control, const QString& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    if (edit->text() != text) edit->setText(text);
  }
}

// "%.*g" at precision 15.
QString RealText(double value) { return QString::asprintf("%.*g", 15, value); }

}  // namespace

ExchangeEntry ExchangeEntry::Text(QWidget* c, QString* v, int limit) {
  return {c, Kind::Text, v, limit, 0, 0};
}
ExchangeEntry ExchangeEntry::Integer(QWidget* c, std::int32_t* v) {
  return {c, Kind::Integer, v, 0, 0, 0};
}
ExchangeEntry ExchangeEntry::Ranged(QWidget* c, std::int32_t* v, std::int32_t low,
                                    std::int32_t high) {
  return {c, Kind::RangedInteger, v, 0, low, high};
}
ExchangeEntry ExchangeEntry::Real(QWidget* c, double* v) { return {c, Kind::Real, v, 0, 0, 0}; }
ExchangeEntry ExchangeEntry::Check(QWidget* c, std::int32_t* v) {
  return {c, Kind::Check, v, 0, 0, 0};
}

PageExchange::PageExchange(QWidget* page, MessageSink& messages)
    : page_(page), messages_(messages) {}

void PageExchange::SetEntries(std::vector<ExchangeEntry> entries) {
  entries_ = std::move(entries);
  shown_.assign(entries_.size(), QString());
}

void PageExchange::Show() {
  const bool wasBusy = std::exchange(busy_, true);
  for (std::size_t i = 0; i < entries_.size(); ++i) ShowEntry(i);
  busy_ = wasBusy;
}

void PageExchange::ShowEntry(std::size_t index) {
  const ExchangeEntry& e = entries_[index];
  QString& shown = shown_[index];
  switch (e.kind) {
    case ExchangeEntry::Kind::Text: {
      shown = *std::get<QString*>(e.value);
      if (auto* edit = qobject_cast<QLineEdit*>(e.control)) {
        auto* validator =
            edit->findChild<TextLimitValidator*>(QString(), Qt::FindDirectChildrenOnly);
        if (validator == nullptr) {
          validator = new TextLimitValidator(e.limit, edit);
          edit->setValidator(validator);
        }
        validator->SetShownText(shown);
      }
      break;
    }
    case ExchangeEntry::Kind::Integer:
    case ExchangeEntry::Kind::RangedInteger:
      shown = QString::number(*std::get<std::int32_t*>(e.value));
      break;
    case ExchangeEntry::Kind::Real: shown = RealText(*std::get<double*>(e.value)); break;
    case ExchangeEntry::Kind::Check:
      if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
        box->setChecked(*std::get<std::int32_t*>(e.value) != 0);
      }
      return;
  }
  SetText(e.control, shown);
}

bool PageExchange::Take(QWidget* committing) {
  busy_ = true;
  failedAt_ = nullptr;
  for (const ExchangeEntry& e : entries_) {
    if (const std::optional<QString> failure = TakeEntry(e)) {
      failedAt_ = e.control;
      stopsCommand_ = committing != nullptr && committing == e.control;
      Fail(e.control, *failure);  // the focus return clears busy_
      return false;
    }
  }
  busy_ = false;
  return true;
}

bool PageExchange::TakeOne(QWidget* control, bool report) {
  const int index = IndexOf(control);
  if (index < 0) return true;
  const bool wasBusy = std::exchange(busy_, true);
  const std::optional<QString> failure = TakeEntry(entries_[static_cast<std::size_t>(index)]);
  busy_ = wasBusy;
  if (!failure) return true;
  if (report) {
    busy_ = true;
    stopsCommand_ = true;
    Fail(control, *failure);
  }
  return false;
}

int PageExchange::IndexOf(const QWidget* control) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].control == control) return static_cast<int>(i);
  }
  return -1;
}

bool PageExchange::Changed(const QWidget* control) const {
  const int index = IndexOf(control);
  return index >= 0 &&
         entries_[static_cast<std::size_t>(index)].kind != ExchangeEntry::Kind::Check &&
         TextOf(control) != shown_[static_cast<std::size_t>(index)];
}

void PageExchange::Revert(QWidget* control) {
  const int index = IndexOf(control);
  if (index >= 0) SetText(control, shown_[static_cast<std::size_t>(index)]);
}

std::optional<QString> PageExchange::TakeEntry(const ExchangeEntry& e) {
  const QString text = TextOf(e.control);
  switch (e.kind) {
    case ExchangeEntry::Kind::Text:
      *std::get<QString*>(e.value) = text;
      if (e.limit > 0 && text.size() > e.limit) {
        return QString("Please enter no more than %1 characters.").arg(e.limit);
      }
      return std::nullopt;
    case ExchangeEntry::Kind::Integer:
    case ExchangeEntry::Kind::RangedInteger: {
      const auto parsed = korvale::ParseExchangeInteger(text.toStdString());
      if (!parsed) return QString("Please enter an integer.");
      *std::get<std::int32_t*>(e.value) = *parsed;
      if (e.kind == ExchangeEntry::Kind::RangedInteger && (*parsed < e.low || *parsed > e.high)) {
        return QString("Please enter an integer between %1 and %2.").arg(e.low).arg(e.high);
      }
      return std::nullopt;
    }
    case ExchangeEntry::Kind::Real: {
      bool ok = false;
      const double value = text.trimmed().toDouble(&ok);
      if (!ok) return QString("Please enter a number.");
      *std::get<double*>(e.value) = value;
      return std::nullopt;
    }
    case ExchangeEntry::Kind::Check:
      if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
        *std::get<std::int32_t*>(e.value) = box->isChecked() ? 1 : 0;
      }
      return std::nullopt;
  }
  return std::nullopt;
}

void PageExchange::Fail(QWidget* control, const QString& message) {
  messages_.Warn(message);
  // The focus goes back once the message box has closed and its window
  // has handed the focus on; until then the page ignores its controls.
  QPointer<QWidget> target(control);
  QTimer::singleShot(0, page_.data(), [this, target] {
    if (target) {
      target->setFocus(Qt::OtherFocusReason);
      if (auto* edit = qobject_cast<QLineEdit*>(target.data())) edit->selectAll();
    }
    busy_ = false;
    stopsCommand_ = false;
  });
}
