#pragma once

#include <filesystem>
#include <string>

#include "FakeControls.h"
#include "PageCommit.h"
#include "PlayerFileBuilder.h"
#include "RecordLayout.h"

// A page's rules on plain controls, over a record of a file opened as
// Select opens it: the lists filled, the record shown and what follows from
// it worked out. The user's input arrives as a front end forwards it.
template <typename Page, typename Host = FakeHost>
class PageRig {
 public:
  explicit PageRig(const korvale::testing::PlayerFileBuilder& file, int record = 1)
      : path_(file.WriteTo(dir_ / "Players.dbf")) {
    host.onShowCurrentRecord = [this] {
      page.LoadRecord();
      page.Recalculate();
    };
    page.Exchange().Show();
    host.file.OpenPlayerFile(path_.string());
    page.FillLists();
    Show(record);
  }

  // Another record shown, the calls and messages afresh.
  void Show(int record) {
    record_ = record;
    host.file.SetCurrentRecord(record);
    host.ShowCurrentRecord();
    host.calls.clear();
    host.messages.Clear();
  }

  // The user types `text` over the edit's and leaves it.
  void Enter(int id, const std::string& text) {
    controls.texts[id] = text;
    Leave(id);
  }
  void Leave(int id) { page.Handle(PageEvent::Leave, id); }
  void Pick(int id, int index) {
    controls.Select(id, index);
    page.Handle(PageEvent::Pick, id);
  }
  void Click(int id) {
    controls.checks[id] = !controls.Checked(id);
    page.Handle(PageEvent::Click, id);
  }

  [[nodiscard]] std::string Shown(int id) const { return controls.Text(id); }
  // The text of the list's selected entry, empty for none.
  [[nodiscard]] std::string ShownEntry(int list) const {
    const int index = controls.Selection(list);
    return index < 0 ? "" : std::string(controls.entries.at(list).at(index));
  }
  [[nodiscard]] std::string Stored(korvale::FieldId field, int record) {
    return korvale::testing::FieldBytes(File(), record, field);
  }
  [[nodiscard]] std::string Stored(korvale::FieldId field) { return Stored(field, record_); }
  // Read through the page's hold while the file is open: Windows lets no
  // one else read it then.
  [[nodiscard]] std::string File() {
    if (!host.file.IsSelected()) return korvale::testing::ReadAll(path_);
    return host.file.ReadBytes(0, std::filesystem::file_size(path_));
  }

 private:
  korvale::testing::TempDir dir_;
  std::filesystem::path path_;
  int record_ = 0;

 public:
  Host host;
  FakeControls controls;
  Page page{host, controls};
};
