#include <gtest/gtest.h>

#include "ControlIds.h"
#include "PageRig.h"
#include "PlayerData2Page.h"

namespace {

using korvale::Field;
using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using Rig = PageRig<PlayerData2Page>;
namespace ids = korvale::res::playerdata2;

const int kCodeLists[] = {ids::kPlayerType, ids::kHairStyle, ids::kFacialHair, ids::kAccessories};

TEST(PlayerData2Page, EachListGetsItsEntriesAndShowsNothingUntilARecordChooses) {
  FakeHost host;
  FakeControls controls;
  PlayerData2Page page(host, controls);
  page.FillLists();
  const std::pair<int, std::string> lasts[] = {
      {ids::kSkinColor, "DarkBlack"},          {ids::kBodyType, "Type 8"},
      {ids::kPlayerType, "Dark Black 2"},      {ids::kHairStyle, "Short White"},
      {ids::kFacialHair, "Thin Blond Goatee"}, {ids::kAccessories, "Big Goggles"}};
  for (const auto& [id, last] : lasts) {
    EXPECT_EQ(controls.entries[id].back(), last);
    EXPECT_EQ(controls.Selection(id), -1);
  }
}

TEST(PlayerData2Page, SkinColorAndBodyTypeShowTheirDigitAndWriteTheIndex) {
  Rig rig(PlayerFileBuilder(3)
              .Raw(0, FieldId::SkinColor, "7")
              .Raw(0, FieldId::BodyType, "9")
              .Raw(1, FieldId::SkinColor, "3")
              .Raw(1, FieldId::BodyType, "4")
              .Raw(2, FieldId::SkinColor, " ")
              .Raw(2, FieldId::BodyType, "9"),
          0);
  EXPECT_EQ(rig.ShownEntry(ids::kSkinColor), "");  // codes outside the lists: no entry
  EXPECT_EQ(rig.ShownEntry(ids::kBodyType), "");
  rig.Show(1);
  EXPECT_EQ(rig.ShownEntry(ids::kSkinColor), "Brown");
  EXPECT_EQ(rig.ShownEntry(ids::kBodyType), "Type 4");
  rig.Show(0);  // not record 1's either
  EXPECT_EQ(rig.controls.Selection(ids::kSkinColor), -1);
  EXPECT_EQ(rig.controls.Selection(ids::kBodyType), -1);
  rig.Show(2);
  EXPECT_EQ(rig.ShownEntry(ids::kSkinColor), "Pale White");
  EXPECT_EQ(rig.controls.Selection(ids::kBodyType), -1);

  rig.Pick(ids::kSkinColor, 5);
  rig.Pick(ids::kBodyType, 0);
  EXPECT_EQ(rig.Stored(FieldId::SkinColor), "5");
  EXPECT_EQ(rig.Stored(FieldId::BodyType), "0");
  EXPECT_TRUE(rig.host.calls.empty());  // no redisplay
}

TEST(PlayerData2Page, OnlyACapitalTTicksAFlagAndClicksWriteTAndF) {
  const std::pair<int, FieldId> flags[] = {{ids::kIsPlayable, FieldId::IsPlayable},
                                           {ids::kIsCreated, FieldId::IsCreated},
                                           {ids::kIsRom, FieldId::IsRom},
                                           {ids::kIsHidden, FieldId::IsHidden}};
  for (const std::string stored : {"T", "t", "Y", " ", "F"}) {
    PlayerFileBuilder builder(1);
    for (const auto& [id, field] : flags) builder.Raw(0, field, stored);
    Rig rig(builder, 0);
    for (const auto& [id, field] : flags) {
      EXPECT_EQ(rig.controls.Checked(id), stored == "T") << stored << " " << id;
      rig.Click(id);
      EXPECT_EQ(rig.Stored(field), stored == "T" ? "F" : "T");
      rig.Click(id);
      EXPECT_EQ(rig.Stored(field), stored == "T" ? "T" : "F");
    }
  }
}

TEST(PlayerData2Page, CodeListsApplyOnlyBehindAColon) {
  for (const std::string package : {"XCDEF", " CDEF", "", "CDEF", ";CDEF"}) {
    // The previous record's codes must not stay on show either.
    Rig rig(PlayerFileBuilder(2)
                .Raw(0, FieldId::PlayerPkg, ":CDEF")
                .Raw(1, FieldId::PlayerPkg, package),
            0);
    rig.Show(1);
    for (int id : kCodeLists) {
      EXPECT_FALSE(rig.controls.enabled[id]) << package << " " << id;
      EXPECT_EQ(rig.controls.Selection(id), -1) << package << " " << id;
    }
    rig.Show(0);
    for (int id : kCodeLists) EXPECT_TRUE(rig.controls.enabled[id]);
  }
}

TEST(PlayerData2Page, ACodeOutsideItsListShowsNoEntry) {
  Rig rig(PlayerFileBuilder(3)
              .Raw(0, FieldId::PlayerPkg, ":CBBB")
              .Raw(1, FieldId::PlayerPkg, ":MMAA")
              .Raw(2, FieldId::PlayerPkg, ":cQJH"),  // lower case, past the ends
          1);
  EXPECT_EQ(rig.controls.Selection(ids::kPlayerType), -1);  // M is past its end
  EXPECT_EQ(rig.ShownEntry(ids::kHairStyle), "Short Brown");
  EXPECT_EQ(rig.ShownEntry(ids::kFacialHair), "None");
  EXPECT_EQ(rig.ShownEntry(ids::kAccessories), "None");
  rig.Show(0);
  rig.Show(2);  // none of record 0's entries stays
  for (int id : {ids::kPlayerType, ids::kFacialHair, ids::kAccessories}) {
    EXPECT_EQ(rig.controls.Selection(id), -1) << id;
  }
  EXPECT_EQ(rig.ShownEntry(ids::kHairStyle), "Short White");
}

TEST(PlayerData2Page, ACodePickRewritesOneCharacterOfThePackageAndRedisplays) {
  const struct {
    int id;
    int index;
    FieldId field;
    std::string package;
  } picks[] = {
      {ids::kPlayerType, 11, FieldId::PlayerType, ":LBCDpkg"},
      {ids::kHairStyle, 16, FieldId::HairStyle, ":LQCDpkg"},
      {ids::kFacialHair, 0, FieldId::FacialHair, ":LQADpkg"},
      {ids::kAccessories, 6, FieldId::Accessories, ":LQAGpkg"},
  };
  Rig rig(PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":ABCDpkg").At(4102, "keep"), 0);
  std::string expected = rig.File();
  for (const auto& p : picks) {
    rig.Pick(p.id, p.index);
    expected[Field(p.field).position] = static_cast<char>('A' + p.index);
    EXPECT_EQ(rig.File(), expected) << p.id;
    EXPECT_EQ(rig.Shown(ids::kPlayerPkg), p.package);
    // The redisplay alone: no overall, player list or roster list work.
    EXPECT_EQ(rig.host.calls, std::vector<std::string>{"ShowCurrentRecord"});
    rig.host.calls.clear();
  }
  EXPECT_EQ(rig.ShownEntry(ids::kPlayerType), "Dark Black 2");
}

TEST(PlayerData2Page, ATypedPackageNameSetsOrDisablesTheCodeLists) {
  Rig rig(PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":LQIGold"), 0);
  rig.Enter(ids::kPlayerPkg, ":CAAA");
  EXPECT_EQ(rig.Stored(FieldId::PlayerPkg), ":CAAA       ");
  EXPECT_EQ(rig.host.calls, std::vector<std::string>{"ShowCurrentRecord"});
  const std::string shown[] = {"White 1", "Bald", "None", "None"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rig.ShownEntry(kCodeLists[i]), shown[i]);

  rig.Enter(ids::kPlayerPkg, "PKG01");
  EXPECT_EQ(rig.Stored(FieldId::PlayerPkg), "PKG01       ");
  for (int id : kCodeLists) {
    EXPECT_FALSE(rig.controls.enabled[id]);
    EXPECT_EQ(rig.controls.Selection(id), -1);
  }
}

TEST(PlayerData2Page, TextsShowWithoutTrailingWhiteSpaceAndAreWrittenFilledToTheirWidth) {
  const struct {
    int id;
    FieldId field;
    std::string typed;
    std::string stored;  // as wide as the edit's limit
  } texts[] = {
      {ids::kPortrait, FieldId::Portrait, " Face", " Face       "},  // the tabs become spaces
      {ids::kPortrait, FieldId::Portrait, "", "            "},
      {ids::kActionPhoto, FieldId::ActionPhoto, "  Act.bmp", "  Act.bmp   "},
      {ids::kSpeechHeader, FieldId::SpeechHeader, "", "           "},
      {ids::kSpeechData, FieldId::SpeechData, "abcdefghijk", "abcdefghijk"},
      {ids::kPortrait, FieldId::Portrait, "Face 1.BMPxy", "Face 1.BMPxy"},
  };
  PlayerFileBuilder builder(1);
  builder.Raw(0, FieldId::Portrait, " Face\t\t\r")
      .Raw(0, FieldId::SpeechHeader, "Header")
      .At(Field(FieldId::SpeechHeader).position + 11, "Z");
  Rig rig(builder, 0);
  EXPECT_EQ(rig.Shown(ids::kPortrait), " Face");
  std::string expected = rig.File();
  for (const auto& t : texts) {
    rig.Enter(t.id, t.typed);
    expected.replace(Field(t.field).position, t.stored.size(), t.stored);
    EXPECT_EQ(rig.File(), expected) << t.typed;
    EXPECT_EQ(rig.controls.limits[t.id], std::ssize(t.stored)) << t.typed;
  }
  EXPECT_EQ(expected[Field(FieldId::SpeechHeader).position + 11], 'Z');
  EXPECT_TRUE(rig.host.calls.empty());
}

TEST(PlayerData2Page, NothingIsWrittenWithoutAFile) {
  Rig rig(PlayerFileBuilder(1).Raw(0, FieldId::PlayerPkg, ":ABCD"), 0);
  rig.host.file.ClosePlayerFile();
  const std::string before = rig.File();
  for (int id : {ids::kSkinColor, ids::kBodyType, ids::kPlayerType, ids::kAccessories}) {
    rig.Pick(id, 2);
  }
  rig.Click(ids::kIsRom);
  rig.Enter(ids::kPlayerPkg, ":BBBB");
  rig.Enter(ids::kPortrait, "x");
  EXPECT_EQ(rig.File(), before);
  EXPECT_TRUE(rig.host.calls.empty());
}

TEST(PlayerData2Page, ClearEmptiesEverythingButKeepsTheCodeListsEnabledState) {
  PlayerFileBuilder builder(1);
  builder.Raw(0, FieldId::SkinColor, "1").Raw(0, FieldId::IsRom, "T");
  builder.Raw(0, FieldId::Portrait, "Face").Raw(0, FieldId::PlayerPkg, "NoCodes");
  Rig rig(builder, 0);
  rig.page.Clear();
  for (int id = ids::kSkinColor; id <= ids::kHairStyle; ++id) {
    EXPECT_TRUE(rig.controls.entries[id].empty()) << id;
  }
  for (int id : kCodeLists) EXPECT_FALSE(rig.controls.enabled[id]);
  EXPECT_FALSE(rig.controls.enabled.contains(ids::kSkinColor));  // never disabled
  EXPECT_FALSE(rig.controls.Checked(ids::kIsRom));
  EXPECT_EQ(rig.Shown(ids::kPortrait), "");
  EXPECT_EQ(rig.Shown(ids::kPlayerPkg), "");
}

}  // namespace
