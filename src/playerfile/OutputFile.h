#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>

namespace korvale {

struct CloseFile {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OutputFilePtr = std::unique_ptr<std::FILE, CloseFile>;

// A file opened for writing bytes (no line-end translation anywhere).
struct OutputFile {
  OutputFilePtr file;   // null when the open failed
  bool exists = false;  // it failed because the file was there already
};

// Creates `path`, or with `replace` empties an existing file. Without
// `replace` an existing file is left alone and `exists` comes back set.
[[nodiscard]] OutputFile OpenOutputFile(const std::filesystem::path& path, bool replace);

// Closes the file, true when every byte reached it.
[[nodiscard]] bool CloseOutputFile(OutputFilePtr file);

}  // namespace korvale
