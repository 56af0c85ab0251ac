#include "HistoryScan.h"

#include <algorithm>
#include <fstream>
#include <string>

#include "LittleEndian.h"
#include "WordHash.h"

namespace korvale::history {
namespace {

constexpr std::uint64_t kHead = kFrameHead + 8 + 8;  // and the id and the time
constexpr std::uint64_t kChunk = std::uint64_t{64} * 1024;
constexpr std::uint64_t kPlausibleId = std::uint64_t{1} << 48;
constexpr std::size_t kMarkReach = 16;  // how far back a state frame looks for its set

bool IsMagic(std::string_view magic) {
  return magic == kSetMagic || magic == kOldSetMagic || magic == kStateMagic;
}

// Reads the file a piece at a time.
class PieceReader {
 public:
  explicit PieceReader(const std::filesystem::path& path) : in_(path, std::ios::binary) {}
  [[nodiscard]] bool Opened() const { return in_.is_open(); }

  // Up to n bytes at `at` (fewer at the end of the file).
  std::string_view Bytes(std::uint64_t at, std::uint64_t n) {
    if (at < start_ || at + n > start_ + chunk_.size()) Fill(at, std::max(n, kChunk));
    const auto from = static_cast<std::size_t>(at - start_);
    return std::string_view(chunk_).substr(from, static_cast<std::size_t>(n));
  }

 private:
  void Fill(std::uint64_t at, std::uint64_t n) {
    in_.clear();
    in_.seekg(static_cast<std::streamoff>(at));
    chunk_.resize(static_cast<std::size_t>(n));
    in_.read(chunk_.data(), static_cast<std::streamsize>(n));
    chunk_.resize(static_cast<std::size_t>(in_.gcount()));
    start_ = at;
  }

  std::ifstream in_;
  std::string chunk_;
  std::uint64_t start_ = 0;
};

class Scanner {
 public:
  Scanner(const std::filesystem::path& path, std::uint64_t length)
      : reader_(path), length_(length) {}
  [[nodiscard]] bool Opened() const { return reader_.Opened(); }

  HistoryScan Run() {
    std::uint64_t at = 0;
    while (at < length_) {
      if (const std::uint64_t end = Intact(at)) {
        Take(at, end);
        at = end;
        continue;
      }
      const std::uint64_t next = NextIntact(at + 1);
      if (next == length_ && CutShort(at)) break;
      Damage(at, next);
      at = next;
    }
    scan_.appendAt = at;
    ForgetImplausibleIds();
    return std::move(scan_);
  }

 private:
  // The end of the intact frame at `at`; 0 when none is there.
  std::uint64_t Intact(std::uint64_t at) {
    const std::string_view head = reader_.Bytes(at, kFrameHead);
    if (head.size() < kFrameHead || !IsMagic(head.substr(0, 4))) return 0;
    LittleEndianReader r{head, 4};
    const std::uint64_t body = r.Number(4);
    if (length_ - at - kFrameHead < body + kChecksumSize) return 0;
    const std::uint64_t end = at + kFrameHead + body + kChecksumSize;
    WordHash hasher;
    for (std::uint64_t p = at; p < end - kChecksumSize;) {
      const std::string_view piece = reader_.Bytes(p, std::min(kChunk, end - kChecksumSize - p));
      if (piece.empty()) return 0;
      hasher.Add(piece);
      p += piece.size();
    }
    const std::string_view sum = reader_.Bytes(end - kChecksumSize, kChecksumSize);
    LittleEndianReader s{sum};
    return s.Number(4) == hasher.Value() && !s.broken ? end : 0;
  }

  // Where the next intact frame after `from` starts; the length when none.
  std::uint64_t NextIntact(std::uint64_t from) {
    for (std::uint64_t p = from; p < length_;) {
      const std::string_view piece = reader_.Bytes(p, kChunk);
      const std::size_t found = piece.find(kFrameMark);
      if (found == std::string_view::npos) {
        if (piece.size() < kFrameMark.size()) return length_;
        p += piece.size() - (kFrameMark.size() - 1);
        continue;
      }
      const std::uint64_t candidate = p + found;
      if (Intact(candidate)) return candidate;
      p = candidate + 1;
    }
    return length_;
  }

  // Whether the bytes from `at` to the end are a frame an append cut short.
  bool CutShort(std::uint64_t at) {
    const std::string_view head = reader_.Bytes(at, kFrameHead);
    if (head.size() < kFrameHead) {
      if (head.size() >= 4) return IsMagic(head.substr(0, 4));
      return head == kFrameMark.substr(0, head.size());
    }
    if (!IsMagic(head.substr(0, 4))) return false;
    LittleEndianReader r{head, 4};
    return length_ - at - kFrameHead < r.Number(4) + kChecksumSize;
  }

  void Take(std::uint64_t at, std::uint64_t end) {
    const std::string_view head = reader_.Bytes(at, kHead);
    LittleEndianReader r{head, kFrameHead};
    if (head.substr(0, 4) == kStateMagic) return Mark(at, end);
    const std::uint64_t id = r.Number(8);
    const auto time = static_cast<std::int64_t>(r.Number(8));
    scan_.entries.push_back({at, end - at, false, id, time, SetState::Unmarked});
    scan_.lastId = std::max(scan_.lastId, id);
    lastTime_ = time;
  }

  void Mark(std::uint64_t at, std::uint64_t end) {
    const auto mark = DecodeState(reader_.Bytes(at, end - at));
    if (!mark) return;
    markedId_ = std::max(markedId_, mark->id);
    auto& entries = scan_.entries;
    for (std::size_t i = entries.size(); i > 0 && entries.size() - i < kMarkReach; --i) {
      if (!entries[i - 1].damaged && entries[i - 1].id == mark->id) {
        entries[i - 1].state = mark->state;
        return;
      }
    }
  }

  // Damaged bytes from `at` to `end`, named by the id their set's head
  // gives when that one is plausible.
  void Damage(std::uint64_t at, std::uint64_t end) {
    const std::string_view head = reader_.Bytes(at, kHead);
    std::uint64_t id = 0;
    if (head.size() == kHead && head.substr(0, 3) == kFrameMark &&
        head.substr(0, 4) != kStateMagic) {
      LittleEndianReader r{head, kFrameHead};
      id = r.Number(8);
      if (id <= scan_.lastId || id >= kPlausibleId) id = 0;
    }
    scan_.entries.push_back({at, end - at, true, id, lastTime_, SetState::Unmarked});
    scan_.lastId = std::max(scan_.lastId, id);
  }

  // A damaged set's id is kept only when it lies below every intact
  // set's id after it. The highest id is the highest any intact set, any
  // state frame or any damaged set so kept names.
  void ForgetImplausibleIds() {
    std::uint64_t below = kPlausibleId;
    scan_.lastId = markedId_;
    for (auto it = scan_.entries.rbegin(); it != scan_.entries.rend(); ++it) {
      if (it->damaged && it->id >= below) it->id = 0;
      if (!it->damaged) below = std::min(below, it->id);
      scan_.lastId = std::max(scan_.lastId, it->id);
    }
  }

  PieceReader reader_;
  std::uint64_t length_;
  HistoryScan scan_;
  std::int64_t lastTime_ = 0;
  std::uint64_t markedId_ = 0;  // the highest id a state frame names
};

}  // namespace

std::optional<HistoryScan> ScanHistory(const std::filesystem::path& path, std::uint64_t length) {
  if (length == 0) return HistoryScan{};
  Scanner scanner(path, length);
  if (!scanner.Opened()) return std::nullopt;
  return scanner.Run();
}

}  // namespace korvale::history
