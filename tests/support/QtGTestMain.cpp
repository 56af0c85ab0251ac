#include <gtest/gtest.h>

#include <QApplication>

// GoogleTest with a running QApplication, for tests of widgets.
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName("Korvale");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
