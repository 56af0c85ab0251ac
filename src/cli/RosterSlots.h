#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Shown.h"

namespace korvale::cli {

// Which records hold each slot of each team's roster: two players in one
// slot show in the roster list as two entries with one number. The free
// agents are no roster and have no slots.
class RosterSlots {
 public:
  void Add(const RecordSpan& record);
  // "Boston: slot 3 is held by records 12 and 40", with the slot as the
  // roster list numbers it, for every slot held more than once.
  [[nodiscard]] std::vector<std::string> Shared() const;

 private:
  struct Holders {
    std::vector<std::int64_t> first;  // the first few records
    std::size_t count = 0;
  };
  std::map<std::pair<std::int64_t, std::int64_t>, Holders> holders_;  // by team and slot
};

}  // namespace korvale::cli
