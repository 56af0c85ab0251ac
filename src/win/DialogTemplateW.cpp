#include "DialogTemplateW.h"

#include <commctrl.h>

namespace korvale::win {
namespace {

using res::ControlKind;
namespace style = res::style;

bool Has(const res::ControlTemplate& c, std::uint32_t flag) { return (c.style & flag) != 0; }

DWORD TextAlignment(const res::ControlTemplate& c) {
  if (Has(c, style::kCenter)) return SS_CENTER;
  if (Has(c, style::kRight)) return SS_RIGHT;
  return SS_LEFT;
}

// Bits every kind takes the same way.
DWORD CommonStyle(const res::ControlTemplate& c) {
  DWORD s = WS_CHILD;
  if (!Has(c, style::kHidden)) s |= WS_VISIBLE;
  if (Has(c, style::kDisabled)) s |= WS_DISABLED;
  if (Has(c, style::kTabStop)) s |= WS_TABSTOP;
  if (Has(c, style::kVScroll)) s |= WS_VSCROLL;
  return s;
}

void Push(std::vector<WORD>& out, DWORD value) {
  out.push_back(LOWORD(value));
  out.push_back(HIWORD(value));
}

void PushShort(std::vector<WORD>& out, int value) {
  out.push_back(static_cast<WORD>(static_cast<short>(value)));
}

void PushString(std::vector<WORD>& out, std::wstring_view text) {
  for (wchar_t ch : text) out.push_back(static_cast<WORD>(ch));
  out.push_back(0);
}

void AlignToDword(std::vector<WORD>& out) {
  if (out.size() % 2 != 0) out.push_back(0);
}

bool HasText(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Edit:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
    case ControlKind::PushButton: return true;
    default: return false;
  }
}

}  // namespace

// kSorted is never mapped to CBS_SORT or LBS_SORT: the editing core owns
// the order of every list (the player list's order, the roster order) and
// fills the lists in that order; a list that sorted by itself would show
// the entries at other rows than the core's, and a pick would name the
// wrong player.
ControlClass ControlClassOf(const res::ControlTemplate& c) {
  ControlClass out;
  out.style = CommonStyle(c);
  switch (c.kind) {
    case ControlKind::Label:
      out.className = L"Static";
      out.style |= TextAlignment(c);
      break;
    case ControlKind::Edit:
      out.className = L"Edit";
      out.style |= ES_LEFT;
      if (Has(c, style::kRight)) out.style |= ES_RIGHT;
      if (Has(c, style::kAutoHScroll)) out.style |= ES_AUTOHSCROLL;
      if (Has(c, style::kReadOnly)) out.style |= ES_READONLY;
      if (Has(c, style::kBorder)) out.style |= WS_BORDER;
      if (Has(c, style::kSunken)) out.exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::DropDownList:
      out.className = L"ComboBox";
      out.style |= CBS_DROPDOWNLIST | WS_VSCROLL;
      break;
    case ControlKind::ListBox:
      out.className = L"ListBox";
      if (Has(c, style::kNotify)) out.style |= LBS_NOTIFY;
      if (Has(c, style::kBorder)) out.style |= WS_BORDER;
      if (Has(c, style::kNoIntegralHeight)) out.style |= LBS_NOINTEGRALHEIGHT;
      break;
    case ControlKind::CheckBox:
      out.className = L"Button";
      out.style |= BS_AUTOCHECKBOX;
      if (Has(c, style::kLeftText)) out.style |= BS_LEFTTEXT;
      break;
    case ControlKind::GroupBox:
      out.className = L"Button";
      out.style |= BS_GROUPBOX;
      if (Has(c, style::kCenter)) out.style |= BS_CENTER;
      break;
    case ControlKind::PushButton:
      out.className = L"Button";
      out.style |= Has(c, style::kDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
      break;
    case ControlKind::Icon:
      // Centred in its rectangle: the control keeps the table's size
      // instead of shrinking or growing to the icon's.
      out.className = L"Static";
      out.style |= SS_ICON | SS_CENTERIMAGE;
      break;
    case ControlKind::EtchedFrame:
      out.className = L"Static";
      out.style |= SS_ETCHEDFRAME;
      break;
    case ControlKind::TabControl:
      out.className = WC_TABCONTROLW;
      // The pages are drawn over it: it must not paint over them.
      out.style |= WS_CLIPSIBLINGS;
      break;
  }
  return out;
}

WORD ControlWindowId(const res::ControlTemplate& c) {
  return c.id == res::kStatic ? static_cast<WORD>(0xFFFF) : static_cast<WORD>(c.id);
}

std::vector<WORD> BuildDialogTemplate(const res::DialogTemplate& t, DWORD dialogStyle) {
  std::vector<WORD> out;
  DWORD dlgStyle = dialogStyle | DS_SETFONT;
  if (!t.StartsVisible()) dlgStyle &= ~static_cast<DWORD>(WS_VISIBLE);

  // DLGTEMPLATEEX
  out.push_back(1);       // dlgVer
  out.push_back(0xFFFF);  // signature
  Push(out, 0);           // helpID
  Push(out, 0);           // exStyle
  Push(out, dlgStyle);
  out.push_back(static_cast<WORD>(t.controls.size()));
  PushShort(out, 0);
  PushShort(out, 0);
  PushShort(out, t.cx);
  PushShort(out, t.cy);
  out.push_back(0);  // no menu
  out.push_back(0);  // the standard dialog class
  PushString(out, Widen(t.caption));
  out.push_back(static_cast<WORD>(t.pointSize));
  out.push_back(FW_NORMAL);
  out.push_back(MAKEWORD(FALSE, DEFAULT_CHARSET));  // italic, charset
  PushString(out, Widen(t.fontFace));

  for (const res::ControlTemplate& c : t.controls) {
    const ControlClass cls = ControlClassOf(c);
    AlignToDword(out);
    // DLGITEMTEMPLATEEX
    Push(out, 0);  // helpID
    Push(out, cls.exStyle);
    Push(out, cls.style);
    PushShort(out, c.x);
    PushShort(out, c.y);
    PushShort(out, c.cx);
    PushShort(out, c.cy);
    Push(out, ControlWindowId(c));
    PushString(out, cls.className);
    PushString(out, HasText(c.kind) ? Widen(c.text) : std::wstring());
    out.push_back(0);  // no creation data
  }
  return out;
}

}  // namespace korvale::win
