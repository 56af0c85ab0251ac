#include "CPlayerDataPage.h"

#include <QComboBox>
#include <QLineEdit>

#include "CommitTriggers.h"
#include "DialogTemplates.h"
#include "PageHost.h"

CPlayerDataPage::CPlayerDataPage(PageHost& host, QWidget* parent)
    : QWidget(parent),
      controls_(this, korvale::res::BuildDialog(korvale::res::PlayerDataPageTemplate(), this)),
      page_(host, controls_) {
  ConnectCommits(controls_.Map(), page_.Exchange(), page_.Commits());
  page_.Exchange().Show();
}

QLineEdit* CPlayerDataPage::Edit(int id) const { return controls_.Map().Get<QLineEdit>(id); }
QComboBox* CPlayerDataPage::List(int id) const { return controls_.Map().Get<QComboBox>(id); }
