#include "ControlIds.h"
#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;
using namespace style;
using namespace playerdata2;

constexpr std::uint32_t kList = kTabStop;
constexpr std::uint32_t kCheck = kLeftText | kTabStop;
constexpr std::uint32_t kName = kBorder | kAutoHScroll | kTabStop;

// Each label comes just before its control; the frame before the boxes it
// holds, so that they lie above it. The tab order runs down the lists,
// through the check boxes and then through the edits by id, not row by row
// as they are laid out.
constexpr ControlTemplate kControls[] = {
    {kStatic, Label, kNone, 16, 9, 35, 8, "Skin Color:"},
    {kSkinColor, DropDownList, kList, 51, 7, 56, 51, {}},
    {kStatic, Label, kNone, 113, 9, 35, 8, "BodyType:"},
    {kBodyType, DropDownList, kList, 149, 7, 56, 51, {}},
    {kStatic, Label, kNone, 7, 26, 40, 8, "Player Type:"},
    {kPlayerType, DropDownList, kList, 51, 23, 90, 51, {}},
    {kStatic, Label, kNone, 13, 51, 36, 8, "Facial Hair:"},
    {kFacialHair, DropDownList, kList, 51, 50, 90, 51, {}},
    {kStatic, Label, kNone, 8, 66, 41, 8, "Accessories:"},
    {kAccessories, DropDownList, kList, 51, 64, 90, 51, {}},
    {kStatic, Label, kNone, 19, 39, 30, 8, "Hairstyle:"},
    {kHairStyle, DropDownList, kList, 51, 36, 90, 59, {}},
    {kStatic, GroupBox, kNone, 143, 22, 62, 55, {}},
    {kIsCreated, CheckBox, kCheck, 148, 40, 50, 10, "Is Created:"},
    {kIsPlayable, CheckBox, kCheck, 146, 29, 52, 10, "Is Playable:"},
    {kIsRom, CheckBox, kCheck, 158, 51, 40, 10, "Is Rom:"},
    {kIsHidden, CheckBox, kCheck, 150, 62, 48, 10, "Is Hidden:"},
    {kStatic, Label, kNone, 10, 115, 39, 8, "Player PKG:"},
    {kPlayerPkg, Edit, kName, 51, 113, 64, 13, {}},
    {kStatic, Label, kNone, 20, 95, 30, 18, "Speech\n Header:"},
    {kSpeechHeader, Edit, kName, 51, 98, 64, 13, {}},
    {kStatic, Label, kNone, 116, 96, 26, 16, "Speech\n Data:"},
    {kSpeechData, Edit, kName, 141, 98, 64, 13, {}},
    {kStatic, Label, kNone, 22, 81, 25, 8, "Portrait:"},
    {kPortrait, Edit, kName, 51, 80, 64, 13, {}},
    {kStatic, Label, kNone, 117, 79, 23, 16, "Action\n Photo:"},
    {kActionPhoto, Edit, kName, 141, 80, 64, 13, {}},
};

constexpr DialogTemplate kTemplate{kIdPlayerData2Page, 212, 186,     {},
                                   "MS Sans Serif",    8,   kHidden, kControls};

}  // namespace

const DialogTemplate& PlayerData2PageTemplate() { return kTemplate; }

}  // namespace korvale::res
