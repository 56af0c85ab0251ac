#pragma once

#include "DialogTemplates.h"
#include "QtFormPage.h"
#include "QtPageEvents.h"

class PageHost;
class PlayerDataPage;
class PlayerData2Page;
class PlayerRatingsPage;
class SeasonStatsPage;

// Each page's template.
inline const korvale::res::DialogTemplate& LayoutOf(const PlayerDataPage*) {
  return korvale::res::PlayerDataPageTemplate();
}
inline const korvale::res::DialogTemplate& LayoutOf(const PlayerData2Page*) {
  return korvale::res::PlayerData2PageTemplate();
}
inline const korvale::res::DialogTemplate& LayoutOf(const PlayerRatingsPage*) {
  return korvale::res::PlayerRatingsPageTemplate();
}
inline const korvale::res::DialogTemplate& LayoutOf(const SeasonStatsPage*) {
  return korvale::res::SeasonStatsPageTemplate();
}

// A page's widgets from its template with its rules over them, the
// controls' events forwarded to the rules as the form forwards them.
template <typename Rules>
class QtTestPage : public QtFormPage, public Rules {
 public:
  QtTestPage(PageHost& host, QWidget* parent)
      : QtFormPage(LayoutOf(static_cast<const Rules*>(nullptr)), parent),
        Rules(host, QtFormPage::Controls()) {
    ForwardPageEvents(QtFormPage::Controls().Map(), Rules::Commits(),
                      [this](PageEvent event, int control) { Rules::Handle(event, control); });
    Rules::Exchange().Show();
  }
};
