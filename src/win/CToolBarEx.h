#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The frame's tool bar: the common control's tool bar, which keeps its
// button layout, clicks, commands and tips, painted flat by this class. A
// button shows an edge only while the mouse is over it; checked buttons are
// sunken, disabled ones embossed; separators are etched lines and a gripper
// marks the leading edge. While painting, the bar sends the custom-draw
// notifications to its parent, which may take part in the drawing.
//
// The bar lies along the top of its frame, never floating nor docked
// elsewhere. It keeps a border of 6 pixels at each end and 2 along each
// side around its buttons, and pushes them a further 4 pixels right to
// leave room for the gripper.
class CToolBarEx {
 public:
  static constexpr int kDefaultId = 59392;
  static constexpr UINT_PTR kHoverTimer = 1;
  static constexpr UINT kHoverInterval = 250;

  // Where the mouse cursor is, in screen coordinates.
  using CursorSource = std::function<POINT()>;
  // The command under the pointer changed: its id, 0 when the pointer left
  // the buttons.
  using PromptHandler = std::function<void(int commandId)>;

  CToolBarEx();
  ~CToolBarEx();
  CToolBarEx(const CToolBarEx&) = delete;
  CToolBarEx& operator=(const CToolBarEx&) = delete;

  // Creates the bar as a visible child of `parent` with the buttons of
  // `items` (command ids, 0 for a separator), their images cut in order
  // from the XPM bitmap, one of `imageSize` each; the buttons are 7 by 7
  // pixels larger than the images.
  bool Create(HWND parent, std::span<const char* const> bitmapXpm, SIZE imageSize,
              std::span<const int> items, int id = kDefaultId);

  // Idle-time state: enables each button's command by `isEnabled`, then
  // repaints, with erasing, the buttons whose style or state changed.
  void UpdateButtons(const std::function<bool(int commandId)>& isEnabled);

  void SetCursorSource(CursorSource source) { cursor_ = std::move(source); }
  void SetPromptHandler(PromptHandler handler) { prompt_ = std::move(handler); }
  void SetFlat(bool flat);

  [[nodiscard]] HWND Window() const { return window_; }
  // The height the bar takes in its parent.
  [[nodiscard]] int Height() const;
  [[nodiscard]] int ButtonCount() const;
  [[nodiscard]] RECT ItemRect(int index) const;
  [[nodiscard]] int ItemId(int index) const;
  [[nodiscard]] std::uint32_t ButtonWord(int index) const;  // style low, state high
  [[nodiscard]] int HotIndex() const { return hot_; }
  [[nodiscard]] UINT_PTR HoverTimerId() const { return hoverTimerId_; }
  [[nodiscard]] POINT ImageOffset() const { return imageOffset_; }
  [[nodiscard]] bool IsFlat() const { return flat_; }

 private:
  struct Colors {
    COLORREF face, highlight, shadow, light3d;
  };
  struct Button {
    RECT rect;
    int commandId;
    int image;
    std::uint8_t style;
    std::uint8_t state;
    std::wstring caption;
  };

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  bool LoadImages(std::span<const char* const> bitmapXpm, SIZE imageSize);
  void AddButtons(std::span<const int> items);
  void ReadColors();
  void ComputeImageOffsets();
  [[nodiscard]] bool HasCaptions() const;
  [[nodiscard]] Button ButtonAt(int index) const;
  [[nodiscard]] SIZE ButtonSize() const;
  [[nodiscard]] SIZE ImageSize() const;
  [[nodiscard]] POINT CursorPos() const;

  // Input.
  void OnMouseMove(POINT point);
  bool OnTimer(UINT_PTR id);
  void ShowPromptAt(POINT point);

  // Painting.
  LRESULT OnNcCalcSize(WPARAM w, LPARAM l);
  void OnNcPaint();
  void Paint(HDC dc, const RECT& update);
  void PaintButton(HDC dc, const Button& b, POINT cursor, HIMAGELIST images, bool notifyItems);
  void PaintFace(HDC dc, const Button& b, bool checked, bool enabled, bool hot, COLORREF fill,
                 HIMAGELIST images);
  void PaintSeparator(HDC dc, const Button& b) const;
  void Emboss(HDC dc, const RECT& r) const;
  void DrawEdgeRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) const;
  LRESULT Notify(DWORD stage, HDC dc, const RECT& rect, int spec, UINT state);

  HWND window_ = nullptr;
  bool flat_ = true;
  POINT imageOffset_{};
  Colors colors_{};
  int hot_ = -1;
  UINT_PTR hoverTimerId_ = 0;
  std::vector<std::uint32_t> savedStates_;
  HWND parent_ = nullptr;
  HFONT textFont_ = nullptr;

  HIMAGELIST images_ = nullptr;
  int promptId_ = 0;
  bool trackingLeave_ = false;
  CursorSource cursor_;
  PromptHandler prompt_;
};
