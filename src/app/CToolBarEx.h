#pragma once

#include <QAction>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <cstdint>

#include "FlatToolBar.h"
#include "ToolBarImageList.h"

class QHelpEvent;

// One entry of a tool bar layout: a command with its action, or a separator.
struct ToolBarItem {
  int commandId = 0;          // 0 marks a separator
  QAction* action = nullptr;  // triggered by a click; supplies enable, check, tip and prompt

  static ToolBarItem Separator() { return {}; }
};

// The frame's tool bar: a row of image buttons, each bound to a QAction,
// drawn flat as korvale::toolbar::FlatToolBar decides. This widget forwards
// mouse, timer and palette events to it and draws what it says.
class CToolBarEx : public QWidget, private korvale::toolbar::BarHost {
  Q_OBJECT

 public:
  explicit CToolBarEx(QWidget* parent = nullptr);
  ~CToolBarEx() override;

  // Sets the buttons and cuts their images from `bitmap`, one image of
  // `imageSize` per command, left to right. The button size becomes the
  // image size plus 7 by 7. Fails on an empty bitmap or image size.
  bool LoadToolBar(const QImage& bitmap, QSize imageSize, const QList<ToolBarItem>& items);

  // Takes enable and check state from the actions. Call at idle time and
  // whenever command state may have changed; repaints the changed buttons.
  void UpdateButtons();

  [[nodiscard]] int ButtonCount() const { return int(bar_.Buttons().size()); }
  [[nodiscard]] int CommandToIndex(int commandId) const { return bar_.IndexOf(commandId); }
  [[nodiscard]] QRect ItemRect(int index) const;
  [[nodiscard]] int ItemId(int index) const { return ButtonOf(index).commandId; }
  [[nodiscard]] QAction* ItemAction(int index) const { return actions_.at(index); }
  [[nodiscard]] std::uint32_t ButtonWord(int index) const { return ButtonOf(index).Word(); }
  [[nodiscard]] int HotIndex() const { return bar_.HotIndex(); }
  [[nodiscard]] int HoverTimerId() const { return int(bar_.HoverTimer()); }
  [[nodiscard]] QPoint ImageOffset() const;
  [[nodiscard]] const korvale::toolbar::Palette& Colors() const { return bar_.Colours(); }
  [[nodiscard]] QRect ClientRect() const;

  [[nodiscard]] QSize sizeHint() const override;

 protected:
  // The mouse cursor in global coordinates.
  [[nodiscard]] virtual QPoint CursorPos() const;

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void changeEvent(QEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

 private:
  // korvale::toolbar::BarHost
  void Invalidate(const korvale::toolbar::Rect& r, bool erase) override;
  std::uintptr_t StartHoverTimer(int interval) override;
  void StopHoverTimer(std::uintptr_t id) override;
  [[nodiscard]] bool CursorInWindow() const override;

  [[nodiscard]] const korvale::toolbar::Button& ButtonOf(int index) const {
    return bar_.Buttons().at(index);
  }
  void ReadColors();
  void ShowPrompt(int commandId);
  void ShowToolTip(QHelpEvent* e);
  void ResetSurface();

  korvale::toolbar::FlatToolBar bar_{*this};
  QList<QPointer<QAction>> actions_;  // by button index
  QImage bitmap_;                     // as loaded
  ToolBarImageList images_;           // cut from it in the current colours
  int pressed_ = -1;
  QImage surface_;   // the bar's pixels, kept between paints
  QRegion erase_;    // invalidated with erasing
  QRegion noErase_;  // invalidated without erasing: pixels stay until drawn over
};
