#include "CPlayerData2Page.h"

#include "PageHost.h"

// Placeholder until the page's controls arrive: an empty panel.
CPlayerData2Page::CPlayerData2Page(PageHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {}

void CPlayerData2Page::FillLists() {}
void CPlayerData2Page::LoadRecord() {}
void CPlayerData2Page::Clear() {}
