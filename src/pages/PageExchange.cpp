#include "PageExchange.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTimer>

#include "ExchangeInteger.h"
#include "MessageSink.h"
#include "TextLimitValidator.h"

namespace {

QString TextOf(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
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

void PageExchange::Show() {
  const bool wasBusy = std::exchange(busy_, true);
  for (const ExchangeEntry& e : entries_) {
    switch (e.kind) {
      case ExchangeEntry::Kind::Text: {
        const QString& text = *std::get<QString*>(e.value);
        if (auto* edit = qobject_cast<QLineEdit*>(e.control)) {
          auto* validator =
              edit->findChild<TextLimitValidator*>(QString(), Qt::FindDirectChildrenOnly);
          if (validator == nullptr) {
            validator = new TextLimitValidator(e.limit, edit);
            edit->setValidator(validator);
          }
          validator->SetShownText(text);
        }
        SetText(e.control, text);
        break;
      }
      case ExchangeEntry::Kind::Integer:
      case ExchangeEntry::Kind::RangedInteger:
        SetText(e.control, QString::number(*std::get<std::int32_t*>(e.value)));
        break;
      case ExchangeEntry::Kind::Real:
        SetText(e.control, RealText(*std::get<double*>(e.value)));
        break;
      case ExchangeEntry::Kind::Check:
        if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
          box->setChecked(*std::get<std::int32_t*>(e.value) != 0);
        }
        break;
    }
  }
  busy_ = wasBusy;
}

bool PageExchange::Take() {
  busy_ = true;
  for (const ExchangeEntry& e : entries_) {
    if (!TakeEntry(e)) return false;  // the focus return clears busy_
  }
  busy_ = false;
  return true;
}

bool PageExchange::TakeEntry(const ExchangeEntry& e) {
  const QString text = TextOf(e.control);
  switch (e.kind) {
    case ExchangeEntry::Kind::Text:
      *std::get<QString*>(e.value) = text;
      if (e.limit > 0 && text.size() > e.limit) {
        Fail(e.control, QString("Please enter no more than %1 characters.").arg(e.limit));
        return false;
      }
      return true;
    case ExchangeEntry::Kind::Integer:
    case ExchangeEntry::Kind::RangedInteger: {
      const auto parsed = korvale::ParseExchangeInteger(text.toStdString());
      if (!parsed) {
        Fail(e.control, "Please enter an integer.");
        return false;
      }
      *std::get<std::int32_t*>(e.value) = *parsed;
      if (e.kind == ExchangeEntry::Kind::RangedInteger && (*parsed < e.low || *parsed > e.high)) {
        Fail(e.control,
             QString("Please enter an integer between %1 and %2.").arg(e.low).arg(e.high));
        return false;
      }
      return true;
    }
    case ExchangeEntry::Kind::Real: {
      bool ok = false;
      const double value = text.trimmed().toDouble(&ok);
      if (!ok) {
        Fail(e.control, "Please enter a number.");
        return false;
      }
      *std::get<double*>(e.value) = value;
      return true;
    }
    case ExchangeEntry::Kind::Check:
      if (auto* box = qobject_cast<QCheckBox*>(e.control)) {
        *std::get<std::int32_t*>(e.value) = box->isChecked() ? 1 : 0;
      }
      return true;
  }
  return true;
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
  });
}
