#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

constexpr DialogTemplate kTemplate{kIdPlayerData2Page, 212, 186, {}, "MS Sans Serif", 8,
                                   style::kHidden,     {}};

}  // namespace

const DialogTemplate& PlayerData2PageTemplate() { return kTemplate; }

}  // namespace korvale::res
