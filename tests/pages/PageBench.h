#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QString>
#include <QTest>

#include "FakePageHost.h"
#include "MessageLog.h"
#include "PlayerFileBuilder.h"

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
    page.Recalculate();
    Edit(startIn)->setFocus();
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  QLineEdit* Edit(int id) { return page.Edit(id); }
  QString Shown(int id) { return Edit(id)->text(); }
  std::string File() { return korvale::testing::ReadAll(path_); }

  // The user types into the edit (replacing its text) and presses Tab.
  void Enter(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
  }

 private:
  korvale::testing::TempDir dir_;
  std::filesystem::path path_;

 public:
  FakePageHost<MessageLog> host;
  Page page{host, nullptr};
};
