#include "CToolBarEx.h"

#include <QCursor>

#include "ToolBarAccessible.h"
#include "ToolBarPainter.h"

namespace tb = korvale::toolbar;

CToolBarEx::CToolBarEx(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  ReadColors();
  InstallToolBarAccessible();
}

CToolBarEx::~CToolBarEx() = default;

bool CToolBarEx::LoadToolBar(const QImage& bitmap, QSize imageSize,
                             const QList<ToolBarItem>& items) {
  if (bitmap.isNull() || imageSize.isEmpty()) return false;
  std::vector<int> ids;
  actions_.clear();
  for (const ToolBarItem& item : items) {
    ids.push_back(item.commandId);
    actions_.append(item.commandId == 0 ? nullptr : item.action);
  }
  bar_.SetItems(ids);
  const tb::Size image{imageSize.width(), imageSize.height()};
  bar_.SetSizes(tb::ButtonSizeFor(image), image);
  bar_.Layout(tb::Point{ClientRect().left(), ClientRect().top()});
  bitmap_ = bitmap;
  pressed_ = -1;
  ReadColors();
  updateGeometry();
  update();
  UpdateButtons();
  return true;
}

void CToolBarEx::ReadColors() {
  const QPalette& p = palette();
  const auto group = QPalette::Active;
  bar_.SetPalette(tb::Palette::FromSystem(
      p.color(group, QPalette::Button).rgb(), p.color(group, QPalette::Light).rgb(),
      p.color(group, QPalette::Dark).rgb(), p.color(group, QPalette::Midlight).rgb()));
  if (bitmap_.isNull()) return;
  const tb::Size image = bar_.ImageSize();
  images_ = ToolBarImageList::Cut(bitmap_, QSize(image.width, image.height), bar_.Colours(),
                                  p.color(group, QPalette::ButtonText).rgb());
}

void CToolBarEx::UpdateButtons() {
  const std::vector<int> changed = bar_.UpdateStates([this](int index) {
    const QAction* action = actions_.at(index);
    return tb::FlatToolBar::CommandState{action && action->isEnabled(),
                                         action && action->isCheckable() && action->isChecked()};
  });
  for (const int index : changed) NotifyButtonStateChanged(this, index);
}

QRect CToolBarEx::ItemRect(int index) const { return ToQRect(ButtonOf(index).rect); }

QPoint CToolBarEx::ImageOffset() const {
  const tb::Point offset = bar_.ImageOffset();
  return {offset.x, offset.y};
}

QRect CToolBarEx::ClientRect() const { return ToQRect(tb::ClientArea(FromQRect(rect()))); }

QSize CToolBarEx::sizeHint() const {
  const tb::Size size = bar_.BarSize();
  return {size.width, size.height};
}

void CToolBarEx::Invalidate(const tb::Rect& r, bool erase) {
  const QRect area = ToQRect(r);
  if (erase) {
    erase_ += area;
  } else {
    noErase_ += area;
  }
  update(area);
}

std::uintptr_t CToolBarEx::StartHoverTimer(int interval) {
  return std::uintptr_t(startTimer(interval));
}

void CToolBarEx::StopHoverTimer(std::uintptr_t id) { killTimer(int(id)); }

bool CToolBarEx::CursorInWindow() const {
  return QRect(mapToGlobal(QPoint(0, 0)), size()).contains(CursorPos());
}

QPoint CToolBarEx::CursorPos() const { return QCursor::pos(); }
