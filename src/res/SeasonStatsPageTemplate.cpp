#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

constexpr DialogTemplate kTemplate{kIdSeasonStatsPage, 211, 180, {}, "MS Sans Serif", 8,
                                   style::kHidden,     {}};

}  // namespace

const DialogTemplate& SeasonStatsPageTemplate() { return kTemplate; }

}  // namespace korvale::res
