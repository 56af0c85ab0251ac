#include "DbaseHeader.h"

#include <algorithm>
#include <set>

#include "LittleEndian.h"
#include "RecordLayout.h"

namespace korvale {
namespace {

bool IsInsidePackage(FieldId id) {
  return id == FieldId::PlayerType || id == FieldId::HairStyle || id == FieldId::FacialHair ||
         id == FieldId::Accessories;
}

std::string ShortName(std::string_view name, std::set<std::string>& used) {
  std::string candidate(name.substr(0, 10));
  for (int n = 2; used.count(candidate) != 0; ++n) {
    candidate = std::string(name.substr(0, 8)) + (n < 10 ? "0" : "") + std::to_string(n);
  }
  used.insert(candidate);
  return candidate;
}

// Fields that do not lie inside another, each rating with the byte after it.
std::vector<DbaseColumn> FieldSpans(std::set<std::string>& used) {
  std::vector<DbaseColumn> spans;
  for (const FieldDescriptor& f : kRecordLayout) {
    if (IsInsidePackage(IdOf(f))) continue;
    const bool rating = f.form == StoredForm::Number && f.hasRange && f.low == 0 && f.high == 98;
    spans.push_back({ShortName(f.name, used),
                     static_cast<std::uint16_t>(f.position - kDbaseHeaderLength),
                     static_cast<std::uint16_t>(f.readWidth + (rating ? 1 : 0))});
  }
  return spans;
}

std::vector<DbaseColumn> BuildColumns() {
  std::set<std::string> used;
  std::vector<DbaseColumn> spans = FieldSpans(used);
  std::vector<DbaseColumn> fillers;
  std::uint16_t next = 1;
  for (const DbaseColumn& s : spans) {
    if (s.start > next) fillers.push_back({"", next, static_cast<std::uint16_t>(s.start - next)});
    next = static_cast<std::uint16_t>(s.start + s.length);
  }
  if (next < kRecordLength) {
    fillers.push_back({"", next, static_cast<std::uint16_t>(kRecordLength - next)});
  }
  while (spans.size() + fillers.size() < kDbaseColumnCount) {
    auto widest = std::max_element(
        fillers.begin(), fillers.end(),
        [](const DbaseColumn& a, const DbaseColumn& b) { return a.length < b.length; });
    const auto half = static_cast<std::uint16_t>(widest->length / 2);
    DbaseColumn second{"", static_cast<std::uint16_t>(widest->start + half),
                       static_cast<std::uint16_t>(widest->length - half)};
    widest->length = half;
    fillers.push_back(second);
  }
  std::sort(fillers.begin(), fillers.end(),
            [](const DbaseColumn& a, const DbaseColumn& b) { return a.start < b.start; });
  int number = 1;
  for (DbaseColumn& f : fillers) {
    f.name = (number < 10 ? "FILLER0" : "FILLER") + std::to_string(number);
    ++number;
  }
  spans.insert(spans.end(), fillers.begin(), fillers.end());
  std::sort(spans.begin(), spans.end(),
            [](const DbaseColumn& a, const DbaseColumn& b) { return a.start < b.start; });
  return spans;
}

}  // namespace

const std::vector<DbaseColumn>& DbaseColumns() {
  static const std::vector<DbaseColumn> columns = BuildColumns();
  return columns;
}

std::string DbaseHeader(std::uint32_t recordCount) {
  std::string header(kDbaseHeaderLength, '\0');
  header[0] = 0x03;
  header[1] = 98;  // last update: 26 January 1998
  header[2] = 1;
  header[3] = 26;
  char* lengths = PutLittleEndian(header.data() + 4, recordCount, 4);
  lengths = PutLittleEndian(lengths, kDbaseHeaderLength, 2);
  PutLittleEndian(lengths, kRecordLength, 2);
  std::size_t at = 32;
  for (const DbaseColumn& c : DbaseColumns()) {
    std::copy(c.name.begin(), c.name.end(), header.begin() + static_cast<std::ptrdiff_t>(at));
    header[at + 11] = 'C';
    header[at + 16] = static_cast<char>(c.length);
    at += 32;
  }
  header[at] = 0x0D;
  return header;
}

std::string BlankRecord() { return std::string(kRecordLength, ' '); }

}  // namespace korvale
