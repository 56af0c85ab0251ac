#include "CKorvaleView.h"

#include <commctrl.h>

#include "ChildDialog.h"
#include "DialogTemplateW.h"
#include "DialogTemplates.h"
#include "EditorForm.h"
#include "FormLayout.h"
#include "PlayerFileChooser.h"
#include "ResourceIds.h"
#include "Win32FormControls.h"
#include "Win32PageControls.h"
#include "Win32PageEvents.h"

namespace res = korvale::res;
using korvale::win::ChildDialog;
using korvale::win::Win32PageControls;

namespace {

// Children of a dialog that Tab and the arrows reach into. A page paints
// under its controls: a group box leaves its inside to its parent.
constexpr DWORD kChildDialog = WS_CHILD | WS_VISIBLE | DS_CONTROL;
constexpr DWORD kForm = kChildDialog | WS_CLIPCHILDREN;

}  // namespace

CKorvaleView::CKorvaleView(HWND frame, korvale::FileSystem& files, MessageSink& messages)
    : form_(std::make_unique<ChildDialog>(frame, res::EditorFormTemplate(), kForm)),
      formControls_(std::make_unique<korvale::win::Win32FormControls>(*form_)),
      chooser_(
          [&messages](HWND owner) { return korvale::win::ChoosePlayerFile(owner, messages); }) {
  form_->OnDestroy([this] { closing_ = true; });
  CreatePages(files, messages);
  ConnectForm();
  PlacePages();
}

// The windows go first, while the rules their events reach are alive; no
// focus loss on the way commits anything.
CKorvaleView::~CKorvaleView() {
  closing_ = true;
  if (HWND form = form_->Window()) DestroyWindow(form);
}

void CKorvaleView::CreatePages(korvale::FileSystem& files, MessageSink& messages) {
  std::vector<PageControls*> controls;
  std::vector<const Win32PageControls*> windows;
  for (const res::PageEntry& entry : res::Pages()) {
    pages_.push_back(std::make_unique<ChildDialog>(form_->Window(), entry.layout(), kChildDialog));
    pageControls_.push_back(std::make_unique<Win32PageControls>(*pages_.back()));
    controls.push_back(pageControls_.back().get());
    windows.push_back(pageControls_.back().get());
  }
  formControls_->SetPages(std::move(windows));
  editor_ = std::make_unique<EditorForm>(files, messages, *formControls_, controls);
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    korvale::win::ForwardPageEvents(*pages_[page], editor_->Page(static_cast<int>(page)).Commits(),
                                    closing_, [this, page](PageEvent event, int control) {
                                      editor_->Handle(static_cast<int>(page), control, event);
                                    });
  }

  HWND tabs = Control(res::kIdTabControl);
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    std::wstring name = korvale::win::Widen(res::Pages()[page].tabName);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = name.data();
    SendMessageW(tabs, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(tabs, TCM_SETCURSEL, res::kFirstPage, 0);
}

void CKorvaleView::ConnectForm() {
  korvale::win::ConnectPicks(*form_, res::kIdPlayerList, [this] { editor_->PlayerPicked(); });
  korvale::win::ConnectPicks(*form_, res::kIdTeamChoice, [this] { editor_->TeamPicked(); });
  // LB_SETCURSEL does not notify: every LBN_SELCHANGE is the user's.
  form_->OnCommand(res::kIdRosterList, [this](int code) {
    if (code != LBN_SELCHANGE) return;
    editor_->RosterPicked(
        static_cast<int>(SendMessageW(Control(res::kIdRosterList), LB_GETCURSEL, 0, 0)));
  });
  form_->OnNotify(res::kIdTabControl, [this](const NMHDR& header) {
    if (header.code == TCN_SELCHANGE) ShowSelectedPage();
  });
}

// Over the tab control's client area, less its tabs and margins; above it,
// which lets the mouse through where it has no tab and does not paint
// over its siblings (WS_CLIPSIBLINGS). Being first in the form, the shown
// page's controls come first in the tab order, then the tab control and
// the lists: the same cycle as the Qt form's.
void CKorvaleView::PlacePages() {
  HWND tabs = Control(res::kIdTabControl);
  RECT client{};
  GetClientRect(tabs, &client);
  const res::PageArea area = res::PageAreaIn(client.right, client.bottom);
  POINT origin{area.x, area.y};
  MapWindowPoints(tabs, form_->Window(), &origin, 1);
  for (auto page = pages_.rbegin(); page != pages_.rend(); ++page) {
    SetWindowPos((*page)->Window(), HWND_TOP, origin.x, origin.y, area.width, area.height,
                 SWP_NOACTIVATE);
  }
}

void CKorvaleView::ShowSelectedPage() {
  const auto chosen =
      static_cast<int>(SendMessageW(Control(res::kIdTabControl), TCM_GETCURSEL, 0, 0));
  if (!res::IsPage(chosen)) return;
  // A page edit that loses the focus to a hidden page would keep it
  // unseen: it goes to the tab control, as with a click on a tab.
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    HWND window = pages_[page]->Window();
    if (static_cast<int>(page) != chosen && IsChild(window, GetFocus())) {
      SetFocus(Control(res::kIdTabControl));
    }
  }
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    ShowWindow(pages_[page]->Window(), static_cast<int>(page) == chosen ? SW_SHOWNA : SW_HIDE);
  }
}

HWND CKorvaleView::Window() const { return form_->Window(); }

void CKorvaleView::SetFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

void CKorvaleView::Select() {
  const CloseGate::Hold hold(editor_->Gate());
  if (!chooser_) return;
  if (const std::optional<std::string> path = chooser_(GetAncestor(Window(), GA_ROOT))) {
    editor_->Select(*path);
  }
}

bool CKorvaleView::PreTranslateMessage(MSG& msg) {
  HWND form = form_->Window();
  if (form == nullptr || (msg.hwnd != form && !IsChild(form, msg.hwnd))) return false;
  return IsDialogMessageW(form, &msg) != FALSE;
}

void CKorvaleView::FrameClosing() { closing_ = true; }

HWND CKorvaleView::Control(int id) const { return form_->Control(id); }

HWND CKorvaleView::Page(int page) const {
  return res::IsPage(page) ? pages_[page]->Window() : nullptr;
}

HWND CKorvaleView::PageControl(int page, int id) const {
  return res::IsPage(page) ? pages_[page]->Control(id) : nullptr;
}

void CKorvaleView::ShowPage(int page) {
  if (!res::IsPage(page)) return;
  SendMessageW(Control(res::kIdTabControl), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
  ShowSelectedPage();
}

EditorForm& CKorvaleView::Editor() { return *editor_; }
