#include "ChildDialog.h"

#include <vector>

#include "DialogTemplateW.h"

namespace korvale::win {
namespace {

// The posted tasks up to the one with the ticket in wParam are due.
constexpr UINT kRunPosted = WM_APP + 0x4B0;
// A timer's tick never waits in the message queue: it runs the tasks whose
// messages could not be posted.
constexpr UINT_PTR kUnpostedTimer = 0x4B0;

}  // namespace

ChildDialog::ChildDialog(HWND parent, const res::DialogTemplate& table, DWORD style,
                         PostFunction post)
    : post_(post) {
  const std::vector<WORD> bytes = BuildDialogTemplate(table, style);
  window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                       reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), parent,
                                       &ChildDialog::Proc, reinterpret_cast<LPARAM>(this));
  for (HWND c = GetWindow(window_, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    controls_.emplace(GetDlgCtrlID(c), c);
  }
}

ChildDialog::~ChildDialog() {
  if (window_ != nullptr) DestroyWindow(window_);
}

HWND ChildDialog::Control(int id) const {
  if (window_ == nullptr) return nullptr;
  const auto found = controls_.find(id);
  return found != controls_.end() ? found->second : nullptr;
}

void ChildDialog::OnCommand(int id, CommandHandler handler) { commands_[id] = std::move(handler); }

void ChildDialog::OnNotify(int id, NotifyHandler handler) { notifies_[id] = std::move(handler); }

void ChildDialog::Post(std::function<void()> task) {
  const WPARAM ticket = ++lastTicket_;
  posted_.push_back({ticket, std::move(task)});
  if (post_(window_, kRunPosted, ticket, 0)) return;
  unposted_ = ticket;
  SetTimer(window_, kUnpostedTimer, USER_TIMER_MINIMUM, nullptr);
}

void ChildDialog::RunPosted(WPARAM ticket) {
  while (!posted_.empty() && posted_.front().ticket <= ticket) {
    const std::function<void()> task = std::move(posted_.front().run);
    posted_.pop_front();
    task();
  }
}

INT_PTR CALLBACK ChildDialog::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    reinterpret_cast<ChildDialog*>(lParam)->window_ = window;
    return FALSE;  // the focus stays where it is: the frame decides
  }
  auto* self = reinterpret_cast<ChildDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  return self != nullptr ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR ChildDialog::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: {
      // IDOK and IDCANCEL from the dialog keys (Enter, Escape) come without
      // a control: the form has no default button and nothing to close.
      if (lParam == 0) return TRUE;
      const auto handler = commands_.find(LOWORD(wParam));
      if (handler != commands_.end()) handler->second(HIWORD(wParam));
      return TRUE;
    }
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      const auto handler = notifies_.find(static_cast<int>(header.idFrom));
      if (handler != notifies_.end()) handler->second(header);
      return TRUE;
    }
    case kRunPosted: RunPosted(wParam); return TRUE;
    case WM_TIMER:
      if (wParam != kUnpostedTimer) return FALSE;
      KillTimer(window_, kUnpostedTimer);
      RunPosted(unposted_);
      return TRUE;
    case WM_DESTROY:
      if (onDestroy_) onDestroy_();
      return FALSE;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, DWLP_USER, 0);
      window_ = nullptr;
      controls_.clear();
      posted_.clear();
      return FALSE;
    default: return FALSE;
  }
}

}  // namespace korvale::win
