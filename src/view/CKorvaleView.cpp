#include "CKorvaleView.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QStringListModel>

#include <sys/stat.h>
#include <unistd.h>

#include "CPlayerData2Page.h"
#include "CPlayerDataPage.h"
#include "CPlayerRatingsPage.h"
#include "CSeasonStatsPage.h"
#include "CommitTriggers.h"
#include "DialogBuilder.h"
#include "DialogTemplates.h"
#include "Guarded.h"
#include "Names.h"
#include "PlayerFileDialog.h"
#include "ResourceIds.h"
#include "RollbackJournal.h"
#include "TabControl.h"

using korvale::FieldId;
using korvale::PlayerFileState;
namespace res = korvale::res;

CKorvaleView::CKorvaleView(korvale::FileSystem& files, MessageSink& messages, QWidget* parent)
    : QScrollArea(parent), state_(files), messages_(messages), chooser_(korvale::ChoosePlayerFile) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  BuildForm();
  CreatePages();
  state_.SetCurrentRecord(0);
  CKorvaleView::ShowPlayerId(0);
  LayoutPages();
}

// The pages go first, while the file state they reach is still alive.
CKorvaleView::~CKorvaleView() { delete takeWidget(); }

void CKorvaleView::BuildForm() {
  form_ = new QWidget;
  const res::ControlMap controls = res::BuildDialog(res::EditorFormTemplate(), form_);
  form_->setMinimumSize(form_->size());
  tabs_ = controls.Get<res::TabControl>(res::kIdTabControl);
  playerIdDisplay_ = controls.Get<QLineEdit>(res::kIdPlayerIdDisplay);
  playerList_ = controls.Get<QComboBox>(res::kIdPlayerList);
  teamChoice_ = controls.Get<QComboBox>(res::kIdTeamChoice);
  rosterList_ = controls.Get<QListWidget>(res::kIdRosterList);
  // The entries are sorted before they are put in, all at once.
  playerList_->setModel(new QStringListModel(playerList_));
  setWidget(form_);

  connect(tabs_, &res::TabControl::SelectionChanged, this, &CKorvaleView::ShowSelectedPage);
  connect(playerList_, &QComboBox::activated, this, &CKorvaleView::OnPlayerListChosen);
  connect(teamChoice_, &QComboBox::activated, this, &CKorvaleView::OnTeamChosen);
  connect(rosterList_, &QListWidget::itemSelectionChanged, this,
          &CKorvaleView::OnRosterSelectionChanged);
}

void CKorvaleView::CreatePages() {
  playerData_ = new CPlayerDataPage(*this, tabs_);
  playerData2_ = new CPlayerData2Page(*this, tabs_);
  ratings_ = new CPlayerRatingsPage(*this, tabs_);
  seasonStats_ = new CSeasonStatsPage(*this, tabs_);
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

bool CKorvaleView::IsCommandEnabled(int id) const {
  switch (id) {
    case res::kIdSelect: return !state_.IsSelected();
    case res::kIdClose:
    case res::kIdForward: return state_.IsSelected();
    case res::kIdBack: return state_.CurrentRecord() >= 1;
    default: return true;
  }
}

namespace {

// An open refused although the file is there to read, for want of write
// permission or on a read-only medium.
bool IsReadOnlyFile(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  if (::access(path.c_str(), R_OK) != 0) return false;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

}  // namespace

bool CKorvaleView::SelectPlayerFile() {
  const std::optional<QString> path = chooser_(this);
  if (!path) return false;
  const std::string file = QFile::encodeName(*path).toStdString();
  // A failed open leaves no file selected: Select ends there.
  try {
    state_.OpenPlayerFile(file);
  } catch (const korvale::FileError& error) {
    if (error.Cause() != korvale::FileErrorCause::AccessDenied || !IsReadOnlyFile(file)) throw;
    messages_.Stop(error.Message() + " The file is read-only.");
    return false;
  }
  // A file that is not a player file is let go at once, before anything
  // is read from it or written to it.
  try {
    state_.CheckPlayerFile();
  } catch (const korvale::FileError&) {
    try {
      state_.ClosePlayerFile();
    } catch (const korvale::FileError&) {  // the refusal is what the user needs to see
    }
    throw;
  }
  if (const korvale::UndoReport undo = korvale::UndoInterruptedImport(state_);
      !undo.message.empty()) {
    if (undo.stops) state_.ClosePlayerFile();
    messages_.Warn(undo.message);
    return !undo.stops;
  }
  return true;
}

void CKorvaleView::Select() {
  Guarded(messages_, [this] {
    if (!SelectPlayerFile()) return;
    FillChoiceLists();
    FillPlayerList();
    ShowCurrentRecord();
    FillRosterList();
    ratings_->RecalculateOverall();
    SyncPlayerList();
  });
}

void CKorvaleView::FillChoiceLists() {
  playerData_->FillPositionLists();
  playerData_->FillOriginalTeamList();
  QStringList teams;
  for (std::string_view name : korvale::TeamChoiceNames) {
    teams << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  }
  teamChoice_->addItems(teams);
  teamChoice_->setCurrentIndex(-1);
  playerData_->FillHandList();
  playerData2_->FillLists();
}

// Never stopped: a typed value that fails its checks is reported and not
// written. A failing close is reported and leaves the form as a good one.
void CKorvaleView::Close() {
  (void)CommitBeforeCommand();
  ClearLists();
  Guarded(messages_, [this] { state_.ClosePlayerFile(); });
  ShowPlayerId(0);
  ClearPages();
}

void CKorvaleView::ClearPages() {
  playerData_->Clear();
  ratings_->Clear();
  playerData2_->Clear();
  seasonStats_->Clear();
}

bool CKorvaleView::CommitBeforeCommand() {
  for (const PageExchange* exchange : {&playerData_->Exchange(), &playerData2_->Exchange(),
                                       &ratings_->Exchange(), &seasonStats_->Exchange()}) {
    if (exchange->StopsCommand()) return false;
  }
  auto* edit = qobject_cast<QLineEdit*>(window()->focusWidget());
  if (edit == nullptr || !tabs_->isAncestorOf(edit)) return true;
  return ::CommitBeforeCommand(edit);
}

void CKorvaleView::ClearLists() {
  playerList_->clear();
  playerRecords_.clear();
  teamChoice_->clear();
  SetRosterEntries({});
}

void CKorvaleView::Forward() {
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    const std::int32_t next = state_.CurrentRecord() + 1;
    if (!PlayerFileState::RecordReaches(state_.FileLength(), next, FieldId::LastName)) return;
    state_.SetCurrentRecord(next);
    FollowRecordMove();
  });
}

void CKorvaleView::Back() {
  if (!CommitBeforeCommand()) return;
  Guarded(messages_, [this] {
    if (state_.CurrentRecord() <= 0) return;
    state_.SetCurrentRecord(state_.CurrentRecord() - 1);
    FollowRecordMove();
  });
}

void CKorvaleView::FollowRecordMove() {
  ShowCurrentRecord();
  ratings_->RecalculateOverall();
  FillRosterList();
  SyncPlayerList();
}

void CKorvaleView::ShowCurrentRecord() {
  playerData_->LoadRecord();
  ratings_->LoadRecord();
  playerData2_->LoadRecord();
  seasonStats_->LoadRecord();
}

void CKorvaleView::ShowPlayerId(std::int32_t id) {
  playerId_ = id;
  playerIdDisplay_->setText(QString::number(id));
}

// An index without an entry leaves the choice without a selection. A
// selection set here never counts as the user's.
void CKorvaleView::SelectTeamChoice(int index) { teamChoice_->setCurrentIndex(index); }
