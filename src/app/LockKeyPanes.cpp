#include "LockKeyPanes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

#include "ResourceIds.h"
#include "StringTable.h"

namespace res = korvale::res;

// The labels belong to the status bar (Qt parent ownership).
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
LockKeyPanes::LockKeyPanes(QStatusBar* bar)
    : QObject(bar),
      panes_{{Qt::Key_CapsLock, new QLabel(bar), res::LoadString(res::kIdIndicatorCaps)},
             {Qt::Key_NumLock, new QLabel(bar), res::LoadString(res::kIdIndicatorNum)},
             {Qt::Key_ScrollLock, new QLabel(bar), res::LoadString(res::kIdIndicatorScroll)}} {
  for (Pane& pane : panes_) {
    // Each pane is as wide as its text, shown or not.
    pane.label->setMinimumWidth(pane.label->fontMetrics().horizontalAdvance(pane.text) + 8);
    pane.label->setAlignment(Qt::AlignCenter);
    pane.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addPermanentWidget(pane.label);
  }
  qApp->installEventFilter(this);
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

QString LockKeyPanes::Text(int key) const {
  for (const Pane& pane : panes_) {
    if (pane.key == key) return pane.label->text();
  }
  return {};
}

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event) {
  // A key press reaches its window once, then each widget it propagates to.
  if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
    const auto* key = static_cast<QKeyEvent*>(event);
    for (Pane& pane : panes_) {
      if (pane.key == key->key() && !key->isAutoRepeat()) {
        pane.on = !pane.on;
        pane.label->setText(pane.on ? pane.text : QString());
      }
    }
  }
  return QObject::eventFilter(watched, event);
}
