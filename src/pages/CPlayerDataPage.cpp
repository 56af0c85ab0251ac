#include "CPlayerDataPage.h"

#include "PageHost.h"

// Placeholder until the page's controls arrive: an empty panel.
CPlayerDataPage::CPlayerDataPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}

void CPlayerDataPage::FillPositionLists() {}
void CPlayerDataPage::FillOriginalTeamList() {}
void CPlayerDataPage::FillHandList() {}
void CPlayerDataPage::LoadRecord() {}
void CPlayerDataPage::Clear() {}
