#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace korvale {

// A deterministic roster of fictional players: the same players and seed
// always give the same bytes. Every field holds a value the editor accepts,
// in the form it writes; the bytes outside the fields are spaces. The 29
// teams get 13 to 15 players each (fewer when the roster is small), with
// roster slots counted from 0; everyone else is a free agent (team 29).
// Player ids are unique up to 9,999 players; larger rosters, meant for
// measuring, repeat them, and their free-agent slots repeat after 100.
inline constexpr int kSamplePlayers = 440;
inline constexpr std::uint64_t kSampleSeed = 1998;

// The team code of each record, in file order.
[[nodiscard]] std::vector<int> SampleTeams(int players, std::uint64_t seed);

// One record of the sample, 614 bytes (deletion flag included).
[[nodiscard]] std::string SampleRecord(int record, int team, int slot, std::uint64_t seed);

// The whole file: dBase header, then the records.
[[nodiscard]] std::string SampleRosterBytes(int players = kSamplePlayers,
                                            std::uint64_t seed = kSampleSeed);

enum class SampleWrite { Created, Exists, Failed };

// Writes the sample to `path`, a record at a time. Without `overwrite` an
// existing file is left alone and Exists comes back.
SampleWrite WriteSampleRoster(const std::filesystem::path& path, int players = kSamplePlayers,
                              std::uint64_t seed = kSampleSeed, bool overwrite = false);

// Writes the sample to a stream, a record at a time; false when it fails.
bool WriteSampleRoster(std::ostream& out, int players = kSamplePlayers,
                       std::uint64_t seed = kSampleSeed);

}  // namespace korvale
