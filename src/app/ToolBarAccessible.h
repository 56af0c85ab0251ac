#pragma once

// Makes the flat tool bar readable by screen readers: the bar is a tool bar
// whose children are its command buttons, each a push button named by its
// tip, disabled while its command is, and pressed through the interface as a
// click presses it. Installed once, for every CToolBarEx.
void InstallToolBarAccessibility();
