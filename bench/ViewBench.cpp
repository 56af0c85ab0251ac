// Select (file chosen -> record 0 shown, all three lists filled), a
// choice in the player list, a rating commit and a name commit, at three
// roster sizes. Run headless:
//   QT_QPA_PLATFORM=offscreen build/release/bench/view_bench
#include <map>
#include <memory>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include "CKorvaleView.h"
#include "FileSystem.h"
#include "MessageSink.h"
#include "PlayerDataPage.h"
#include "PlayerFileBuilder.h"
#include "QtFormPage.h"
#include "SampleRoster.h"

using korvale::FieldId;
using korvale::testing::PlayerFileBuilder;
using korvale::testing::TempDir;

namespace {

class SilentSink final : public MessageSink {
 public:
  // A refused value would leave the page waiting for its message box.
  void Warn(const std::string& text) override { qFatal("%s", text.c_str()); }
  void Stop(const std::string& text) override { qFatal("%s", text.c_str()); }
};

std::string Syllables(int n) {
  static const char* const kParts[] = {"ka", "ren", "mo", "la", "vin", "tor", "da", "sel"};
  std::string name;
  for (int i = 0; i < 4; ++i, n /= 8) name += kParts[n % 8];
  name[0] = static_cast<char>(name[0] - 'a' + 'A');
  return name;
}

// Record k: team k mod 30, slot by arrival, PlayerId k for the first 9000
// records and 9999 beyond (four digits hold no more).
const std::filesystem::path& Roster(int records) {
  static TempDir dir;
  static std::map<int, std::filesystem::path> files;
  auto [it, added] = files.try_emplace(records);
  if (!added) return it->second;
  PlayerFileBuilder b(records);
  for (int k = 0; k < records; ++k) {
    b.Text(k, FieldId::LastName, Syllables(k * 7919))
        .Text(k, FieldId::FirstName, Syllables(k))
        .Number(k, FieldId::PlayerId, k < 9000 ? k : 9999)
        .Number(k, FieldId::Team, k % 30)
        .Number(k, FieldId::RosterSlot, (k / 30) % 15);
  }
  it->second = b.WriteTo(dir / ("Players-" + std::to_string(records) + ".dbf"));
  return it->second;
}

// A sample roster: every field holds a value its page accepts, so that a
// commit takes the whole page without a refusal.
const std::filesystem::path& Sample(int records) {
  static TempDir dir;
  static std::map<int, std::filesystem::path> files;
  auto [it, added] =
      files.try_emplace(records, dir / ("Sample-" + std::to_string(records) + ".dbf"));
  if (added) korvale::WriteSampleRoster(it->second, records, korvale::kSampleSeed, true);
  return it->second;
}

std::unique_ptr<CKorvaleView> MakeView(SilentSink& sink, const std::filesystem::path& path) {
  auto view = std::make_unique<CKorvaleView>(korvale::SystemFileSystem(), sink);
  view->SetFileChooser([p = QString::fromStdString(path.string())](QWidget*) { return p; });
  return view;
}

void BM_Select(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, Roster(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    view->Select();
    state.PauseTiming();
    if (view->PlayerList()->count() != state.range(0)) state.SkipWithError("list not filled");
    view->Close();
    state.ResumeTiming();
  }
}

// The user picks a player whose PlayerId one record holds: record n / 3.
void BM_PlayerListChoice(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, Roster(static_cast<int>(state.range(0))));
  view->Select();
  const int record = static_cast<int>(std::min<std::int64_t>(state.range(0) / 3, 4500));
  QComboBox* list = view->PlayerList();
  const int target = list->findText(QString(",%1").arg(record, 5), Qt::MatchEndsWith);
  for (auto _ : state) {
    list->setCurrentIndex(target);
    emit list->activated(target);
  }
  if (view->File().CurrentRecord() != record) state.SkipWithError("wrong record");
}

// The user leaves an edit with Tab after typing `text`: the page commits.
void Commit(QLineEdit* edit, const QString& text) {
  edit->setText(text);
  QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(edit, &leave);
}

// Types one of two values into an edit of a page of record 0 and commits;
// the field then starts with the stored form of one of them.
void CommitEach(benchmark::State& state, CKorvaleView& view, QWidget* page, int control,
                FieldId field, std::pair<const char*, const char*> shown,
                std::pair<std::string, std::string> stored) {
  auto* edit = page->findChild<QLineEdit*>(QString::number(control), Qt::FindDirectChildrenOnly);
  if (edit == nullptr) return state.SkipWithError("no such edit");
  bool flip = false;
  for (auto _ : state) Commit(edit, (flip = !flip) ? shown.first : shown.second);
  const std::string now = view.File().ReadField(0, field);
  if (now.rfind(stored.first, 0) != 0 && now.rfind(stored.second, 0) != 0)
    state.SkipWithError("not written");
}

// Jump shooting (the ratings page's first edit): written, then the overall
// is recalculated. No list is touched.
void BM_RatingCommit(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, Sample(static_cast<int>(state.range(0))));
  view->Select();
  CommitEach(state, *view, view->Page(2), 1003, FieldId::JumpShooting, {"61", "62"}, {"22", "24"});
}

// A first name: written, then the player list and the roster list are
// filled again.
void BM_NameCommit(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, Sample(static_cast<int>(state.range(0))));
  view->Select();
  CommitEach(state, *view, view->Page(0), PlayerDataPage::kFirstName, FieldId::FirstName,
             {"Karen", "Morla"}, {"Karen", "Morla"});
}

}  // namespace

BENCHMARK(BM_Select)->Arg(1500)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlayerListChoice)->Arg(1500)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RatingCommit)->Arg(1500)->Arg(15000)->Arg(150000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NameCommit)->Arg(1500)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
