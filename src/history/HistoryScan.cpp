#include "HistoryScan.h"

#include <fstream>
#include <string>

namespace korvale::history {
namespace {

constexpr std::uint64_t kFrame = kSetMagic.size() + 4;  // magic and body length
constexpr std::uint64_t kHead = kFrame + 8 + 8;         // and the id and the time
constexpr std::uint64_t kChecksum = 4;
constexpr std::uint64_t kChunk = std::uint64_t{64} * 1024;

std::uint64_t NumberAt(const std::string& bytes, std::size_t at, int n) {
  std::uint64_t value = 0;
  for (int i = 0; i < n; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(bytes[at + i])} << (8 * i);
  }
  return value;
}

// Reads the file a chunk at a time, where asked; small sets come from the
// chunk already read.
class ChunkReader {
 public:
  explicit ChunkReader(const std::filesystem::path& path) : in_(path, std::ios::binary) {}
  [[nodiscard]] bool Opened() const { return in_.is_open(); }

  // The `n` bytes at `at`, or fewer at the end of the file; `offset` is
  // where they start in the string returned.
  const std::string& Bytes(std::uint64_t at, std::uint64_t n, std::size_t& offset) {
    if (at < start_ || at + n > start_ + chunk_.size()) Fill(at, std::max(n, kChunk));
    offset = static_cast<std::size_t>(at - start_);
    return chunk_;
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

}  // namespace

std::optional<HistoryScan> ScanHistory(const std::filesystem::path& path, std::uint64_t length) {
  HistoryScan scan;
  if (length == 0) return scan;
  ChunkReader reader(path);
  if (!reader.Opened()) return std::nullopt;
  std::uint64_t at = 0;
  while (length - at >= kHead + kChecksum) {
    std::size_t o = 0;
    const std::string& head = reader.Bytes(at, kHead, o);
    if (head.size() < o + kHead || head.compare(o, kSetMagic.size(), kSetMagic) != 0) break;
    const std::uint64_t body = NumberAt(head, o + kSetMagic.size(), 4);
    const std::uint64_t id = NumberAt(head, o + kFrame, 8);
    const auto time = static_cast<std::int64_t>(NumberAt(head, o + kFrame + 8, 8));
    if (length - at - kFrame < body + kChecksum) break;
    const std::uint64_t end = at + kFrame + body + kChecksum;
    if (end == length) {
      const std::string& whole = reader.Bytes(at, end - at, o);
      if (whole.size() < o + (end - at)) break;
      const std::string_view set(whole.data() + o, static_cast<std::size_t>(end - at));
      if (NumberAt(whole, o + set.size() - kChecksum, 4) !=
          SetChecksum(set.substr(0, set.size() - kChecksum))) {
        break;
      }
    }
    scan.extents.push_back({static_cast<std::size_t>(end), time});
    scan.lastId = id;
    at = end;
  }
  scan.validLength = at;
  return scan;
}

}  // namespace korvale::history
