#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "FileSystem.h"

namespace korvale {
namespace {

// Runs `call` on a descriptor of `path` opened with `flags`.
SysResult OnDescriptor(const char* path, int flags, const std::function<SysResult(int)>& call) {
  const int fd = ::open(path, flags | O_CLOEXEC);
  const SysResult result = call(fd);
  ::close(fd);
  return result;
}

// The system's own failures, each reaching the cause whose message the
// user sees.
TEST(PosixFileSystem, SystemErrorsReachTheirCauses) {
  FileSystem& files = SystemFileSystem();
  char byte = 'x';
  const struct {
    const char* what;
    std::function<SysResult()> call;
    FileErrorCause want;
  } cases[] = {
      {"write to a full device",
       [&] {
         return OnDescriptor("/dev/full", O_WRONLY,
                             [&](int fd) { return files.Write(fd, &byte, 1); });
       },
       FileErrorCause::DiskFull},
      {"seek on a closed handle", [&] { return files.Seek(-1, 0); }, FileErrorCause::InvalidHandle},
      {"read from a folder",
       [&] {
         return OnDescriptor("/", O_RDONLY, [&](int fd) { return files.Read(fd, &byte, 1); });
       },
       FileErrorCause::AccessDenied},
      {"open of a device", [&] { return files.Open("/dev/null"); }, FileErrorCause::AccessDenied},
      {"open of a missing file", [&] { return files.Open("/no/such/Players.dbf"); },
       FileErrorCause::NotFound},
  };
  for (const auto& c : cases) {
    const SysResult r = c.call();
    EXPECT_FALSE(r.ok) << c.what;
    EXPECT_EQ(r.cause, c.want) << c.what;
  }
}

}  // namespace
}  // namespace korvale
