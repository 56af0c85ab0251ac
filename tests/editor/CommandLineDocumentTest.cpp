#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CommandLineDocument.h"
#include "FileError.h"
#include "PlayerFileBuilder.h"
#include "Utf8Path.h"

namespace {

using korvale::FileError;
using korvale::FileErrorCause;

TEST(CommandLineDocument, TheFirstFileNameIsOpenedForReadingAndTheRestPassedOver) {
  korvale::testing::TempDir dir;
  const std::string existing =
      korvale::Utf8FromPath(korvale::testing::PlayerFileBuilder(1).WriteTo(dir / "Players.dbf"));
  const std::string missing = korvale::Utf8FromPath(dir / "Missing.dbf");
  const std::string folder = korvale::Utf8FromPath(dir.Path());
  const std::string notFound = FileError(FileErrorCause::NotFound, missing).Message();
  const struct {
    std::vector<std::string> arguments;
    std::string failure;
  } cases[] = {
      {{}, ""},
      {{"-x", "--y"}, ""},
      {{existing}, ""},
      {{existing, missing}, ""},
      {{missing}, notFound},
      {{"-x", "+z", missing, existing}, notFound},
      {{folder}, FileError(FileErrorCause::AccessDenied, folder).Message()},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CommandLineDocumentFailure(c.arguments, "-+"), c.failure) << c.arguments.size();
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "Missing.dbf"));
}

}  // namespace
