#include "PageCommits.h"

#include <commctrl.h>

#include <memory>

#include "ComboPick.h"
#include "PageExchange.h"

namespace korvale::win {
namespace {

constexpr UINT_PTR kSubclassId = 0x4C56;  // one per edit

struct LeaveWatch {
  int control;
  PageExchange& exchange;
  std::function<void()> commit;
  const bool& closing;
};

bool IsEscape(const MSG* msg) {
  return msg != nullptr && (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) &&
         msg->wParam == VK_ESCAPE;
}

LRESULT CALLBACK LeaveProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                           DWORD_PTR data) {
  auto* watch = reinterpret_cast<LeaveWatch*>(data);
  switch (message) {
    case WM_KILLFOCUS: {
      // The edit lets go of its caret first: the commit may open a box.
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      if (LeavesWithinWindow(edit, reinterpret_cast<HWND>(wParam)) && !watch->closing &&
          !watch->exchange.Busy()) {
        watch->commit();
      }
      return result;
    }
    case WM_GETDLGCODE:
      // Escape is the edit's, not the dialog manager's (IDCANCEL).
      if (IsEscape(reinterpret_cast<const MSG*>(lParam))) {
        return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTMESSAGE;
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) {
        watch->exchange.Revert(watch->control);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == VK_ESCAPE) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, &LeaveProc, kSubclassId);
      delete watch;
      break;
    default: break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

void OnLeave(ChildDialog& page, int control, PageExchange& exchange, std::function<void()> commit,
             const bool& closing) {
  HWND edit = page.Control(control);
  if (edit == nullptr) return;
  auto* watch = new LeaveWatch{control, exchange, std::move(commit), closing};
  if (!SetWindowSubclass(edit, &LeaveProc, kSubclassId, reinterpret_cast<DWORD_PTR>(watch))) {
    delete watch;
  }
}

}  // namespace

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
