#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <map>
#include <unordered_map>

#include "DialogTemplate.h"

namespace korvale::win {

// A modeless dialog made from one of res/'s tables as a child of `parent`,
// and the events of its controls: their notifications by id, and tasks
// posted to run once the current message (and any box it opened) is done.
// Destroying it destroys the window; tasks still queued then never run.
class ChildDialog {
 public:
  using CommandHandler = std::function<void(int code)>;
  using NotifyHandler = std::function<void(const NMHDR& header)>;

  // How a task's message is posted: PostMessageW, or a stand-in with its
  // contract.
  using PostFunction = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

  ChildDialog(HWND parent, const res::DialogTemplate& table, DWORD style,
              PostFunction post = PostMessageW);
  ~ChildDialog();
  ChildDialog(const ChildDialog&) = delete;
  ChildDialog& operator=(const ChildDialog&) = delete;

  [[nodiscard]] HWND Window() const { return window_; }
  [[nodiscard]] HWND Control(int id) const;

  // Notifications (WM_COMMAND, WM_NOTIFY) from the control `id`.
  void OnCommand(int id, CommandHandler handler);
  void OnNotify(int id, NotifyHandler handler);
  // Runs `task` from the message loop, after everything already queued.
  // When the message queue is full, it runs with the next task's message,
  // in its turn, or else once the queue has room.
  void Post(std::function<void()> task);
  // Called as the window goes (WM_DESTROY), before its controls go.
  void OnDestroy(std::function<void()> handler) { onDestroy_ = std::move(handler); }

 private:
  static INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Handle(UINT message, WPARAM wParam, LPARAM lParam);
  // Every task up to the one with `ticket`, in their order.
  void RunPosted(WPARAM ticket);

  HWND window_ = nullptr;
  PostFunction post_;
  // Looked up once: GetDlgItem lists the dialog's children each time.
  std::unordered_map<int, HWND> controls_;
  std::map<int, CommandHandler> commands_;
  std::map<int, NotifyHandler> notifies_;
  struct PostedTask {
    WPARAM ticket;  // the message's, counted from 1
    std::function<void()> run;
  };
  std::deque<PostedTask> posted_;
  WPARAM lastTicket_ = 0;
  WPARAM unposted_ = 0;  // the last task whose message could not be posted
  std::function<void()> onDestroy_;
};

}  // namespace korvale::win
