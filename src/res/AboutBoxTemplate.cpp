#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {kStatic, Icon, style::kNone, 11, 17, 21, 20, {}},
    {kStatic, Label, style::kCenter, 41, 13, 72, 8, "Courtline '98 Editor"},
    {kStatic, Label, style::kNone, 47, 23, 60, 8, "Version: 0.2 Beta"},
    {kStatic, Label, style::kNone, 58, 32, 40, 8, "1/26/98"},
    {kStatic, EtchedFrame, style::kNone, 113, 7, 115, 44, {}},
    {kStatic, EtchedFrame, style::kNone, 7, 49, 221, 35, {}},
    {kStatic, EtchedFrame, style::kNone, 7, 83, 221, 33, {}},
    {kIdOk, PushButton, style::kDefault | style::kTabStop, 84, 117, 44, 14, "OK"},
};

constexpr DialogTemplate kTemplate{kIdAboutBox,     235, 138,          "About Korvale",
                                   "MS Sans Serif", 8,   style::kNone, kControls};

}  // namespace

const DialogTemplate& AboutBoxTemplate() { return kTemplate; }

}  // namespace korvale::res
