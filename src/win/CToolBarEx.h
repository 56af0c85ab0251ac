#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <span>

#include "FlatToolBar.h"

// The frame's tool bar: the common control's tool bar, which keeps its
// button layout, clicks, commands and tips, painted flat as
// korvale::toolbar::FlatToolBar decides. This class forwards the control's
// mouse, timer and colour messages to it and draws what it says.
//
// The bar lies along the top of its frame, never floating nor docked
// elsewhere.
class CToolBarEx : private korvale::toolbar::BarHost {
 public:
  static constexpr UINT_PTR kHoverTimer = 1;

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
  // pixels larger than the images. Its child id is the command that shows
  // and hides it.
  bool Create(HWND parent, std::span<const char* const> bitmapXpm, SIZE imageSize,
              std::span<const int> items);

  // Idle-time state: enables each button's command by `isEnabled`, then
  // repaints, with erasing, the buttons whose style or state changed.
  void UpdateButtons(const std::function<bool(int commandId)>& isEnabled);

  void SetCursorSource(CursorSource source) { cursor_ = std::move(source); }
  void SetPromptHandler(PromptHandler handler) { prompt_ = std::move(handler); }

  [[nodiscard]] HWND Window() const { return window_; }
  // The height the bar takes in its parent.
  [[nodiscard]] int Height() const;
  [[nodiscard]] RECT ItemRect(int index) const;
  [[nodiscard]] int HotIndex() const { return bar_.HotIndex(); }
  [[nodiscard]] UINT_PTR HoverTimerId() const { return bar_.HoverTimer(); }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id,
                                       DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM w, LPARAM l);
  bool LoadImages(std::span<const char* const> bitmapXpm, SIZE imageSize);
  void AddButtons(std::span<const int> items);
  void ReadColors();
  // Reads the buttons, their states and places from the control.
  void ReadButtons();
  [[nodiscard]] int ButtonCount() const;
  [[nodiscard]] SIZE ButtonSize() const;
  [[nodiscard]] SIZE ImageSize() const;

  // korvale::toolbar::BarHost
  void Invalidate(const korvale::toolbar::Rect& r, bool erase) override;
  std::uintptr_t StartHoverTimer(int interval) override;
  void StopHoverTimer(std::uintptr_t id) override;
  [[nodiscard]] bool CursorInWindow() const override;

  // Input.
  void OnMouseMove(POINT point);
  void ShowPrompt(int commandId);

  // Painting.
  LRESULT OnNcCalcSize(WPARAM w, LPARAM l);
  void OnNcPaint();
  void Paint(HDC dc, const RECT& update);

  HWND window_ = nullptr;
  korvale::toolbar::FlatToolBar bar_{*this};
  HIMAGELIST images_ = nullptr;
  bool trackingLeave_ = false;
  CursorSource cursor_;
  PromptHandler prompt_;
};
