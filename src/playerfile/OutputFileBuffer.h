#pragma once

#include <array>
#include <streambuf>
#include <string>
#include <system_error>

#include "FileSystem.h"

namespace korvale {

// A stream buffer that writes to an output file through the file system
// seam and keeps the cause of the first write that fails: a full disk is
// reported as one however late the failure shows, not as a stream that
// merely went bad.
class OutputFileBuffer final : public std::streambuf {
 public:
  explicit OutputFileBuffer(FileSystem& system) : system_(system) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
  }
  ~OutputFileBuffer() override;
  OutputFileBuffer(const OutputFileBuffer&) = delete;
  OutputFileBuffer& operator=(const OutputFileBuffer&) = delete;

  // Creates a new file at `path` (never over or through anything there), or
  // without `create` opens what stands there (a device, a pipe); false (and
  // Error()) when it cannot.
  bool Open(const std::string& path, bool create);
  [[nodiscard]] bool IsOpen() const { return handle_ >= 0; }
  // Writes what is held, with `toDisk` flushes it to the disk, and closes;
  // false when any write, the flush or the close failed.
  bool Close(bool toDisk);
  // Closes without writing what is held.
  void Abandon();
  [[nodiscard]] std::error_code Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();
  bool Check(const SysResult& result);

  FileSystem& system_;
  int handle_ = -1;
  std::error_code error_;
  std::array<char, std::size_t{64} << 10> buffer_{};
};

// The system's error code for a cause of the file layer, for messages.
[[nodiscard]] std::error_code ErrorCodeOf(FileErrorCause cause);

}  // namespace korvale
