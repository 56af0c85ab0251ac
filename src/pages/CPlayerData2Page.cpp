#include "CPlayerData2Page.h"

#include "CommitTriggers.h"
#include "DialogTemplates.h"
#include "PageHost.h"

CPlayerData2Page::CPlayerData2Page(PageHost& host, QWidget* parent)
    : QWidget(parent),
      controls_(this, korvale::res::BuildDialog(korvale::res::PlayerData2PageTemplate(), this)),
      page_(host, controls_) {
  ConnectCommits(controls_.Map(), page_.Exchange(), page_.Commits());
  page_.Exchange().Show();
}
