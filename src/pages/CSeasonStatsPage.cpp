#include "CSeasonStatsPage.h"

#include "PageHost.h"

// Placeholder until the page's controls arrive: an empty panel.
CSeasonStatsPage::CSeasonStatsPage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {}

void CSeasonStatsPage::LoadRecord() {}
void CSeasonStatsPage::Clear() {}
