#include <fmt/format.h>

#include <algorithm>
#include <array>
#include <ostream>

#include "Commands.h"
#include "DbaseHeader.h"
#include "Labels.h"
#include "RecordPairs.h"
#include "RecordSource.h"

namespace korvale::cli {
namespace {

// The record bytes that belong to no field, deletion flag included.
const std::array<bool, kRecordLength>& OutsideFields() {
  static const auto mask = [] {
    std::array<bool, kRecordLength> m{};
    for (std::size_t i = 0; i < m.size(); ++i) {
      m[i] = !IsFieldByte(static_cast<std::uint16_t>(kDbaseHeaderLength + i));
    }
    return m;
  }();
  return mask;
}

bool DifferOutsideFields(std::string_view a, std::string_view b) {
  const auto& outside = OutsideFields();
  for (std::size_t i = 0; i < kRecordLength; ++i) {
    if (!outside[i]) continue;
    const bool inA = i < a.size();
    const bool inB = i < b.size();
    if (inA != inB || (inA && a[i] != b[i])) return true;
  }
  return false;
}

class Differ {
 public:
  explicit Differ(std::string& out) : out_(out) {}

  void Compare(const RecordSpan& a, const RecordSpan& b) {
    for (const FieldDescriptor& f : kRecordLayout) {
      const Shown before = ShownValue(a, f);
      const Shown after = ShownValue(b, f);
      if (before == after) continue;
      if (++differences_ <= kShownPerKind) {
        out_ += RecordLabel(a) + " " + std::string(f.name) + ": " + Render(before) + " -> " +
                Render(after) + "\n";
      }
    }
    if (DifferOutsideFields(a.bytes, b.bytes)) ++outside_;
  }
  void OnlyIn(std::int64_t record, char side) {
    if (++onlyIn_ <= kShownPerKind) {
      out_ += "record " + std::to_string(record) + " only in " + side + "\n";
    }
  }
  [[nodiscard]] int Finish() {
    More(differences_, "field differences");
    More(onlyIn_, "records in one file only");
    out_ += std::to_string(outside_) + " records differ outside the fields\n";
    return differences_ + onlyIn_ + outside_ > 0 ? kFindings : kSuccess;
  }

 private:
  // Only the first findings of a kind are shown; the rest are counted.
  static constexpr std::int64_t kShownPerKind = 100;

  void More(std::int64_t count, const char* kind) {
    if (count > kShownPerKind)
      out_ += fmt::format("... and {} more {}\n", count - kShownPerKind, kind);
  }

  std::string& out_;
  std::int64_t differences_ = 0;
  std::int64_t onlyIn_ = 0;
  std::int64_t outside_ = 0;
};

}  // namespace

int DiffCommand(const std::string& fileA, const std::string& fileB, Io io) {
  std::string out;
  Differ differ(out);
  const RecordCounts counts = WalkRecordPairs(
      fileA, fileB, io,
      [&differ](const RecordSpan& a, const RecordSpan& b) { differ.Compare(a, b); },
      [&] {
        io.out << out;
        out.clear();
      });
  const std::int64_t both = std::min(counts.a, counts.b);
  for (std::int64_t k = both; k < counts.a; ++k) differ.OnlyIn(k, 'A');
  for (std::int64_t k = both; k < counts.b; ++k) differ.OnlyIn(k, 'B');
  const int result = differ.Finish();
  io.out << out;
  return result;
}

}  // namespace korvale::cli
