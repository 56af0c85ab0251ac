#pragma once

// The controls of the editor form's four pages, by template. The templates,
// the editing rules and both front ends name them from here.
namespace korvale::res {

namespace playerdata {
enum Control : int {
  kFirstName = 1002,
  kLastName = 1003,
  kNickname = 1004,
  kBirthMonth = 1005,
  kBirthTown = 1006,
  kBirthState = 1007,
  kPlayerNumber = 1008,
  kHeight = 1009,
  kWeight = 1010,
  kHeightText = 1011,
  kPosition = 1012,
  kSecondPosition = 1013,
  kHand = 1014,
  kOriginalTeam = 1015,
  kDraftYear = 1016,
  kDraftedBy = 1017,
  kYearsPro = 1018,
  kDraftRound = 1019,
  kDraftOverall = 1020,
  kSchool = 1021,
  kDraftPlace = 1023,
  kBirthDay = 1024,
  kBirthYear = 1025,
};
}  // namespace playerdata

namespace playerdata2 {
enum Control : int {
  kSkinColor = 1026,
  kBodyType = 1027,
  kPlayerType = 1028,
  kFacialHair = 1029,
  kAccessories = 1030,
  kHairStyle = 1031,
  kIsCreated = 1039,
  kIsPlayable = 1040,
  kIsRom = 1041,
  kIsHidden = 1042,
  kPlayerPkg = 1047,
  kSpeechHeader = 1048,
  kSpeechData = 1049,
  kPortrait = 1050,
  kActionPhoto = 1051,
};
}  // namespace playerdata2

namespace ratings {
enum Control : int {
  kJumpShooting = 1003,
  kThreePointers = 1005,
  kFreeThrows = 1007,
  kInsideShooting = 1009,
  kDunking = 1011,
  kJumping = 1013,
  kDunkPackage = 1015,
  kPreferredDunk = 1016,
  kShootingRange = 1017,
  kOffensiveRebounding = 1018,
  kDefensiveRebounding = 1019,
  kOffensiveAwareness = 1022,
  kDefensiveAwareness = 1023,
  kBlocking = 1026,
  kStealing = 1028,
  kPassing = 1030,
  kDribbling = 1032,
  kSpeed = 1034,
  kQuickness = 1036,
  kStrength = 1038,
  kFatigue = 1040,
  kClutch = 1042,
  kOverallRating = 1043,  // the stored overall, only shown
  kHardiness = 1044,
  kCalculatedOverall = 1046,
  kShootingRange2 = 1047,
};
}  // namespace ratings

// The totals are typed in; the others are worked out from them.
namespace season {
enum Control : int {
  kMinutes = 1046,
  kFieldGoalsMade = 1047,
  kFieldGoalsAttempted = 1048,
  kGames = 1049,
  kMinutesPerGame = 1050,
  kFieldGoalPercent = 1051,
  kFreeThrowsMade = 1052,
  kFreeThrowsAttempted = 1053,
  kThreePointMade = 1054,
  kThreePointAttempted = 1055,
  kFreeThrowPercent = 1056,
  kThreePointPercent = 1057,
  kPoints = 1058,
  kPointsPerGame = 1059,
  kBlocks = 1060,
  kBlocksPerGame = 1061,
  kSteals = 1062,
  kStealsPerGame = 1063,
  kOffensiveRebounds = 1064,
  kDefensiveRebounds = 1065,
  kAssists = 1066,
  kFouls = 1067,
  kAssistsPerGame = 1068,
  kFoulsPerGame = 1069,
  kTotalRebounds = 1070,
  kReboundsPerGame = 1071,
  kTurnovers = 1072,
  kEjections = 1073,
  kTurnoversPerGame = 1074,
  kEjectionsPerGame = 1075,
};
}  // namespace season

}  // namespace korvale::res
