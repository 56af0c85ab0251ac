#include "SampleRoster.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

#include "DbaseHeader.h"
#include "OutputFile.h"
#include "Ratings.h"
#include "StoredForms.h"

namespace korvale {
namespace {

// SplitMix64: tiny, fast and the same on every platform, unlike the
// standard distributions.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }
  int Between(int low, int high) { return low + Below(high - low + 1); }
  template <typename T, std::size_t N>
  T Pick(const std::array<T, N>& items) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::uint64_t state_;
};

constexpr int kTeams = 29;
constexpr int kFreeAgents = 29;
constexpr int kMaxPlayerId = 9999;

constexpr std::array<std::string_view, 48> kFirstNames{
    "Aaron",  "Andre",   "Ben",    "Byron",   "Calvin", "Carl",    "Cedric", "Chris",
    "Curtis", "Damon",   "Darius", "Dennis",  "Derek",  "Devin",   "Eddie",  "Elliot",
    "Eric",   "Felix",   "Frank",  "Gavin",   "Glen",   "Grant",   "Harold", "Isaac",
    "Jalen",  "Jamal",   "Jerome", "Joel",    "Keith",  "Kendall", "Lamar",  "Leon",
    "Marcus", "Martin",  "Nate",   "Neil",    "Omar",   "Owen",    "Paul",   "Reggie",
    "Roland", "Russell", "Sam",    "Terrell", "Tony",   "Victor",  "Wade",   "Xavier"};
constexpr std::array<std::string_view, 24> kNameStarts{
    "Al",  "Bran", "Cor", "Dal",  "Ev",  "Fen", "Gar", "Hal", "Jor", "Kel", "Lan", "Mor",
    "Nor", "Ost",  "Pem", "Quin", "Ros", "Sel", "Tor", "Umb", "Val", "Wyn", "Yar", "Zel"};
constexpr std::array<std::string_view, 16> kNameEnds{
    "den",  "ford", "by",  "well", "ston", "ridge", "ley",  "more",
    "wick", "ton",  "ham", "son",  "dale", "worth", "mont", "ick"};
constexpr std::array<std::string_view, 8> kTownEnds{"ville", "port",  "field", "burg",
                                                    "haven", "brook", "falls", "mouth"};
constexpr std::array<std::string_view, 20> kStates{
    "Alabama",    "California", "Georgia",  "Illinois",     "Indiana",
    "Kentucky",   "Louisiana",  "Maryland", "Michigan",     "Mississippi",
    "New Jersey", "New York",   "Ohio",     "Pennsylvania", "Texas",
    "Virginia",   "Washington", "Oregon",   "Florida",      "North Carolina"};
constexpr std::array<std::string_view, 10> kNicknames{
    "Ace", "Rocket", "Slim", "Hammer", "Sky", "Tank", "Smooth", "Blaze", "Professor", "Jet"};
constexpr std::array<std::string_view, 29> kTeamAbbreviations{
    "ATL", "BOS", "CHA", "CHI", "CLE", "DAL", "DEN", "DET", "GSW", "HOU",
    "IND", "LAC", "LAL", "MIA", "MIL", "MIN", "NJN", "NYK", "ORL", "PHI",
    "PHO", "POR", "SAC", "SAS", "SEA", "TOR", "UTA", "VAN", "WAS"};

// The seed of one record, so that every record can be made on its own.
std::uint64_t RecordSeed(std::uint64_t seed, int record) {
  Random mix(seed ^ (0xD1B54A32D192ED03ULL * (static_cast<std::uint64_t>(record) + 1)));
  return mix.Next();
}

class RecordBytes {
 public:
  RecordBytes() : bytes_(BlankRecord()) {}
  void Text(FieldId id, std::string_view text) { Put(id, EncodeText(text, Field(id).writeWidth)); }
  void Value(FieldId id, std::int64_t value) { Put(id, EncodeValue(Field(id), value)); }
  [[nodiscard]] std::string Take() { return std::move(bytes_); }

 private:
  void Put(FieldId id, const std::string& stored) {
    bytes_.replace(Field(id).position - kDbaseHeaderLength, stored.size(), stored);
  }
  std::string bytes_;
};

std::string LastNameOf(Random& r) {
  std::string name(r.Pick(kNameStarts));
  name += r.Pick(kNameEnds);
  if (r.Below(5) == 0) name += r.Pick(kNameEnds);
  return name;
}

std::string TownOf(Random& r) {
  return std::string(r.Pick(kNameStarts)) + std::string(r.Pick(kTownEnds));
}

void PutBody(RecordBytes& out, Random& r, int position) {
  static constexpr std::array<int, 5> kLowHeight{82, 79, 77, 74, 70};
  const int height = kLowHeight[static_cast<std::size_t>(position)] + r.Below(7);
  out.Value(FieldId::Position, position);
  out.Value(FieldId::SecondPosition,
            r.Below(3) == 0 ? -1 : std::clamp(position + (r.Below(2) == 0 ? -1 : 1), 0, 4));
  out.Value(FieldId::Height, height);
  out.Value(FieldId::Weight, std::clamp(165 + (height - 70) * 6 + r.Below(31) - 15, 133, 350));
  out.Value(FieldId::BodyType, r.Below(9));
  out.Value(FieldId::Hand, r.Below(8) == 0 ? 1 : 0);
}

void PutNames(RecordBytes& out, Random& r) {
  out.Text(FieldId::FirstName, r.Pick(kFirstNames));
  out.Text(FieldId::LastName, LastNameOf(r));
  out.Text(FieldId::Nickname, r.Below(6) == 0 ? r.Pick(kNicknames) : std::string_view{});
  out.Text(FieldId::BirthTown, TownOf(r));
  out.Text(FieldId::BirthState, r.Pick(kStates));
}

void PutBirthAndDraft(RecordBytes& out, Random& r) {
  const int year = r.Between(1962, 1977);
  out.Value(FieldId::BirthYear, year);
  out.Value(FieldId::BirthMonth, r.Between(1, 12));
  out.Value(FieldId::BirthDay, r.Between(1, 28));
  const int rookieYear = std::min(year + 21 + r.Below(2), 1997);
  out.Value(FieldId::YearsPro, 1997 - rookieYear);
  const bool drafted = r.Below(6) != 0;
  const int round = drafted ? r.Between(1, 2) : -1;
  const int place = drafted ? r.Between(1, kTeams) : -1;
  out.Value(FieldId::DraftRound, round);
  out.Value(FieldId::DraftPlace, place);
  out.Value(FieldId::DraftOverall, drafted ? (round - 1) * kTeams + place : -1);
  out.Value(FieldId::DraftYear, drafted ? rookieYear : 0);
  out.Text(FieldId::DraftedBy, drafted ? r.Pick(kTeamAbbreviations) : std::string_view{});
}

// Ratings around a player's own level; returns the sum that the overall uses.
int PutRatings(RecordBytes& out, Random& r, int position) {
  const int level = r.Between(55, 85);
  int sum = 0;
  for (const FieldId id : kRatingFields) {
    const int rating = std::clamp(level + r.Below(25) - 12, kLowestRating, kHighestRating);
    out.Value(id, CodeFromRating(rating));
    sum += rating;
  }
  out.Value(FieldId::OverallRating, sum / static_cast<int>(kRatingFields.size()));
  out.Value(FieldId::ShootingRange, position >= 3 ? r.Between(18, 25) : r.Between(8, 20));
  out.Value(FieldId::ShootingRange2, position >= 3 ? r.Between(8, 17) : r.Between(0, 10));
  out.Value(FieldId::DunkPackage, r.Below(7));
  out.Value(FieldId::PreferredDunk, r.Below(6));
  return sum;
}

void PutLooks(RecordBytes& out, Random& r, int id) {
  const int skin = r.Below(6);
  out.Value(FieldId::SkinColor, skin);
  const std::string number = DecimalText(id);
  out.Text(FieldId::Portrait, "pt" + number + ".bmp");
  out.Text(FieldId::ActionPhoto, "ap" + number + ".bmp");
  out.Text(FieldId::SpeechHeader, "sh" + number + ".hdr");
  out.Text(FieldId::SpeechData, "sd" + number + ".dat");
  if (r.Below(12) == 0) {
    out.Text(FieldId::PlayerPkg, "pkg" + number);
    return;
  }
  std::string pkg = ":";
  pkg += EncodeLetter(2 * skin + r.Below(2));  // the player type follows the skin colour
  pkg += EncodeLetter(r.Below(17));
  pkg += EncodeLetter(r.Below(9));
  pkg += EncodeLetter(r.Below(4) == 0 ? r.Below(7) : 0);
  out.Text(FieldId::PlayerPkg, pkg + number);
}

void PutFlags(RecordBytes& out, Random& r) {
  out.Value(FieldId::IsPlayable, r.Below(20) != 0);
  out.Value(FieldId::IsCreated, r.Below(20) == 0);
  out.Value(FieldId::IsRom, r.Below(10) != 0);
  out.Value(FieldId::IsHidden, r.Below(40) == 0);
}

void PutSeason(RecordBytes& out, Random& r, bool played) {
  const int games = played ? r.Between(5, 82) : 0;
  const int minutes = games * r.Between(6, 40);
  const int fga = minutes * r.Between(25, 50) / 100;
  const int tpa = fga * r.Below(35) / 100;
  const int fta = fga * r.Between(15, 45) / 100;
  const int tpm = tpa * r.Between(20, 45) / 100;
  const int fgm = std::max(tpm, fga * r.Between(38, 55) / 100);
  out.Value(FieldId::Games, games);
  out.Value(FieldId::Minutes, minutes);
  out.Value(FieldId::FieldGoalsAttempted, fga);
  out.Value(FieldId::FieldGoalsMade, fgm);
  out.Value(FieldId::ThreePointAttempted, tpa);
  out.Value(FieldId::ThreePointMade, tpm);
  out.Value(FieldId::FreeThrowsAttempted, fta);
  out.Value(FieldId::FreeThrowsMade, fta * r.Between(55, 90) / 100);
  out.Value(FieldId::OffensiveRebounds, minutes * r.Below(8) / 100);
  out.Value(FieldId::DefensiveRebounds, minutes * r.Between(5, 20) / 100);
  out.Value(FieldId::Assists, minutes * r.Between(2, 25) / 100);
  out.Value(FieldId::Steals, minutes * r.Below(6) / 100);
  out.Value(FieldId::Blocks, minutes * r.Below(6) / 100);
  out.Value(FieldId::Turnovers, minutes * r.Between(2, 8) / 100);
  out.Value(FieldId::Fouls, minutes * r.Between(4, 12) / 100);
  out.Value(FieldId::Ejections, games > 0 && r.Below(10) == 0 ? r.Between(1, 3) : 0);
}

}  // namespace

std::vector<int> SampleTeams(int players, std::uint64_t seed) {
  Random r(seed);
  std::array<int, kTeams> full{};
  int total = 0;
  for (int& size : full) total += size = r.Between(13, 15);
  // A small roster deals its players to the teams in turn.
  std::array<int, kTeams> sizes = full;
  if (total > players) {
    sizes.fill(0);
    for (int dealt = 0, t = 0; dealt < players; t = (t + 1) % kTeams) {
      if (sizes[static_cast<std::size_t>(t)] == full[static_cast<std::size_t>(t)]) continue;
      ++sizes[static_cast<std::size_t>(t)];
      ++dealt;
    }
  }
  std::vector<int> teams;
  teams.reserve(static_cast<std::size_t>(std::max(players, 0)));
  for (int t = 0; t < kTeams; ++t) teams.insert(teams.end(), sizes[static_cast<std::size_t>(t)], t);
  teams.resize(static_cast<std::size_t>(std::max(players, 0)), kFreeAgents);
  return teams;
}

std::string SampleRecord(int record, int team, int slot, std::uint64_t seed) {
  Random r(RecordSeed(seed, record));
  RecordBytes out;
  const int id = 1 + record % kMaxPlayerId;
  const int position = r.Below(5);
  out.Value(FieldId::PlayerId, id);
  out.Value(FieldId::Team, team);
  out.Value(FieldId::RosterSlot, slot % 100);
  out.Value(FieldId::OriginalTeam, team < kTeams && r.Below(4) != 0 ? team : r.Below(kTeams));
  out.Value(FieldId::PlayerNumber, r.Below(56));
  PutBody(out, r, position);
  PutNames(out, r);
  PutBirthAndDraft(out, r);
  PutRatings(out, r, position);
  PutLooks(out, r, id);
  PutFlags(out, r);
  PutSeason(out, r, team < kTeams || r.Below(3) != 0);
  return out.Take();
}

namespace {

// Calls `sink` with the header and then each record.
template <typename Sink>
void Generate(int players, std::uint64_t seed, Sink&& sink) {
  sink(DbaseHeader(static_cast<std::uint32_t>(players)));
  const std::vector<int> teams = SampleTeams(players, seed);
  int slot = 0;
  for (int k = 0; k < players; ++k) {
    const int team = teams[static_cast<std::size_t>(k)];
    slot = (k > 0 && teams[static_cast<std::size_t>(k - 1)] == team) ? slot + 1 : 0;
    sink(SampleRecord(k, team, slot, seed));
  }
}

}  // namespace

std::string SampleRosterBytes(int players, std::uint64_t seed) {
  std::string bytes;
  bytes.reserve(kDbaseHeaderLength + kRecordLength * static_cast<std::size_t>(players));
  Generate(players, seed, [&bytes](const std::string& part) { bytes += part; });
  return bytes;
}

SampleWrite WriteSampleRoster(const std::filesystem::path& path, int players, std::uint64_t seed,
                              bool overwrite) {
  OutputFile output = OpenOutputFile(path, overwrite);
  if (!output.file) return output.exists ? SampleWrite::Exists : SampleWrite::Failed;
  bool ok = true;
  Generate(players, seed, [&](const std::string& part) {
    ok = ok && std::fwrite(part.data(), 1, part.size(), output.file.get()) == part.size();
  });
  ok = CloseOutputFile(std::move(output.file)) && ok;
  return ok ? SampleWrite::Created : SampleWrite::Failed;
}

bool WriteSampleRoster(std::ostream& out, int players, std::uint64_t seed) {
  Generate(players, seed, [&out](const std::string& part) {
    out.write(part.data(), static_cast<std::streamsize>(part.size()));
  });
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace korvale
