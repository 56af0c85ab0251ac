#include "CSeasonStatsPage.h"

#include "CommitTriggers.h"
#include "DialogTemplates.h"
#include "PageHost.h"

CSeasonStatsPage::CSeasonStatsPage(PageHost& host, QWidget* parent)
    : QWidget(parent),
      controls_(this, korvale::res::BuildDialog(korvale::res::SeasonStatsPageTemplate(), this)),
      page_(host, controls_) {
  ConnectCommits(controls_.Map(), page_.Exchange(), page_.Commits());
  page_.Exchange().Show();
}
