#pragma once

#include <array>
#include <filesystem>
#include <streambuf>
#include <system_error>

#include "OutputFile.h"

namespace korvale {

// A stream buffer that writes to an output file and keeps the system's
// cause of the first write that fails: a full disk is reported as one
// however late the failure shows, not as a stream that merely went bad.
class OutputFileBuffer final : public std::streambuf {
 public:
  OutputFileBuffer() { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  ~OutputFileBuffer() override;
  OutputFileBuffer(const OutputFileBuffer&) = delete;
  OutputFileBuffer& operator=(const OutputFileBuffer&) = delete;

  // Creates `path`, or with `replace` empties an existing file; false (and
  // Error()) when it cannot.
  bool Open(const std::filesystem::path& path, bool replace);
  [[nodiscard]] bool IsOpen() const { return file_ != nullptr; }
  // Writes what is held and closes; false when any write or the close
  // failed.
  bool Close();
  [[nodiscard]] std::error_code Error() const { return error_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();
  void Failed();

  OutputFilePtr file_;
  std::error_code error_;
  std::array<char, std::size_t{64} << 10> buffer_{};
};

}  // namespace korvale
