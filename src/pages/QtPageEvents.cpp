#include "QtPageEvents.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "DialogBuilder.h"

namespace {

class EditEventFilter : public QObject {
 public:
  EditEventFilter(QLineEdit* edit, int control, PageEventSink forward)
      : QObject(edit), forward_(std::move(forward)), control_(control) {}

  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::FocusOut && Counts(static_cast<QFocusEvent*>(event)->reason())) {
      forward_(PageEvent::Leave, control_);
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
      forward_(PageEvent::Escape, control_);
      return true;
    }
    return false;
  }

 private:
  static bool Counts(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason &&
           reason != Qt::ActiveWindowFocusReason;
  }

  PageEventSink forward_;
  int control_;
};

}  // namespace

void ForwardEditEvents(QLineEdit* edit, int control, PageEventSink forward) {
  edit->installEventFilter(new EditEventFilter(edit, control, std::move(forward)));
}

void ForwardPageEvents(const korvale::res::ControlMap& controls,
                       const std::vector<PageCommit>& commits, const PageEventSink& forward) {
  for (const PageCommit& commit : commits) {
    const int id = commit.control;
    switch (commit.event) {
      case PageEvent::Leave: ForwardEditEvents(controls.Get<QLineEdit>(id), id, forward); break;
      case PageEvent::Pick: {
        QComboBox* combo = controls.Get<QComboBox>(id);
        QObject::connect(combo, &QComboBox::activated, combo,
                         [forward, id](int) { forward(PageEvent::Pick, id); });
        break;
      }
      case PageEvent::Click: {
        QAbstractButton* button = controls.Get<QAbstractButton>(id);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [forward, id](bool) { forward(PageEvent::Click, id); });
        break;
      }
      case PageEvent::Escape: break;
    }
  }
}
