#pragma once

#include "DialogTemplate.h"

namespace korvale::res {

// Template 100: the about box.
[[nodiscard]] const DialogTemplate& AboutBoxTemplate();
// Template 101: the editor form with the tab control and the three lists.
[[nodiscard]] const DialogTemplate& EditorFormTemplate();
// Templates 130, 131, 132 and 134: the pages on the editor form's tabs.
[[nodiscard]] const DialogTemplate& PlayerDataPageTemplate();
[[nodiscard]] const DialogTemplate& PlayerRatingsPageTemplate();
[[nodiscard]] const DialogTemplate& SeasonStatsPageTemplate();
[[nodiscard]] const DialogTemplate& PlayerData2PageTemplate();

}  // namespace korvale::res
