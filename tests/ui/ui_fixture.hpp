// A main window on scripted prompts, with its own data folder and a fixed
// seed, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QUrl>

#include <memory>
#include <string>
#include <vector>

#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"

namespace uitest {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    qputenv("XDG_DATA_HOME", home_.path().toLocal8Bit());
    prompts_.SetUnexpectedHandler([](const QString& problem) { ADD_FAILURE() << problem.toStdString(); });
    form_ = std::make_unique<tessel::ui::TForm1>(prompts_);
    form_->SetSeedSource([] { return 20240611u; });
    form_->SetUrlOpener([this](const QUrl& url) {
      opened_.push_back(url);
      return true;
    });
  }

  void TearDown() override { EXPECT_EQ(prompts_.Pending(), 0u) << "scripted answers left unused"; }

  tessel::ui::TForm1& form() { return *form_; }
  tessel::Board& board() { return form_->sd991->board(); }

  QTemporaryDir home_;
  tessel::ui::ScriptedPrompts prompts_;
  std::unique_ptr<tessel::ui::TForm1> form_;
  std::vector<QUrl> opened_;
};

// State digit and text of every cell, as one comparable string.
inline std::string BoardImage(const tessel::Board& b) {
  std::string out;
  for (int i = 0; i < tessel::kCells; ++i) out += std::to_string(b[i].state) + b[i].text + ',';
  return out;
}

}  // namespace uitest
