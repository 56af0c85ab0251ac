#pragma once

#include <QRect>

class QPainter;
class CToolBarEx;

// Lets the widget that owns a CToolBarEx take part in its drawing. The owner
// implements this interface; the bar asks it at each stage of a paint.
class ToolBarCustomDraw {
 public:
  enum Stage : unsigned {
    kPrePaint = 0x00001,
    kPostPaint = 0x00002,
    kItemPrePaint = 0x10001,
    kItemPostPaint = 0x10002,
  };
  // Replies, combined with |.
  enum Reply : unsigned {
    kDoDefault = 0x00,
    kSkipDefault = 0x04,
    kNotifyPostPaint = 0x10,
    kNotifyItemDraw = 0x20,
  };
  // Item state flags.
  enum ItemState : unsigned {
    kDisabled = 0x04,
    kChecked = 0x08,
  };

  struct Notification {
    const CToolBarEx* sender = nullptr;
    int senderId = 0;
    Stage stage = kPrePaint;
    QPainter* painter = nullptr;
    QRect rect;        // the button for item stages, the update rectangle otherwise
    int itemSpec = 0;  // the button's command id
    unsigned itemState = 0;
  };

  virtual unsigned ToolBarCustomDrawNotify(const Notification& n) = 0;

 protected:
  ~ToolBarCustomDraw() = default;
};
