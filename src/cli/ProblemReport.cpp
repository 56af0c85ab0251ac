#include "ProblemReport.h"

namespace korvale::cli {
namespace {

// Beyond this many kinds (no table's messages come near it) every new
// kind counts as one more.
constexpr std::size_t kMostKinds = 1000;
constexpr std::string_view kOtherKinds = "\n";

// The message with each run of digits as "#" and each quoted value as "".
std::string KindOf(std::string_view message) {
  std::string kind;
  for (std::size_t i = 0; i < message.size(); ++i) {
    const char c = message[i];
    if (c >= '0' && c <= '9') {
      kind += '#';
      while (i + 1 < message.size() && message[i + 1] >= '0' && message[i + 1] <= '9') ++i;
    } else if (c == '"') {
      kind += "\"\"";
      while (++i < message.size() && message[i] != '"') {
        if (message[i] == '\\') ++i;
      }
    } else {
      kind += c;
    }
  }
  return kind;
}

}  // namespace

void ProblemReport::Add(const Problem& problem) {
  ++count_;
  std::string key = KindOf(problem.message);
  if (kinds_.size() >= kMostKinds && kindAt_.count(key) == 0) key = kOtherKinds;
  const auto [at, added] = kindAt_.try_emplace(std::move(key), kinds_.size());
  if (added) kinds_.emplace_back();
  Kind& kind = kinds_[at->second];
  if (++kind.count <= kShownPerKind) {
    err_ << FormatProblem(problem) << '\n';
  } else if (kind.example.empty()) {
    kind.example = FormatProblem(problem);
  }
}

void ProblemReport::Finish() {
  for (const Kind& kind : kinds_) {
    if (kind.count <= kShownPerKind) continue;
    err_ << "... and " << kind.count - kShownPerKind << " more like " << kind.example << '\n';
  }
}

}  // namespace korvale::cli
