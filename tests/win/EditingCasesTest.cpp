// The editing cases every front end runs, on the Windows editor form.
#include <gtest/gtest.h>

#include <cctype>

#include "EditingRunner.h"
#include "Win32EditingDriver.h"

namespace {

using korvale::testing::EditingCases;

class EditingCasesTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(EditingCasesTest, WritesWhatTheTableSays) {
  korvale::testing::Win32EditingDriver driver;
  ASSERT_TRUE(driver.Active());
  for (const std::string& fault : RunEditingCase(EditingCases()[GetParam()], driver)) {
    ADD_FAILURE() << fault;
  }
}

// The case's name as a test name: its words joined.
std::string CaseName(const ::testing::TestParamInfo<std::size_t>& info) {
  std::string name;
  bool upper = true;
  for (const char c : EditingCases()[info.param].name) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
      upper = true;
      continue;
    }
    name += upper ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
    upper = false;
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Table, EditingCasesTest,
                         ::testing::Range(std::size_t{0}, EditingCases().size()), CaseName);

}  // namespace
