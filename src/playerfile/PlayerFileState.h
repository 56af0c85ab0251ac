#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "FileSystem.h"
#include "RecordLayout.h"

namespace korvale {

// The selected player file: its path, the record on display and the open
// handle. An empty FilePath means no file is selected. Nothing read from
// the file is kept here: every read and write goes to the file at once.
class PlayerFileState {
 public:
  explicit PlayerFileState(FileSystem& system = SystemFileSystem());
  ~PlayerFileState();
  PlayerFileState(const PlayerFileState&) = delete;
  PlayerFileState& operator=(const PlayerFileState&) = delete;

  [[nodiscard]] const std::string& FilePath() const { return filePath_; }
  [[nodiscard]] bool IsSelected() const { return !filePath_.empty(); }
  [[nodiscard]] std::int32_t CurrentRecord() const { return currentRecord_; }
  void SetCurrentRecord(std::int32_t record) { currentRecord_ = record; }

  // Opens an existing file exclusively for reading and writing. On failure
  // the FileError names the full path and the state stays without a file.
  void OpenPlayerFile(const std::string& path);
  // Opens an existing file for reading only, held shared with other
  // readers and refused while a writer holds it (and the other way round).
  void OpenPlayerFileToRead(const std::string& path);
  // Raises NotPlayerFile, naming the full path, unless the file's dBase
  // header says a player file: header length 3745 and record length 614.
  void CheckPlayerFile();
  // CurrentRecord 0, handle closed, FilePath empty. A failing close still
  // leaves no file selected; its error is raised afterwards.
  void ClosePlayerFile();

  [[nodiscard]] std::uint64_t FileLength();
  // Up to n bytes at 614*k + c, ending at the first zero byte; fewer near
  // the end of the file, which is no error.
  [[nodiscard]] std::string ReadField(std::int64_t record, std::uint16_t position,
                                      std::size_t width);
  [[nodiscard]] std::string ReadField(std::int64_t record, FieldId field);
  // Writes the bytes at 614*CurrentRecord + c. A write that would reach
  // past the end of the file writes nothing and raises BeyondEnd.
  void WriteField(std::uint16_t position, std::string_view bytes);
  void WriteField(FieldId field, std::string_view bytes);

  // Whether record k holds the first byte of the bounding field in a file
  // of this length: 614*k + c < length.
  [[nodiscard]] static bool RecordReaches(std::uint64_t length, std::int64_t record,
                                          FieldId bounding);
  // Records that hold the first byte of LastName.
  [[nodiscard]] static std::int64_t RecordCount(std::uint64_t length);

  // Writes the bytes at an absolute offset the caller knows to lie inside.
  void WriteBytes(std::uint64_t offset, std::string_view bytes) { PutBytes(offset, bytes); }
  // Flushes what was written to the disk.
  void Sync();
  [[nodiscard]] FileSystem& System() { return system_; }

  // Reads `size` bytes at an absolute offset; fewer at the end of the file.
  [[nodiscard]] std::string ReadBytes(std::uint64_t offset, std::size_t size);
  // The same into `buffer`, whose memory is reused.
  void ReadBytesInto(std::uint64_t offset, std::size_t size, std::string& buffer);
  // The same into `out`, which holds `size` bytes: how many were read.
  std::size_t ReadBytesTo(std::uint64_t offset, char* out, std::size_t size);

 private:
  void Adopt(const SysResult& opened, const std::string& path);
  [[nodiscard]] int Handle() const;
  void SeekTo(std::uint64_t offset);
  void PutBytes(std::uint64_t offset, std::string_view bytes);

  FileSystem& system_;
  std::string filePath_;
  std::int32_t currentRecord_ = 0;
  std::optional<int> handle_;
};

// Whether the first bytes of a file (at least 12 are needed) carry the
// header and record lengths of a player file.
[[nodiscard]] bool IsPlayerFileHeader(std::string_view firstBytes);

// A field's text taken from bytes read in one piece, with ReadField's rules:
// `span` holds the record's bytes from `spanStart` on (possibly cut short).
[[nodiscard]] std::string FieldFromSpan(std::string_view span, std::uint16_t spanStart,
                                        const FieldDescriptor& field);

}  // namespace korvale
