#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;
using namespace style;

constexpr ControlTemplate kControls[] = {
    {kIdTabControl, TabControl, kTabStop, 0, 0, 212, 203, {}},
    {kStatic, Label, kNone, 235, 7, 36, 8, "PlayerID:"},
    {kIdPlayerIdDisplay, Edit, kDisabled | kSunken, 273, 7, 34, 12, {}},
    {kIdPlayerList, DropDownList, kSorted | kVScroll | kTabStop, 215, 25, 104, 141, {}},
    {kIdTeamChoice, DropDownList, kVScroll | kTabStop, 215, 41, 104, 141, {}},
    {kIdRosterList,
     ListBox,
     kSorted | kNotify | kBorder | kVScroll | kNoIntegralHeight | kTabStop,
     215,
     55,
     104,
     125,
     {}},
};

constexpr DialogTemplate kTemplate{kIdEditorForm,   326, 210,   {},
                                   "MS Sans Serif", 8,   kNone, kControls};

}  // namespace

const DialogTemplate& EditorFormTemplate() { return kTemplate; }

}  // namespace korvale::res
