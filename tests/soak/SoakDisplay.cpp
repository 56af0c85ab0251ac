// What a fresh reading of the file shows, next to what the walk's view shows.
#include <QComboBox>

#include "SoakWalk.h"
#include "ViewHarness.h"
#include "ViewState.h"

namespace korvale::testing {
namespace {

// Lists whose reader leaves the selection as it was for a code outside the
// list: where a fresh view selects nothing, the walk's view may show any.
const char* const kKeptSelections[] = {
    "PD/1012#selected",  "PD/1013#selected",  "PD2/1026#selected", "PD2/1027#selected",
    "PD2/1028#selected", "PD2/1031#selected", "PD2/1029#selected", "PD2/1030#selected"};

// The player list selection by the id of the selected entry: with two
// entries of one id, the user may have picked the other.
void SelectedPlayerById(ViewState& state) {
  const QStringList entries = state["view/1003#entries"].split('\n');
  const int selected = state["view/1003#selected"].toInt();
  state["view/1003#selected"] =
      selected >= 0 && selected < entries.size() ? entries[selected].right(4).trimmed() : "none";
}

}  // namespace

QString SoakWalk::CompareWithFreshReading(Display display) {
  fresh_.Close();
  fresh_.Select();
  if (const std::int32_t record = model_.Current(); record != 0) {
    fresh_.File().SetCurrentRecord(record);
    fresh_.Editor().ShowCurrentRecord();
    fresh_.Editor().Page(2).Recalculate();
    fresh_.Editor().FillRosterList();
    fresh_.Editor().SyncPlayerList();
  }
  if (!freshMessages_.stops.empty())
    return "the fresh reading failed: " + QtTexts(freshMessages_.stops).join(' ');
  ViewState mine = CaptureView(view_);
  ViewState theirs = CaptureView(fresh_);
  for (ViewState* state : {&mine, &theirs}) SelectedPlayerById(*state);
  if (display == Display::AfterRosterChoice) {  // the roster list keeps the row chosen
    mine.erase("view/1029#selected");
    theirs.erase("view/1029#selected");
  }
  for (const char* key : kKeptSelections) {
    if (theirs[key] == "-1") {
      mine.erase(key);
      theirs.erase(key);
    }
  }
  return DescribeDifferences(mine, theirs);
}

}  // namespace korvale::testing
