#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ChangeSetCodec.h"
#include "HistoryLocation.h"
#include "HistoryLog.h"
#include "PlayerFileBuilder.h"
#include "ScopedVariable.h"

namespace korvale::history {
namespace {

using testing::ScopedVariable;
using testing::TempDir;

// A history in its own folder for a roster that need not exist, on a
// clock the test sets.
struct LogBench {
  explicit LogBench(HistoryLimits limits = {})
      : folder("KORVALE_HISTORY_DIR", (dir / "history").string()),
        log((dir / "Players.dbf").string(), [this] { return now; }, limits) {}

  std::uint64_t Append(std::int64_t time) {
    now = time;
    return log.Append(Program::Import, {{3, FieldId::Speed, "20", "40"}});
  }
  std::vector<std::uint64_t> Ids() const {
    std::vector<std::uint64_t> ids;
    for (const ChangeSet& set : log.Read()) ids.push_back(set.id);
    return ids;
  }

  TempDir dir;
  ScopedVariable folder;
  std::int64_t now = 0;
  HistoryLog log;
};

TEST(HistoryLog, AChangeSetCutShortIsIgnoredAndCutOffByTheNextAppend) {
  // Cut 1 byte, half a set, all but its first byte.
  for (const std::size_t cut : {std::size_t{1}, std::size_t{20}, std::size_t{43}}) {
    LogBench bench;
    for (int i = 0; i < 3; ++i) bench.Append(1000 + i);
    const std::filesystem::path file = bench.log.Path();
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - cut);
    EXPECT_EQ(bench.Ids(), (std::vector<std::uint64_t>{1, 2})) << cut;
    HistoryLog next(bench.log.RosterPath(), [] { return 2000; });
    EXPECT_EQ(next.Append(Program::Undo, {{3, FieldId::Speed, "40", "20"}}), 3U);
    const std::vector<ChangeSet> sets = next.Read();
    ASSERT_EQ(sets.size(), 3U) << cut;
    EXPECT_EQ(sets[2].time, 2000);
    EXPECT_EQ(sets[2].program, Program::Undo);
    EXPECT_EQ(sets[2].changes[0].oldBytes, "40");
    EXPECT_EQ(sets[2].changes[0].newBytes, "20");
  }
}

// A set as it was written before players were recorded: "KVH1" and no
// player list.
std::string OldFormSet(std::uint64_t id, std::int64_t time) {
  std::string frame =
      EncodeChangeSet({id, time, Program::Editor, {{2, FieldId::Speed, "30", "35"}}, {}});
  frame.resize(frame.size() - kChecksumSize - 4);  // no checksum, no player count
  frame.replace(0, 4, kOldSetMagic);
  const std::uint32_t body = static_cast<std::uint32_t>(frame.size() - kFrameHead);
  for (int i = 0; i < 4; ++i) frame[4 + i] = static_cast<char>((body >> (8 * i)) & 0xFF);
  const std::uint32_t sum = SetChecksum(frame);
  for (int i = 0; i < 4; ++i) frame += static_cast<char>((sum >> (8 * i)) & 0xFF);
  return frame;
}

// Damage anywhere is kept and passed over: every intact set is read,
// the next set goes after the last frame, and no id is given twice.
TEST(HistoryLog, DamageIsKeptPassedOverAndNamed) {
  const struct {
    std::size_t set;   // which set (0-based) is damaged
    std::size_t byte;  // which of its bytes
    std::uint64_t namedId;
  } cases[] = {
      {1, 0, 0},   // its frame mark
      {1, 5, 2},   // its length
      {1, 30, 2},  // its body
      {2, 30, 3},  // the newest set's body
      {2, 14, 0},  // the newest set's id: too far out to name it
  };
  for (const auto& c : cases) {
    LogBench bench;
    const std::filesystem::path file = bench.log.Path();
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << OldFormSet(1, 999);
    bench.Append(1000);
    bench.Append(1001);
    bench.log.Mark(2, SetState::Applied);
    bench.log.Mark(3, SetState::NotApplied);
    std::string bytes = testing::ReadAll(file);
    const std::vector<HistoryEntry> before = bench.log.Scan().entries;
    ASSERT_EQ(before.size(), 3U);
    EXPECT_EQ(before[1].state, SetState::Applied);
    EXPECT_EQ(before[2].state, SetState::NotApplied);
    bytes[before[c.set].offset + c.byte] ^= 0x40;
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;

    const HistoryScan scan = bench.log.Scan();
    ASSERT_EQ(scan.entries.size(), 3U) << c.set << ' ' << c.byte;
    EXPECT_TRUE(scan.entries[c.set].damaged);
    EXPECT_EQ(scan.entries[c.set].id, c.namedId) << c.set << ' ' << c.byte;
    EXPECT_EQ(scan.appendAt, bytes.size());
    HistoryLog next(bench.log.RosterPath(), [] { return 2000; });
    EXPECT_EQ(next.Append(Program::Undo, {{3, FieldId::Speed, "40", "20"}}), 4U);
    EXPECT_EQ(testing::ReadAll(file).substr(0, bytes.size()), bytes);
    std::vector<std::uint64_t> ids;
    for (const ChangeSet& set : next.Read()) ids.push_back(set.id);
    std::vector<std::uint64_t> intact{1, 2, 3};
    intact.erase(intact.begin() + static_cast<std::ptrdiff_t>(c.set));
    intact.push_back(4);
    EXPECT_EQ(ids, intact) << c.set << ' ' << c.byte;
    EXPECT_FALSE(next.Read().front().knowsPlayers);  // the old form reads without players
  }
}

TEST(HistoryLog, LimitsDropTheOldestSetsFirst) {
  const std::uint64_t setSize =
      EncodeChangeSet({1, 0, Program::Import, {{3, FieldId::Speed, "20", "40"}}, {}}).size();
  const struct {
    HistoryLimits limits;
    std::vector<std::int64_t> times;
    std::vector<std::uint64_t> kept;
  } cases[] = {
      {{100, 1U << 20}, {0, 50, 120, 160}, {3, 4}},     // older than 100 s at 160
      {{100, 1U << 20}, {0, 50, 100, 101}, {2, 3, 4}},  // 100 s old is kept
      {{1000, 3 * setSize}, {0, 1, 2, 3, 4}, {3, 4, 5}},
      {{1000, 3 * setSize - 1}, {0, 1, 2, 3, 4}, {4, 5}},
      {{1000, setSize / 2}, {0, 1}, {2}},  // a set larger than the limit is kept alone
      {{100, 3 * setSize}, {0, 10, 20, 150}, {4}},
  };
  for (const auto& c : cases) {
    LogBench bench(c.limits);
    for (const std::int64_t time : c.times) bench.Append(time);
    EXPECT_EQ(bench.Ids(), c.kept) << c.limits.maxAgeSeconds << ' ' << c.limits.maxBytes;
    EXPECT_EQ(std::filesystem::file_size(bench.log.Path()), c.kept.size() * setSize);
  }
}

// The writes of an import or an undo as one change set: every write that
// changes a field in its order, and each record's player once, where the
// record is first met, in file order or not and however far on.
TEST(ChangeSetCodec, ASpanSetNamesEachRecordsPlayerOnceWhereFirstMet) {
  const std::int64_t far = std::int64_t{1} << 25;
  struct Write {
    std::int64_t record;
    FieldId field;
    std::string newBytes;
  };
  const std::vector<Write> writes = {
      {7, FieldId::Speed, "12 "},    {3, FieldId::Speed, "14 "},
      {9, FieldId::Speed, "10 "},    {7, FieldId::Clutch, "16 "},
      {far, FieldId::Speed, "18 "},  {3, FieldId::Height, "20 "},
      {far, FieldId::Clutch, "22 "}, {far + 1, FieldId::Speed, "24 "},
      {7, FieldId::Jumping, "26 "}};
  std::vector<Span> spans;
  for (const Write& w : writes)
    spans.push_back({Field(w.field).OffsetIn(w.record), "10 ", w.newBytes});
  const RosterBytes read = [](std::uint64_t offset, std::size_t n) {
    return std::string(n, static_cast<char>('a' + offset % 26));
  };

  const auto set = DecodeSet(EncodeSpanSet(4, 1000, Program::Import, spans, read));

  ASSERT_TRUE(set.has_value());
  std::vector<std::int64_t> changed;
  for (const FieldChange& c : set->changes) changed.push_back(c.record);
  EXPECT_EQ(changed, (std::vector<std::int64_t>{7, 3, 7, far, 3, far, far + 1, 7}));  // 9 unchanged
  std::vector<std::int64_t> players;
  for (const PlayerBefore& p : set->players) {
    players.push_back(p.record);
    EXPECT_EQ(p.lastName, read(Field(FieldId::LastName).OffsetIn(p.record),
                               Field(FieldId::LastName).readWidth));
  }
  EXPECT_EQ(players, (std::vector<std::int64_t>{7, 3, far, far + 1}));
}

TEST(HistoryLocation, TheUsersStateFolderUnlessOneIsNamed) {
  const struct {
    std::optional<std::string> chosen, state, home;
    std::string folder;
  } cases[] = {
      {"/h/chosen", "/h/state", "/h/home", "/h/chosen"},
      {std::nullopt, "/h/state", "/h/home", "/h/state/korvale/history"},
      {"", "/h/state", "/h/home", "/h/state/korvale/history"},
      {std::nullopt, std::nullopt, "/h/home", "/h/home/.local/state/korvale/history"},
      {std::nullopt, "relative", "/h/home", "/h/home/.local/state/korvale/history"},
      {std::nullopt, std::nullopt, std::nullopt, ""},
  };
  for (const auto& c : cases) {
    const ScopedVariable chosen("KORVALE_HISTORY_DIR", c.chosen);
    const ScopedVariable state("XDG_STATE_HOME", c.state);
    const ScopedVariable home("HOME", c.home);
    EXPECT_EQ(HistoryFolder().string(), c.folder) << c.folder;
  }
}

TEST(HistoryLocation, OneFilePerRosterByItsFullPath) {
  TempDir dir;
  std::filesystem::create_directory(dir / "a");
  std::filesystem::create_directory(dir / "b");
  std::filesystem::create_directory_symlink(dir / "a", dir / "link");
  const std::string name = HistoryFileName((dir / "a" / "Players.dbf").string());
  EXPECT_EQ(HistoryFileName((dir / "link" / "Players.dbf").string()), name);
  EXPECT_EQ(HistoryFileName((dir / "a" / ".." / "a" / "Players.dbf").string()), name);
  EXPECT_NE(HistoryFileName((dir / "b" / "Players.dbf").string()), name);
  EXPECT_NE(name.find("a_Players.dbf-"), std::string::npos) << name;
}

}  // namespace
}  // namespace korvale::history
