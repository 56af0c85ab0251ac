#include "CPlayerDataPage.h"

#include "PageHost.h"
#include "StoredForms.h"

// Placeholder until the page's controls arrive: an empty panel.
CPlayerDataPage::CPlayerDataPage(PageHost& host, QWidget* parent) : QWidget(parent), host_(host) {}

void CPlayerDataPage::FillPositionLists() {}
void CPlayerDataPage::FillOriginalTeamList() {}
void CPlayerDataPage::FillHandList() {}
// Until the page's own readers arrive, only the two that belong to the view.
void CPlayerDataPage::LoadRecord() {
  korvale::PlayerFileState& file = host_.File();
  const std::int32_t record = file.CurrentRecord();
  host_.ShowPlayerId(korvale::ReadNumber(file.ReadField(record, korvale::FieldId::PlayerId)));
  host_.SelectTeamChoice(korvale::ReadNumber(file.ReadField(record, korvale::FieldId::Team)));
}
void CPlayerDataPage::Clear() {}
