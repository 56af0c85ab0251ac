#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "DbaseHeader.h"
#include "FuzzCheck.h"

// One temporary file per process and name, rewritten for every input.
inline std::string ScratchFile(std::string_view name = "file") {
  std::string pattern = "/tmp/korvale-fuzz-" + std::string(name) + "-XXXXXX";
  const int fd = ::mkstemp(pattern.data());
  FUZZ_CHECK(fd >= 0);
  ::close(fd);
  return pattern;
}

inline void WriteWhole(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  FUZZ_CHECK(out.good());
}

inline std::string ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Short inputs stand for the record area: after a blank header they reach
// the fields.
inline std::string AfterBlankHeader(std::string_view records) {
  return std::string(korvale::kDbaseHeaderLength + 1, ' ') + std::string(records);
}
