#include "CKorvaleView.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>

#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "FormLayout.h"
#include "PlayerFileDialog.h"
#include "PlayerListModel.h"
#include "QtFormPage.h"
#include "QtPageEvents.h"
#include "ResourceIds.h"
#include "TabControl.h"

namespace res = korvale::res;

CKorvaleView::CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent)
    : QScrollArea(parent), chooser_(korvale::ChoosePlayerFile) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  BuildForm();
  CreatePages(files, messages);
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
  playerList_->setModel(new PlayerListModel(playerList_));
  // One line of text each: the list is laid out without asking every
  // entry's size, which would decode all of them.
  if (auto* entries = qobject_cast<QListView*>(playerList_->view())) {
    entries->setUniformItemSizes(true);
  }
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
  for (const res::PageEntry& entry : res::Pages()) {
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
  for (const res::PageEntry& entry : res::Pages()) {
    tabs_->InsertItem(
        tabs_->Count(),
        QString::fromUtf8(entry.tabName.data(), static_cast<qsizetype>(entry.tabName.size())));
  }
  tabs_->SetCurrentIndex(res::kFirstPage);
}

void CKorvaleView::Select() {
  const CloseGate::Hold hold(editor_->Gate());
  if (const std::optional<QString> path = chooser_(this)) {
    editor_->Select(QFile::encodeName(*path).toStdString());
  }
}

void CKorvaleView::ShowSelectedPage() {
  const int chosen = tabs_->CurrentIndex();
  if (!res::IsPage(chosen)) return;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->setVisible(static_cast<int>(i) == chosen);
  }
}

void CKorvaleView::LayoutPages() {
  if (!tabs_) return;
  const res::PageArea area = res::PageAreaIn(tabs_->width(), tabs_->height());
  for (QWidget* page : pages_) page->setGeometry(area.x, area.y, area.width, area.height);
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
