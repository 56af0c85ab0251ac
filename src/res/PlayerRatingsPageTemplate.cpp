#include "ControlIds.h"
#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;
using namespace style;
using namespace ratings;

constexpr std::uint32_t kEntry = kBorder | kAutoHScroll | kTabStop;
constexpr std::uint32_t kShown = kEntry | kReadOnly;

// Two columns of thirteen rows; a column's edits line up at its x.
constexpr int kLeft = 60;
constexpr int kRight = 167;
constexpr int Row(int row) { return 7 + 13 * (row - 1); }

constexpr ControlTemplate kControls[] = {
    {kJumpShooting, Edit, kEntry, kLeft, Row(1), 16, 12, {}},
    {kThreePointers, Edit, kEntry, kRight, Row(1), 16, 12, {}},
    {kFreeThrows, Edit, kEntry, kLeft, Row(2), 16, 12, {}},
    {kInsideShooting, Edit, kEntry, kRight, Row(2), 16, 12, {}},
    {kDunking, Edit, kEntry, kLeft, Row(3), 16, 12, {}},
    {kDunkPackage, Edit, kEntry, kRight, Row(3), 16, 12, {}},
    {kJumping, Edit, kEntry, kLeft, Row(4), 16, 12, {}},
    {kPreferredDunk, Edit, kEntry, kRight, Row(4), 16, 12, {}},
    {kShootingRange, Edit, kEntry, kLeft, Row(5), 16, 12, {}},
    {kShootingRange2, Edit, kEntry, kRight, Row(5), 16, 12, {}},
    {kOffensiveRebounding, Edit, kEntry, kLeft, Row(6), 16, 12, {}},
    {kDefensiveRebounding, Edit, kEntry, kRight, Row(6), 16, 12, {}},
    {kOffensiveAwareness, Edit, kEntry, kLeft, Row(7), 16, 12, {}},
    {kDefensiveAwareness, Edit, kEntry, kRight, Row(7), 16, 12, {}},
    {kBlocking, Edit, kEntry, kLeft, Row(8), 16, 12, {}},
    {kStealing, Edit, kEntry, kRight, Row(8), 16, 12, {}},
    {kPassing, Edit, kEntry, kLeft, Row(9), 16, 12, {}},
    {kDribbling, Edit, kEntry, kRight, Row(9), 16, 12, {}},
    {kSpeed, Edit, kEntry, kLeft, Row(10), 16, 12, {}},
    {kQuickness, Edit, kEntry, kRight, Row(10), 16, 12, {}},
    {kStrength, Edit, kEntry, kLeft, Row(11), 16, 12, {}},
    {kFatigue, Edit, kEntry, kRight, Row(11), 16, 12, {}},
    {kClutch, Edit, kEntry, kLeft, Row(12), 16, 12, {}},
    {kHardiness, Edit, kEntry, kRight, Row(12), 16, 12, {}},
    {kOverallRating, Edit, kShown, kLeft, Row(13), 16, 12, {}},
    {kCalculatedOverall, Edit, kShown, kRight, Row(13), 22, 12, {}},
    {kStatic, Label, kNone, 9, 8, 50, 8, "Jump Shooting:"},
    {kStatic, Label, kNone, 126, 9, 37, 8, "3 Pointers:"},
    {kStatic, Label, kNone, 16, 22, 43, 8, "Free Throws:"},
    {kStatic, Label, kNone, 113, 22, 54, 8, "Inside Shooting:"},
    {kStatic, Label, kNone, 26, 35, 29, 8, "Dunking:"},
    {kStatic, Label, kNone, 114, 34, 51, 8, "Dunk Package:"},
    {kStatic, Label, kNone, 29, 47, 28, 8, "Jumping:"},
    {kStatic, Label, kNone, 114, 47, 50, 8, "Preferred Dunk:"},
    {kStatic, Label, kNone, 7, 60, 52, 8, "Shooting Range"},
    {kStatic, Label, kNone, 77, 61, 15, 8, "Feet"},
    {kStatic, Label, kNone, 108, 61, 58, 8, "Shooting Range2:"},
    {kStatic, Label, kNone, 185, 61, 15, 8, "Feet"},
    {kStatic, Label, kNone, 7, 73, 51, 8, "Off.Rebounding:"},
    {kStatic, Label, kNone, 112, 73, 53, 8, "Def.Rebounding:"},
    {kStatic, Label, kNone, 7, 87, 50, 8, "Off.Awareness:"},
    {kStatic, Label, kNone, 114, 87, 50, 8, "Def.Awareness:"},
    {kStatic, Label, kNone, 27, 100, 29, 8, "Blocking:"},
    {kStatic, Label, kNone, 136, 99, 27, 8, "Stealing:"},
    {kStatic, Label, kNone, 29, 113, 27, 8, "Passing:"},
    {kStatic, Label, kNone, 133, 113, 30, 8, "Dribbling:"},
    {kStatic, Label, kNone, 32, 126, 23, 8, "Speed:"},
    {kStatic, Label, kNone, 128, 126, 34, 8, "Quickness:"},
    {kStatic, Label, kNone, 29, 139, 27, 8, "Strength:"},
    {kStatic, Label, kNone, 137, 139, 25, 8, "Fatigue:"},
    {kStatic, Label, kNone, 33, 152, 21, 8, "Clutch:"},
    {kStatic, Label, kNone, 128, 151, 34, 8, "Hardiness:"},
    {kStatic, Label, kNone, 17, 165, 41, 8, "Vorn's Overall:"},
    {kStatic, Label, kNone, 101, 165, 61, 8, "Calculated Overall:"},
};

constexpr DialogTemplate kTemplate{kIdPlayerRatingsPage, 210, 185,     {},
                                   "MS Sans Serif",      8,   kHidden, kControls};

}  // namespace

const DialogTemplate& PlayerRatingsPageTemplate() { return kTemplate; }

}  // namespace korvale::res
