#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

constexpr DialogTemplate kTemplate{kIdPlayerDataPage, 211, 186,          {},
                                   "MS Sans Serif",   8,   style::kNone, {}};

}  // namespace

const DialogTemplate& PlayerDataPageTemplate() { return kTemplate; }

}  // namespace korvale::res
