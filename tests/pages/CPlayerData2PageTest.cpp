#include <gtest/gtest.h>

#include <QCheckBox>
#include <QTest>

#include "ControlIds.h"
#include "FakePageHost.h"
#include "MessageLog.h"
#include "PlayerData2Page.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"

namespace {

using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;
namespace ids = korvale::res::playerdata2;

class PlayerData2PageTest : public ::testing::Test {
 protected:
  PlayerData2PageTest() : page(host, nullptr) {
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  TempDir dir;
  FakePageHost<MessageLog> host;
  QtTestPage<PlayerData2Page> page;
};

TEST_F(PlayerData2PageTest, TabOrderRunsByListsThenBoxesThenEditsById) {
  std::vector<int> order;
  QWidget* widget = page.Control(ids::kSkinColor);
  for (int i = 0; i < 15; ++i, widget = widget->nextInFocusChain()) {
    while ((widget->focusPolicy() & Qt::TabFocus) == 0) widget = widget->nextInFocusChain();
    for (int id = ids::kSkinColor; id <= ids::kActionPhoto; ++id) {
      if (page.Control(id) == widget) order.push_back(id);
    }
  }
  EXPECT_EQ(order,
            (std::vector<int>{ids::kSkinColor, ids::kBodyType, ids::kPlayerType, ids::kFacialHair,
                              ids::kAccessories, ids::kHairStyle, ids::kIsCreated, ids::kIsPlayable,
                              ids::kIsRom, ids::kIsHidden, ids::kPlayerPkg, ids::kSpeechHeader,
                              ids::kSpeechData, ids::kPortrait, ids::kActionPhoto}));
}

TEST_F(PlayerData2PageTest, AClickTicksTheBoxAndCommitsIt) {
  const auto path = PlayerFileBuilder(1).Raw(0, FieldId::IsRom, "F").WriteTo(dir / "Players.dbf");
  host.file.OpenPlayerFile(path.string());
  page.LoadRecord();
  auto* box = qobject_cast<QCheckBox*>(page.Control(ids::kIsRom));
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_TRUE(box->isChecked());
  EXPECT_EQ(FieldBytes(ReadAll(path), 0, FieldId::IsRom), "T");
}

}  // namespace
