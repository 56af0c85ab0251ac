#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

#include "PlayerFileBuilder.h"
#include "PlayerFileState.h"
#include "Utf8Path.h"
#include "WindowsErrors.h"

namespace korvale {
namespace {

using testing::PlayerFileBuilder;

TEST(WindowsFileSystemTest, ErrorCodesMapToTheEditorsCauses) {
  const struct {
    DWORD code;
    FileErrorCause cause;
  } cases[] = {
      {ERROR_FILE_NOT_FOUND, FileErrorCause::NotFound},
      {ERROR_PATH_NOT_FOUND, FileErrorCause::NotFound},
      {ERROR_ACCESS_DENIED, FileErrorCause::AccessDenied},
      {ERROR_WRITE_PROTECT, FileErrorCause::AccessDenied},
      {ERROR_SHARING_VIOLATION, FileErrorCause::SharingViolation},
      {ERROR_LOCK_VIOLATION, FileErrorCause::SharingViolation},
      {ERROR_HANDLE_DISK_FULL, FileErrorCause::DiskFull},
      {ERROR_DISK_FULL, FileErrorCause::DiskFull},
      {ERROR_INVALID_HANDLE, FileErrorCause::InvalidHandle},
      {ERROR_IO_DEVICE, FileErrorCause::HardwareIo},
      {ERROR_CRC, FileErrorCause::HardwareIo},
      {ERROR_READ_FAULT, FileErrorCause::HardwareIo},
      {ERROR_WRITE_FAULT, FileErrorCause::HardwareIo},
      {ERROR_NOT_ENOUGH_MEMORY, FileErrorCause::Unknown},
      {ERROR_INVALID_NAME, FileErrorCause::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(CauseOfWindowsError(c.code), c.cause) << c.code;
}

class WindowsFileTest : public ::testing::Test {
 protected:
  // A player file under a name that the ANSI code pages cannot spell.
  std::string MakeFile() {
    PlayerFileBuilder b(2);
    b.Text(1, FieldId::LastName, "Okafor");
    return Utf8FromPath(b.WriteTo(dir.Path() / PathFromUtf8("Spieler \xC3\xA4 \xE4\xB8\xAD.dbf")));
  }

  testing::TempDir dir;
};

TEST_F(WindowsFileTest, ReadsAndWritesThroughAUnicodeName) {
  const std::string path = MakeFile();
  PlayerFileState file;
  file.OpenPlayerFile(path);
  EXPECT_EQ(file.FileLength(), std::filesystem::file_size(PathFromUtf8(path)));
  EXPECT_EQ(file.ReadField(1, FieldId::LastName).substr(0, 6), "Okafor");
  file.SetCurrentRecord(1);
  file.WriteField(FieldId::LastName, "Mbeki ");
  EXPECT_EQ(file.ReadField(1, FieldId::LastName).substr(0, 6), "Mbeki ");
  file.ClosePlayerFile();
  EXPECT_EQ(
      testing::FieldBytes(testing::ReadAll(PathFromUtf8(path)), 1, FieldId::LastName).substr(0, 6),
      "Mbeki ");
}

TEST_F(WindowsFileTest, HeldFileIsRefusedToEveryOtherOpener) {
  const std::string path = MakeFile();
  {
    PlayerFileState holder;
    holder.OpenPlayerFile(path);
    PlayerFileState second;
    try {
      second.OpenPlayerFile(path);
      FAIL() << "opened twice";
    } catch (const FileError& e) {
      EXPECT_EQ(e.Message(), "A sharing violation occurred while accessing " + path + ".");
    }
    EXPECT_FALSE(second.IsSelected());
    // Not only Korvale: a reader that asks for no write access is refused too.
    std::FILE* reader = ::_wfopen(PathFromUtf8(path).c_str(), L"rb");
    EXPECT_EQ(reader, nullptr);
    if (reader != nullptr) std::fclose(reader);
  }
  PlayerFileState again;
  again.OpenPlayerFile(path);
  EXPECT_TRUE(again.IsSelected());
}

TEST_F(WindowsFileTest, OpenFailuresNameTheirCause) {
  const struct {
    std::string path;
    FileErrorCause cause;
  } cases[] = {
      {Utf8FromPath(dir.Path() / "missing.dbf"), FileErrorCause::NotFound},
      {Utf8FromPath(dir.Path() / "no folder" / "Players.dbf"), FileErrorCause::NotFound},
      {Utf8FromPath(dir.Path()), FileErrorCause::AccessDenied},
      {"NUL", FileErrorCause::AccessDenied},
  };
  for (const auto& c : cases) {
    PlayerFileState file;
    try {
      file.OpenPlayerFile(c.path);
      ADD_FAILURE() << c.path << " opened";
    } catch (const FileError& e) {
      EXPECT_EQ(e.Cause(), c.cause) << c.path;
      EXPECT_EQ(e.FileName(), c.path);
    }
  }
}

}  // namespace
}  // namespace korvale
