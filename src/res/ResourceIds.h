#pragma once

namespace korvale::res {

// Commands of menu 128 and tool bar 128.
inline constexpr int kIdSelect = 32775;
inline constexpr int kIdClose = 32776;
inline constexpr int kIdBack = 32782;
inline constexpr int kIdForward = 32783;
inline constexpr int kIdAbout = 57664;
inline constexpr int kIdExit = 57665;
inline constexpr int kIdViewToolBar = 59392;
inline constexpr int kIdViewStatusBar = 59393;
// The editor form's commands, which it enables.
inline constexpr int kFormCommands[] = {kIdSelect, kIdClose, kIdBack, kIdForward};

// String table entries that are not command prompts.
inline constexpr int kIdDocumentStrings = 128;
inline constexpr int kIdApplicationTitle = 57344;
inline constexpr int kIdIdleMessage = 57345;
inline constexpr int kIdIndicatorCaps = 59137;
inline constexpr int kIdIndicatorNum = 59138;
inline constexpr int kIdIndicatorScroll = 59139;

// Dialog templates.
inline constexpr int kIdAboutBox = 100;
inline constexpr int kIdEditorForm = 101;
inline constexpr int kIdPlayerDataPage = 130;
inline constexpr int kIdPlayerRatingsPage = 131;
inline constexpr int kIdSeasonStatsPage = 132;
inline constexpr int kIdPlayerData2Page = 134;

// Controls of the editor form.
inline constexpr int kIdTabControl = 1000;
inline constexpr int kIdPlayerList = 1003;
inline constexpr int kIdTeamChoice = 1004;
inline constexpr int kIdPlayerIdDisplay = 1023;
inline constexpr int kIdRosterList = 1029;

// The about box's OK button.
inline constexpr int kIdOk = 1;

}  // namespace korvale::res
