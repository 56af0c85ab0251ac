#include "DialogBuilder.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "AccessibleNames.h"
#include "Icons.h"
#include "TabControl.h"

namespace korvale::res {
namespace {

QString Text(const ControlTemplate& c) {
  return QString::fromUtf8(c.text.data(), static_cast<qsizetype>(c.text.size()));
}

bool Has(const ControlTemplate& c, std::uint32_t flag) { return (c.style & flag) != 0; }

Qt::Alignment TextAlignment(const ControlTemplate& c) {
  if (Has(c, style::kCenter)) return Qt::AlignHCenter | Qt::AlignTop;
  if (Has(c, style::kRight)) return Qt::AlignRight | Qt::AlignTop;
  return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* MakeLabel(const ControlTemplate& c, QWidget* parent) {
  auto* label = new QLabel(Text(c), parent);
  label->setWordWrap(true);
  label->setAlignment(TextAlignment(c));
  return label;
}

QWidget* MakeEdit(const ControlTemplate& c, QWidget* parent) {
  auto* edit = new QLineEdit(Text(c), parent);
  edit->setReadOnly(Has(c, style::kReadOnly));
  edit->setFrame(Has(c, style::kBorder) || Has(c, style::kSunken));
  if (Has(c, style::kRight)) edit->setAlignment(Qt::AlignRight);
  return edit;
}

QWidget* MakeDropDownList(const ControlTemplate&, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  // Sizing to the contents would look at every entry of long lists.
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  if (auto* list = qobject_cast<QListView*>(combo->view())) list->setUniformItemSizes(true);
  return combo;
}

QWidget* MakeListBox(const ControlTemplate& c, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setUniformItemSizes(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setVerticalScrollBarPolicy(Has(c, style::kVScroll) ? Qt::ScrollBarAsNeeded
                                                           : Qt::ScrollBarAlwaysOff);
  if (!Has(c, style::kBorder)) list->setFrameShape(QFrame::NoFrame);
  return list;
}

QWidget* MakeCheckBox(const ControlTemplate& c, QWidget* parent) {
  auto* box = new QCheckBox(Text(c), parent);
  if (Has(c, style::kLeftText)) box->setLayoutDirection(Qt::RightToLeft);
  return box;
}

QWidget* MakeGroupBox(const ControlTemplate& c, QWidget* parent) {
  auto* box = new QGroupBox(Text(c), parent);
  if (Has(c, style::kCenter)) box->setAlignment(Qt::AlignHCenter);
  return box;
}

QWidget* MakePushButton(const ControlTemplate& c, QWidget* parent) {
  auto* button = new QPushButton(Text(c), parent);
  button->setDefault(Has(c, style::kDefault));
  button->setAutoDefault(true);
  return button;
}

QWidget* MakeIcon(const ControlTemplate&, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(ApplicationIcon().pixmap(32, 32));
  return label;
}

QWidget* MakeEtchedFrame(const ControlTemplate&, QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return frame;
}

QWidget* MakeControl(const ControlTemplate& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::Label: return MakeLabel(c, parent);
    case ControlKind::Edit: return MakeEdit(c, parent);
    case ControlKind::DropDownList: return MakeDropDownList(c, parent);
    case ControlKind::ListBox: return MakeListBox(c, parent);
    case ControlKind::CheckBox: return MakeCheckBox(c, parent);
    case ControlKind::GroupBox: return MakeGroupBox(c, parent);
    case ControlKind::PushButton: return MakePushButton(c, parent);
    case ControlKind::Icon: return MakeIcon(c, parent);
    case ControlKind::EtchedFrame: return MakeEtchedFrame(c, parent);
    case ControlKind::TabControl: return new TabControl(parent);
  }
  return new QWidget(parent);
}

// A drop-down list's rectangle includes its open list: the closed box keeps
// its natural height and the rest says how many entries the list shows.
void PlaceDropDownList(QComboBox* combo, QRect rect) {
  const int closed = combo->sizeHint().height();
  combo->setGeometry(rect.x(), rect.y(), rect.width(), closed);
  const int entry = std::max(1, combo->fontMetrics().height() + 2);
  combo->setMaxVisibleItems(std::max(1, (rect.height() - closed) / entry));
}

bool LabelFits(const QFont& font, const QLabel& label, QRect rect) {
  const QFontMetrics metrics(font);
  const QRect needed = metrics.boundingRect(
      QRect(0, 0, rect.width(), 0x7fff), int(label.alignment()) | Qt::TextWordWrap, label.text());
  return needed.width() <= rect.width() && needed.height() <= rect.height();
}

// The stand-in fonts are a little wider than the classic one for some
// words; a label that would wrap or lose a line in its box is drawn a
// little narrower instead, so the box keeps its place and size.
void FitLabel(QLabel* label, QRect rect) {
  if (label->text().isEmpty()) return;
  QFont font = label->font();
  constexpr int kNarrowest = 75;
  for (int stretch = 100; stretch >= kNarrowest; stretch -= 5) {
    font.setStretch(stretch);
    if (LabelFits(font, *label, rect)) break;
  }
  if (font.stretch() != 100) label->setFont(font);
}

void Place(QWidget* widget, const ControlTemplate& c, QRect rect) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    PlaceDropDownList(combo, rect);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setGeometry(rect);
    FitLabel(label, rect);
  } else {
    widget->setGeometry(rect);
  }
  widget->setEnabled(!Has(c, style::kDisabled));
  widget->setFocusPolicy(Has(c, style::kTabStop) ? Qt::StrongFocus : widget->focusPolicy());
  if (Has(c, style::kHidden)) widget->hide();
  if (c.id != kStatic) widget->setObjectName(QString::number(c.id));
  // Frames stand behind what they frame and never take its clicks.
  if (c.kind == ControlKind::GroupBox || c.kind == ControlKind::EtchedFrame) widget->lower();
}

}  // namespace

void ControlMap::Add(int id, QWidget* widget) {
  inOrder_.push_back(widget);
  if (id != kStatic) byId_[id] = widget;
}

std::optional<int> ControlMap::IdOf(const QWidget* widget) const {
  for (const auto& [id, control] : byId_) {
    if (control == widget) return id;
  }
  return std::nullopt;
}

QWidget* ControlMap::Find(int id) const {
  const auto found = byId_.find(id);
  return found == byId_.end() ? nullptr : found->second;
}

QFont DialogFont(const DialogTemplate& dialog) {
  // The stand-ins keep the classic 8-point average character size of 6 x 13
  // pixels, so the forms keep their proportions.
  QFont font;
  font.setFamilies(
      {QString::fromUtf8(dialog.fontFace.data(), static_cast<qsizetype>(dialog.fontFace.size())),
       QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans Condensed"),
       QStringLiteral("DejaVu Sans")});
  font.setPointSize(dialog.pointSize);
  return font;
}

QSize DialogBaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return {(letters / 26 + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(QRect units, QSize base) {
  const auto scale = [](int value, int unit, int divisor) {
    return (value * unit + divisor / 2) / divisor;
  };
  return {scale(units.x(), base.width(), 4), scale(units.y(), base.height(), 8),
          scale(units.width(), base.width(), 4), scale(units.height(), base.height(), 8)};
}

ControlMap BuildDialog(const DialogTemplate& dialog, QWidget* parent) {
  const QFont font = DialogFont(dialog);
  const QSize base = DialogBaseUnits(font);
  parent->setFont(font);
  parent->resize(DialogUnitsToPixels(QRect(0, 0, dialog.cx, dialog.cy), base).size());
  if (!dialog.caption.empty()) {
    parent->setWindowTitle(
        QString::fromUtf8(dialog.caption.data(), static_cast<qsizetype>(dialog.caption.size())));
  }
  ControlMap controls;
  QWidget* previous = nullptr;
  for (const ControlTemplate& c : dialog.controls) {
    QWidget* widget = MakeControl(c, parent);
    Place(widget, c, DialogUnitsToPixels(QRect(c.x, c.y, c.cx, c.cy), base));
    if (Has(c, style::kTabStop)) {
      if (previous) QWidget::setTabOrder(previous, widget);
      previous = widget;
    }
    controls.Add(c.id, widget);
  }
  NameControls(dialog, controls);
  return controls;
}

}  // namespace korvale::res
