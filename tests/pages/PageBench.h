#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QString>
#include <QTest>

#include "FakePageHost.h"
#include "MessageLog.h"
#include "PlayerFileBuilder.h"
#include "QtTestPage.h"

// A page's widgets and rules on record 1 of a file, opened as Select opens
// it and shown as the view shows it, the window active.
template <typename Rules>
class PageBench {
 public:
  explicit PageBench(
      const korvale::testing::PlayerFileBuilder& file = korvale::testing::CheckedRoster())
      : path_(file.WriteTo(dir_ / "Players.dbf")) {
    host.file.OpenPlayerFile(path_.string());
    host.file.SetCurrentRecord(1);
    page.FillLists();
    page.LoadRecord();
    page.Recalculate();
    page.show();
    page.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  QLineEdit* Edit(int id) { return page.Edit(id); }
  std::string Stored(korvale::FieldId field) {
    return korvale::testing::FieldBytes(File(), 1, field);
  }
  std::string File() { return korvale::testing::ReadAll(path_); }

  // The user clicks into the edit and types over its text.
  void Type(int id, const QString& text) {
    QLineEdit* edit = Edit(id);
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->rect().center());
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
  }
  static void Tab() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
  // The user opens the list and picks an entry with the keyboard.
  void Pick(int id, int index) {
    QComboBox* list = page.List(id);
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, list->rect().center());
    QTRY_VERIFY(list->view()->isVisible());
    list->view()->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list->view(), Qt::Key_Return);
    QTRY_VERIFY(!list->view()->isVisible());
  }
  // The widgets' ids in the order Tab visits them from `first`, `count` of them.
  std::vector<int> TabOrder(int first, int count) {
    page.Control(first)->setFocus(Qt::TabFocusReason);
    std::vector<int> order;
    for (int i = 0; i < count; ++i, Tab()) {
      order.push_back(QApplication::focusWidget()->objectName().toInt());
    }
    return order;
  }

 private:
  korvale::testing::TempDir dir_;
  std::filesystem::path path_;

 public:
  FakePageHost<MessageLog> host;
  QtTestPage<Rules> page{host, nullptr};
};
