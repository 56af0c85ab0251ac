#pragma once

#include "PageTemplate.h"

namespace korvale::pages {

// Dialog template 130: the Player Data page.
[[nodiscard]] const PageTemplate& PlayerDataTemplate();

}  // namespace korvale::pages
