#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "ControlIds.h"
#include "FakePageHost.h"
#include "PlayerData2Page.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"
#include "RecordingMessages.h"

namespace {

using korvale::Field;
using korvale::FieldId;
using korvale::testing::FieldBytes;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::ReadAll;
using korvale::testing::TempDir;
namespace ids = korvale::res::playerdata2;

// A control of the page by its template id (the builder names it so).
QWidget* ControlOf(const QWidget& page, int id) {
  return page.findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

// A pick by keyboard on the closed list, as a user makes it.
void Pick(QComboBox* list, int index) {
  list->setCurrentIndex(index > 0 ? index - 1 : 1);
  QTest::keyClick(list, index > 0 ? Qt::Key_Down : Qt::Key_Up);
  ASSERT_EQ(list->currentIndex(), index);
}

class PlayerData2PageTest : public ::testing::Test {
 protected:
  PlayerData2PageTest() : page(host, nullptr) {
    host.onShowCurrentRecord = [this] { page.LoadRecord(); };
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  // Opens the file as Select does, after a Close: lists filled, record 0 shown.
  void Open(const PlayerFileBuilder& builder) {
    if (host.file.IsSelected()) {
      host.file.ClosePlayerFile();
      page.Clear();
    }
    path = builder.WriteTo(dir / "Players.dbf");
    host.file.OpenPlayerFile(path.string());
    page.FillLists();
    host.ShowCurrentRecord();
    host.calls.clear();
  }
  void ShowRecord(int record) {
    host.file.SetCurrentRecord(record);
    host.ShowCurrentRecord();
    host.calls.clear();
  }
  std::string Stored(FieldId field) const {
    return FieldBytes(ReadAll(path), host.file.CurrentRecord(), field);
  }
  QComboBox* List(int id) const { return qobject_cast<QComboBox*>(ControlOf(page, id)); }
  QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(ControlOf(page, id)); }
  QCheckBox* Box(int id) const { return qobject_cast<QCheckBox*>(ControlOf(page, id)); }
  // Types into the edit (replacing its text) and tabs away from it.
  void TypeAndLeave(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    (id == ids::kPortrait ? Edit(ids::kActionPhoto) : Edit(ids::kPortrait))
        ->setFocus(Qt::TabFocusReason);
  }

  TempDir dir;
  std::filesystem::path path;
  FakePageHost<RecordingMessages> host;
  QtTestPage<PlayerData2Page> page;
};

const int kCodeLists[] = {ids::kPlayerType, ids::kHairStyle, ids::kFacialHair, ids::kAccessories};

TEST_F(PlayerData2PageTest, EachListGetsItsEntriesAndShowsNothingUntilARecordChooses) {
  page.FillLists();
  const std::pair<int, QString> lasts[] = {
      {ids::kSkinColor, "DarkBlack"},          {ids::kBodyType, "Type 8"},
      {ids::kPlayerType, "Dark Black 2"},      {ids::kHairStyle, "Short White"},
      {ids::kFacialHair, "Thin Blond Goatee"}, {ids::kAccessories, "Big Goggles"}};
  for (const auto& [id, last] : lasts) {
    EXPECT_EQ(List(id)->itemText(List(id)->count() - 1), last);
    EXPECT_EQ(List(id)->currentIndex(), -1);
  }
}

TEST_F(PlayerData2PageTest, TabOrderRunsByListsThenBoxesThenEditsById) {
  std::vector<int> order;
  QWidget* widget = List(ids::kSkinColor);
  for (int i = 0; i < 15; ++i, widget = widget->nextInFocusChain()) {
    while ((widget->focusPolicy() & Qt::TabFocus) == 0) widget = widget->nextInFocusChain();
    for (int id = ids::kSkinColor; id <= ids::kActionPhoto; ++id) {
      if (ControlOf(page, id) == widget) order.push_back(id);
    }
  }
  EXPECT_EQ(order,
            (std::vector<int>{ids::kSkinColor, ids::kBodyType, ids::kPlayerType, ids::kFacialHair,
                              ids::kAccessories, ids::kHairStyle, ids::kIsCreated, ids::kIsPlayable,
                              ids::kIsRom, ids::kIsHidden, ids::kPlayerPkg, ids::kSpeechHeader,
                              ids::kSpeechData, ids::kPortrait, ids::kActionPhoto}));
}

TEST_F(PlayerData2PageTest, SkinColorAndBodyTypeShowTheirDigitAndWriteTheIndex) {
  Open(PlayerFileBuilder(3)
           .Raw(0, FieldId::SkinColor, "7")
           .Raw(0, FieldId::BodyType, "9")
           .Raw(1, FieldId::SkinColor, "3")
           .Raw(1, FieldId::BodyType, "4")
           .Raw(2, FieldId::SkinColor, " ")
           .Raw(2, FieldId::BodyType, "9"));
  EXPECT_EQ(List(ids::kSkinColor)->currentText(), "");  // nothing right after opening
  EXPECT_EQ(List(ids::kBodyType)->currentText(), "");
  ShowRecord(1);
  EXPECT_EQ(List(ids::kSkinColor)->currentText(), "Brown");
  EXPECT_EQ(List(ids::kBodyType)->currentText(), "Type 4");
  ShowRecord(0);  // codes outside the lists: no entry, not record 1's
  EXPECT_EQ(List(ids::kSkinColor)->currentIndex(), -1);
  EXPECT_EQ(List(ids::kBodyType)->currentIndex(), -1);
  ShowRecord(2);
  EXPECT_EQ(List(ids::kSkinColor)->currentText(), "Pale White");
  EXPECT_EQ(List(ids::kBodyType)->currentIndex(), -1);

  Pick(List(ids::kSkinColor), 5);
  Pick(List(ids::kBodyType), 0);
  EXPECT_EQ(Stored(FieldId::SkinColor), "5");
  EXPECT_EQ(Stored(FieldId::BodyType), "0");
  EXPECT_TRUE(host.calls.empty());  // no redisplay
}

TEST_F(PlayerData2PageTest, OnlyACapitalTTicksAFlagAndClicksWriteTAndF) {
  const std::pair<int, FieldId> flags[] = {{ids::kIsPlayable, FieldId::IsPlayable},
                                           {ids::kIsCreated, FieldId::IsCreated},
                                           {ids::kIsRom, FieldId::IsRom},
                                           {ids::kIsHidden, FieldId::IsHidden}};
  for (const std::string stored : {"T", "t", "Y", " ", "F"}) {
    PlayerFileBuilder builder(1);
    for (const auto& [id, field] : flags) builder.Raw(0, field, stored);
    Open(builder);
    for (const auto& [id, field] : flags) {
      QCheckBox* box = Box(id);
      EXPECT_EQ(box->isChecked(), stored == "T") << stored << " " << id;
      QTest::mouseClick(box, Qt::LeftButton);
      EXPECT_EQ(Stored(field), stored == "T" ? "F" : "T");
      QTest::mouseClick(box, Qt::LeftButton);
      EXPECT_EQ(Stored(field), stored == "T" ? "T" : "F");
    }
  }
}

TEST_F(PlayerData2PageTest, CodeListsApplyOnlyBehindAColon) {
  for (const std::string package : {"XCDEF", " CDEF", "", "CDEF", ";CDEF"}) {
    // The previous record's codes must not stay on show either.
    Open(PlayerFileBuilder(2)
             .Raw(0, FieldId::PlayerPkg, ":CDEF")
             .Raw(1, FieldId::PlayerPkg, package));
    ShowRecord(1);
    for (int id : kCodeLists) {
      EXPECT_FALSE(List(id)->isEnabled()) << package << " " << id;
      EXPECT_EQ(List(id)->currentIndex(), -1) << package << " " << id;
    }
    ShowRecord(0);
    for (int id : kCodeLists) EXPECT_TRUE(List(id)->isEnabled());
  }
}

TEST_F(PlayerData2PageTest, ACodeOutsideItsListShowsNoEntry) {
  Open(PlayerFileBuilder(3)
           .Raw(0, FieldId::PlayerPkg, ":CBBB")
           .Raw(1, FieldId::PlayerPkg, ":MMAA")
           .Raw(2, FieldId::PlayerPkg, ":cQJH"));  // lower case, past the ends
  ShowRecord(1);
  EXPECT_EQ(List(ids::kPlayerType)->currentIndex(), -1);  // M is past its end
  EXPECT_EQ(List(ids::kHairStyle)->currentText(), "Short Brown");
  EXPECT_EQ(List(ids::kFacialHair)->currentText(), "None");
  EXPECT_EQ(List(ids::kAccessories)->currentText(), "None");
  ShowRecord(0);
  ShowRecord(2);  // none of record 0's entries stays
  for (int id : {ids::kPlayerType, ids::kFacialHair, ids::kAccessories}) {
    EXPECT_EQ(List(id)->currentIndex(), -1) << id;
  }
  EXPECT_EQ(List(ids::kHairStyle)->currentText(), "Short White");
}

TEST_F(PlayerData2PageTest, ACodePickRewritesOneCharacterOfThePackageAndRedisplays) {
  const struct {
    int id;
    int index;
    FieldId field;
    QString package;
  } picks[] = {
      {ids::kPlayerType, 11, FieldId::PlayerType, ":LBCDpkg"},
      {ids::kHairStyle, 16, FieldId::HairStyle, ":LQCDpkg"},
      {ids::kFacialHair, 0, FieldId::FacialHair, ":LQADpkg"},
      {ids::kAccessories, 6, FieldId::Accessories, ":LQAGpkg"},
  };
  Open(PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":ABCDpkg").At(4102, "keep"));
  std::string expected = ReadAll(path);
  for (const auto& p : picks) {
    Pick(List(p.id), p.index);
    expected[Field(p.field).position] = static_cast<char>('A' + p.index);
    EXPECT_EQ(ReadAll(path), expected) << p.id;
    EXPECT_EQ(Edit(ids::kPlayerPkg)->text(), p.package);
    // The redisplay alone: no overall, player list or roster list work.
    EXPECT_EQ(host.calls, std::vector<std::string>{"ShowCurrentRecord"});
    host.calls.clear();
  }
  EXPECT_EQ(List(ids::kPlayerType)->currentText(), "Dark Black 2");
}

TEST_F(PlayerData2PageTest, ATypedPackageNameSetsOrDisablesTheCodeLists) {
  Open(PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":LQIGold"));
  TypeAndLeave(ids::kPlayerPkg, ":CAAA");
  EXPECT_EQ(Stored(FieldId::PlayerPkg), ":CAAA       ");
  EXPECT_EQ(host.calls, std::vector<std::string>{"ShowCurrentRecord"});
  const QStringList shown = {"White 1", "Bald", "None", "None"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(List(kCodeLists[i])->currentText(), shown[i]);

  TypeAndLeave(ids::kPlayerPkg, "PKG01");
  EXPECT_EQ(Stored(FieldId::PlayerPkg), "PKG01       ");
  for (int id : kCodeLists) {
    EXPECT_FALSE(List(id)->isEnabled());
    EXPECT_EQ(List(id)->currentIndex(), -1);
  }
}

TEST_F(PlayerData2PageTest, TextsShowWithoutTrailingWhiteSpaceAndAreWrittenFilledToTheirWidth) {
  const struct {
    int id;
    FieldId field;
    QString typed;
    std::string stored;
  } texts[] = {
      {ids::kPortrait, FieldId::Portrait, " Face", " Face       "},  // the tabs become spaces
      {ids::kPortrait, FieldId::Portrait, "", "            "},
      {ids::kActionPhoto, FieldId::ActionPhoto, "  Act.bmp", "  Act.bmp   "},
      {ids::kSpeechHeader, FieldId::SpeechHeader, "", "           "},
      {ids::kSpeechData, FieldId::SpeechData, "abcdefghijkl", "abcdefghijk"},  // held to 11
      {ids::kPortrait, FieldId::Portrait, "Face 1.BMPxyz", "Face 1.BMPxy"},    // held to 12
  };
  PlayerFileBuilder builder(1);
  builder.Raw(0, FieldId::Portrait, " Face\t\t\r")
      .Raw(0, FieldId::SpeechHeader, "Header")
      .At(Field(FieldId::SpeechHeader).position + 11, "Z");
  Open(builder);
  EXPECT_EQ(Edit(ids::kPortrait)->text(), " Face");
  std::string expected = ReadAll(path);
  for (const auto& t : texts) {
    TypeAndLeave(t.id, t.typed);
    expected.replace(Field(t.field).position, t.stored.size(), t.stored);
    EXPECT_EQ(ReadAll(path), expected) << t.typed.toStdString();
  }
  EXPECT_EQ(expected[Field(FieldId::SpeechHeader).position + 11], 'Z');
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(PlayerData2PageTest, NothingIsWrittenWithoutAFile) {
  path = PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":ABCD").WriteTo(dir / "Players.dbf");
  const std::string before = ReadAll(path);
  page.FillLists();
  for (int id : {ids::kSkinColor, ids::kBodyType, ids::kPlayerType, ids::kAccessories}) {
    Pick(List(id), 2);
  }
  QTest::mouseClick(Box(ids::kIsRom), Qt::LeftButton);
  TypeAndLeave(ids::kPlayerPkg, ":BBBB");
  TypeAndLeave(ids::kPortrait, "x");
  EXPECT_EQ(ReadAll(path), before);
  EXPECT_TRUE(host.calls.empty());
}

TEST_F(PlayerData2PageTest, ClearEmptiesEverythingButKeepsTheCodeListsEnabledState) {
  PlayerFileBuilder builder(1);
  builder.Raw(0, FieldId::SkinColor, "1").Raw(0, FieldId::IsRom, "T");
  builder.Raw(0, FieldId::Portrait, "Face").Raw(0, FieldId::PlayerPkg, "NoCodes");
  Open(builder);
  page.Clear();
  for (int id = ids::kSkinColor; id <= ids::kHairStyle; ++id) EXPECT_EQ(List(id)->count(), 0);
  for (int id : kCodeLists) EXPECT_FALSE(List(id)->isEnabled());
  EXPECT_TRUE(List(ids::kSkinColor)->isEnabled());
  EXPECT_FALSE(Box(ids::kIsRom)->isChecked());
  EXPECT_EQ(Edit(ids::kPortrait)->text(), "");
  EXPECT_EQ(Edit(ids::kPlayerPkg)->text(), "");
}

}  // namespace
