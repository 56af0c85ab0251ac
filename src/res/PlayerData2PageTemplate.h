#pragma once

#include "DialogTemplate.h"

namespace korvale::res {

// Controls of template 134, the Player Data 2 page.
namespace playerdata2 {
inline constexpr int kSkinColor = 1026;
inline constexpr int kBodyType = 1027;
inline constexpr int kPlayerType = 1028;
inline constexpr int kFacialHair = 1029;
inline constexpr int kAccessories = 1030;
inline constexpr int kHairStyle = 1031;
inline constexpr int kIsCreated = 1039;
inline constexpr int kIsPlayable = 1040;
inline constexpr int kIsRom = 1041;
inline constexpr int kIsHidden = 1042;
inline constexpr int kPlayerPkg = 1047;
inline constexpr int kSpeechHeader = 1048;
inline constexpr int kSpeechData = 1049;
inline constexpr int kPortrait = 1050;
inline constexpr int kActionPhoto = 1051;
}  // namespace playerdata2

// Template 134. Its tab order runs down the lists, through the check boxes
// and then through the edits by id, not row by row as they are laid out.
[[nodiscard]] const DialogTemplate& PlayerData2PageTemplate();

}  // namespace korvale::res
