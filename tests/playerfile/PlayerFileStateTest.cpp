#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "FaultyFileSystem.h"
#include "PlayerFileBuilder.h"
#include "PlayerFileState.h"

namespace korvale {
namespace {

using testing::FaultyFileSystem;
using testing::FileOp;
using testing::PlayerFileBuilder;
using testing::ReadAll;
using testing::TempDir;

class PlayerFileStateTest : public ::testing::Test {
 protected:
  std::string Make(const PlayerFileBuilder& builder) {
    return builder.WriteTo(dir / "Players.dbf").string();
  }
  std::string Message(const std::function<void()>& action) {
    try {
      action();
    } catch (const FileError& e) {
      return e.Message();
    }
    return "no error";
  }

  TempDir dir;
  FaultyFileSystem faulty;
};

TEST_F(PlayerFileStateTest, RecordCountFollowsTheLastNameBound) {
  const struct {
    std::uint64_t length;
    std::int64_t count;
  } cases[] = {{0, 0},
               {3828, 0},
               {3829, 1},
               {3828 + 614, 1},
               {3829 + 614, 2},
               {3745 + 614 * 440, 440},
               {3745 + 614 * 440 + 1, 440}};
  for (const auto& c : cases)
    EXPECT_EQ(PlayerFileState::RecordCount(c.length), c.count) << c.length;
  EXPECT_TRUE(PlayerFileState::RecordReaches(4009, 0, FieldId::Team));
  EXPECT_FALSE(PlayerFileState::RecordReaches(4008, 0, FieldId::Team));
}

TEST_F(PlayerFileStateTest, ReadsFieldsUpToZeroBytesAndShortAtTheEnd) {
  PlayerFileBuilder b(2);
  b.Text(0, FieldId::LastName, "Smith").Raw(1, FieldId::FirstName, std::string("Jo\0hn", 5));
  b.Truncate(Field(FieldId::Games).OffsetIn(1) + 3);
  PlayerFileState state;
  state.OpenPlayerFile(Make(b));
  EXPECT_EQ(state.FilePath(), (dir / "Players.dbf").string());
  EXPECT_EQ(state.ReadField(0, FieldId::LastName), "Smith" + std::string(20, ' '));
  EXPECT_EQ(state.ReadField(1, FieldId::FirstName), "Jo");
  EXPECT_EQ(state.ReadField(1, FieldId::Games), "   ");
  EXPECT_EQ(state.ReadField(1, FieldId::Ejections), "");
  EXPECT_EQ(state.ReadField(7, FieldId::LastName), "");
  EXPECT_EQ(state.ReadField(0, FieldId::Nickname).size(), 26u);
}

TEST_F(PlayerFileStateTest, WritesExactlyTheFieldBytesOfTheCurrentRecord) {
  const std::string path = Make(PlayerFileBuilder(3));
  const std::string before = ReadAll(path);
  PlayerFileState state;
  state.OpenPlayerFile(path);
  state.SetCurrentRecord(1);
  state.WriteField(FieldId::YearsPro, " 5");
  const std::string after = ReadAll(path);
  const auto at = Field(FieldId::YearsPro).OffsetIn(1);
  EXPECT_EQ(after.substr(at, 2), " 5");
  EXPECT_EQ(after.substr(0, at), before.substr(0, at));
  EXPECT_EQ(after.substr(at + 2), before.substr(at + 2));
}

TEST_F(PlayerFileStateTest, RefusesToWritePastTheEndOfTheFile) {
  PlayerFileBuilder b(2);
  b.Truncate(Field(FieldId::Games).OffsetIn(1) + 2);
  const std::string path = Make(b);
  PlayerFileState state;
  state.OpenPlayerFile(path);
  state.SetCurrentRecord(1);
  EXPECT_EQ(Message([&] { state.WriteField(FieldId::Games, "   12"); }),
            "The record lies beyond the end of " + path + "; nothing was written.");
  EXPECT_EQ(ReadAll(path), b.Bytes());
  state.WriteField(FieldId::LastName, std::string(25, 'X'));  // still inside: allowed
  EXPECT_EQ(ReadAll(path).size(), b.Bytes().size());
}

TEST_F(PlayerFileStateTest, OnlyAPlayerFileHeaderPassesThePlayerFileTest) {
  const std::string good = PlayerFileBuilder(0).Bytes();
  const struct {
    const char* what;
    std::string bytes;
    bool passes;
  } cases[] = {
      {"a player file without records", good, true},
      {"the first twelve bytes alone", good.substr(0, 12), true},
      {"eleven bytes", good.substr(0, 11), false},
      {"an empty file", "", false},
      {"zero bytes", std::string(8000, '\0'), false},
      {"another record length", PlayerFileBuilder(1).At(10, "\x67\x02").Bytes(), false},
      {"another header length", PlayerFileBuilder(1).At(8, "\xA2\x0E").Bytes(), false},
      {"lengths swapped in byte order", PlayerFileBuilder(1).At(8, "\x0E\xA1\x02\x66").Bytes(),
       false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsPlayerFileHeader(c.bytes), c.passes) << c.what;
    const std::string path = (dir / "Table.dbf").string();
    PlayerFileBuilder(0).Truncate(0).At(0, c.bytes).WriteTo(path);
    PlayerFileState state;
    state.OpenPlayerFile(path);
    EXPECT_EQ(Message([&] { state.CheckPlayerFile(); }),
              c.passes ? "no error" : path + " is not a Courtline '98 player file.")
        << c.what;
  }
}

TEST_F(PlayerFileStateTest, OpenFailuresNameThePathAndLeaveNoFileSelected) {
  const std::string missing = (dir / "Players.dbf").string();
  std::filesystem::create_directory(dir / "folder");
  const std::string fifo = (dir / "pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string message;
  } cases[] = {
      {missing, missing + " was not found."},
      {(dir / "folder").string(), "Access to " + (dir / "folder").string() + " was denied."},
      {fifo, "Access to " + fifo + " was denied."},
      {"/dev/null", "Access to /dev/null was denied."},
  };
  for (const auto& c : cases) {
    PlayerFileState state;
    EXPECT_EQ(Message([&] { state.OpenPlayerFile(c.path); }), c.message);
    EXPECT_FALSE(state.IsSelected());
    EXPECT_EQ(Message([&] { (void)state.FileLength(); }),
              "An invalid file handle was associated with an unnamed file.");
  }
}

TEST_F(PlayerFileStateTest, ASecondHolderGetsTheSharingViolation) {
  const std::string path = Make(PlayerFileBuilder(1));
  PlayerFileState first;
  first.OpenPlayerFile(path);
  PlayerFileState second;
  EXPECT_EQ(Message([&] { second.OpenPlayerFile(path); }),
            "A sharing violation occurred while accessing " + path + ".");
  first.ClosePlayerFile();
  EXPECT_NO_THROW(second.OpenPlayerFile(path));
}

TEST_F(PlayerFileStateTest, EveryCauseHasItsMessage) {
  const std::string path = Make(PlayerFileBuilder(1));
  const struct {
    FileErrorCause cause;
    std::string text;
  } cases[] = {
      {FileErrorCause::InvalidHandle, "An invalid file handle was associated with %1."},
      {FileErrorCause::AccessDenied, "Access to %1 was denied."},
      {FileErrorCause::SharingViolation, "A sharing violation occurred while accessing %1."},
      {FileErrorCause::HardwareIo, "A hardware I/O error was reported while accessing %1."},
      {FileErrorCause::DiskFull, "Disk full while accessing %1."},
      {FileErrorCause::Unknown, "An unknown error occurred while accessing %1."},
  };
  for (const auto& c : cases) {
    const auto fill = [&](const std::string& name) {
      std::string t = c.text;
      return t.replace(t.find("%1"), 2, name);
    };
    PlayerFileState state(faulty);
    faulty.Fail(FileOp::Open, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { state.OpenPlayerFile(path); }), fill(path));
    state.OpenPlayerFile(path);
    faulty.Fail(FileOp::Read, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { (void)state.ReadField(0, FieldId::Height); }), fill("an unnamed file"));
    faulty.Fail(FileOp::Seek, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { (void)state.ReadField(0, FieldId::Height); }), fill("an unnamed file"));
    faulty.Fail(FileOp::Length, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { (void)state.FileLength(); }), fill("an unnamed file"));
    faulty.Fail(FileOp::Write, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { state.WriteField(FieldId::Height, "79"); }), fill(path));
    faulty.Fail(FileOp::Close, c.cause, 0, 1);
    EXPECT_EQ(Message([&] { state.ClosePlayerFile(); }), fill("an unnamed file"));
    EXPECT_FALSE(state.IsSelected());
    EXPECT_EQ(state.CurrentRecord(), 0);
  }
}

TEST_F(PlayerFileStateTest, AShortWriteIsDiskFull) {
  const std::string path = Make(PlayerFileBuilder(1));
  PlayerFileState state(faulty);
  state.OpenPlayerFile(path);
  faulty.CutWritesTo(1);
  EXPECT_EQ(Message([&] { state.WriteField(FieldId::Height, "79"); }),
            "Disk full while accessing " + path + ".");
  faulty.Clear();
  state.WriteField(FieldId::Height, "79");
  EXPECT_EQ(testing::FieldBytes(ReadAll(path), 0, FieldId::Height), "79");
}

TEST_F(PlayerFileStateTest, CloseResetsTheStateAndNeverCreatesFiles) {
  const std::string path = Make(PlayerFileBuilder(2));
  PlayerFileState state;
  state.OpenPlayerFile(path);
  state.SetCurrentRecord(1);
  state.ClosePlayerFile();
  EXPECT_FALSE(state.IsSelected());
  EXPECT_EQ(state.CurrentRecord(), 0);
  EXPECT_NO_THROW(state.ClosePlayerFile());
  EXPECT_THROW(state.OpenPlayerFile((dir / "new.dbf").string()), FileError);
  EXPECT_FALSE(std::filesystem::exists(dir / "new.dbf"));
}

}  // namespace
}  // namespace korvale
