#include "FaultRig.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "Cli.h"
#include "DbaseHeader.h"
#include "HistoryLocation.h"
#include "SampleRoster.h"
#include "UserInput.h"

namespace korvale::testing {

FaultRig::FaultRig(const std::string& bytes)
    : path(h.dir / "Players.dbf"),
      historyFolder("KORVALE_HISTORY_DIR", (h.dir / "history").string()) {
  std::ofstream(path, std::ios::binary) << bytes;
  h.chosen = QString::fromStdString(path.string());
}

void FaultRig::Select() {
  h.view->Select();
  EXPECT_TRUE(ShowActive(h.view.get()));
}

void FaultRig::RunCli(const std::vector<std::string>& args) {
  std::istringstream in;
  std::ostringstream o;
  std::ostringstream e;
  code = korvale::cli::RunCli(args, in, o, e, h.files);
  out = o.str();
  err = e.str();
}

QStringList FaultRig::Reported() const {
  QStringList reported = QtTexts(h.messages.stops);
  std::istringstream lines(err);
  const std::string prefix = "korvale-cli: ";
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with(prefix)) reported << QString::fromStdString(line.substr(prefix.size()));
  }
  return reported;
}

std::filesystem::path FaultRig::HistoryFile() const { return history::HistoryPath(Path()); }

On FaultRig::FileOf(const FaultyFileSystem::Call& call) const {
  if (call.path == Path()) return On::Roster;
  return call.path.starts_with((h.dir / "history").string()) ? On::History : On::Output;
}

void FaultRig::ForgetMessages() {
  h.messages.Clear();
  code = -1;
  out.clear();
  err.clear();
}

std::string FivePlayers() {
  const struct {
    const char* last;
    const char* first;
    int id, team, slot;
  } players[] = {{"Moss", "Eli", 101, 2, 4},
                 {"Avery", "Tom", 102, 4, 0},
                 {"Cole", "Ray", 103, 2, 0},
                 {"Dunn", "Kim", 104, 2, 1},
                 {"Bell", "Ann", 101, 4, 2}};
  PlayerFileBuilder b(5);
  for (int k = 0; k < 5; ++k) {
    const auto& p = players[k];
    b.At(kDbaseHeaderLength + kRecordLength * static_cast<std::uint64_t>(k),
         SampleRecord(k, p.team, p.slot, kSampleSeed));
    Player(b, k, p.last, p.first, p.id, p.team, p.slot)
        .Number(k, FieldId::Height, 80)
        .Text(k, FieldId::PlayerPkg, ":BCDE")
        .Raw(k, FieldId::IsPlayable, "T");
  }
  return b.Bytes();
}

}  // namespace korvale::testing
