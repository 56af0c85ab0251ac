#include "CToolBarEx.h"

#include <vector>

#include "CToolBarExPainter.h"
#include "ResourceIds.h"
#include "XpmImage.h"

namespace tb = korvale::toolbar;

namespace {

// The image list's transparent colour: the face of the drawn images.
constexpr COLORREF kImageFace = RGB(192, 192, 192);

}  // namespace

CToolBarEx::CToolBarEx() {
  ReadColors();
  cursor_ = [] {
    POINT p{};
    GetCursorPos(&p);
    return p;
  };
}

CToolBarEx::~CToolBarEx() {
  if (window_) {
    RemoveWindowSubclass(window_, SubclassProc, 0);
    DestroyWindow(window_);
  }
  if (images_) ImageList_Destroy(images_);
}

bool CToolBarEx::Create(HWND parent, std::span<const char* const> bitmapXpm, SIZE imageSize,
                        std::span<const int> items) {
  constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | CCS_NODIVIDER |
                          CCS_NORESIZE | CCS_NOPARENTALIGN | TBSTYLE_TOOLTIPS;
  window_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(INT_PTR{korvale::res::kIdViewToolBar}),
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  SetWindowSubclass(window_, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (!LoadImages(bitmapXpm, imageSize)) return false;
  AddButtons(items);
  // The borders and the gripper's room take effect with a new frame.
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool CToolBarEx::LoadImages(std::span<const char* const> bitmapXpm, SIZE imageSize) {
  const XpmImage image = XpmImage::Read(bitmapXpm);
  if (image.Empty() || imageSize.cx <= 0 || imageSize.cy <= 0) return false;
  HBITMAP bitmap = CreateXpmBitmap(image, kImageFace);
  if (!bitmap) return false;
  images_ = ImageList_Create(imageSize.cx, imageSize.cy, ILC_COLOR24 | ILC_MASK,
                             image.width / imageSize.cx, 0);
  if (images_) ImageList_AddMasked(images_, bitmap, kImageFace);
  DeleteObject(bitmap);
  if (!images_) return false;
  ImageList_SetBkColor(images_, CLR_NONE);
  SendMessageW(window_, TB_SETBITMAPSIZE, 0, MAKELPARAM(imageSize.cx, imageSize.cy));
  SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
  return true;
}

void CToolBarEx::AddButtons(std::span<const int> items) {
  bar_.SetItems(items);
  std::vector<TBBUTTON> buttons;
  for (const tb::Button& b : bar_.Buttons()) {
    TBBUTTON t{};
    t.iBitmap = b.image;
    t.idCommand = b.commandId;
    t.fsState = static_cast<BYTE>(b.state);
    t.fsStyle = static_cast<BYTE>(b.IsSeparator() ? BTNS_SEP : BTNS_BUTTON);
    t.iString = b.IsSeparator() ? 0 : -1;
    buttons.push_back(t);
  }
  SendMessageW(window_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  const SIZE image = ImageSize();
  const tb::Size button = tb::ButtonSizeFor({image.cx, image.cy});
  SendMessageW(window_, TB_SETBUTTONSIZE, 0, MAKELPARAM(button.width, button.height));
}

void CToolBarEx::ReadColors() {
  bar_.SetPalette(
      tb::Palette::FromSystem(GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                              GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DLIGHT)));
}

void CToolBarEx::ReadButtons() {
  std::vector<tb::Button> buttons;
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    TBBUTTON t{};
    SendMessageW(window_, TB_GETBUTTON, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t));
    const bool separator = (t.fsStyle & BTNS_SEP) != 0;
    buttons.push_back(
        {separator ? 0 : t.idCommand, t.iBitmap, t.fsStyle, t.fsState, FromRECT(ItemRect(i))});
  }
  bar_.SetButtons(std::move(buttons));
}

void CToolBarEx::UpdateButtons(const std::function<bool(int commandId)>& isEnabled) {
  ReadButtons();
  bar_.UpdateStates([this, &isEnabled](int index) {
    return tb::FlatToolBar::CommandState{isEnabled(bar_.Buttons()[index].commandId), false};
  });
  for (const tb::Button& b : bar_.Buttons()) {
    if (b.IsSeparator()) continue;
    SendMessageW(window_, TB_ENABLEBUTTON, b.commandId, MAKELPARAM(b.IsEnabled(), 0));
  }
}

int CToolBarEx::Height() const {
  if (ButtonCount() == 0) return ButtonSize().cy + 2 * tb::kSideBorder;
  const RECT r = ItemRect(0);
  return 2 * tb::kSideBorder + r.bottom + r.top;
}

int CToolBarEx::ButtonCount() const {
  return static_cast<int>(SendMessageW(window_, TB_BUTTONCOUNT, 0, 0));
}

RECT CToolBarEx::ItemRect(int index) const {
  RECT r{};
  SendMessageW(window_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

SIZE CToolBarEx::ButtonSize() const {
  const auto size = static_cast<DWORD>(SendMessageW(window_, TB_GETBUTTONSIZE, 0, 0));
  return {LOWORD(size), HIWORD(size)};
}

SIZE CToolBarEx::ImageSize() const {
  int cx = 0, cy = 0;
  if (images_) ImageList_GetIconSize(images_, &cx, &cy);
  return {cx, cy};
}

void CToolBarEx::Invalidate(const tb::Rect& r, bool erase) {
  const RECT area = ToRECT(r);
  InvalidateRect(window_, &area, erase ? TRUE : FALSE);
}

std::uintptr_t CToolBarEx::StartHoverTimer(int interval) {
  return SetTimer(window_, kHoverTimer, static_cast<UINT>(interval), nullptr);
}

void CToolBarEx::StopHoverTimer(std::uintptr_t id) { KillTimer(window_, id); }

bool CToolBarEx::CursorInWindow() const {
  RECT window{};
  GetWindowRect(window_, &window);
  return PtInRect(&window, cursor_()) != FALSE;
}

LRESULT CALLBACK CToolBarEx::SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l,
                                          UINT_PTR /*id*/, DWORD_PTR self) {
  auto* bar = reinterpret_cast<CToolBarEx*>(self);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, SubclassProc, 0);
    bar->window_ = nullptr;
    return DefSubclassProc(window, message, w, l);
  }
  return bar->OnMessage(message, w, l);
}
