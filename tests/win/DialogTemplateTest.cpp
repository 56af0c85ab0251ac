#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTemplateW.h"
#include "DialogTemplates.h"

namespace korvale::win {
namespace {

INT_PTR CALLBACK NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

struct Case {
  const char* name;
  const res::DialogTemplate& (*table)();
};

const Case kCases[] = {
    {"AboutBox", res::AboutBoxTemplate},
    {"EditorForm", res::EditorFormTemplate},
    {"PlayerDataPage", res::PlayerDataPageTemplate},
    {"PlayerData2Page", res::PlayerData2PageTemplate},
    {"PlayerRatingsPage", res::PlayerRatingsPageTemplate},
    {"SeasonStatsPage", res::SeasonStatsPageTemplate},
};

std::wstring ClassName(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

RECT ChildRect(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Each control of the table is a window of the class, id, style and place
// the table says, in the table's order, which is the tab order.
void CheckControls(const res::DialogTemplate& t) {
  const std::vector<WORD> bytes = BuildDialogTemplate(t, WS_POPUP | WS_CAPTION);
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                           NoDialogProc, 0);
  ASSERT_NE(dialog, nullptr) << GetLastError();
  EXPECT_FALSE(IsWindowVisible(dialog));

  wchar_t caption[64] = {};
  GetWindowTextW(dialog, caption, 64);
  EXPECT_EQ(Narrow(caption), std::string(t.caption));

  HWND child = GetWindow(dialog, GW_CHILD);
  for (std::size_t i = 0; i < t.controls.size(); ++i) {
    const res::ControlTemplate& c = t.controls[i];
    SCOPED_TRACE("control " + std::to_string(i) + " id " + std::to_string(c.id));
    ASSERT_NE(child, nullptr);
    const ControlClass expected = ControlClassOf(c);
    if (c.id != res::kStatic) {
      EXPECT_EQ(GetDlgItem(dialog, c.id), child);
    }
    EXPECT_EQ(GetDlgCtrlID(child), ControlWindowId(c));
    EXPECT_EQ(_wcsicmp(ClassName(child).c_str(), expected.className.c_str()), 0)
        << Narrow(ClassName(child));

    // Scroll bars come and go with the contents, and edits and lists draw
    // their border themselves (as a client edge): those bits are the
    // control's to change.
    constexpr DWORD kControlOwned = WS_VSCROLL | WS_HSCROLL | WS_BORDER;
    const DWORD fixed = expected.style & ~kControlOwned;
    const auto styleBits = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
    EXPECT_EQ(styleBits & fixed, fixed) << std::hex << styleBits;
    const auto exBits = static_cast<DWORD>(GetWindowLongW(child, GWL_EXSTYLE));
    EXPECT_EQ(exBits & expected.exStyle, expected.exStyle) << std::hex << exBits;
    if ((c.style & res::style::kBorder) != 0) {
      EXPECT_TRUE((styleBits & WS_BORDER) != 0 || (exBits & WS_EX_CLIENTEDGE) != 0)
          << "no border: " << std::hex << styleBits << " " << exBits;
    }
    if (c.kind == res::ControlKind::DropDownList) {
      EXPECT_EQ(styleBits & CBS_SORT, 0U);
    }
    if (c.kind == res::ControlKind::ListBox) {
      EXPECT_EQ(styleBits & LBS_SORT, 0U);
    }
    EXPECT_EQ((styleBits & WS_TABSTOP) != 0, (c.style & res::style::kTabStop) != 0);
    EXPECT_EQ((styleBits & WS_DISABLED) != 0, (c.style & res::style::kDisabled) != 0);

    // The dialog manager converts the size as it converts the place, each
    // on its own: (x, y, cx, cy) through MapDialogRect.
    RECT want{c.x, c.y, c.cx, c.cy};
    MapDialogRect(dialog, &want);
    const RECT got = ChildRect(dialog, child);
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right - got.left, want.right);
    // A closed drop-down list is as high as its edit; the table's height
    // is the open list's.
    if (c.kind != res::ControlKind::DropDownList) {
      EXPECT_EQ(got.bottom - got.top, want.bottom);
    }
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "more windows than the table has controls";
  DestroyWindow(dialog);
}

// The font is the table's: its dialog units are the ones the rectangles
// were drawn in, and its base units Windows' own.
void CheckFont(const res::DialogTemplate& t) {
  const std::vector<WORD> bytes = BuildDialogTemplate(t, WS_POPUP);
  HWND dialog = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                           reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), nullptr,
                                           NoDialogProc, 0);
  ASSERT_NE(dialog, nullptr);
  auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTW lf{};
  GetObjectW(font, sizeof(lf), &lf);
  EXPECT_EQ(Narrow(lf.lfFaceName), std::string(t.fontFace));
  HDC dc = GetDC(dialog);
  const int pixels = -MulDiv(t.pointSize, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(dialog, dc);
  EXPECT_EQ(lf.lfHeight, pixels);
  // Windows' 8-point "MS Sans Serif" at 96 dots per inch: 6x13 base units.
  RECT units{0, 0, 4, 8};
  MapDialogRect(dialog, &units);
  EXPECT_EQ(units.right, 6);
  EXPECT_EQ(units.bottom, 13);
  DestroyWindow(dialog);
}

TEST(DialogTemplateTest, CreatesTheTablesControlsInOrderAndPlace) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    CheckControls(c.table());
  }
}

TEST(DialogTemplateTest, UsesTheTablesFont) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    CheckFont(c.table());
  }
}

}  // namespace
}  // namespace korvale::win
