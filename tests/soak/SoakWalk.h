#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>

#include "CKorvaleView.h"
#include "LeaveRecorder.h"
#include "MessageLog.h"
#include "ReadOnlyFiles.h"
#include "SoakModel.h"

namespace korvale::testing {

struct SoakCounts {
  int actions = 0;
  int refusals = 0;  // texts the pages refused
  int displays = 0;  // full displays compared with a fresh reading
};

// A seeded random walk of user actions on a real editor view, checked
// after every action against the model of what the file must hold.
class SoakWalk {
 public:
  SoakWalk(std::uint32_t seed, const std::filesystem::path& file);
  ~SoakWalk();

  // Runs the actions; the first failure, naming the seed and the action,
  // or nothing.
  [[nodiscard]] std::string Run(int actions);
  [[nodiscard]] const SoakCounts& Counts() const { return counts_; }

 private:
  enum class Display { None, Full, AfterRosterChoice };

  // One action; returns its description and whether it displayed a record.
  std::string Act(Display& display);
  std::string EditAndLeave();
  std::string PickInList();
  std::string ClickCheckBox();
  std::string Move(bool forward, Display& display);
  std::string ChoosePlayer(Display& display);
  std::string ChooseRosterRow(Display& display);
  std::string ChooseTeam();
  std::string CloseAndSelect();

  // Applies the focus-outs the action caused; the edit whose text was
  // refused, if any.
  const EditControl* Settle();
  void OpenTab(int tab);
  [[nodiscard]] QString Typed(const EditControl& edit);
  [[nodiscard]] QString ValidInteger(const EditControl& edit);
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  [[nodiscard]] std::string Check(Display display);
  [[nodiscard]] std::string CheckFile() const;
  [[nodiscard]] QString CompareWithFreshReading(Display display);

  std::uint32_t seed_;
  std::mt19937 rng_;
  std::filesystem::path file_;
  MessageLog messages_;
  CKorvaleView view_;
  ReadOnlyFiles readOnly_;
  MessageLog freshMessages_;
  CKorvaleView fresh_;
  LeaveRecorder leaves_;
  SoakModel model_;
  const EditControl* typed_ = nullptr;
  QString typedOver_;  // what the typed edit held before
  SoakCounts counts_;
  bool trace_;  // KORVALE_SOAK_TRACE set: every action on the error stream
};

}  // namespace korvale::testing
