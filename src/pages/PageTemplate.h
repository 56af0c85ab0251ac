#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QWidget>

// A page's dialog template as data: its controls in creation order (which
// is also the tab order) with rectangles in dialog units. The page classes
// hold only behaviour and find their controls by numeric id.
namespace korvale::pages {

// The id of controls nobody looks up (labels, frames).
inline constexpr int kNoId = -1;

enum class PageControlKind : std::uint8_t {
  Label,         // left-aligned static text
  Edit,          // bordered one-line edit, a tab stop
  DropDownList,  // combo box whose list is the only way to choose
  GroupBox,      // frame with a centred caption; never over its controls
};

namespace style {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kReadOnly = 1U << 0;
inline constexpr std::uint32_t kDisabled = 1U << 1;
inline constexpr std::uint32_t kSunken = 1U << 2;
}  // namespace style

struct PageControl {
  int id;
  PageControlKind kind;
  std::uint32_t style;
  int x, y, cx, cy;  // dialog units; a list's height includes its drop-down
  std::string_view text;
};

struct PageTemplate {
  int id;
  int cx, cy;  // dialog units
  std::string_view fontFace;
  int pointSize;
  std::span<const PageControl> controls;
};

// The widgets of one built page.
class PageControls {
 public:
  void Add(int id, QWidget* widget);
  [[nodiscard]] QWidget* Find(int id) const;
  template <typename T>
  [[nodiscard]] T* Get(int id) const {
    return qobject_cast<T*>(Find(id));
  }
  // Every widget, labels included, in creation order.
  [[nodiscard]] const std::vector<QWidget*>& InOrder() const { return inOrder_; }

 private:
  std::map<int, QWidget*> byId_;
  std::vector<QWidget*> inOrder_;
};

// The template's font, with a sans-serif stand-in where it is not installed.
[[nodiscard]] QFont TemplateFont(const PageTemplate& page);
// Average character width and height of the font, as dialog units use them.
[[nodiscard]] QSize DialogBaseUnits(const QFont& font);
// x * baseX / 4, y * baseY / 8.
[[nodiscard]] QRect DialogUnitsToPixels(QRect units, QSize base);

// Creates the template's controls as children of `page`, in order, chains
// the tab order, and gives the page the template's font and size. Each
// control with an id gets that id as its object name.
PageControls BuildPage(const PageTemplate& page, QWidget* parent);

}  // namespace korvale::pages
