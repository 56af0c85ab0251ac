#include "ControlIds.h"
#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;
using namespace style;
using namespace playerdata;

constexpr std::uint32_t kEntry = kBorder | kAutoHScroll | kTabStop;
constexpr std::uint32_t kList = kVScroll | kTabStop;

// The controls first, in tab order; then the labels, with the read-only
// height text among them (after "Weight:"); the frame last, kept behind.
constexpr ControlTemplate kControls[] = {
    {kFirstName, Edit, kEntry, 45, 7, 61, 12, {}},
    {kLastName, Edit, kEntry, 45, 20, 61, 12, {}},
    {kNickname, Edit, kEntry, 45, 33, 61, 12, {}},
    {kBirthMonth, Edit, kEntry, 148, 7, 15, 12, {}},
    {kBirthDay, Edit, kEntry, 163, 7, 17, 12, {}},
    {kBirthYear, Edit, kEntry, 181, 7, 23, 12, {}},
    {kBirthTown, Edit, kEntry, 148, 20, 56, 12, {}},
    {kBirthState, Edit, kEntry, 148, 33, 56, 12, {}},
    {kSchool, DropDownList, kList | kDisabled, 45, 46, 62, 103, {}},
    {kHand, DropDownList, kList, 45, 59, 62, 49, {}},
    {kPosition, DropDownList, kList, 45, 72, 62, 62, {}},
    {kSecondPosition, DropDownList, kList, 45, 85, 62, 64, {}},
    {kHeight, Edit, kEntry, 148, 46, 19, 12, {}},
    {kWeight, Edit, kEntry, 148, 59, 19, 12, {}},
    {kPlayerNumber, Edit, kEntry, 148, 72, 19, 12, {}},
    {kYearsPro, Edit, kEntry, 148, 85, 19, 12, {}},
    {kDraftYear, Edit, kEntry, 59, 115, 22, 12, {}},
    {kDraftRound, Edit, kEntry, 112, 115, 22, 12, {}},
    {kDraftedBy, Edit, kEntry, 154, 115, 22, 12, {}},
    {kDraftOverall, Edit, kEntry, 59, 128, 22, 12, {}},
    {kDraftPlace, Edit, kEntry, 112, 128, 22, 12, {}},
    {kOriginalTeam, DropDownList, kList, 90, 155, 70, 51, {}},
    {kStatic, Label, kNone, 7, 9, 35, 8, "First Name:"},
    {kStatic, Label, kNone, 7, 22, 37, 8, "Last Name:"},
    {kStatic, Label, kNone, 7, 35, 35, 8, "Nickname:"},
    {kStatic, Label, kNone, 116, 9, 29, 8, "Birthdate:"},
    {kStatic, Label, kNone, 114, 23, 31, 8, "Birthtown:"},
    {kStatic, Label, kNone, 116, 35, 31, 8, "Birthstate:"},
    {kStatic, Label, kNone, 17, 48, 24, 8, "School:"},
    {kStatic, Label, kNone, 20, 61, 19, 8, "Hand:"},
    {kStatic, Label, kNone, 13, 74, 27, 8, "Position:"},
    {kStatic, Label, kNone, 9, 87, 33, 8, "Position 2:"},
    {kStatic, Label, kNone, 123, 48, 22, 8, "Height:"},
    {kStatic, Label, kNone, 120, 61, 24, 8, "Weight:"},
    {kHeightText, Edit, kEntry | kReadOnly | kSunken, 169, 46, 35, 12, {}},
    {kStatic, Label, kNone, 117, 74, 28, 8, "Number:"},
    {kStatic, Label, kNone, 111, 86, 34, 8, "Years Pro:"},
    {kStatic, Label, kNone, 37, 118, 17, 8, "Year:"},
    {kStatic, Label, kNone, 85, 118, 23, 8, "Round:"},
    {kStatic, Label, kNone, 142, 117, 11, 8, "By:"},
    {kStatic, Label, kNone, 31, 131, 25, 9, "Overall:"},
    {kStatic, Label, kNone, 87, 130, 21, 8, "Place:"},
    {kStatic, Label, kNone, 42, 158, 46, 8, "Original Team:"},
    {kStatic, GroupBox, kCenter, 25, 105, 157, 43, "Draft Info"},
};

constexpr DialogTemplate kTemplate{kIdPlayerDataPage, 211, 186,   {},
                                   "MS Sans Serif",   8,   kNone, kControls};

}  // namespace

const DialogTemplate& PlayerDataPageTemplate() { return kTemplate; }

}  // namespace korvale::res
