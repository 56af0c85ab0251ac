#pragma once

#include <filesystem>
#include <string>

namespace korvale::bench {

// The rosters the editor benchmarks open, written once per size into a
// temporary folder of the process.
// Record k: team k mod 30, slot by arrival, PlayerId k for the first 9000
// records and 9999 beyond (four digits hold no more).
[[nodiscard]] const std::filesystem::path& ListRoster(int records);
// A sample roster: every field holds a value its page accepts, so that a
// commit takes the whole page without a refusal.
[[nodiscard]] const std::filesystem::path& SampleRoster(int records);
// The record whose player the player-list choice picks, and its entry's
// last characters (", " and its four PlayerId bytes).
[[nodiscard]] int ChosenRecord(int records);
[[nodiscard]] std::string ChosenEntryEnd(int records);

}  // namespace korvale::bench
