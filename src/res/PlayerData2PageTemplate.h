#pragma once

#include "DialogTemplate.h"
#include "PlayerData2Controls.h"

namespace korvale::res {

// Controls of template 134, the Player Data 2 page.
namespace playerdata2 = korvale::playerdata2;

// Template 134. Its tab order runs down the lists, through the check boxes
// and then through the edits by id, not row by row as they are laid out.
[[nodiscard]] const DialogTemplate& PlayerData2PageTemplate();

}  // namespace korvale::res
