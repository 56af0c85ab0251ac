#include "LeaveRecorder.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace korvale::testing {

bool LeaveRecorder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::FocusOut) return false;
  const auto it = watched_.find(watched);
  if (it != watched_.end()) {
    leaves_.push_back({it->second, static_cast<QFocusEvent*>(event)->reason(),
                       static_cast<QLineEdit*>(watched)->text()});
  }
  return false;
}

}  // namespace korvale::testing
