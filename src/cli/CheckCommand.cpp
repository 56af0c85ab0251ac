#include <fmt/format.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <vector>

#include "Commands.h"
#include "DbaseHeader.h"
#include "Labels.h"
#include "LittleEndian.h"
#include "Ratings.h"
#include "RecordSource.h"
#include "RosterSession.h"
#include "RosterSlots.h"
#include "StoredForms.h"
#include "VisibleText.h"

namespace korvale::cli {
namespace {

constexpr std::size_t kDescriptorSize = 32;
// Findings of one kind shown before the rest are only counted, so that a
// huge broken file gives a short report in little memory.
constexpr std::size_t kShownPerKind = 100;

// What is found, kind by kind: the first findings of each kind and how
// many more there are.
class Findings {
 public:
  void Add(const std::string& kind, std::string finding) {
    auto it =
        std::find_if(kinds_.begin(), kinds_.end(), [&](const auto& k) { return k.name == kind; });
    if (it == kinds_.end()) it = kinds_.insert(kinds_.end(), Kind{kind, {}, 0});
    Kind& k = *it;
    if (k.shown.size() < kShownPerKind) {
      k.shown.push_back(std::move(finding));
    } else {
      ++k.more;
    }
    ++total_;
  }
  [[nodiscard]] bool Empty() const { return total_ == 0; }
  [[nodiscard]] std::string Report() const {
    std::string out;
    for (const Kind& k : kinds_) {
      for (const std::string& finding : k.shown) out += finding + '\n';
      if (k.more > 0) out += fmt::format("... and {} more findings of {}\n", k.more, k.name);
    }
    return out;
  }

 private:
  struct Kind {
    std::string name;
    std::vector<std::string> shown;
    std::uint64_t more = 0;
  };
  std::vector<Kind> kinds_;
  std::uint64_t total_ = 0;
};

class Checker {
 public:
  explicit Checker(Findings& findings) : findings_(findings) {}

  void Header(const std::string& header, std::uint64_t length) {
    if (header.size() < kDescriptorSize) {
      return Add(fmt::format("header: {} bytes, too short for a dBase header", length));
    }
    const auto headerLength = static_cast<std::uint32_t>(ReadLittleEndian(header, 8, 2));
    const auto recordLength = static_cast<std::uint32_t>(ReadLittleEndian(header, 10, 2));
    const std::uint64_t count = ReadLittleEndian(header, 4, 4);
    if (headerLength != kDbaseHeaderLength) {
      Add(fmt::format("header: header length {}, the field positions need {}", headerLength,
                      kDbaseHeaderLength));
    }
    if (recordLength != kRecordLength) {
      Add(fmt::format("header: record length {}, the field positions need {}", recordLength,
                      kRecordLength));
    }
    if (header.size() < kDbaseHeaderLength || header[kDbaseHeaderLength - 1] != '\r') {
      Add(fmt::format("header: no terminator (0x0D) at byte {}", kDbaseHeaderLength - 1));
    } else {
      Columns(header, recordLength);
    }
    const std::uint64_t body = length > kDbaseHeaderLength ? length - kDbaseHeaderLength : 0;
    const std::uint64_t full = body / kRecordLength;
    if (count != full) {
      Add(fmt::format("header: record count {}, the file holds {} records", count, full));
    }
    if (const auto cut = CutShortRecord(length, lastByte_)) Add(*cut);
  }

  void SetLastByte(char byte) { lastByte_ = byte; }

  void Record(const RecordSpan& record, std::uint64_t length) {
    const bool appearance = AppearanceApplies(StoredText(record, Field(FieldId::PlayerPkg)));
    for (const FieldDescriptor& f : kRecordLayout) {
      if (f.OffsetIn(record.index) + f.readWidth > length) continue;
      const std::string stored = StoredText(record, f);
      if (f.form == korvale::StoredForm::Flag && stored != "T" && stored != "F") {
        Add(fmt::format("{}: {} holds {}, not T or F", RecordLabel(record), f.name,
                        Render(Shown{stored})),
            "a flag");
      } else if (f.form == korvale::StoredForm::Letter) {
        if (appearance && !DecodeLetter(stored, AppearanceCount(f))) {
          Add(fmt::format("{}: {} letter {} outside A..{}", RecordLabel(record), f.name,
                          Render(Shown{stored}), static_cast<char>('A' + AppearanceCount(f) - 1)),
              "a letter");
        }
      } else if (HasShownRange(f)) {
        Range(record, f);
      }
    }
    if (Field(FieldId::PlayerId).OffsetIn(record.index) + Field(FieldId::PlayerId).readWidth <=
        length) {
      IdRecords& same = ids_[ShownNumber(record, FieldId::PlayerId)];
      if (same.first.size() < kShownPerKind) same.first.push_back(record.index);
      ++same.count;
    }
    if (RecordStart(record.index + 1) <= length) slots_.Add(record);
  }

  void Duplicates() {
    for (const auto& [id, same] : ids_) {
      if (same.count < 2) continue;
      const std::uint64_t more = same.count - same.first.size();
      Add(fmt::format("PlayerId {} appears in records {}{}", id, fmt::join(same.first, ", "),
                      more > 0 ? fmt::format(" and {} more", more) : ""),
          "a repeated PlayerId");
    }
    for (std::string& shared : slots_.Shared()) Add(std::move(shared), "a shared roster slot");
  }

 private:
  void Add(std::string finding, const std::string& kind = "the header") {
    findings_.Add(kind, std::move(finding));
  }

  void Columns(const std::string& header, std::uint32_t recordLength) {
    std::uint32_t described = 1;  // the deletion flag
    for (std::size_t at = kDescriptorSize; at + kDescriptorSize < kDbaseHeaderLength;
         at += kDescriptorSize) {
      described += static_cast<unsigned char>(header[at + 16]);
    }
    if (described != recordLength) {
      Add(fmt::format("header: the columns describe {} bytes of a {}-byte record", described,
                      recordLength));
    }
  }

  void Range(const RecordSpan& record, const FieldDescriptor& f) {
    const std::int64_t value = ShownNumber(record, IdOf(f));
    const ShownRange range = ShownRangeOf(f);
    if (value >= range.low && value <= range.high) return;
    Add(fmt::format("{}: {} {} outside {}..{}", RecordLabel(record), f.name, value, range.low,
                    range.high),
        "a range");
  }

  Findings& findings_;
  struct IdRecords {
    std::vector<std::int64_t> first;
    std::uint64_t count = 0;
  };
  std::map<std::int64_t, IdRecords> ids_;
  RosterSlots slots_;
  char lastByte_ = 0;
};

}  // namespace

int CheckCommand(const std::string& path, Io io) {
  PlayerFileState file(io.files);
  const std::optional<std::string> journal = OpenRosterToCheck(file, path, io.err);
  RecordSource source(file);
  Findings findings;
  if (journal) findings.Add("a journal", VisibleText(*journal));
  if (auto shared = SharedRoster(path)) findings.Add("names", "names: " + VisibleText(*shared));
  Checker checker(findings);
  if (source.Length() > 0) {
    checker.SetLastByte(file.ReadBytes(source.Length() - 1, 1).at(0));
  }
  const std::string header = file.ReadBytes(0, kDbaseHeaderLength);
  if (!IsPlayerFileHeader(header)) {
    findings.Add(
        "the header",
        "header: " + FileError(FileErrorCause::NotPlayerFile, VisibleText(path)).Message());
  }
  checker.Header(header, source.Length());
  source.ForEach([&](const RecordSpan& record) { checker.Record(record, source.Length()); });
  checker.Duplicates();
  std::string out = findings.Report();
  if (findings.Empty()) out += fmt::format("no findings in {} records\n", source.Count());
  io.out << out;
  return findings.Empty() ? kSuccess : kFindings;
}

}  // namespace korvale::cli
