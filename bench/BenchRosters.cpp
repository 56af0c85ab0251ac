#include "BenchRosters.h"

#include <algorithm>
#include <map>
#include <string>

#include "PlayerFileBuilder.h"
#include "SampleRoster.h"

namespace korvale::bench {
namespace {

std::string Syllables(int n) {
  static const char* const kParts[] = {"ka", "ren", "mo", "la", "vin", "tor", "da", "sel"};
  std::string name;
  for (int i = 0; i < 4; ++i, n /= 8) name += kParts[n % 8];
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

}  // namespace

const std::filesystem::path& ListRoster(int records) {
  static korvale::testing::TempDir dir;
  static std::map<int, std::filesystem::path> files;
  auto [it, added] = files.try_emplace(records);
  if (!added) return it->second;
  korvale::testing::PlayerFileBuilder b(records);
  for (int k = 0; k < records; ++k) {
    b.Text(k, FieldId::LastName, Syllables(k * 7919))
        .Text(k, FieldId::FirstName, Syllables(k))
        .Number(k, FieldId::PlayerId, k < 9000 ? k : 9999)
        .Number(k, FieldId::Team, k % 30)
        .Number(k, FieldId::RosterSlot, (k / 30) % 15);
  }
  it->second = b.WriteTo(dir / ("Players-" + std::to_string(records) + ".dbf"));
  return it->second;
}

const std::filesystem::path& SampleRoster(int records) {
  static korvale::testing::TempDir dir;
  static std::map<int, std::filesystem::path> files;
  auto [it, added] =
      files.try_emplace(records, dir / ("Sample-" + std::to_string(records) + ".dbf"));
  if (added) korvale::WriteSampleRoster(it->second, records, korvale::kSampleSeed, true);
  return it->second;
}

int ChosenRecord(int records) { return std::min(records / 3, 4500); }

std::string ChosenEntryEnd(int records) {
  std::string id = std::to_string(ChosenRecord(records));
  return ", " + std::string(4 - id.size(), ' ') + id;
}

}  // namespace korvale::bench
