#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "ChildDialog.h"
#include "DialogTemplates.h"
#include "WinHarness.h"

namespace korvale::win {
namespace {

// PostMessageW as it fails when the message queue is full, for the posts
// whose number (from 1) is listed.
struct FullQueue {
  static inline std::vector<int> failing;
  static inline int posts = 0;

  static BOOL WINAPI Post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++posts;
    for (int n : failing) {
      if (n == posts) return FALSE;
    }
    return PostMessageW(window, message, wParam, lParam);
  }
};

// Runs the queue, waiting for the timer's tick when nothing else is left,
// until `count` tasks have run (at most a few seconds for a tick).
void RunUntil(const std::vector<int>& ran, std::size_t count) {
  const DWORD start = GetTickCount();
  while (ran.size() < count && GetTickCount() - start < 5000) {
    testing::Pump([](MSG&) { return false; });
    if (ran.size() < count) MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
  }
}

// A task whose message could not be posted runs in its turn, no task after
// it runs a message late, and when it was the last it runs all the same.
TEST(ChildDialogTest, ATaskWhoseMessageIsLostRunsInItsTurn) {
  const struct {
    const char* name;
    std::vector<int> failing;
    int tasks;
  } cases[] = {
      {"every message posted", {}, 3},
      {"the first of three lost", {1}, 3},
      {"the last lost", {2}, 2},
      {"the only one lost", {1}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FullQueue::failing = c.failing;
    FullQueue::posts = 0;
    ChildDialog dialog(testing::SharedFrame().Window(), res::PlayerDataPageTemplate(),
                       WS_CHILD | DS_CONTROL, FullQueue::Post);
    std::vector<int> ran;
    for (int task = 1; task <= c.tasks; ++task) {
      dialog.Post([&ran, task] { ran.push_back(task); });
    }
    EXPECT_TRUE(ran.empty()) << "nothing runs before the loop";
    RunUntil(ran, static_cast<std::size_t>(c.tasks));
    std::vector<int> expected;
    for (int task = 1; task <= c.tasks; ++task) expected.push_back(task);
    EXPECT_EQ(ran, expected);
    // The next task runs with its own message, not one later.
    dialog.Post([&ran] { ran.push_back(0); });
    testing::Pump([](MSG&) { return false; });
    EXPECT_EQ(ran.size(), expected.size() + 1);
  }
}

}  // namespace
}  // namespace korvale::win
