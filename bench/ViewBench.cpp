// Select (file chosen -> record 0 shown, all three lists filled), a
// choice in the player list, a rating commit and a name commit, at three
// roster sizes. Run headless:
//   QT_QPA_PLATFORM=offscreen build/release/bench/view_bench
#include <memory>

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>

#include "BenchRosters.h"
#include "CKorvaleView.h"
#include "FileSystem.h"
#include "MessageSink.h"
#include "PlayerDataPage.h"
#include "QtFormPage.h"

using korvale::FieldId;
using korvale::bench::ListRoster;
using korvale::bench::SampleRoster;

namespace {

class SilentSink final : public MessageSink {
 public:
  // A refused value would leave the page waiting for its message box.
  void Warn(const std::string& text) override { qFatal("%s", text.c_str()); }
  void Stop(const std::string& text) override { qFatal("%s", text.c_str()); }
};

std::unique_ptr<CKorvaleView> MakeView(SilentSink& sink, const std::filesystem::path& path) {
  auto view = std::make_unique<CKorvaleView>(korvale::SystemFileSystem(), sink);
  view->SetFileChooser([p = QString::fromStdString(path.string())](QWidget*) { return p; });
  return view;
}

void BM_Select(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, ListRoster(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    view->Select();
    state.PauseTiming();
    if (view->PlayerList()->count() != state.range(0)) state.SkipWithError("list not filled");
    view->Close();
    state.ResumeTiming();
  }
}

// The user picks a player whose PlayerId one record holds.
void BM_PlayerListChoice(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, ListRoster(static_cast<int>(state.range(0))));
  view->Select();
  const int record = korvale::bench::ChosenRecord(static_cast<int>(state.range(0)));
  QComboBox* list = view->PlayerList();
  const int target = list->findText(
      QString::fromStdString(korvale::bench::ChosenEntryEnd(static_cast<int>(state.range(0)))),
      Qt::MatchEndsWith);
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
  auto view = MakeView(sink, SampleRoster(static_cast<int>(state.range(0))));
  view->Select();
  CommitEach(state, *view, view->Page(2), 1003, FieldId::JumpShooting, {"61", "62"}, {"22", "24"});
}

// A first name: written, then the player list and the roster list are
// filled again.
void BM_NameCommit(benchmark::State& state) {
  SilentSink sink;
  auto view = MakeView(sink, SampleRoster(static_cast<int>(state.range(0))));
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
