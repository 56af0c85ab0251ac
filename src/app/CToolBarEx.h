#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "ToolBarButton.h"
#include "ToolBarColors.h"
#include "ToolBarCustomDraw.h"
#include "ToolBarImageList.h"

class QHelpEvent;

// The frame's tool bar: a row of image buttons, each bound to a QAction, drawn
// flat. A button shows an edge only while the mouse is over it; checked
// buttons are sunken, disabled ones embossed; separators are etched lines and
// a gripper marks the leading edge. The parent widget may take part in the
// drawing by implementing ToolBarCustomDraw.
//
// The bar keeps a frame of "non-client" border around its buttons: 6 pixels
// at each end and 2 along each side (ends and sides follow the orientation),
// and the button area is pushed a further 4 pixels right (horizontal) or 6
// down (vertical) to leave room for the gripper.
class CToolBarEx : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kDefaultId = 59392;
  static constexpr int kHoverTimerInterval = 250;

  explicit CToolBarEx(QWidget* parent = nullptr, int id = kDefaultId);
  ~CToolBarEx() override;

  // Sets the buttons and cuts their images from `bitmap`, one image of
  // `imageSize` per command, left to right. The button size becomes the
  // image size plus 7 by 7. Fails on an empty bitmap or image size.
  bool LoadToolBar(const QImage& bitmap, QSize imageSize, const QList<ToolBarItem>& items);
  void SetSizes(QSize buttonSize, QSize imageSize);
  void SetButtonText(int index, const QString& text);
  void SetButtonHidden(int index, bool hidden);
  // An image list of the bar's own, used instead of the bitmap.
  void SetImageList(std::optional<ToolBarImageList> images);

  void SetOrientation(Qt::Orientation orientation);
  Qt::Orientation Orientation() const { return orientation_; }
  void SetFloating(bool floating);
  bool IsFloating() const { return floating_; }
  void SetFlat(bool flat);
  bool IsFlat() const { return flat_; }

  // Takes enable and check state from the actions. Call at idle time and
  // whenever command state may have changed; repaints the changed buttons.
  void UpdateButtons();

  int Id() const { return id_; }
  int ButtonCount() const { return int(buttons_.size()); }
  int CommandToIndex(int commandId) const;
  QRect ItemRect(int index) const { return buttons_.at(index).rect; }
  int ItemId(int index) const { return buttons_.at(index).commandId; }
  QAction* ItemAction(int index) const { return buttons_.at(index).action; }
  std::uint32_t ButtonWord(int index) const { return buttons_.at(index).Word(); }
  int HotIndex() const { return hot_; }
  int HoverTimerId() const { return hoverTimerId_; }
  QPoint ImageOffset() const { return imageOffset_; }
  const ToolBarColors& Colors() const { return colors_; }
  const QFont& TextFont() const { return textFont_; }
  bool ImageListBuilt() const { return imageListBuilt_; }
  QRect ClientRect() const;

  QSize sizeHint() const override;

 protected:
  // Asks for a repaint of `rect`; `erase` fills it with the face colour first.
  virtual void InvalidateButton(const QRect& rect, bool erase);
  // The mouse cursor in global coordinates.
  virtual QPoint CursorPos() const;

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
  struct Margins {
    int left, top, right, bottom;
  };

  void ReadColors();
  void ComputeImageOffsets();
  bool HasCaptions() const;
  void Relayout();
  Margins Borders() const;
  int ButtonAt(QPoint pos) const;
  void TrackHot(QPoint pos);
  void RestartHoverTimer();
  void ShowPrompt(int index);
  void ShowToolTip(QHelpEvent* e);

  // Painting.
  std::optional<ToolBarImageList> TakeImageList();
  void PaintNonClient(QPainter& p);
  void PaintClient(QPainter& p, const QRect& update, const ToolBarImageList& images);
  void PaintButton(QPainter& p, const ToolBarButton& b, QPoint cursor,
                   const ToolBarImageList& images, bool notifyItems);
  void PaintFace(QPainter& p, const ToolBarButton& b, bool checked, bool enabled, bool hot,
                 QColor fill, const ToolBarImageList& images);
  void PaintSeparator(QPainter& p, const ToolBarButton& b);
  void PaintPlain(QPainter& p, const ToolBarImageList* images);
  unsigned Notify(ToolBarCustomDraw::Stage stage, QPainter* p, const QRect& rect, int spec,
                  unsigned state);

  int id_;
  bool flat_ = true;
  QPoint imageOffset_;
  ToolBarColors colors_;
  int hot_ = -1;
  int hoverTimerId_ = 0;
  QList<std::uint32_t> savedStates_;
  QPointer<QWidget> owner_;
  bool imageListBuilt_ = false;
  QFont textFont_;

  QList<ToolBarButton> buttons_;
  QImage bitmap_;        // as loaded
  QImage mappedBitmap_;  // in the current button colours
  std::optional<ToolBarImageList> ownImages_;
  QSize buttonSize_{23, 22};
  QSize imageSize_{16, 15};
  Qt::Orientation orientation_ = Qt::Horizontal;
  bool floating_ = false;
  int pressed_ = -1;
  int prompt_ = -1;
  QImage surface_;   // the bar's pixels, kept between paints
  QRegion erase_;    // invalidated with erasing
  QRegion noErase_;  // invalidated without erasing: pixels stay until drawn over
};
