// Widget and window tests run on the real widgets, headless unless told
// otherwise; each window test puts its data folder in a temporary directory
// (FormTest).
#include <gtest/gtest.h>

#include <QApplication>

#include "ui/language.hpp"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The system's language, as the game picks it: English under LANG=C,
  // Chinese where ctest sets LANG=zh_CN.UTF-8.
  tessel::ui::UseLanguage(tessel::ui::PickLanguage(QString()));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
