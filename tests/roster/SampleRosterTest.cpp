#include <gtest/gtest.h>

#include <map>
#include <set>

#include "DbaseHeader.h"
#include "PlayerFileBuilder.h"
#include "PlayerFileState.h"
#include "Ratings.h"
#include "SampleRoster.h"
#include "StoredForms.h"

namespace korvale {
namespace {

std::string Stored(const std::string& file, int record, FieldId id) {
  return testing::FieldBytes(file, record, id);
}

// The bytes the editor would write for the value it reads from them.
std::string Normalised(const FieldDescriptor& f, const std::string& stored) {
  if (f.form == StoredForm::Text) {
    return EncodeText(f.trimmed ? TrimTrailing(stored) : stored, f.readWidth);
  }
  if (f.form == StoredForm::Flag) return EncodeFlag(DecodeFlag(stored));
  if (f.form == StoredForm::Letter) return stored;
  return EncodeValue(f, ReadNumber(stored));
}

TEST(SampleRoster, DefaultRosterHasTheTeamsAndFreeAgents) {
  const std::string file = SampleRosterBytes();
  ASSERT_EQ(file.size(), kDbaseHeaderLength + kRecordLength * kSamplePlayers);
  EXPECT_EQ(file.substr(0, kDbaseHeaderLength), DbaseHeader(kSamplePlayers));
  std::map<int, std::vector<int>> slots;
  std::set<int> ids;
  for (int k = 0; k < kSamplePlayers; ++k) {
    slots[ReadNumber(Stored(file, k, FieldId::Team))].push_back(
        ReadNumber(Stored(file, k, FieldId::RosterSlot)));
    EXPECT_TRUE(ids.insert(ReadNumber(Stored(file, k, FieldId::PlayerId))).second) << k;
  }
  ASSERT_EQ(slots.size(), 30u);
  for (const auto& [team, list] : slots) {
    if (team < 29) {
      EXPECT_TRUE(list.size() >= 13 && list.size() <= 15) << team;
    }
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i], static_cast<int>(i));
  }
}

TEST(SampleRoster, EveryFieldInRangeAndInItsStoredForm) {
  const std::string file = SampleRosterBytes(kSamplePlayers, 7);
  int colonPackages = 0;
  for (int k = 0; k < kSamplePlayers; ++k) {
    EXPECT_EQ(file[kDbaseHeaderLength + kRecordLength * k], ' ');
    for (const FieldDescriptor& f : kRecordLayout) {
      const std::string stored = Stored(file, k, IdOf(f));
      if (f.form != StoredForm::Text && f.form != StoredForm::Letter &&
          f.form != StoredForm::Flag) {
        EXPECT_TRUE(f.Accepts(ReadNumber(stored))) << k << ' ' << f.name << " '" << stored << "'";
      }
      EXPECT_EQ(Normalised(f, stored), stored) << k << ' ' << f.name;
    }
    for (const FieldId id : kRatingFields) {
      EXPECT_EQ(ReadNumber(Stored(file, k, id)) % 2, 0);
      EXPECT_EQ(testing::SpanBytes(file, k, Field(id).position + 2, 1), " ");
    }
    if (Stored(file, k, FieldId::PlayerPkg)[0] != ':') continue;
    ++colonPackages;
    EXPECT_TRUE(DecodeLetter(Stored(file, k, FieldId::PlayerType), 12));
    EXPECT_TRUE(DecodeLetter(Stored(file, k, FieldId::HairStyle), 17));
    EXPECT_TRUE(DecodeLetter(Stored(file, k, FieldId::FacialHair), 9));
    EXPECT_TRUE(DecodeLetter(Stored(file, k, FieldId::Accessories), 7));
  }
  EXPECT_GT(colonPackages, kSamplePlayers * 3 / 4);
}

TEST(SampleRoster, SameSeedSameBytesAndSmallRostersStayConsistent) {
  EXPECT_EQ(SampleRosterBytes(50, 3), SampleRosterBytes(50, 3));
  EXPECT_NE(SampleRosterBytes(50, 3), SampleRosterBytes(50, 4));
  for (const int players : {0, 1, 28, 29, 100, 435, 1000}) {
    const std::vector<int> teams = SampleTeams(players, kSampleSeed);
    ASSERT_EQ(teams.size(), static_cast<std::size_t>(players));
    EXPECT_TRUE(std::is_sorted(teams.begin(), teams.end())) << players;
    if (players >= 29 && players <= 29 * 13) {
      EXPECT_EQ(std::set<int>(teams.begin(), teams.end()).size(), 29u) << players;
    }
  }
  // The first records do not depend on how many follow.
  EXPECT_EQ(SampleRosterBytes(1000).substr(kDbaseHeaderLength, kRecordLength * 400),
            SampleRosterBytes(440).substr(kDbaseHeaderLength, kRecordLength * 400));
}

TEST(SampleRoster, WritingRefusesAnExistingFileUnlessForced) {
  testing::TempDir dir;
  const auto path = dir / "Players.dbf";
  EXPECT_EQ(WriteSampleRoster(path, 20), SampleWrite::Created);
  EXPECT_EQ(testing::ReadAll(path), SampleRosterBytes(20));
  EXPECT_EQ(WriteSampleRoster(path, 30), SampleWrite::Exists);
  EXPECT_EQ(testing::ReadAll(path).size(), SampleRosterBytes(20).size());
  EXPECT_EQ(WriteSampleRoster(path, 30, kSampleSeed, true), SampleWrite::Created);
  EXPECT_EQ(testing::ReadAll(path), SampleRosterBytes(30));
  EXPECT_EQ(WriteSampleRoster(dir / "missing" / "Players.dbf"), SampleWrite::Failed);
}

}  // namespace
}  // namespace korvale
