#include "FormPage.h"

#include <algorithm>

void FormPage::Handle(PageEvent event, int control) {
  if (event == PageEvent::Escape) return Exchange().Revert(control);
  if (Exchange().Busy()) return;
  std::vector<PageCommit> commits = Commits();
  const auto commit = std::find_if(commits.begin(), commits.end(), [&](const PageCommit& c) {
    return c.control == control && c.event == event;
  });
  if (commit != commits.end()) commit->run();
}
