#pragma once

#include <cstdint>

#include "BarGeometry.h"

namespace korvale::toolbar {

// What the bar needs of its window besides drawing.
class BarHost {
 public:
  // Asks for a repaint of `r`; `erase` fills it with the face colour first.
  virtual void Invalidate(const Rect& r, bool erase) = 0;
  // Starts the hover timer and returns its id, never 0.
  virtual std::uintptr_t StartHoverTimer(int interval) = 0;
  virtual void StopHoverTimer(std::uintptr_t id) = 0;
  // Whether the mouse cursor lies inside the bar's window.
  [[nodiscard]] virtual bool CursorInWindow() const = 0;

 protected:
  ~BarHost() = default;
};

}  // namespace korvale::toolbar
