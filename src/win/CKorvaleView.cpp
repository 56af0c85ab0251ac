#include "CKorvaleView.h"

#include <commctrl.h>

#include "ChildDialog.h"
#include "DialogControls.h"
#include "DialogTemplateW.h"
#include "DialogTemplates.h"
#include "EditorView.h"
#include "FormLayout.h"
#include "FormWindows.h"
#include "PageCommits.h"
#include "PlayerData2Page.h"
#include "PlayerDataPage.h"
#include "PlayerFileChooser.h"
#include "PlayerRatingsPage.h"
#include "ResourceIds.h"
#include "SeasonStatsPage.h"

namespace res = korvale::res;
using korvale::win::ChildDialog;
using korvale::win::DialogControls;

namespace {

// Children of a dialog that Tab and the arrows reach into. A page paints
// under its controls: a group box leaves its inside to its parent.
constexpr DWORD kChildDialog = WS_CHILD | WS_VISIBLE | DS_CONTROL;
constexpr DWORD kForm = kChildDialog | WS_CLIPCHILDREN;

}  // namespace

CKorvaleView::CKorvaleView(HWND frame, korvale::FileSystem& files, MessageSink& messages)
    : form_(std::make_unique<ChildDialog>(frame, res::EditorFormTemplate(), kForm)),
      formControls_(std::make_unique<korvale::win::FormWindows>(*form_)),
      editor_(std::make_unique<EditorView>(files, messages, *formControls_)) {
  formControls_->SetFileChooser(
      [&messages](HWND owner) { return korvale::win::ChoosePlayerFile(owner, messages); });
  form_->OnDestroy([this] { closing_ = true; });
  CreatePages();
  ConnectForm();
  editor_->File().SetCurrentRecord(0);
  editor_->ShowPlayerId(0);
  PlacePages();
}

// The windows go first, while the rules their events reach are alive; no
// focus loss on the way commits anything.
CKorvaleView::~CKorvaleView() {
  closing_ = true;
  if (HWND form = form_->Window()) DestroyWindow(form);
}

void CKorvaleView::CreatePages() {
  for (int page = 0; page < res::kPageCount; ++page) {
    pages_[page] =
        std::make_unique<ChildDialog>(form_->Window(), res::Pages()[page].layout(), kChildDialog);
    pageControls_[page] = std::make_unique<DialogControls>(*pages_[page]);
  }
  data_ = std::make_unique<PlayerDataPage>(*editor_, *pageControls_[0]);
  data2_ = std::make_unique<PlayerData2Page>(*editor_, *pageControls_[1]);
  ratings_ = std::make_unique<PlayerRatingsPage>(*editor_, *pageControls_[2]);
  season_ = std::make_unique<SeasonStatsPage>(*editor_, *pageControls_[3]);
  editor_->AttachPages({*data_, *data2_, *ratings_, *season_});
  formControls_->SetPages({pageControls_[0].get(), pageControls_[1].get(), pageControls_[2].get(),
                           pageControls_[3].get()});
  using korvale::win::ConnectCommits;
  ConnectCommits(*pages_[0], data_->Exchange(), data_->Commits(), closing_);
  ConnectCommits(*pages_[1], data2_->Exchange(), data2_->Commits(), closing_);
  ConnectCommits(*pages_[2], ratings_->Exchange(), ratings_->Commits(), closing_);
  ConnectCommits(*pages_[3], season_->Exchange(), season_->Commits(), closing_);
  data_->Exchange().Show();
  data2_->Exchange().Show();
  ratings_->Exchange().Show();
  season_->Exchange().Show();

  HWND tabs = Control(res::kIdTabControl);
  for (int page = 0; page < res::kPageCount; ++page) {
    std::wstring name = korvale::win::Widen(res::Pages()[page].tabName);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = name.data();
    SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item));
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
  for (int page = res::kPageCount - 1; page >= 0; --page) {
    SetWindowPos(pages_[page]->Window(), HWND_TOP, origin.x, origin.y, area.width, area.height,
                 SWP_NOACTIVATE);
  }
}

void CKorvaleView::ShowSelectedPage() {
  const auto chosen =
      static_cast<int>(SendMessageW(Control(res::kIdTabControl), TCM_GETCURSEL, 0, 0));
  if (!res::IsPage(chosen)) return;
  // A page edit that loses the focus to a hidden page would keep it
  // unseen: it goes to the tab control, as with a click on a tab.
  for (int page = 0; page < res::kPageCount; ++page) {
    HWND window = pages_[page]->Window();
    if (page != chosen && IsChild(window, GetFocus())) SetFocus(Control(res::kIdTabControl));
  }
  for (int page = 0; page < res::kPageCount; ++page) {
    ShowWindow(pages_[page]->Window(), page == chosen ? SW_SHOWNA : SW_HIDE);
  }
}

HWND CKorvaleView::Window() const { return form_->Window(); }

void CKorvaleView::SetFileChooser(FileChooser chooser) {
  formControls_->SetFileChooser(std::move(chooser));
}

void CKorvaleView::Select() { editor_->Select(); }
void CKorvaleView::Close() { editor_->Close(); }
void CKorvaleView::Forward() { editor_->Forward(); }
void CKorvaleView::Back() { editor_->Back(); }
bool CKorvaleView::CommitBeforeCommand() { return editor_->CommitBeforeCommand(); }
bool CKorvaleView::CommitOnClose(std::function<void()> again) {
  return editor_->CommitOnClose(std::move(again));
}
bool CKorvaleView::IsCommandEnabled(int id) const { return editor_->IsCommandEnabled(id); }

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

EditorView& CKorvaleView::Editor() { return *editor_; }
