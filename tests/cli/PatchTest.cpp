#include <array>

#include "CliFixture.h"
#include "DbaseHeader.h"
#include "SampleRoster.h"
#include "ScopedVariable.h"

namespace korvale::cli {
namespace {

using testing::PlayerFileBuilder;
using testing::ReadAll;

constexpr const char* kHeader = "PlayerId,LastName,FirstName,Record,Field,Old,New\n";

class PatchTest : public CliTest {
 protected:
  PatchTest() : folder_("KORVALE_HISTORY_DIR", Path("history")) {}

  // The roster with each record's bytes moved to `order[k]`.
  static std::string Reordered(const std::string& roster, const std::vector<int>& order) {
    std::string out = roster;
    for (std::size_t k = 0; k < order.size(); ++k) {
      out.replace(kDbaseHeaderLength + kRecordLength * static_cast<std::size_t>(order[k]),
                  kRecordLength,
                  roster.substr(kDbaseHeaderLength + kRecordLength * k, kRecordLength));
    }
    return out;
  }

 private:
  testing::ScopedVariable folder_;
};

// Three players, ids 100 to 102, each 70 tall; record 1 is Okafor, Emeka.
struct Roster {
  std::array<int, 3> heights{70, 70, 70};
  int id2 = 102;
  const char* last2 = "Diaz";
};

struct ApplyCase {
  const char* name;
  Roster roster;
  const char* rows;
  std::vector<std::string> options;
  int code;
  const char* said;  // in the output or the errors
  std::array<int, 3> heights;
};

const ApplyCase kApplyCases[] = {
    {"applied",
     {},
     "101,Okafor,Emeka,1,Height,70,75\n",
     {},
     0,
     "1 field applied, 0 already applied, 0 in conflict\n",
     {70, 75, 70}},
    {"already applied",
     {{70, 75, 70}},
     "101,Okafor,Emeka,1,Height,70,75\n",
     {},
     0,
     "0 fields applied, 1 already applied, 0 in conflict\n",
     {70, 75, 70}},
    {"conflict",
     {{70, 72, 70}},
     "100,Ng,Li,0,Height,70,71\n101,Okafor,Emeka,1,Height,70,75\n",
     {},
     1,
     "conflict: record 1 (id 101) Height: 70 -> 75, but it holds 72\n",
     {70, 72, 70}},
    {"forced",
     {{70, 72, 70}},
     "101,Okafor,Emeka,1,Height,70,75\n",
     {"--force"},
     0,
     "0 fields applied, 0 already applied, 1 in conflict (written over)\n",
     {70, 75, 70}},
    {"missing key",
     {},
     "100,Ng,Li,0,Height,70,71\n999,Okafor,Emeka,1,Height,70,75\n",
     {},
     1,
     "3:PlayerId: 999 names no player\n",
     {70, 70, 70}},
    {"repeated key",
     {{70, 70, 70}, 101},
     "101,Okafor,Emeka,1,Height,70,75\n",
     {},
     1,
     "2:PlayerId: 101 names records 1 and 2\n",
     {70, 70, 70}},
    {"by record",
     {},
     "999,Okafor,Emeka,1,Height,70,75\n",
     {"--match", "record", "--verbose"},
     0,
     "record 1 (id 101) Height: 70 -> 75\n",
     {70, 75, 70}},
    {"missing record",
     {},
     "101,Okafor,Emeka,3,Height,70,75\n",
     {"--match", "record"},
     1,
     "2:Record: 3 names no player\n",
     {70, 70, 70}},
    {"by name",
     {},
     "999,Okafor,Emeka,0,Height,70,75\n",
     {"--match", "name"},
     0,
     "1 field applied",
     {70, 75, 70}},
    {"repeated name",
     {{70, 70, 70}, 102, "Okafor"},
     "999,Okafor,Emeka,0,Height,70,75\n",
     {"--match", "name"},
     1,
     "2:LastName, FirstName: \"Okafor\", \"Emeka\" names records 1 and 2\n",
     {70, 70, 70}},
    {"checked as import checks",
     {},
     "100,Ng,Li,0,Height,70,71\n101,Okafor,Emeka,1,Height,70,95\n",
     {},
     1,
     "3:Height: 95 outside 60..91\n",
     {70, 70, 70}},
    {"dry run",
     {},
     "101,Okafor,Emeka,1,Height,70,75\n",
     {"--dry-run"},
     0,
     "dry run: nothing was written\n",
     {70, 70, 70}},
};

TEST_F(PatchTest, ApplyFindsPlayersComparesEachFieldAndWritesAllOrNothing) {
  for (const ApplyCase& c : kApplyCases) {
    const auto build = [&](const std::array<int, 3>& heights, int id2, const char* last2) {
      PlayerFileBuilder b(3);
      const std::array<const char*, 3> last{"Ng", "Okafor", last2};
      for (int k = 0; k < 3; ++k) {
        b.Number(k, FieldId::PlayerId, k == 2 ? id2 : 100 + k).Text(k, FieldId::LastName, last[k]);
        b.Text(k, FieldId::FirstName, k == 0 ? "Li" : "Emeka");
        b.Number(k, FieldId::Height, heights[static_cast<std::size_t>(k)]);
      }
      return b;
    };
    const std::string roster = Make(build(c.roster.heights, c.roster.id2, c.roster.last2));
    std::vector<std::string> args{"apply", roster, Write("p.csv", std::string(kHeader) + c.rows)};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const Outcome o = Run(args);
    EXPECT_EQ(o.code, c.code) << c.name << '\n' << o.out << o.err;
    EXPECT_NE((o.out + o.err).find(c.said), std::string::npos) << c.name << '\n' << o.out << o.err;
    EXPECT_EQ(ReadAll(roster), build(c.heights, c.roster.id2, c.roster.last2).Bytes()) << c.name;
  }
}

// Every field kind through a patch from diff and from the history, in each
// table form, onto the roster with its records in another order; undo
// takes the apply back.
TEST_F(PatchTest, PatchesMakeTheSameRosterFromAnotherOrderAndUndoTakesThemBack) {
  ASSERT_EQ(WriteSampleRoster(Path("a.dbf"), 12), SampleWrite::Created);
  const std::string a = Path("a.dbf");
  ASSERT_EQ(Run({"import", a, Write("t.csv", "Record,Height\n7,80\n")}).code, 0);
  const std::string b = Write("b.dbf", ReadAll(a));
  ASSERT_EQ(Run({"import", b,
                 Write("t.csv",
                       "Record,Height,LastName,IsHidden,JumpShooting,Position,HairStyle,Nickname\n"
                       "1,85,\"O'Neil, Jr.\",true,90,2,3,\"=1+1\"\n"
                       "5,,\"Gómez\",,,Center,,\n7,88,,,,,,\n")})
                .code,
            0);
  ASSERT_EQ(Run({"import", b, Write("t.csv", "Record,Height\n7,80\n")}).code, 0);
  const std::vector<int> order{5, 0, 1, 2, 3, 4, 6, 7, 8, 11, 10, 9};
  const std::string shuffledA = Reordered(ReadAll(a), order);
  const std::string shuffledB = Reordered(ReadAll(b), order);
  const std::vector<std::vector<std::string>> makers{
      {"diff", a, b, "--patch", "-o", Path("p.csv")},
      {"diff", a, b, "--patch", "--labels", "-o", Path("p.json")},
      {"diff", a, b, "--patch", "--excel", "--delimiter", ";", "-o", Path("p.csv")},
      {"history", b, "--since", "1h", "--patch", "-o", Path("p.csv")},
  };
  for (const auto& maker : makers) {
    const std::string name = maker[0] + ' ' + maker[3] + ' ' + maker[4];
    const Outcome made = Run(maker);
    ASSERT_EQ(made.code, 0) << name << made.err;
    const std::string patch = maker.back();
    for (const char* changedBack : {",7,\"Height\"", "\"Record\":7,\"Field\":\"Height\""}) {
      EXPECT_EQ(ReadAll(patch).find(changedBack), std::string::npos) << name << ReadAll(patch);
    }
    const std::string c = Write("c.dbf", shuffledA);
    const Outcome applied = Run({"apply", c, patch});
    EXPECT_EQ(applied.code, 0) << name << applied.err;
    EXPECT_EQ(ReadAll(c), shuffledB) << name << '\n' << ReadAll(patch);
    EXPECT_EQ(Run({"undo", c, "--last", "1"}).code, 0);
    EXPECT_EQ(ReadAll(c), shuffledA) << name;
  }
}

}  // namespace
}  // namespace korvale::cli
