#include "ControlIds.h"
#include "DialogTemplates.h"
#include "ResourceIds.h"

namespace korvale::res {
namespace {

using enum ControlKind;
using namespace style;
using namespace season;

// The totals are typed in; the values worked out from them are only shown.
constexpr std::uint32_t kTotal = kBorder | kAutoHScroll | kTabStop;
constexpr std::uint32_t kDerived = kBorder | kAutoHScroll | kDisabled;

// Row by row; the totals among them come in their tab order.
constexpr ControlTemplate kControls[] = {
    {kMinutes, Edit, kTotal, 35, 9, 26, 12, {}},
    {kGames, Edit, kTotal, 87, 9, 26, 12, {}},
    {kMinutesPerGame, Edit, kDerived, 178, 9, 26, 12, {}},
    {kFieldGoalsMade, Edit, kTotal, 35, 22, 26, 12, {}},
    {kFieldGoalsAttempted, Edit, kTotal, 87, 22, 26, 12, {}},
    {kFieldGoalPercent, Edit, kDerived, 178, 22, 26, 12, {}},
    {kFreeThrowsMade, Edit, kTotal, 35, 35, 26, 12, {}},
    {kFreeThrowsAttempted, Edit, kTotal, 87, 35, 26, 12, {}},
    {kFreeThrowPercent, Edit, kDerived, 178, 35, 26, 12, {}},
    {kThreePointMade, Edit, kTotal, 35, 48, 26, 12, {}},
    {kThreePointAttempted, Edit, kTotal, 87, 48, 26, 12, {}},
    {kThreePointPercent, Edit, kDerived, 178, 48, 26, 12, {}},
    {kPoints, Edit, kDerived, 35, 61, 26, 12, {}},
    {kPointsPerGame, Edit, kDerived, 178, 61, 26, 12, {}},
    {kBlocks, Edit, kTotal, 35, 74, 26, 12, {}},
    {kBlocksPerGame, Edit, kDerived, 178, 74, 26, 12, {}},
    {kOffensiveRebounds, Edit, kTotal, 35, 87, 26, 12, {}},
    {kDefensiveRebounds, Edit, kTotal, 87, 87, 26, 12, {}},
    {kTotalRebounds, Edit, kDerived, 133, 87, 26, 12, {}},
    {kReboundsPerGame, Edit, kDerived, 178, 87, 26, 12, {}},
    {kAssists, Edit, kTotal, 35, 100, 26, 12, {}},
    {kAssistsPerGame, Edit, kDerived, 178, 100, 26, 12, {}},
    {kSteals, Edit, kTotal, 35, 113, 26, 12, {}},
    {kStealsPerGame, Edit, kDerived, 178, 113, 26, 12, {}},
    {kFouls, Edit, kTotal, 35, 126, 26, 12, {}},
    {kFoulsPerGame, Edit, kDerived, 178, 126, 26, 12, {}},
    {kTurnovers, Edit, kTotal, 35, 139, 26, 12, {}},
    {kTurnoversPerGame, Edit, kDerived, 178, 139, 26, 12, {}},
    {kEjections, Edit, kTotal, 35, 152, 26, 12, {}},
    {kEjectionsPerGame, Edit, kDerived, 178, 152, 26, 12, {}},
    {kStatic, Label, kNone, 7, 11, 28, 8, "Minutes:"},
    {kStatic, Label, kNone, 62, 10, 23, 8, "Games:"},
    {kStatic, Label, kNone, 128, 10, 48, 8, "Min Per Game:"},
    {kStatic, Label, kNone, 15, 24, 18, 8, "FGM:"},
    {kStatic, Label, kNone, 68, 24, 17, 8, "FGA:"},
    {kStatic, Label, kNone, 133, 23, 42, 8, "Field Goal %:"},
    {kStatic, Label, kNone, 15, 37, 18, 8, "FTM:"},
    {kStatic, Label, kNone, 69, 36, 16, 8, "FTA:"},
    {kStatic, Label, kNone, 129, 37, 46, 8, "Free Throw %:"},
    {kStatic, Label, kNone, 12, 50, 22, 8, "3PTM:"},
    {kStatic, Label, kNone, 65, 50, 21, 8, "3PTA:"},
    {kStatic, Label, kNone, 143, 50, 32, 8, "3 Point %:"},
    {kStatic, Label, kNone, 12, 63, 22, 8, "Points:"},
    {kStatic, Label, kNone, 120, 63, 56, 8, "Points Per Game:"},
    {kStatic, Label, kNone, 10, 76, 24, 8, "Blocks:"},
    {kStatic, Label, kNone, 119, 75, 58, 8, "Blocks Per Game:"},
    {kStatic, Label, kNone, 15, 89, 18, 8, "ORB:"},
    {kStatic, Label, kNone, 66, 89, 18, 8, "DRB:"},
    {kStatic, Label, kNone, 115, 89, 15, 8, "Tot.:"},
    {kStatic, Label, kNone, 160, 89, 18, 8, "RPG:"},
    {kStatic, Label, kNone, 9, 103, 24, 8, "Assists:"},
    {kStatic, Label, kNone, 119, 103, 57, 8, "Assists Per Game:"},
    {kStatic, Label, kNone, 12, 115, 22, 8, "Steals:"},
    {kStatic, Label, kNone, 120, 115, 56, 8, "Steals Per Game:"},
    {kStatic, Label, kNone, 13, 128, 20, 8, "Fouls:"},
    {kStatic, Label, kNone, 122, 128, 54, 8, "Fouls Per Game:"},
    {kStatic, Label, kNone, 16, 142, 18, 8, "Turn:"},
    {kStatic, Label, kNone, 108, 141, 69, 8, "Turnovers Per Game:"},
    {kStatic, Label, kNone, 15, 154, 19, 8, "Eject:"},
    {kStatic, Label, kNone, 112, 153, 65, 8, "Ejections Per Game:"},
};

constexpr DialogTemplate kTemplate{kIdSeasonStatsPage, 211, 180,     {},
                                   "MS Sans Serif",    8,   kHidden, kControls};

}  // namespace

const DialogTemplate& SeasonStatsPageTemplate() { return kTemplate; }

}  // namespace korvale::res
