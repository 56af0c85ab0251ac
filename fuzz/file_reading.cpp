// Whole-file reading on arbitrary bytes: the file is opened as the editor
// opens it, and every field of every record read one by one equals the same
// field cut from the record read in one piece.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "FuzzCheck.h"
#include "PlayerFileState.h"

using namespace korvale;

namespace {

std::string ScratchFile() {
  static const std::string path = [] {
    std::string pattern = "/tmp/korvale-fuzz-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    FUZZ_CHECK(fd >= 0);
    ::close(fd);
    return pattern;
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Short inputs stand for the record area: put them after a blank header
  // so that they reach the fields.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!bytes.empty() && bytes[0] == 'R') bytes.insert(0, 3745 + 1, ' ');
  const std::string path = ScratchFile();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  PlayerFileState file;
  file.OpenPlayerFile(path);
  const std::uint64_t length = file.FileLength();
  FUZZ_CHECK(length == bytes.size());
  const std::int64_t records = PlayerFileState::RecordCount(length);
  const std::uint16_t first = kRecordLayout.front().position;
  const std::size_t span = kRecordLayout.back().position + kRecordLayout.back().readWidth - first;
  for (std::int64_t k = 0; k < records; ++k) {
    const std::string whole = file.ReadBytes(kRecordLength * k + first, span);
    for (const FieldDescriptor& field : kRecordLayout) {
      const std::string one = file.ReadField(k, field.position, field.readWidth);
      FUZZ_CHECK(one == FieldFromSpan(whole, first, field));
      FUZZ_CHECK(one.find('\0') == std::string::npos);
    }
  }
  file.ClosePlayerFile();
  return 0;
}
