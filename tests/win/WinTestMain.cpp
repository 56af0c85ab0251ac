#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

// The common controls the editor's windows are made of, registered once for
// every test, as the program's own start does.
int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&controls);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
