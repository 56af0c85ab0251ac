// The Windows editor's commands timed through its Win32 front end: Select
// (file chosen -> record 0 shown, all three lists filled), a choice in the
// player list, a rating commit and a name commit, at three roster sizes,
// on the rosters of view_bench. Runs under Wine on a display of its own
// (scripts/win-bench). Prints one line per command and size in
// milliseconds, the mean CPU time of its runs (Wine counts the process's
// time in 10 ms ticks) and the median wall time:
//   BM_Select/1500 CPU_MS WALL_MS
// It reports and asserts nothing about speed; a command that does not do
// its work ends it with status 1.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BenchRosters.h"
#include "CKorvaleView.h"
#include "EditorForm.h"
#include "FileSystem.h"
#include "MessageSink.h"
#include "PlayerDataPage.h"
#include "ResourceIds.h"
#include "WinHarness.h"

namespace {

using korvale::FieldId;
using korvale::testing::SharedFrame;

constexpr int kSizes[] = {1500, 15000, 150000};
constexpr int kRatingsPage = 2;
constexpr int kJumpShooting = 1003;

class FailingSink final : public MessageSink {
 public:
  void Warn(const std::string& text) override { Fail(text); }
  void Stop(const std::string& text) override { Fail(text); }
  [[noreturn]] static void Fail(const std::string& text) {
    std::fprintf(stderr, "win_view_bench: %s\n", text.c_str());
    std::exit(1);
  }
};

struct Clock {
  double cpu;   // ms of user and kernel time of the process
  double wall;  // ms
};

Clock Now() {
  FILETIME created{};
  FILETIME exited{};
  FILETIME kernel{};
  FILETIME user{};
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto ticks = [](FILETIME t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  };
  LARGE_INTEGER counter{};
  LARGE_INTEGER frequency{};
  QueryPerformanceCounter(&counter);
  QueryPerformanceFrequency(&frequency);
  return {(ticks(kernel) + ticks(user)) / 1e4,
          static_cast<double>(counter.QuadPart) * 1e3 / static_cast<double>(frequency.QuadPart)};
}

// A view over one roster in the shared frame, its messages run as the
// editor's message loop runs them.
class Bench {
 public:
  explicit Bench(const std::filesystem::path& path) {
    view_ =
        std::make_unique<CKorvaleView>(SharedFrame().Window(), korvale::SystemFileSystem(), sink_);
    view_->SetFileChooser([p = path.string()](HWND) { return std::optional(p); });
    RECT client{};
    GetClientRect(SharedFrame().Window(), &client);
    MoveWindow(view_->Window(), 0, 0, client.right, client.bottom, TRUE);
  }
  ~Bench() {
    view_->FrameClosing();
    view_.reset();
    Run();
  }
  Bench(const Bench&) = delete;
  Bench& operator=(const Bench&) = delete;

  CKorvaleView& View() { return *view_; }
  void Run() {
    korvale::testing::Pump([this](MSG& msg) { return view_ && view_->PreTranslateMessage(msg); });
  }

  // `once` and the messages it leaves, `runs` times: the mean CPU time
  // and the median wall time.
  Clock Measure(int runs, const std::function<void()>& before, const std::function<void()>& once,
                const std::function<void()>& after) {
    double cpu = 0;
    std::vector<double> wall;
    for (int i = 0; i < runs; ++i) {
      before();
      const Clock start = Now();
      once();
      Run();
      const Clock end = Now();
      after();
      cpu += end.cpu - start.cpu;
      wall.push_back(end.wall - start.wall);
    }
    std::sort(wall.begin(), wall.end());
    return {cpu / runs, wall[wall.size() / 2]};
  }

 private:
  FailingSink sink_;
  std::unique_ptr<CKorvaleView> view_;
};

void Print(const char* name, int size, Clock c) {
  std::printf("%s/%d %.3f %.3f\n", name, size, c.cpu, c.wall);
  std::fflush(stdout);
}

void Nothing() {}

void TimeSelect(int size, int runs) {
  Bench bench(korvale::bench::ListRoster(size));
  CKorvaleView& view = bench.View();
  HWND list = view.Control(korvale::res::kIdPlayerList);
  Print("BM_Select", size,
        bench.Measure(
            runs, Nothing, [&] { view.Select(); },
            [&] {
              if (SendMessageW(list, CB_GETCOUNT, 0, 0) != size)
                FailingSink::Fail("list not filled");
              view.Editor().Close();
              bench.Run();
            }));
}

// The entry whose text ends as `end` ends.
int FindEntry(HWND list, const std::string& end) {
  const std::wstring wanted(end.begin(), end.end());
  const auto count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
  std::wstring text;
  for (int i = 0; i < count; ++i) {
    text.resize(static_cast<std::size_t>(SendMessageW(list, CB_GETLBTEXTLEN, i, 0)) + 1);
    text.resize(static_cast<std::size_t>(
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
    if (text.size() >= wanted.size() &&
        text.compare(text.size() - wanted.size(), wanted.size(), wanted) == 0) {
      return i;
    }
  }
  FailingSink::Fail("no entry ends with \"" + end + "\"");
}

// The entry chosen on the closed list with a key: the list's CBN_SELCHANGE.
void TimePlayerListChoice(int size, int runs) {
  Bench bench(korvale::bench::ListRoster(size));
  CKorvaleView& view = bench.View();
  view.Select();
  bench.Run();
  HWND list = view.Control(korvale::res::kIdPlayerList);
  const int target = FindEntry(list, korvale::bench::ChosenEntryEnd(size));
  const auto pick = [&] {
    SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(target), 0);
    SendMessageW(GetParent(list), WM_COMMAND,
                 MAKEWPARAM(korvale::res::kIdPlayerList, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
  };
  Print("BM_PlayerListChoice", size, bench.Measure(runs, Nothing, pick, Nothing));
  if (view.Editor().File().CurrentRecord() != korvale::bench::ChosenRecord(size)) {
    FailingSink::Fail("wrong record");
  }
}

// Types one of two values into an edit of record 0 (not timed), then
// leaves it with Tab: the page commits.
void TimeCommit(const char* name, int size, int runs, int page, int control, FieldId field,
                const char* first, const char* second, const std::string& stored) {
  Bench bench(korvale::bench::SampleRoster(size));
  CKorvaleView& view = bench.View();
  view.Select();
  bench.Run();
  view.ShowPage(page);
  bench.Run();
  HWND edit = view.PageControl(page, control);
  bool flip = false;
  const auto type = [&] {
    SetFocus(edit);
    bench.Run();
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const char* c = (flip = !flip) ? first : second; *c != '\0'; ++c) {
      PostMessageW(edit, WM_CHAR, static_cast<WPARAM>(*c), 1);
    }
    bench.Run();
  };
  Print(name, size,
        bench.Measure(
            runs, type, [] { korvale::testing::PressKey(VK_TAB); }, Nothing));
  if (view.Editor().File().ReadField(0, field).rfind(stored, 0) != 0) {
    FailingSink::Fail(std::string(name) + ": not written");
  }
}

}  // namespace

int main() {
  if (!SharedFrame().Activate()) FailingSink::Fail("the frame is not active");
  for (const int size : kSizes) {
    const int runs = size >= 150000 ? 3 : 5;
    TimeSelect(size, runs);
    TimePlayerListChoice(size, runs);
    TimeCommit("BM_RatingCommit", size, 2 * runs + 1, kRatingsPage, kJumpShooting,
               FieldId::JumpShooting, "61", "62", "22");
    TimeCommit("BM_NameCommit", size, runs, 0, PlayerDataPage::kFirstName, FieldId::FirstName,
               "Karen", "Morla", "Karen");
  }
  return 0;
}
