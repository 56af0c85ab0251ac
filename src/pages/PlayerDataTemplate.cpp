#include "PlayerDataTemplate.h"

namespace korvale::pages {

namespace {

using K = PageControlKind;
using style::kDisabled;
using style::kNone;
using style::kReadOnly;
using style::kSunken;

// The controls first, in tab order; then the labels, with the read-only
// height text among them (after "Weight:"); the frame last, kept behind.
constexpr PageControl kControls[] = {
    {1002, K::Edit, kNone, 45, 7, 61, 12, ""},
    {1003, K::Edit, kNone, 45, 20, 61, 12, ""},
    {1004, K::Edit, kNone, 45, 33, 61, 12, ""},
    {1005, K::Edit, kNone, 148, 7, 15, 12, ""},
    {1024, K::Edit, kNone, 163, 7, 17, 12, ""},
    {1025, K::Edit, kNone, 181, 7, 23, 12, ""},
    {1006, K::Edit, kNone, 148, 20, 56, 12, ""},
    {1007, K::Edit, kNone, 148, 33, 56, 12, ""},
    {1021, K::DropDownList, kDisabled, 45, 46, 62, 103, ""},
    {1014, K::DropDownList, kNone, 45, 59, 62, 49, ""},
    {1012, K::DropDownList, kNone, 45, 72, 62, 62, ""},
    {1013, K::DropDownList, kNone, 45, 85, 62, 64, ""},
    {1009, K::Edit, kNone, 148, 46, 19, 12, ""},
    {1010, K::Edit, kNone, 148, 59, 19, 12, ""},
    {1008, K::Edit, kNone, 148, 72, 19, 12, ""},
    {1018, K::Edit, kNone, 148, 85, 19, 12, ""},
    {1016, K::Edit, kNone, 59, 115, 22, 12, ""},
    {1019, K::Edit, kNone, 112, 115, 22, 12, ""},
    {1017, K::Edit, kNone, 154, 115, 22, 12, ""},
    {1020, K::Edit, kNone, 59, 128, 22, 12, ""},
    {1023, K::Edit, kNone, 112, 128, 22, 12, ""},
    {1015, K::DropDownList, kNone, 90, 155, 70, 51, ""},
    {kNoId, K::Label, kNone, 7, 9, 35, 8, "First Name:"},
    {kNoId, K::Label, kNone, 7, 22, 37, 8, "Last Name:"},
    {kNoId, K::Label, kNone, 7, 35, 35, 8, "Nickname:"},
    {kNoId, K::Label, kNone, 116, 9, 29, 8, "Birthdate:"},
    {kNoId, K::Label, kNone, 114, 23, 31, 8, "Birthtown:"},
    {kNoId, K::Label, kNone, 116, 35, 31, 8, "Birthstate:"},
    {kNoId, K::Label, kNone, 17, 48, 24, 8, "School:"},
    {kNoId, K::Label, kNone, 20, 61, 19, 8, "Hand:"},
    {kNoId, K::Label, kNone, 13, 74, 27, 8, "Position:"},
    {kNoId, K::Label, kNone, 9, 87, 33, 8, "Position 2:"},
    {kNoId, K::Label, kNone, 123, 48, 22, 8, "Height:"},
    {kNoId, K::Label, kNone, 120, 61, 24, 8, "Weight:"},
    {1011, K::Edit, kReadOnly | kSunken, 169, 46, 35, 12, ""},
    {kNoId, K::Label, kNone, 117, 74, 28, 8, "Number:"},
    {kNoId, K::Label, kNone, 111, 86, 34, 8, "Years Pro:"},
    {kNoId, K::Label, kNone, 37, 118, 17, 8, "Year:"},
    {kNoId, K::Label, kNone, 85, 118, 23, 8, "Round:"},
    {kNoId, K::Label, kNone, 142, 117, 11, 8, "By:"},
    {kNoId, K::Label, kNone, 31, 131, 25, 9, "Overall:"},
    {kNoId, K::Label, kNone, 87, 130, 21, 8, "Place:"},
    {kNoId, K::Label, kNone, 42, 158, 46, 8, "Original Team:"},
    {kNoId, K::GroupBox, kNone, 25, 105, 157, 43, "Draft Info"},
};

}  // namespace

const PageTemplate& PlayerDataTemplate() {
  static const PageTemplate page{130, 211, 186, "MS Sans Serif", 8, kControls};
  return page;
}

}  // namespace korvale::pages
