#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

// The CAP, NUM and SCRL panes of the status bar. Qt cannot ask the keyboard
// for its lock state, so the panes follow the lock keys as they are pressed
// while the program runs, starting from "off".
class LockKeyPanes : public QObject {
  Q_OBJECT

 public:
  explicit LockKeyPanes(QStatusBar* bar);

  [[nodiscard]] QString Text(int key) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Pane {
    int key;
    QLabel* label;
    QString text;
    bool on = false;
  };
  Pane panes_[3];
};
