#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "FlatToolBar.h"

namespace {

using namespace korvale::toolbar;

constexpr int kSelect = 32775, kBack = 32782, kForward = 32783, kAbout = 57664;
constexpr int kItems[] = {kSelect, 0, kBack, kForward, 0, kAbout};

// Where the product's bar puts its buttons: 32 x 30 images, the client
// area starting at (10, 2).
constexpr Rect kSelectRect{10, 2, 49, 39}, kBackRect{57, 2, 96, 39}, kForwardRect{96, 2, 135, 39};
constexpr Point kOutside{-100, -100};

Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string Text(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

const char* Name(Colour c) {
  switch (c) {
    case Colour::kFace: return "face";
    case Colour::kHighlight: return "highlight";
    case Colour::kShadow: return "shadow";
    case Colour::kLight3d: return "light";
  }
  return "?";
}

// Records what the bar asks of its window; timer ids count up from 1.
class FakeHost : public BarHost {
 public:
  std::vector<std::string> log;
  bool cursorInWindow = false;

  void Invalidate(const Rect& r, bool erase) override {
    log.push_back((erase ? "erase " : "repaint ") + Text(r));
  }
  std::uintptr_t StartHoverTimer(int interval) override {
    log.push_back("start " + std::to_string(interval));
    return ++timers_;
  }
  void StopHoverTimer(std::uintptr_t id) override { log.push_back("stop " + std::to_string(id)); }
  [[nodiscard]] bool CursorInWindow() const override { return cursorInWindow; }

 private:
  std::uintptr_t timers_ = 0;
};

class RecordingPainter : public BarPainter {
 public:
  std::vector<std::string> log;

  void Fill(const Rect& r, Colour colour) override {
    log.push_back("fill " + Text(r) + " " + Name(colour));
  }
  void DrawImage(int index, Point at, Colour ground) override {
    log.push_back("image " + std::to_string(index) + " at " + std::to_string(at.x) + "," +
                  std::to_string(at.y) + " on " + Name(ground));
  }
  void Emboss(const Rect& r, const Embossing& how) override {
    EXPECT_EQ(&how, &kEmbossing);
    log.push_back("emboss " + Text(r));
  }
};

class FlatToolBarTest : public ::testing::Test {
 protected:
  FlatToolBarTest() {
    bar.SetItems(kItems);
    bar.SetSizes(ButtonSizeFor({32, 30}), {32, 30});
    bar.Layout({10, 2});
  }
  void Enable(std::map<int, bool> enabled, std::map<int, bool> checked = {}) {
    bar.UpdateStates([&](int i) {
      const int id = bar.Buttons()[i].commandId;
      return FlatToolBar::CommandState{!enabled.contains(id) || enabled[id], checked[id]};
    });
    host.log.clear();
  }

  FakeHost host;
  FlatToolBar bar{host};
};

TEST_F(FlatToolBarTest, ButtonsLieSideBySideInsideTheBorders) {
  std::vector<Rect> rects;
  for (const Button& b : bar.Buttons()) rects.push_back(b.rect);
  EXPECT_EQ(rects, (std::vector<Rect>{kSelectRect,
                                      {49, 2, 57, 39},
                                      kBackRect,
                                      kForwardRect,
                                      {135, 2, 143, 39},
                                      {143, 2, 182, 39}}));
  EXPECT_EQ(bar.BarSize(), (Size{184, 41}));
  EXPECT_EQ(ClientArea({0, 0, 184, 41}), (Rect{10, 2, 182, 39}));
  EXPECT_EQ(bar.ImageOffset(), (Point{3, 3}));
  EXPECT_EQ(bar.Buttons()[3].image, 2) << "images are counted without the separators";
  EXPECT_EQ(bar.ButtonAt({52, 10}), -1) << "a separator is no button";
  EXPECT_EQ(bar.CommandAt(Centre(kForwardRect)), kForward);
}

TEST_F(FlatToolBarTest, ALightEqualToTheFaceGivesWayToTheHighlight) {
  EXPECT_EQ(Palette::FromSystem(1, 2, 3, 4).light3d, 4u);
  EXPECT_EQ(Palette::FromSystem(1, 2, 3, 1).light3d, 2u);
}

TEST_F(FlatToolBarTest, EachStateHasItsLook) {
  const Edge raised{kBackRect, Colour::kHighlight, Colour::kShadow};
  const Edge sunken{kBackRect, Colour::kShadow, Colour::kHighlight};
  const Edge flat{kBackRect, Colour::kFace, Colour::kFace};
  const Edge inner{kBackRect.Shrunk(1), Colour::kFace, Colour::kFace};
  const Point image{60, 5}, shifted{61, 6};
  const struct {
    const char* name;
    std::uint16_t state;
    bool pointer;
    ButtonLook look;
  } cases[] = {
      {"normal", ButtonState::kEnabled, false, {Colour::kFace, {flat}, image, false}},
      {"hot", ButtonState::kEnabled, true, {Colour::kFace, {raised}, image, false}},
      {"disabled under the pointer", 0, true, {Colour::kFace, {}, image, true}},
      {"checked",
       ButtonState::kEnabled | ButtonState::kChecked,
       false,
       {Colour::kLight3d, {sunken, inner}, shifted, false}},
      {"checked under the pointer",
       ButtonState::kEnabled | ButtonState::kChecked,
       true,
       {Colour::kFace, {sunken}, shifted, false}},
      {"pressed",
       ButtonState::kEnabled | ButtonState::kPressed,
       false,
       {Colour::kLight3d, {sunken, inner}, shifted, false}},
      {"checked and disabled",
       ButtonState::kChecked,
       false,
       {Colour::kLight3d, {sunken, inner}, shifted, true}},
  };
  for (const auto& c : cases) {
    Button b = bar.Buttons()[2];
    b.state = c.state;
    EXPECT_EQ(bar.LookOf(b, c.pointer ? Centre(kBackRect) : kOutside), c.look) << c.name;
  }
}

// Select is disabled: the mouse goes over it, then Back, then straight on
// to Forward, then leaves the bar; hover ticks come in between.
TEST_F(FlatToolBarTest, HotTrackingFollowsTheMouseAndTheHoverTickFlattens) {
  Enable({{kSelect, false}});
  const std::string backRect = Text(kBackRect), forwardRect = Text(kForwardRect);
  const struct {
    const char* step;
    Point move;           // kOutside: a tick instead
    std::uintptr_t tick;  // with the cursor inside the window or not
    bool inWindow;
    bool taken;  // a tick: the bar handled it
    int hot;
    std::vector<std::string> log;
  } steps[] = {
      {"over the disabled button", Centre(kSelectRect), 0, false, false, -1, {"start 250"}},
      {"onto Back",
       Centre(kBackRect),
       0,
       false,
       false,
       2,
       {"repaint " + backRect, "stop 1", "start 250"}},
      {"within Back", {60, 30}, 0, false, false, 2, {"stop 2", "start 250"}},
      {"straight on to Forward",
       Centre(kForwardRect),
       0,
       false,
       false,
       3,
       {"repaint " + backRect, "repaint " + forwardRect, "stop 3", "start 250"}},
      {"another timer", kOutside, 99, false, false, 3, {}},
      {"tick while over the bar", kOutside, 4, true, true, 3, {}},
      {"tick once the mouse has left",
       kOutside,
       4,
       false,
       true,
       -1,
       {"repaint " + forwardRect, "stop 4"}},
      {"tick of the stopped timer", kOutside, 4, false, false, -1, {}},
  };
  for (const auto& s : steps) {
    host.log.clear();
    host.cursorInWindow = s.inWindow;
    if (s.tick == 0) {
      bar.MouseMove(s.move);
    } else {
      EXPECT_EQ(bar.Tick(s.tick), s.taken) << s.step;
    }
    EXPECT_EQ(bar.HotIndex(), s.hot) << s.step;
    EXPECT_EQ(host.log, s.log) << s.step;
  }
  EXPECT_EQ(bar.HoverTimer(), 0u);
}

TEST_F(FlatToolBarTest, TheIdleUpdateRepaintsOnlyTheButtonsThatChanged) {
  const struct {
    std::map<int, bool> enabled, checked;
    std::vector<int> changed;
  } updates[] = {
      {{}, {}, {}},
      {{{kBack, false}}, {}, {2}},
      {{{kBack, false}}, {}, {}},
      {{}, {{kAbout, true}}, {2, 5}},
  };
  for (const auto& u : updates) {
    host.log.clear();
    std::map<int, bool> enabled = u.enabled, checked = u.checked;
    const std::vector<int> changed = bar.UpdateStates([&](int i) {
      const int id = bar.Buttons()[i].commandId;
      return FlatToolBar::CommandState{!enabled.contains(id) || enabled[id], checked[id]};
    });
    EXPECT_EQ(changed, u.changed);
    std::vector<std::string> log;
    for (const int i : u.changed) log.push_back("erase " + Text(bar.Buttons()[i].rect));
    EXPECT_EQ(host.log, log);
  }
}

TEST_F(FlatToolBarTest, APaintDrawsTheButtonsInTheUpdateAndEverySeparator) {
  const std::string shadow = " shadow", light = " highlight";
  const std::vector<std::string> separator{"fill 52,2,53,3" + shadow, "fill 52,2,53,38" + shadow,
                                           "fill 53,2,54,39" + light, "fill 52,38,54,39" + light};
  const struct {
    const char* name;
    Rect update;
    int separatorWidth;
    std::vector<std::string> start;  // what the paint begins with
    std::vector<std::string> images;
    bool forwardEmbossed;
  } cases[] = {
      {"Forward alone", kForwardRect.Shrunk(2), 8, separator, {"image 2 at 99,5 on face"}, true},
      {"Select and Back",
       {20, 10, 60, 12},
       8,
       {"fill 10,2,49,39 face"},
       {"image 0 at 13,5 on face", "image 1 at 60,5 on face"},
       false},
      {"a wide separator", {50, 10, 51, 12}, 9, {"fill 139,2,140,3 shadow"}, {}, false},
      {"nothing to update", {40, 10, 40, 12}, 8, {}, {}, false},
  };
  for (const auto& c : cases) {
    std::vector<Button> buttons = bar.Buttons();
    buttons[1].image = c.separatorWidth;
    bar.SetButtons(buttons);
    bar.Layout({10, 2});
    Enable({{kForward, false}});
    RecordingPainter painter;
    bar.Paint(painter, c.update, kOutside);
    std::vector<std::string> images;
    for (const std::string& call : painter.log) {
      if (call.starts_with("image")) images.push_back(call);
    }
    const auto end = painter.log.begin() + std::min(std::ssize(c.start), std::ssize(painter.log));
    EXPECT_EQ(std::vector<std::string>(painter.log.begin(), end), c.start) << c.name;
    EXPECT_EQ(images, c.images) << c.name;
    EXPECT_EQ(std::ranges::count(painter.log, "emboss " + Text(kForwardRect)), c.forwardEmbossed)
        << c.name;
  }
}

TEST_F(FlatToolBarTest, TheFrameIsFaceWithAGripperOfTwoRaisedBars) {
  RecordingPainter painter;
  bar.PaintFrame(painter, {0, 0, 184, 41});
  EXPECT_EQ(painter.log,
            (std::vector<std::string>{
                "fill 0,0,184,41 face", "fill 4,4,6,5 highlight", "fill 4,4,5,36 highlight",
                "fill 6,4,7,37 shadow", "fill 4,36,7,37 shadow", "fill 7,4,9,5 highlight",
                "fill 7,4,8,36 highlight", "fill 9,4,10,37 shadow", "fill 7,36,10,37 shadow"}));
}

}  // namespace
