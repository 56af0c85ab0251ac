#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

constexpr DialogTemplate kTemplate{kIdPlayerRatingsPage, 210, 185, {}, "MS Sans Serif", 8,
                                   style::kHidden,       {}};

}  // namespace

const DialogTemplate& PlayerRatingsPageTemplate() { return kTemplate; }

}  // namespace korvale::res
