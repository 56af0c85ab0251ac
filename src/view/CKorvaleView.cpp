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
  playerData_->setVisible(res::PlayerDataPageTemplate().StartsVisible());
  playerData2_->setVisible(res::PlayerData2PageTemplate().StartsVisible());
  ratings_->setVisible(res::PlayerRatingsPageTemplate().StartsVisible());
  seasonStats_->setVisible(res::SeasonStatsPageTemplate().StartsVisible());
  const QSignalBlocker quiet(tabs_);
  tabs_->InsertItem(0, tr("Player Data"));
  tabs_->InsertItem(1, tr("Player Data 2"));
  tabs_->InsertItem(2, tr("Player Ratings"));
  tabs_->InsertItem(3, tr("Season Stats"));
  tabs_->SetCurrentIndex(0);
}

void CKorvaleView::ShowSelectedPage() {
  QWidget* const pages[] = {playerData_, playerData2_, ratings_, seasonStats_};
  const int chosen = tabs_->CurrentIndex();
  if (chosen < 0 || chosen > 3) return;
  for (int i = 0; i < 4; ++i) pages[i]->setVisible(i == chosen);
}

void CKorvaleView::LayoutPages() {
  if (!tabs_) return;
  const QRect client = tabs_->rect();
  for (QWidget* page : {static_cast<QWidget*>(playerData_), static_cast<QWidget*>(playerData2_),
                        static_cast<QWidget*>(ratings_), static_cast<QWidget*>(seasonStats_)}) {
    page->setGeometry(5, 30, client.width() - 10, client.height() - 35);
  }
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
