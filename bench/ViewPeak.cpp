// The editor's peak memory on one file: a headless view selects it, moves
// forward, picks a player from the list and closes it. Prints the peak
// resident set size in KiB before and after Select.
//   view_peak FILE
#include <sys/resource.h>

#include <cstdio>

#include <QApplication>
#include <QComboBox>

#include "CKorvaleView.h"
#include "FileSystem.h"
#include "MessageSink.h"

namespace {

class FailingSink final : public MessageSink {
 public:
  void Warn(const std::string& text) override { qFatal("%s", text.c_str()); }
  void Stop(const std::string& text) override { qFatal("%s", text.c_str()); }
};

long PeakKib() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: view_peak FILE\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  FailingSink sink;
  CKorvaleView view(korvale::SystemFileSystem(), sink);
  view.SetFileChooser([path = QString::fromLocal8Bit(argv[1])](QWidget*) { return path; });
  const long before = PeakKib();
  view.Select();
  view.Forward();
  QComboBox* list = view.PlayerList();
  const int middle = list->count() / 2;
  list->setCurrentIndex(middle);
  emit list->activated(middle);
  std::printf("records %d\npeak_before_select_kib %ld\npeak_kib %ld\n", list->count(), before,
              PeakKib());
  view.Close();
  return 0;
}
