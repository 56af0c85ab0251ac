#pragma once

#include <array>
#include <string_view>

namespace korvale {

// The 29 teams in code order ("Atlanta" is 0, "Washington" 28).
extern const std::array<std::string_view, 29> TeamNames;
// The team choice of the editor: the 29 teams and three more (codes 0-31).
extern const std::array<std::string_view, 32> TeamChoiceNames;
extern const std::array<std::string_view, 5> PositionNames;
extern const std::array<std::string_view, 2> HandNames;
extern const std::array<std::string_view, 6> SkinColorNames;
extern const std::array<std::string_view, 9> BodyTypeNames;
extern const std::array<std::string_view, 12> PlayerTypeNames;
extern const std::array<std::string_view, 17> HairStyleNames;
extern const std::array<std::string_view, 9> FacialHairNames;
extern const std::array<std::string_view, 7> AccessoryNames;

}  // namespace korvale
