// Whole-file reading on arbitrary bytes: the file is opened as the editor
// opens it, and every field of every record read one by one equals the same
// field cut from the record read in one piece.
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "PlayerFileState.h"
#include "ScratchFile.h"

using namespace korvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Inputs that begin with R stand for the record area.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!bytes.empty() && bytes[0] == 'R') bytes = AfterBlankHeader(bytes);
  static const std::string path = ScratchFile("reading");
  WriteWhole(path, bytes);
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
