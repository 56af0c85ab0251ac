#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "FileSystem.h"

namespace korvale {
namespace {

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
         const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
         const SysResult r = files.Write(fd, &byte, 1);
         ::close(fd);
         return r;
       },
       FileErrorCause::DiskFull},
      {"seek on a closed handle", [&] { return files.Seek(-1, 0); }, FileErrorCause::InvalidHandle},
      {"read from a folder",
       [&] {
         const int fd = ::open("/", O_RDONLY | O_CLOEXEC);
         const SysResult r = files.Read(fd, &byte, 1);
         ::close(fd);
         return r;
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
