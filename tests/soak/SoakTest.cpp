#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include <QtGlobal>

#include "PlayerFileBuilder.h"
#include "SampleRoster.h"
#include "SoakWalk.h"

namespace korvale::testing {
namespace {

constexpr std::uint32_t kDefaultSeed = 19980611;
constexpr int kDefaultActions = 300;
constexpr int kPlayers = 40;

// The offscreen platform says on every focus change that it cannot raise
// windows or grab the keyboard; thousands of actions drown the report.
QtMessageHandler standardHandler = nullptr;

void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith("This plugin does not support")) standardHandler(type, context, message);
}

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::strtoull(value, nullptr, 10) : fallback;
}

// KORVALE_SOAK_SEED and KORVALE_SOAK_ACTIONS choose the walk.
TEST(Soak, RandomEditingKeepsTheFileAsTheUserLeftIt) {
  const auto seed = static_cast<std::uint32_t>(FromEnvironment("KORVALE_SOAK_SEED", kDefaultSeed));
  const auto actions = static_cast<int>(FromEnvironment("KORVALE_SOAK_ACTIONS", kDefaultActions));
  standardHandler = qInstallMessageHandler(QuietPlatform);
  TempDir dir;
  const auto file = dir / "Players.dbf";
  std::ofstream(file, std::ios::binary) << SampleRosterBytes(kPlayers, kSampleSeed);

  const auto start = std::chrono::steady_clock::now();
  SoakWalk walk(seed, file);
  const std::string failed = walk.Run(actions);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  std::cout << "soak: seed " << seed << ", " << walk.Counts().actions << " actions, "
            << walk.Counts().refusals << " refused texts, " << walk.Counts().displays
            << " displays compared, " << took.count() << " s\n";
  EXPECT_EQ(failed, "") << "rerun with KORVALE_SOAK_SEED=" << seed;
}

}  // namespace
}  // namespace korvale::testing
