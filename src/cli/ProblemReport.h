#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <unordered_map>
#include <vector>

#include "TableInput.h"

namespace korvale::cli {

// Says an import's problems as they are found: the first kShownPerKind of
// each kind at once, and at the end how many more of each kind there
// were. A kind is a message with its numbers and quoted values left out
// ("record 7 does not exist" and "record 9 does not exist" are one), so
// memory stays the same however many problems a table has.
class ProblemReport {
 public:
  static constexpr std::uint64_t kShownPerKind = 100;

  explicit ProblemReport(std::ostream& err) : err_(err) {}
  virtual ~ProblemReport() = default;
  ProblemReport(const ProblemReport&) = delete;
  ProblemReport& operator=(const ProblemReport&) = delete;

  virtual void Add(const Problem& problem);
  // One line for each kind with problems left unsaid.
  void Finish();
  [[nodiscard]] std::uint64_t Count() const { return count_; }

 private:
  struct Kind {
    std::uint64_t count = 0;
    std::string example;  // the first problem left unsaid
  };

  std::ostream& err_;
  std::unordered_map<std::string, std::size_t> kindAt_;  // each kind's place in kinds_
  std::vector<Kind> kinds_;                              // in the order first met
  std::uint64_t count_ = 0;
};

}  // namespace korvale::cli
