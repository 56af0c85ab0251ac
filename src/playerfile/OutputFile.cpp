#include "OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace korvale {
namespace {

// The C library's "x" mode is missing from the Windows runtime, so the
// exclusive create goes through the descriptor calls on both systems.
#ifdef _WIN32
int OpenDescriptor(const std::filesystem::path& path, int flags) {
  return ::_wopen(path.c_str(), flags | _O_WRONLY | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
}
constexpr int kTruncate = _O_TRUNC;
constexpr int kExclusive = _O_EXCL;
std::FILE* StreamOf(int fd) { return ::_fdopen(fd, "wb"); }
void CloseDescriptor(int fd) { ::_close(fd); }
#else
int OpenDescriptor(const std::filesystem::path& path, int flags) {
  return ::open(path.c_str(), flags | O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
}
constexpr int kTruncate = O_TRUNC;
constexpr int kExclusive = O_EXCL;
std::FILE* StreamOf(int fd) { return ::fdopen(fd, "wb"); }
void CloseDescriptor(int fd) { ::close(fd); }
#endif

}  // namespace

OutputFile OpenOutputFile(const std::filesystem::path& path, bool replace) {
  const int fd = OpenDescriptor(path, replace ? kTruncate : kExclusive);
  if (fd < 0) return {nullptr, errno == EEXIST};
  std::FILE* stream = StreamOf(fd);
  if (stream == nullptr) CloseDescriptor(fd);
  return {OutputFilePtr(stream), false};
}

bool CloseOutputFile(OutputFilePtr file) { return std::fclose(file.release()) == 0; }

}  // namespace korvale
