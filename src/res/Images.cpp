#include "Images.h"

// Drawn by scripts/draw-images.py.
#include "icon128.xpm"
#include "toolbar128.xpm"

namespace korvale::res {

std::span<const char* const> ApplicationIconXpm() { return icon128; }
std::span<const char* const> ToolBarBitmapXpm() { return toolbar128; }

}  // namespace korvale::res
