#pragma once

#include <cstdint>
#include <optional>
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

  void SetEntries(std::vector<ExchangeEntry> entries);

  void Show();
  // Takes every value in order. `committing` is the control whose commit
  // runs the take: when the take fails at that control itself, a command
  // waiting on the commit is stopped until the focus is back in it.
  bool Take(QWidget* committing = nullptr);
  // Takes one control's value alone; `report` shows a failure as Take does,
  // otherwise a failure is silent. A control without an entry passes.
  bool TakeOne(QWidget* control, bool report);
  // Where the last take stopped, or nothing when it went through.
  [[nodiscard]] QWidget* FailedAt() const { return failedAt_; }
  // True while a take runs, until the focus is back in a failing control.
  [[nodiscard]] bool Busy() const { return busy_; }
  // True from a take that failed at the control being committed until the
  // focus is back in it.
  [[nodiscard]] bool StopsCommand() const { return stopsCommand_; }

  // Whether an edit's text differs from what the last display put there.
  [[nodiscard]] bool Changed(const QWidget* control) const;
  // Puts back the text of the last display.
  void Revert(QWidget* control);

 private:
  [[nodiscard]] int IndexOf(const QWidget* control) const;
  void ShowEntry(std::size_t index);
  [[nodiscard]] std::optional<QString> TakeEntry(const ExchangeEntry& entry);
  void Fail(QWidget* control, const QString& message);

  QPointer<QWidget> page_;
  MessageSink& messages_;
  std::vector<ExchangeEntry> entries_;
  std::vector<QString> shown_;  // per entry, the text the last display put there
  QWidget* failedAt_ = nullptr;
  bool busy_ = false;
  bool stopsCommand_ = false;
};
