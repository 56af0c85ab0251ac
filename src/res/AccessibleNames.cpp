#include "AccessibleNames.h"

#include <QLabel>
#include <QRect>
#include <algorithm>

#include "ControlIds.h"
#include "DialogBuilder.h"
#include "DropDownAccessible.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

struct ShortName {
  int dialog;
  int control;
  const char* name;
};

// Controls that no label stands before.
constexpr ShortName kShortNames[] = {
    {kIdEditorForm, kIdTabControl, "Pages"},
    {kIdEditorForm, kIdPlayerList, "Player list"},
    {kIdEditorForm, kIdTeamChoice, "Team"},
    {kIdEditorForm, kIdRosterList, "Roster"},
    {kIdPlayerDataPage, playerdata::kBirthDay, "Birth day"},
    {kIdPlayerDataPage, playerdata::kBirthYear, "Birth year"},
    {kIdPlayerDataPage, playerdata::kHeightText, "Height in feet and inches"},
};

// A label may reach this far into the control it stands before.
constexpr int kOverlap = 2;
// The closed height of a drop-down list; its rectangle includes the list.
constexpr int kClosedHeight = 12;

QString Spoken(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QLatin1String("&&"), QLatin1String("\x01"));
  s.remove(QLatin1Char('&'));
  s.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  s = s.simplified();
  if (s.endsWith(QLatin1Char(':'))) s.chop(1);
  return s.trimmed();
}

QRect Box(const ControlTemplate& c) {
  const int height = c.kind == ControlKind::DropDownList ? std::min(c.cy, kClosedHeight) : c.cy;
  return {c.x, c.y, c.cx, height};
}

bool SameRow(QRect a, QRect b) { return a.top() <= b.bottom() && b.top() <= a.bottom(); }

bool IsNamed(ControlKind kind) {
  return kind == ControlKind::Edit || kind == ControlKind::DropDownList ||
         kind == ControlKind::ListBox;
}

// Another control on the row between a label ending at `from` and `to`.
bool ControlBetween(const DialogTemplate& dialog, QRect row, int from, int to) {
  return std::any_of(dialog.controls.begin(), dialog.controls.end(), [&](const auto& c) {
    const QRect box = Box(c);
    return IsNamed(c.kind) && SameRow(box, row) && box.left() >= from && box.right() < to;
  });
}

int LabelBefore(const DialogTemplate& dialog, const ControlTemplate& control) {
  const QRect box = Box(control);
  int best = -1;
  int bestRight = -1;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& l = dialog.controls[i];
    const int right = l.x + l.cx;
    if (l.kind != ControlKind::Label || l.text.empty() || !SameRow(Box(l), box)) continue;
    if (l.x >= control.x || right > control.x + kOverlap || right <= bestRight) continue;
    best = int(i);
    bestRight = right;
  }
  if (best >= 0 && ControlBetween(dialog, box, bestRight - kOverlap, control.x)) return -1;
  return best;
}

QString GroupCaption(const DialogTemplate& dialog, const ControlTemplate& control) {
  for (const ControlTemplate& g : dialog.controls) {
    if (g.kind == ControlKind::GroupBox && !g.text.empty() &&
        QRect(g.x, g.y, g.cx, g.cy).contains(Box(control))) {
      return Spoken(g.text) + QLatin1Char(' ');
    }
  }
  return {};
}

QString ShortNameOf(const DialogTemplate& dialog, const ControlTemplate& control) {
  for (const ShortName& s : kShortNames) {
    if (s.dialog == dialog.id && s.control == control.id) return QString::fromLatin1(s.name);
  }
  return {};
}

ControlName NameOf(const DialogTemplate& dialog, const ControlTemplate& control) {
  if (control.kind == ControlKind::CheckBox) return {Spoken(control.text)};
  if (control.kind == ControlKind::TabControl) return {ShortNameOf(dialog, control)};
  if (!IsNamed(control.kind)) return {};
  const int label = LabelBefore(dialog, control);
  if (label < 0) return {ShortNameOf(dialog, control)};
  return {GroupCaption(dialog, control) + Spoken(dialog.controls[label].text), label};
}

}  // namespace

std::vector<ControlName> ControlNames(const DialogTemplate& dialog) {
  std::vector<ControlName> names;
  names.reserve(dialog.controls.size());
  for (const ControlTemplate& c : dialog.controls) names.push_back(NameOf(dialog, c));
  return names;
}

void NameControls(const DialogTemplate& dialog, const ControlMap& controls) {
  InstallDropDownAccessible();
  const std::vector<ControlName> names = ControlNames(dialog);
  const std::vector<QWidget*>& widgets = controls.InOrder();
  for (std::size_t i = 0; i < names.size() && i < widgets.size(); ++i) {
    const QString& name = names[i].name;
    if (dialog.controls[i].kind == ControlKind::DropDownList) {
      if (names[i].label < 0 && !name.isEmpty()) widgets[i]->setAccessibleDescription(name);
    } else if (!name.isEmpty()) {
      widgets[i]->setAccessibleName(name);
    }
    if (names[i].label < 0) continue;
    if (auto* label = qobject_cast<QLabel*>(widgets[std::size_t(names[i].label)])) {
      label->setBuddy(widgets[i]);
    }
  }
}

}  // namespace korvale::res
