#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include <QPointer>
#include <QString>
#include <QWidget>

class MessageSink;

// One control bound to one page value.
struct ExchangeEntry {
  enum class Kind { Text, Integer, RangedInteger, Real, Check };

  QWidget* control;
  Kind kind;
  std::variant<QString*, std::int32_t*, double*> value;
  int limit = 0;         // Text: most characters accepted (0: no limit)
  std::int32_t low = 0;  // RangedInteger: accepted range
  std::int32_t high = 0;

  static ExchangeEntry Text(QWidget* c, QString* v, int limit = 0);
  static ExchangeEntry Integer(QWidget* c, std::int32_t* v);
  static ExchangeEntry Ranged(QWidget* c, std::int32_t* v, std::int32_t low, std::int32_t high);
  static ExchangeEntry Real(QWidget* c, double* v);
  static ExchangeEntry Check(QWidget* c, std::int32_t* v);
};

// Copies a page's values to its controls (show) and back with validation
// (take), in the page's fixed order. A failed take shows its message, gives
// the focus back to the failing control with its text selected and stops
// there; while it runs, the page's own notifications are to be ignored.
class PageExchange {
 public:
  PageExchange(QWidget* page, MessageSink& messages);

  void SetEntries(std::vector<ExchangeEntry> entries) { entries_ = std::move(entries); }

  void Show();
  bool Take();
  // True while a take runs, until the focus is back in a failing control.
  [[nodiscard]] bool Busy() const { return busy_; }

 private:
  bool TakeEntry(const ExchangeEntry& entry);
  void Fail(QWidget* control, const QString& message);

  QPointer<QWidget> page_;
  MessageSink& messages_;
  std::vector<ExchangeEntry> entries_;
  bool busy_ = false;
};
