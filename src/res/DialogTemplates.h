#pragma once

#include "DialogTemplate.h"

namespace korvale::res {

// The about box.
[[nodiscard]] const DialogTemplate& AboutBoxTemplate();
// The editor form with the tab control and the three lists.
[[nodiscard]] const DialogTemplate& EditorFormTemplate();
// The pages on the editor form's tabs.
[[nodiscard]] const DialogTemplate& PlayerDataPageTemplate();
[[nodiscard]] const DialogTemplate& PlayerRatingsPageTemplate();
[[nodiscard]] const DialogTemplate& SeasonStatsPageTemplate();
[[nodiscard]] const DialogTemplate& PlayerData2PageTemplate();

}  // namespace korvale::res
