#include "CommitTriggers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include "PageExchange.h"

namespace {

class LeaveFilter : public QObject {
 public:
  LeaveFilter(const PageExchange& exchange, std::function<void()> commit, QObject* parent)
      : QObject(parent), exchange_(exchange), commit_(std::move(commit)) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && Counts(static_cast<QFocusEvent*>(event)->reason()) &&
        !exchange_.Busy()) {
      commit_();
    }
    return false;
  }

 private:
  static bool Counts(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
           reason != Qt::ActiveWindowFocusReason;
  }

  const PageExchange& exchange_;
  std::function<void()> commit_;
};

}  // namespace

void OnLeave(QLineEdit* edit, const PageExchange& exchange, std::function<void()> commit) {
  edit->installEventFilter(new LeaveFilter(exchange, std::move(commit), edit));
}

void OnPick(QComboBox* combo, const PageExchange& exchange, std::function<void()> commit) {
  QObject::connect(combo, &QComboBox::activated, combo,
                   [&exchange, commit = std::move(commit)](int) {
                     if (!exchange.Busy()) commit();
                   });
}

void OnClick(QAbstractButton* button, const PageExchange& exchange, std::function<void()> commit) {
  QObject::connect(button, &QAbstractButton::clicked, button,
                   [&exchange, commit = std::move(commit)](bool) {
                     if (!exchange.Busy()) commit();
                   });
}
