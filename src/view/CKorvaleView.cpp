#include "CKorvaleView.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStringListModel>

#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "PlayerFileDialog.h"
#include "QtFormPage.h"
#include "QtPageEvents.h"
#include "ResourceIds.h"
#include "TabControl.h"

namespace res = korvale::res;

namespace {

struct PageEntry {
  const char* name;
  const res::DialogTemplate& (*layout)();
};

constexpr PageEntry kPages[] = {{"Player Data", res::PlayerDataPageTemplate},
                                {"Player Data 2", res::PlayerData2PageTemplate},
                                {"Player Ratings", res::PlayerRatingsPageTemplate},
                                {"Season Stats", res::SeasonStatsPageTemplate}};

}  // namespace

CKorvaleView::CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent)
    : QScrollArea(parent), chooser_(korvale::ChoosePlayerFile) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  BuildForm();
  CreatePages(files, messages);
  editor_->File().SetCurrentRecord(0);
  editor_->ShowPlayerId(0);
  LayoutPages();
}

// The pages go first, while the file state they reach is still alive.
CKorvaleView::~CKorvaleView() { delete takeWidget(); }

void CKorvaleView::BuildForm() {
  form_ = new QWidget;
  res::ControlMap controls = res::BuildDialog(res::EditorFormTemplate(), form_);
  form_->setMinimumSize(form_->size());
  tabs_ = controls.Get<res::TabControl>(res::kIdTabControl);
  playerIdDisplay_ = controls.Get<QLineEdit>(res::kIdPlayerIdDisplay);
  playerList_ = controls.Get<QComboBox>(res::kIdPlayerList);
  teamChoice_ = controls.Get<QComboBox>(res::kIdTeamChoice);
  rosterList_ = controls.Get<QListWidget>(res::kIdRosterList);
  // The entries are sorted before they are put in, all at once.
  playerList_->setModel(new QStringListModel(playerList_));
  setWidget(form_);
  widgets_ = std::make_unique<QtFormControls>(this, std::move(controls));

  connect(tabs_, &res::TabControl::SelectionChanged, this, &CKorvaleView::ShowSelectedPage);
  connect(playerList_, &QComboBox::activated, this, [this] { editor_->PlayerPicked(); });
  connect(teamChoice_, &QComboBox::activated, this, [this] { editor_->TeamPicked(); });
  connect(rosterList_, &QListWidget::itemSelectionChanged, this,
          &CKorvaleView::OnRosterSelectionChanged);
}

void CKorvaleView::CreatePages(korvale::FileSystem& files, MessageSink& messages) {
  std::vector<PageControls*> controls;
  for (const PageEntry& entry : kPages) {
    pages_.push_back(new QtFormPage(entry.layout(), tabs_));
    pages_.back()->setVisible(entry.layout().StartsVisible());
    controls.push_back(&pages_.back()->Controls());
  }
  widgets_->SetPages({pages_.begin(), pages_.end()});
  editor_ = std::make_unique<EditorForm>(files, messages, *widgets_, controls);
  for (std::size_t page = 0; page < pages_.size(); ++page) {
    ForwardPageEvents(pages_[page]->Controls().Map(),
                      editor_->Page(static_cast<int>(page)).Commits(),
                      [this, page](PageEvent event, int control) {
                        editor_->Handle(static_cast<int>(page), control, event);
                      });
  }
  const QSignalBlocker quiet(tabs_);
  for (const PageEntry& entry : kPages) tabs_->InsertItem(tabs_->Count(), tr(entry.name));
  tabs_->SetCurrentIndex(0);
}

void CKorvaleView::Select() {
  const CloseGate::Hold hold(editor_->Gate());
  if (const std::optional<QString> path = chooser_(this)) {
    editor_->Select(QFile::encodeName(*path).toStdString());
  }
}

void CKorvaleView::ShowSelectedPage() {
  const int chosen = tabs_->CurrentIndex();
  if (chosen < 0 || chosen >= static_cast<int>(pages_.size())) return;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->setVisible(static_cast<int>(i) == chosen);
  }
}

void CKorvaleView::LayoutPages() {
  if (!tabs_) return;
  const QRect client = tabs_->rect();
  for (QWidget* page : pages_) {
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
