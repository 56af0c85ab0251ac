#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "OutputFileBuffer.h"

namespace korvale {

// Writes a whole output file so that a failure or an interruption leaves the
// old file, or none, and never a cut one. A regular file (or a new one) is
// written under a temporary name in the target's folder, flushed to the
// disk and renamed over it only by Commit; a symlink is followed to the
// file it names, and an existing file's permissions are kept. Anything
// else (/dev/null, /dev/stdout, a FIFO) is written directly. Every
// creation, write, flush, rename and removal goes through `system`.
//
// With `replace` false an existing target (of any kind) is never replaced:
// the complete file is put in place only where no file is, in one step
// that another process creating the target meanwhile cannot slip through.
class ReplacingOutput {
 public:
  explicit ReplacingOutput(const std::filesystem::path& target, bool replace = true,
                           FileSystem& system = SystemFileSystem());
  ~ReplacingOutput();
  ReplacingOutput(const ReplacingOutput&) = delete;
  ReplacingOutput& operator=(const ReplacingOutput&) = delete;

  // False when the output could not be opened.
  [[nodiscard]] bool IsOpen() const { return buffer_.IsOpen(); }
  [[nodiscard]] std::ostream& Stream() { return stream_; }
  // Makes the written bytes the target's; false (and the target untouched)
  // when any of it failed.
  [[nodiscard]] bool Commit();
  // Why it failed: the system's cause (std::errc::file_exists when the
  // target was there and may not be replaced, std::errc::is_a_directory
  // when it is a folder).
  [[nodiscard]] std::error_code Error() const { return error_; }

 private:
  bool Fail(std::error_code error);
  void CreateTemporary(const std::filesystem::file_status& status);

  FileSystem& system_;
  std::filesystem::path target_;
  bool replace_;
  std::error_code error_;
  std::optional<std::filesystem::path> temporary_;  // nothing: written directly
  OutputFileBuffer buffer_{system_};
  std::ostream stream_{&buffer_};
};

// Removes the temporary files that killed runs left in the folder of
// `target` (while they wrote it, its backup or a table beside it): those
// whose name carries the id of a process that no longer runs.
void RemoveLeftTemporaries(const std::filesystem::path& target);

// Whether two paths name one file (through symlinks and hard links alike).
[[nodiscard]] bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b);
// Whether an existing file begins as a player file does.
[[nodiscard]] bool HoldsPlayerFile(const std::filesystem::path& path);

}  // namespace korvale
