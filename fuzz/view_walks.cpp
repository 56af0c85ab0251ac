// The editor's walks on arbitrary files, through a real view offscreen:
// Select, Forward, Back, the player list and team choices and a roster
// list pick. None of them may fail on what the file holds, write to it, or
// show anything but the records it counts. The first input byte chooses
// the team and whether the rest goes after a blank header (bit 7); the
// header and record lengths of a player file are stamped into bytes 8-11
// so that Select accepts the file.
#include <cstdint>
#include <memory>
#include <string>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>

#include "CKorvaleView.h"
#include "FileSystem.h"
#include "FuzzCheck.h"
#include "MessageSink.h"
#include "ScratchFile.h"

namespace {

class CountingSink final : public MessageSink {
 public:
  void Warn(const std::string&) override { ++messages; }
  void Stop(const std::string&) override { ++messages; }
  int messages = 0;
};

struct Editor {
  Editor() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    view = std::make_unique<CKorvaleView>(korvale::SystemFileSystem(), sink);
    view->SetFileChooser([this](QWidget*) { return QString::fromStdString(path); });
  }
  int argc = 1;
  char name[16] = "fuzz_view_walks";
  char* argv[2] = {name, nullptr};
  QApplication application{argc, argv};
  std::string path = ScratchFile("view");
  CountingSink sink;
  std::unique_ptr<CKorvaleView> view;
};

void Choose(QComboBox* list, int index) {
  if (index >= list->count()) return;
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void Walk(CKorvaleView& view, int team, std::int64_t records) {
  view.Select();
  FUZZ_CHECK(view.File().IsSelected());
  FUZZ_CHECK(view.PlayerList()->count() == records);
  for (int i = 0; i < 3; ++i) view.Forward();
  FUZZ_CHECK(view.File().CurrentRecord() ==
             std::min<std::int64_t>(3, std::max<std::int64_t>(records - 1, 0)));
  view.Back();
  Choose(view.PlayerList(), 0);
  Choose(view.PlayerList(), view.PlayerList()->count() - 1);
  Choose(view.TeamChoice(), team);
  if (view.RosterList()->count() > 0)
    view.RosterList()->setCurrentRow(view.RosterList()->count() - 1);
  FUZZ_CHECK(view.File().CurrentRecord() >= 0 &&
             view.File().CurrentRecord() < std::max<std::int64_t>(records, 1));
  view.Close();
  FUZZ_CHECK(!view.File().IsSelected());
}

std::string WithPlayerHeaderLengths(std::string bytes) {
  if (bytes.size() < 12) bytes.resize(12, ' ');
  bytes.replace(8, 4, "\xA1\x0E\x66\x02");  // 3745 and 614, little-endian
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static Editor editor;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::string bytes =
      WithPlayerHeaderLengths((data[0] & 0x80) != 0 ? AfterBlankHeader(rest) : std::string(rest));
  WriteWhole(editor.path, bytes);
  Walk(*editor.view, data[0] & 0x1F, korvale::PlayerFileState::RecordCount(bytes.size()));
  FUZZ_CHECK(editor.sink.messages == 0);
  FUZZ_CHECK(ReadWhole(editor.path) == bytes);
  return 0;
}
