#include <gtest/gtest.h>

#include "HistoryLocation.h"
#include "HistoryLog.h"
#include "PlayerFileBuilder.h"
#include "ScopedVariable.h"
#include "Utf8Path.h"

namespace korvale::history {
namespace {

using testing::ScopedVariable;
using testing::TempDir;

TEST(WindowsHistoryTest, TheHistoryLivesInTheUsersLocalApplicationData) {
  TempDir dir;
  const ScopedVariable chosen("KORVALE_HISTORY_DIR", std::nullopt);
  const ScopedVariable local("LOCALAPPDATA", Utf8FromPath(dir.Path() / "Local"));
  const std::filesystem::path folder = dir.Path() / "Local" / "Korvale" / "history";
  EXPECT_EQ(HistoryFolder(), folder);
  const std::string roster = Utf8FromPath(dir / "Players.dbf");
  HistoryLog log(roster);
  EXPECT_EQ(log.Append(Program::Import, {{1, FieldId::Speed, "20", "40"}}), 1U);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder / PathFromUtf8(HistoryFileName(roster))));
  EXPECT_EQ(log.Read().size(), 1U);
  // Windows names one file in any letter case.
  EXPECT_EQ(HistoryFileName("C:\\Games\\Players.dbf"), HistoryFileName("c:\\GAMES\\players.DBF"));
}

}  // namespace
}  // namespace korvale::history
