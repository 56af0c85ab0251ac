#include "CKorvaleView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

#include "CPlayerData2Page.h"
#include "CPlayerDataPage.h"
#include "CPlayerRatingsPage.h"
#include "CSeasonStatsPage.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "FormLayout.h"
#include "PlayerFileDialog.h"
#include "PlayerListModel.h"
#include "ResourceIds.h"
#include "TabControl.h"

namespace res = korvale::res;

CKorvaleView::CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent)
    : QScrollArea(parent) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  BuildForm(files, messages);
  CreatePages();
  editor_->File().SetCurrentRecord(0);
  editor_->ShowPlayerId(0);
  LayoutPages();
}

// The pages go first, while the file state they reach is still alive.
CKorvaleView::~CKorvaleView() { delete takeWidget(); }

void CKorvaleView::BuildForm(korvale::FileSystem& files, MessageSink& messages) {
  form_ = new QWidget;
  res::ControlMap controls = res::BuildDialog(res::EditorFormTemplate(), form_);
  form_->setMinimumSize(form_->size());
  tabs_ = controls.Get<res::TabControl>(res::kIdTabControl);
  playerIdDisplay_ = controls.Get<QLineEdit>(res::kIdPlayerIdDisplay);
  playerList_ = controls.Get<QComboBox>(res::kIdPlayerList);
  teamChoice_ = controls.Get<QComboBox>(res::kIdTeamChoice);
  rosterList_ = controls.Get<QListWidget>(res::kIdRosterList);
  // The entries are sorted before they are put in, all at once.
  playerList_->setModel(new PlayerListModel(playerList_));
  // One line of text each: the list is laid out without asking every
  // entry's size, which would decode all of them.
  if (auto* entries = qobject_cast<QListView*>(playerList_->view())) {
    entries->setUniformItemSizes(true);
  }
  setWidget(form_);
  widgets_ = std::make_unique<FormWidgets>(this, std::move(controls));
  widgets_->SetFileChooser(korvale::ChoosePlayerFile);
  editor_ = std::make_unique<EditorView>(files, messages, *widgets_);

  connect(tabs_, &res::TabControl::SelectionChanged, this, &CKorvaleView::ShowSelectedPage);
  connect(playerList_, &QComboBox::activated, this, [this] { editor_->PlayerPicked(); });
  connect(teamChoice_, &QComboBox::activated, this, [this] { editor_->TeamPicked(); });
  connect(rosterList_, &QListWidget::itemSelectionChanged, this,
          &CKorvaleView::OnRosterSelectionChanged);
}

void CKorvaleView::CreatePages() {
  playerData_ = new CPlayerDataPage(*editor_, tabs_);
  playerData2_ = new CPlayerData2Page(*editor_, tabs_);
  ratings_ = new CPlayerRatingsPage(*editor_, tabs_);
  seasonStats_ = new CSeasonStatsPage(*editor_, tabs_);
  editor_->AttachPages(
      {playerData_->Rules(), playerData2_->Rules(), ratings_->Rules(), seasonStats_->Rules()});
  widgets_->SetPages({&playerData_->Controls(), &playerData2_->Controls(), &ratings_->Controls(),
                      &seasonStats_->Controls()});
  const QSignalBlocker quiet(tabs_);
  for (int i = 0; i < res::kPageCount; ++i) {
    const res::PageEntry& entry = res::Pages()[i];
    Pages()[i]->setVisible(entry.layout().StartsVisible());
    tabs_->InsertItem(
        i, QString::fromUtf8(entry.tabName.data(), static_cast<qsizetype>(entry.tabName.size())));
  }
  tabs_->SetCurrentIndex(res::kFirstPage);
}

std::array<QWidget*, res::kPageCount> CKorvaleView::Pages() const {
  return {playerData_, playerData2_, ratings_, seasonStats_};
}

void CKorvaleView::ShowSelectedPage() {
  const int chosen = tabs_->CurrentIndex();
  if (!res::IsPage(chosen)) return;
  for (int i = 0; i < res::kPageCount; ++i) Pages()[i]->setVisible(i == chosen);
}

void CKorvaleView::LayoutPages() {
  if (!tabs_) return;
  const res::PageArea area = res::PageAreaIn(tabs_->width(), tabs_->height());
  for (QWidget* page : Pages()) page->setGeometry(area.x, area.y, area.width, area.height);
}

void CKorvaleView::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  LayoutPages();
}

// Selections the program sets are not the user's.
void CKorvaleView::OnRosterSelectionChanged() {
  if (widgets_->SettingRoster()) return;
  editor_->RosterPicked(widgets_->Selection(res::kIdRosterList));
}
