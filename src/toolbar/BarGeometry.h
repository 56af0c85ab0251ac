#pragma once

namespace korvale::toolbar {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// A rectangle by its edges; the right and bottom edges lie just outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  [[nodiscard]] int Width() const { return right - left; }
  [[nodiscard]] int Height() const { return bottom - top; }
  [[nodiscard]] bool IsEmpty() const { return right <= left || bottom <= top; }
  [[nodiscard]] bool Contains(Point p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }
  [[nodiscard]] bool Intersects(const Rect& o) const {
    return !IsEmpty() && !o.IsEmpty() && left < o.right && o.left < right && top < o.bottom &&
           o.top < bottom;
  }
  [[nodiscard]] Rect Shrunk(int by) const { return {left + by, top + by, right - by, bottom - by}; }
  [[nodiscard]] Rect Moved(int dx, int dy) const {
    return {left + dx, top + dy, right + dx, bottom + dy};
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace korvale::toolbar
