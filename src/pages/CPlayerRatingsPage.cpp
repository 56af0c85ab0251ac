#include "CPlayerRatingsPage.h"

#include "CommitTriggers.h"
#include "DialogTemplates.h"
#include "PageHost.h"

CPlayerRatingsPage::CPlayerRatingsPage(PageHost& host, QWidget* parent)
    : QWidget(parent),
      controls_(this, korvale::res::BuildDialog(korvale::res::PlayerRatingsPageTemplate(), this)),
      page_(host, controls_) {
  ConnectCommits(controls_.Map(), page_.Exchange(), page_.Commits());
  page_.Exchange().Show();
}
