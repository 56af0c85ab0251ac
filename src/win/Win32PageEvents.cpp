#include "Win32PageEvents.h"

#include <memory>

#include "ComboPick.h"
#include "EditHook.h"

namespace korvale::win {
namespace {

void OnLeave(ChildDialog& page, int control, const PageEventSink& forward, const bool& closing) {
  HWND edit = page.Control(control);
  if (edit == nullptr) return;
  HookEdit(edit).leave = EditHook::Leave{control, forward, &closing};
}

bool IsEscape(const MSG* msg) {
  return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
         msg->wParam == VK_ESCAPE;
}

}  // namespace

std::optional<LRESULT> LeaveMessage(HWND edit, const EditHook& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  const EditHook::Leave& leave = *state.leave;
  switch (message) {
    case WM_KILLFOCUS: {
      // The edit lets go of its caret first: the commit may open a box.
      const LRESULT result = CallEdit(edit, state, message, wParam, lParam);
      if (LeavesWithinWindow(edit, reinterpret_cast<HWND>(wParam)) && !*leave.closing) {
        leave.forward(PageEvent::Leave, leave.control);
      }
      return result;
    }
    case WM_GETDLGCODE:
      // Escape is the edit's, not the dialog manager's (IDCANCEL).
      if (IsEscape(reinterpret_cast<const MSG*>(lParam))) {
        return CallEdit(edit, state, message, wParam, lParam) | DLGC_WANTMESSAGE;
      }
      return std::nullopt;
    case WM_KEYDOWN:
      if (wParam != VK_ESCAPE) return std::nullopt;
      leave.forward(PageEvent::Escape, leave.control);
      return 0;
    case WM_CHAR: return wParam == VK_ESCAPE ? std::optional<LRESULT>(0) : std::nullopt;
    default: return std::nullopt;
  }
}

bool LeavesWithinWindow(HWND from, HWND to) {
  return to != nullptr && to != from && GetAncestor(to, GA_ROOT) == GetAncestor(from, GA_ROOT);
}

void ConnectPicks(ChildDialog& dialog, int control, std::function<void()> pick) {
  HWND combo = dialog.Control(control);
  if (combo == nullptr) return;
  auto picks = std::make_shared<ComboPick>(dialog, combo, std::move(pick));
  dialog.OnCommand(control, [picks](int code) { picks->Notify(code); });
}

void ForwardPageEvents(ChildDialog& page, const std::vector<PageCommit>& commits,
                       const bool& closing, const PageEventSink& forward) {
  for (const PageCommit& commit : commits) {
    const int id = commit.control;
    switch (commit.event) {
      case PageEvent::Leave: OnLeave(page, id, forward, closing); break;
      case PageEvent::Pick:
        ConnectPicks(page, id, [forward, id] { forward(PageEvent::Pick, id); });
        break;
      case PageEvent::Click:
        page.OnCommand(id, [forward, id](int code) {
          if (code == BN_CLICKED) forward(PageEvent::Click, id);
        });
        break;
      case PageEvent::Escape: break;
    }
  }
}

}  // namespace korvale::win
