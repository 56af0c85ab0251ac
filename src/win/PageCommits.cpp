#include "PageCommits.h"

#include <memory>

#include "ComboPick.h"
#include "PageEdit.h"
#include "PageExchange.h"

namespace korvale::win {
namespace {

void OnLeave(ChildDialog& page, int control, PageExchange& exchange, std::function<void()> commit,
             const bool& closing) {
  HWND edit = page.Control(control);
  if (edit == nullptr) return;
  HookPageEdit(edit).leave = PageEdit::Leave{control, &exchange, std::move(commit), &closing};
}

bool IsEscape(const MSG* msg) {
  return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
         msg->wParam == VK_ESCAPE;
}

}  // namespace

std::optional<LRESULT> LeaveMessage(HWND edit, const PageEdit& state, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  const PageEdit::Leave& leave = *state.leave;
  switch (message) {
    case WM_KILLFOCUS: {
      // The edit lets go of its caret first: the commit may open a box.
      const LRESULT result = CallEdit(edit, state, message, wParam, lParam);
      if (LeavesWithinWindow(edit, reinterpret_cast<HWND>(wParam)) && !*leave.closing &&
          !leave.exchange->Busy()) {
        leave.commit();
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
      leave.exchange->Revert(leave.control);
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

void ConnectCommits(ChildDialog& page, PageExchange& exchange, std::vector<PageCommit> commits,
                    const bool& closing) {
  for (PageCommit& commit : commits) {
    auto unlessBusy = [&exchange, run = std::move(commit.run)] {
      if (!exchange.Busy()) run();
    };
    switch (commit.event) {
      case PageCommit::Event::Leave:
        OnLeave(page, commit.control, exchange, std::move(unlessBusy), closing);
        break;
      case PageCommit::Event::Pick:
        ConnectPicks(page, commit.control, std::move(unlessBusy));
        break;
      case PageCommit::Event::Click:
        page.OnCommand(commit.control, [run = std::move(unlessBusy)](int code) {
          if (code == BN_CLICKED) run();
        });
        break;
    }
  }
}

}  // namespace korvale::win
