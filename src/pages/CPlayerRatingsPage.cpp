#include "CPlayerRatingsPage.h"

#include "PageHost.h"

// Placeholder until the page's controls arrive: an empty panel.
CPlayerRatingsPage::CPlayerRatingsPage(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {}

void CPlayerRatingsPage::LoadRecord() {}
void CPlayerRatingsPage::RecalculateOverall() {}
void CPlayerRatingsPage::Clear() {}
