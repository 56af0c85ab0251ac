#include "AccessibleNames.h"

#include <optional>

#include <QLabel>

#include "DialogBuilder.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

// Controls the template gives no label of their own.
struct OwnName {
  int dialog;
  int control;
  const char* name;
};

constexpr OwnName kOwnNames[] = {
    {kIdEditorForm, kIdPlayerList, "Player list"},
    {kIdEditorForm, kIdTeamChoice, "Team"},
    {kIdEditorForm, kIdRosterList, "Roster"},
    {kIdPlayerDataPage, 1024, "Birth day"},
    {kIdPlayerDataPage, 1025, "Birth year"},
    {kIdPlayerDataPage, 1011, "Height in feet and inches"},
};

const char* OwnNameOf(const DialogTemplate& dialog, const ControlTemplate& c) {
  for (const OwnName& own : kOwnNames) {
    if (own.dialog == dialog.id && own.control == c.id) return own.name;
  }
  return nullptr;
}

// Whether the control is named by the label before it.
bool NamedByLabel(const DialogTemplate& dialog, const ControlTemplate& c) {
  return c.kind != ControlKind::CheckBox && OwnNameOf(dialog, c) == nullptr;
}

bool Named(ControlKind kind) {
  return kind == ControlKind::Edit || kind == ControlKind::DropDownList ||
         kind == ControlKind::ListBox || kind == ControlKind::CheckBox;
}

// "&Speech\n Header:" -> "Speech Header"
QString Clean(std::string_view text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.remove(QLatin1Char('&'));
  s = s.simplified();
  if (s.endsWith(QLatin1Char(':'))) s.chop(1);
  return s.trimmed();
}

// The height of a control's line: a drop-down list's rectangle includes
// its open list.
int LineHeight(const ControlTemplate& c) { return c.kind == ControlKind::DropDownList ? 12 : c.cy; }

bool OnOneLine(const ControlTemplate& label, const ControlTemplate& c) {
  return label.y < c.y + LineHeight(c) && c.y < label.y + label.cy;
}

// The label nearest to the control's left on its line.
std::optional<std::size_t> LabelBefore(const DialogTemplate& dialog, const ControlTemplate& c) {
  constexpr int kOverlap = 2;  // a label may reach a little into its control
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const ControlTemplate& l = dialog.controls[i];
    if (l.kind != ControlKind::Label || l.text.empty() || !OnOneLine(l, c)) continue;
    if (l.x + l.cx > c.x + kOverlap) continue;
    if (!best || l.x + l.cx > dialog.controls[*best].x + dialog.controls[*best].cx) best = i;
  }
  return best;
}

// The caption of a group box that holds the control, with a space.
QString GroupContext(const DialogTemplate& dialog, const ControlTemplate& c) {
  for (const ControlTemplate& g : dialog.controls) {
    if (g.kind != ControlKind::GroupBox || g.text.empty()) continue;
    if (c.x >= g.x && c.y >= g.y && c.x + c.cx <= g.x + g.cx && c.y + c.cy <= g.y + g.cy) {
      return Clean(g.text) + QLatin1Char(' ');
    }
  }
  return {};
}

}  // namespace

QString AccessibleName(const DialogTemplate& dialog, std::size_t index) {
  const ControlTemplate& c = dialog.controls[index];
  if (!Named(c.kind)) return {};
  if (const char* own = OwnNameOf(dialog, c)) return QString::fromLatin1(own);
  if (c.kind == ControlKind::CheckBox) return Clean(c.text);
  const std::optional<std::size_t> label = LabelBefore(dialog, c);
  if (!label) return {};
  return GroupContext(dialog, c) + Clean(dialog.controls[*label].text);
}

void NameControls(const DialogTemplate& dialog, const ControlMap& controls) {
  const std::vector<QWidget*>& widgets = controls.InOrder();
  for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
    const QString name = AccessibleName(dialog, i);
    if (name.isEmpty()) continue;
    widgets[i]->setAccessibleName(name);
    if (!NamedByLabel(dialog, dialog.controls[i])) continue;
    if (const std::optional<std::size_t> label = LabelBefore(dialog, dialog.controls[i])) {
      if (auto* shown = qobject_cast<QLabel*>(widgets[*label])) shown->setBuddy(widgets[i]);
    }
  }
}

}  // namespace korvale::res
