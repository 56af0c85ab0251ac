#include "FormLayout.h"

#include "DialogTemplates.h"

namespace korvale::res {

const std::array<PageEntry, kPageCount>& Pages() {
  static constexpr std::array<PageEntry, kPageCount> kPages{{
      {"Player Data", PlayerDataPageTemplate},
      {"Player Data 2", PlayerData2PageTemplate},
      {"Player Ratings", PlayerRatingsPageTemplate},
      {"Season Stats", SeasonStatsPageTemplate},
  }};
  return kPages;
}

}  // namespace korvale::res
