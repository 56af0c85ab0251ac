#pragma once

#include <map>
#include <vector>

#include <QObject>
#include <QString>

#include "SoakControls.h"

#include <QLineEdit>

namespace korvale::testing {

// Watches every focus-out of the committing edits, with its reason and the
// text the edit held at that moment.
class LeaveRecorder final : public QObject {
 public:
  struct Leave {
    const EditControl* edit;
    Qt::FocusReason reason;
    QString text;
  };

  void Watch(const QLineEdit* edit, const EditControl* control) { watched_[edit] = control; }
  [[nodiscard]] std::vector<Leave> Take() { return std::exchange(leaves_, {}); }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::map<const QObject*, const EditControl*> watched_;
  std::vector<Leave> leaves_;
};

}  // namespace korvale::testing
