#include "PageTemplate.h"

#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>

namespace korvale::pages {

void PageControls::Add(int id, QWidget* widget) {
  if (id != kNoId) byId_[id] = widget;
  inOrder_.push_back(widget);
}

QWidget* PageControls::Find(int id) const {
  const auto it = byId_.find(id);
  return it == byId_.end() ? nullptr : it->second;
}

QFont TemplateFont(const PageTemplate& page) {
  QFont font(QString::fromUtf8(page.fontFace.data(), static_cast<qsizetype>(page.fontFace.size())),
             page.pointSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QSize DialogBaseUnits(const QFont& font) {
  // Windows measures the 52 letters and rounds their average width.
  const QFontMetrics metrics(font);
  const int letters =
      metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(QRect units, QSize base) {
  auto scale = [](int value, int unit, int per) { return (value * unit + per / 2) / per; };
  const int left = scale(units.x(), base.width(), 4);
  const int top = scale(units.y(), base.height(), 8);
  const int right = scale(units.x() + units.width(), base.width(), 4);
  const int bottom = scale(units.y() + units.height(), base.height(), 8);
  return {left, top, right - left, bottom - top};
}

namespace {

QString TextOf(const PageControl& c) {
  return QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size()));
}

QWidget* Create(const PageControl& c, QWidget* parent, QSize base) {
  QRect rect = DialogUnitsToPixels({c.x, c.y, c.cx, c.cy}, base);
  QWidget* widget = nullptr;
  switch (c.kind) {
    case PageControlKind::Label: {
      auto* label = new QLabel(TextOf(c), parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      widget = label;
      break;
    }
    case PageControlKind::Edit: {
      auto* edit = new QLineEdit(parent);
      edit->setReadOnly((c.style & style::kReadOnly) != 0);
      edit->setFocusPolicy(Qt::StrongFocus);
      widget = edit;
      break;
    }
    case PageControlKind::DropDownList: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(false);
      combo->setFocusPolicy(Qt::StrongFocus);
      // The closed box is as high as an edit; the rest is the drop-down.
      const int closed = DialogUnitsToPixels({0, 0, 0, 12}, base).height();
      const int rows = std::max(1, (c.cy - 12) / 8);
      combo->setMaxVisibleItems(rows);
      rect.setHeight(std::max(closed, combo->minimumSizeHint().height()));
      widget = combo;
      break;
    }
    case PageControlKind::GroupBox: {
      auto* group = new QGroupBox(TextOf(c), parent);
      group->setAlignment(Qt::AlignHCenter);
      group->setFocusPolicy(Qt::NoFocus);
      widget = group;
      break;
    }
  }
  widget->setGeometry(rect);
  widget->setEnabled((c.style & style::kDisabled) == 0);
  if (c.id != kNoId) widget->setObjectName(QString::number(c.id));
  return widget;
}

}  // namespace

PageControls BuildPage(const PageTemplate& page, QWidget* parent) {
  const QFont font = TemplateFont(page);
  parent->setFont(font);
  const QSize base = DialogBaseUnits(font);
  parent->resize(DialogUnitsToPixels({0, 0, page.cx, page.cy}, base).size());

  PageControls controls;
  QWidget* previous = nullptr;
  for (const PageControl& c : page.controls) {
    QWidget* widget = Create(c, parent, base);
    controls.Add(c.id, widget);
    if (c.kind == PageControlKind::GroupBox) widget->lower();  // frames stay behind
    if (widget->focusPolicy() & Qt::TabFocus) {
      if (previous != nullptr) QWidget::setTabOrder(previous, widget);
      previous = widget;
    }
  }
  return controls;
}

}  // namespace korvale::pages
