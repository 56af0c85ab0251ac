#include "CommitTriggers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "DialogBuilder.h"
#include "PageExchange.h"

namespace {

class LeaveFilter : public QObject {
 public:
  LeaveFilter(PageExchange& exchange, std::function<void()> commit, QLineEdit* edit, int control)
      : QObject(edit), exchange_(exchange), commit_(std::move(commit)), control_(control) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && Counts(static_cast<QFocusEvent*>(event)->reason()) &&
        !exchange_.Busy()) {
      commit_();
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      exchange_.Revert(control_);
      return true;
    }
    return false;
  }

 private:
  static bool Counts(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
           reason != Qt::ActiveWindowFocusReason;
  }

  PageExchange& exchange_;
  std::function<void()> commit_;
  int control_;
};

}  // namespace

void OnLeave(QLineEdit* edit, int control, PageExchange& exchange, std::function<void()> commit) {
  edit->installEventFilter(new LeaveFilter(exchange, std::move(commit), edit, control));
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

void ConnectCommits(const korvale::res::ControlMap& controls, PageExchange& exchange,
                    std::vector<PageCommit> commits) {
  for (PageCommit& commit : commits) {
    switch (commit.event) {
      case PageCommit::Event::Leave:
        OnLeave(controls.Get<QLineEdit>(commit.control), commit.control, exchange,
                std::move(commit.run));
        break;
      case PageCommit::Event::Pick:
        OnPick(controls.Get<QComboBox>(commit.control), exchange, std::move(commit.run));
        break;
      case PageCommit::Event::Click:
        OnClick(controls.Get<QAbstractButton>(commit.control), exchange, std::move(commit.run));
        break;
    }
  }
}
