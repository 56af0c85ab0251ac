#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include "FakePageHost.h"
#include "PlayerFileBuilder.h"
#include "RecordingMessages.h"
#include "TemplateControls.h"

// A page on record 1 of a file, shown and active as the view shows it: the
// record loaded (and the overall worked out, where the page has one) and
// the focus in edit `startIn`.
template <typename Page>
class PageBench {
 public:
  PageBench(const korvale::testing::PlayerFileBuilder& file, int startIn)
      : path_(file.WriteTo(dir_ / "Players.dbf")) {
    host.file.OpenPlayerFile(path_.string());
    host.file.SetCurrentRecord(1);
    page.LoadRecord();
    if constexpr (requires { page.RecalculateOverall(); }) page.RecalculateOverall();
    Edit(startIn)->setFocus();
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  QLineEdit* Edit(int id) { return EditById(&page, id); }
  QString Shown(int id) { return Edit(id)->text(); }
  std::string Stored(korvale::FieldId field) {
    return korvale::testing::FieldBytes(File(), 1, field);
  }
  std::string File() { return korvale::testing::ReadAll(path_); }

  // The user types into the edit (replacing its text) and presses Tab.
  void Enter(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
  }
  // The user passes through the edit without typing.
  void Leave(int id) {
    Edit(id)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Edit(id), Qt::Key_Tab);
  }

 private:
  korvale::testing::TempDir dir_;
  std::filesystem::path path_;

 public:
  FakePageHost<RecordingMessages> host;
  Page page{host, nullptr};
};
