#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "DbaseHeader.h"
#include "RecordLayout.h"

namespace korvale {
namespace {

std::vector<std::uint16_t> Range(std::uint16_t from, std::uint16_t to) {
  std::vector<std::uint16_t> out;
  for (std::uint16_t p = from; p <= to; ++p) out.push_back(p);
  return out;
}

std::set<std::uint16_t> NeverTouched() {
  std::set<std::uint16_t> bytes;
  const std::vector<std::vector<std::uint16_t>> spans = {Range(3752, 3753),
                                                         {3756},
                                                         Range(3760, 3761),
                                                         Range(3764, 3767),
                                                         Range(3770, 3771),
                                                         {3904},
                                                         {3955},
                                                         {3959},
                                                         {3963},
                                                         Range(3971, 3996),
                                                         Range(4006, 4007),
                                                         Range(4010, 4028),
                                                         {4033},
                                                         Range(4058, 4065),
                                                         {4077},
                                                         {4089},
                                                         Range(4102, 4182),
                                                         {4185},
                                                         {4188},
                                                         {4189},
                                                         {4191},
                                                         {4194}};
  for (const auto& span : spans) bytes.insert(span.begin(), span.end());
  for (std::uint16_t p = 3774; p <= 3825; p += 3) bytes.insert(p);
  return bytes;
}

TEST(RecordLayout, UncoveredBytesAreExactlyTheNeverTouchedOnes) {
  std::set<std::uint16_t> uncovered;
  for (std::uint16_t p = FirstFieldPosition(); p < FieldSpanEnd(); ++p) {
    if (!IsFieldByte(p)) uncovered.insert(p);
  }
  EXPECT_EQ(uncovered, NeverTouched());
  EXPECT_EQ(FirstFieldPosition(), 3747);
  EXPECT_EQ(FieldSpanEnd(), 4279);
}

TEST(RecordLayout, EveryFieldIsFoundByNameAndLiesInsideTheSpan) {
  std::set<std::string_view> names;
  for (const FieldDescriptor& f : kRecordLayout) {
    ASSERT_EQ(FieldByName(f.name), &f) << f.name;
    EXPECT_EQ(&Field(IdOf(f)), &f);
    EXPECT_GE(f.position, 3747) << f.name;
    EXPECT_LE(f.position + f.readWidth, 4279) << f.name;
    EXPECT_GE(f.readWidth, 1);
    EXPECT_LE(f.readWidth, 26);
    names.insert(f.name);
  }
  EXPECT_EQ(names.size(), kFieldCount);
  EXPECT_EQ(FieldByName("Nope"), nullptr);
  EXPECT_EQ(FieldByName("Nickname")->readWidth, 26);
  EXPECT_EQ(FieldByName("Nickname")->writeWidth, 25);
}

TEST(RecordLayout, FieldsAreInPositionOrderAndOnlyTheCodesOverlap) {
  for (std::size_t i = 1; i < kFieldCount; ++i) {
    const auto& prev = kRecordLayout[i - 1];
    const auto& cur = kRecordLayout[i];
    EXPECT_LT(prev.position, cur.position) << cur.name;
    const bool overlaps = prev.position + prev.readWidth > cur.position;
    const bool code = cur.form == StoredForm::Letter;
    EXPECT_TRUE(!overlaps || code || kRecordLayout[i - 1].form == StoredForm::Letter) << cur.name;
  }
  const auto& pkg = Field(FieldId::PlayerPkg);
  for (FieldId code :
       {FieldId::PlayerType, FieldId::HairStyle, FieldId::FacialHair, FieldId::Accessories}) {
    EXPECT_GT(Field(code).position, pkg.position);
    EXPECT_LT(Field(code).position, pkg.position + pkg.readWidth);
  }
}

TEST(RecordLayout, ReadOnlyFieldsAreNeverWritten) {
  std::set<std::string_view> readOnly;
  for (const auto& f : kRecordLayout) {
    if (!f.written) readOnly.insert(f.name);
  }
  EXPECT_EQ(readOnly,
            (std::set<std::string_view>{"PlayerId", "RosterSlot", "Team", "OverallRating"}));
}

TEST(DbaseHeader, ColumnsDescribeEveryRecordByteOnceWithUniqueShortNames) {
  const auto& columns = DbaseColumns();
  ASSERT_EQ(columns.size(), kDbaseColumnCount);
  std::uint16_t next = 1;
  std::set<std::string> names;
  for (const auto& c : columns) {
    EXPECT_EQ(c.start, next) << c.name;
    EXPECT_GE(c.length, 1);
    EXPECT_LE(c.name.size(), 10u);
    EXPECT_TRUE(names.insert(c.name).second) << c.name;
    next = static_cast<std::uint16_t>(c.start + c.length);
  }
  EXPECT_EQ(next, kRecordLength);
}

TEST(DbaseHeader, HeaderCarriesCountLengthsAndTerminator) {
  const std::string h = DbaseHeader(440);
  ASSERT_EQ(h.size(), kDbaseHeaderLength);
  EXPECT_EQ(h[0], 0x03);
  EXPECT_EQ(static_cast<unsigned char>(h[4]) | (static_cast<unsigned char>(h[5]) << 8), 440);
  EXPECT_EQ(static_cast<unsigned char>(h[8]) | (static_cast<unsigned char>(h[9]) << 8), 3745);
  EXPECT_EQ(static_cast<unsigned char>(h[10]) | (static_cast<unsigned char>(h[11]) << 8), 614);
  EXPECT_EQ(h[32 + 32 * 116], 0x0D);
  EXPECT_EQ(h.substr(32, 10), std::string("FILLER01\0\0", 10));
  // The first field column begins where the layout puts PlayerNumber.
  EXPECT_EQ(DbaseColumns()[1].name, "PlayerNumb");
  EXPECT_EQ(kDbaseHeaderLength + DbaseColumns()[1].start, Field(FieldId::PlayerNumber).position);
}

}  // namespace
}  // namespace korvale
