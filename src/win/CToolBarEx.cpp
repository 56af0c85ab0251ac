#include "CToolBarEx.h"

#include <windowsx.h>

#include "XpmImage.h"

namespace {

// The image list's transparent colour: the face of the drawn images.
constexpr COLORREF kImageFace = RGB(192, 192, 192);
constexpr int kButtonMargin = 7;  // a button is this much larger than its image
constexpr int kSeparatorWidth = 8;
constexpr int kSideBorder = 2;  // above and below the buttons

}  // namespace

CToolBarEx::CToolBarEx() {
  ReadColors();
  LOGFONTW description{};
  if (GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description) == 0) {
    GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(description), &description);
    description.lfWeight = FW_NORMAL;
    lstrcpynW(description.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
  }
  description.lfHeight = 6;
  description.lfWidth = 0;
  textFont_ = CreateFontIndirectW(&description);
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
  if (textFont_) DeleteObject(textFont_);
}

bool CToolBarEx::Create(HWND parent, std::span<const char* const> bitmapXpm, SIZE imageSize,
                        std::span<const int> items, int id) {
  constexpr DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_TOP | CCS_NODIVIDER |
                          CCS_NORESIZE | CCS_NOPARENTALIGN | TBSTYLE_TOOLTIPS;
  window_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"", style, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  parent_ = parent;
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
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (int id : items) {
    TBBUTTON b{};
    if (id == 0) {
      b.iBitmap = kSeparatorWidth;
      b.fsStyle = BTNS_SEP;
    } else {
      b.iBitmap = image++;
      b.idCommand = id;
      b.fsState = TBSTATE_ENABLED;
      b.fsStyle = BTNS_BUTTON;
      b.iString = -1;
    }
    buttons.push_back(b);
  }
  SendMessageW(window_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  const SIZE image_size = ImageSize();
  SendMessageW(window_, TB_SETBUTTONSIZE, 0,
               MAKELPARAM(image_size.cx + kButtonMargin, image_size.cy + kButtonMargin));
}

void CToolBarEx::ReadColors() {
  colors_.face = GetSysColor(COLOR_BTNFACE);
  colors_.highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  colors_.shadow = GetSysColor(COLOR_BTNSHADOW);
  colors_.light3d = GetSysColor(COLOR_3DLIGHT);
  if (colors_.light3d == colors_.face) colors_.light3d = colors_.highlight;
}

void CToolBarEx::ComputeImageOffsets() {
  const SIZE button = ButtonSize();
  const SIZE image = ImageSize();
  imageOffset_.x = (button.cx - image.cx) / 2;
  imageOffset_.y = HasCaptions() ? kSideBorder : (button.cy - image.cy) / 2;
}

bool CToolBarEx::HasCaptions() const {
  const int count = ButtonCount();
  for (int i = 0; i < count; ++i) {
    if (!ButtonAt(i).caption.empty()) return true;
  }
  return false;
}

void CToolBarEx::SetFlat(bool flat) {
  flat_ = flat;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, TRUE);
}

void CToolBarEx::UpdateButtons(const std::function<bool(int commandId)>& isEnabled) {
  const int count = ButtonCount();
  if (!flat_) {
    for (int i = 0; i < count; ++i) {
      const int id = ItemId(i);
      if (id != 0) SendMessageW(window_, TB_ENABLEBUTTON, id, MAKELPARAM(isEnabled(id), 0));
    }
    return;
  }
  savedStates_.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) savedStates_[static_cast<size_t>(i)] = ButtonWord(i);
  for (int i = 0; i < count; ++i) {
    const int id = ItemId(i);
    if (id != 0) SendMessageW(window_, TB_ENABLEBUTTON, id, MAKELPARAM(isEnabled(id), 0));
  }
  for (int i = 0; i < count; ++i) {
    if (ButtonWord(i) == savedStates_[static_cast<size_t>(i)]) continue;
    const RECT r = ItemRect(i);
    InvalidateRect(window_, &r, TRUE);
  }
}

int CToolBarEx::Height() const {
  if (ButtonCount() == 0) return ButtonSize().cy + 2 * kSideBorder;
  const RECT r = ItemRect(0);
  return 2 * kSideBorder + r.bottom + r.top;
}

int CToolBarEx::ButtonCount() const {
  return static_cast<int>(SendMessageW(window_, TB_BUTTONCOUNT, 0, 0));
}

RECT CToolBarEx::ItemRect(int index) const {
  RECT r{};
  SendMessageW(window_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

int CToolBarEx::ItemId(int index) const {
  TBBUTTON b{};
  SendMessageW(window_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
  return (b.fsStyle & BTNS_SEP) ? 0 : b.idCommand;
}

std::uint32_t CToolBarEx::ButtonWord(int index) const {
  TBBUTTON b{};
  SendMessageW(window_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
  return std::uint32_t(b.fsStyle) | (std::uint32_t(b.fsState) << 16);
}

CToolBarEx::Button CToolBarEx::ButtonAt(int index) const {
  TBBUTTON tb{};
  SendMessageW(window_, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&tb));
  Button b{ItemRect(index), tb.idCommand, tb.iBitmap, tb.fsStyle, tb.fsState, {}};
  if (!(tb.fsStyle & BTNS_SEP)) {
    const auto length = SendMessageW(window_, TB_GETBUTTONTEXTW, tb.idCommand, 0);
    if (length > 0) {
      b.caption.resize(static_cast<size_t>(length) + 1);
      SendMessageW(window_, TB_GETBUTTONTEXTW, tb.idCommand,
                   reinterpret_cast<LPARAM>(b.caption.data()));
      b.caption.resize(static_cast<size_t>(length));
    }
  }
  return b;
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

POINT CToolBarEx::CursorPos() const { return cursor_(); }

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

LRESULT CToolBarEx::OnMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_PAINT: {
      RECT update{};
      if (!flat_ || !images_) break;
      if (!GetUpdateRect(window_, &update, FALSE)) return 0;
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      Paint(dc, update);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      if (!flat_ || !images_) break;
      RECT client{};
      GetClientRect(window_, &client);
      auto* dc = reinterpret_cast<HDC>(w);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      Paint(dc, client);
      return 0;
    }
    case WM_ERASEBKGND: {
      if (!flat_) break;
      RECT client{};
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_SYSCOLORCHANGE: {
      const LRESULT result = DefSubclassProc(window_, message, w, l);
      ReadColors();
      return result;
    }
    case WM_NCCALCSIZE: return OnNcCalcSize(w, l);
    case WM_NCPAINT:
      if (!flat_) break;
      OnNcPaint();
      return 0;
    case WM_MOUSEMOVE: {
      const POINT point{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      if (flat_) OnMouseMove(point);
      ShowPromptAt(point);
      break;
    }
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      if (promptId_ != 0 && prompt_) prompt_(0);
      promptId_ = 0;
      break;
    case WM_TIMER:
      if (OnTimer(w)) return 0;
      break;
    case TB_SETBUTTONSIZE:
    case TB_SETBITMAPSIZE: {
      const LRESULT result = DefSubclassProc(window_, message, w, l);
      if (result) ComputeImageOffsets();
      return result;
    }
    default: break;
  }
  return DefSubclassProc(window_, message, w, l);
}
