// A main window on scripted prompts, with its own data folder and a fixed
// seed, for the window tests.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>
#include <stdexcept>

#include "core/textfile.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"
#include "widgets/picsd33.hpp"
#include "widgets/timelabel.hpp"

namespace uitest {

// A window's child by its object name; naming one that is not there fails
// the test at that line (gtest reports the exception).
template <class T = QWidget>
T* Child(const QObject& parent, const QString& name) {
  T* c = parent.findChild<T*>(name);
  if (c == nullptr) throw std::runtime_error("no child named " + name.toStdString());
  return c;
}
inline QAction* Act(const QObject& w, const QString& name) { return Child<QAction>(w, name); }
inline void Click(const QObject& w, const QString& button) { Child<QAbstractButton>(w, button)->click(); }

// What a player needs of a text in puzzle layouts: every character the
// layouts use is as wide as every other in the font the widget really has.
inline std::string UnevenWidths(const QWidget& w) {
  const QFontMetrics fm(w.font());
  const QString chars = QStringLiteral("0123456789.*|-+ ");
  std::string out;
  for (QChar c : chars)
    if (fm.horizontalAdvance(c) != fm.horizontalAdvance(chars[0]))
      out += std::string("'") + char(c.unicode()) + "' ";
  return out;
}

inline std::string FileBytes(const QString& path) {
  return tessel::ReadWholeFile(QFile::encodeName(path).toStdString()).bytes;
}

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

  void TearDown() override {
    tessel::SetWriteFailureAfterBytesForTesting(-1);
    EXPECT_EQ(prompts_.Pending(), 0u) << "scripted answers left unused";
  }

  tessel::ui::TForm1& form() { return *form_; }
  tessel::Game& game() { return form_->game(); }
  tessel::Board& board() { return form_->game().board(); }
  tessel::TPICSD33& sd() { return *Child<tessel::TPICSD33>(*form_, QStringLiteral("sd991")); }
  tessel::TTimeLabel& Clock() { return *Child<tessel::TTimeLabel>(*form_, QStringLiteral("TimeLabel1")); }
  int FirstOpen() {
    int i = 0;
    while (board()[i].state != tessel::kOpen) ++i;
    return i;
  }
  // A position set up by hand, recorded and shown as a move would be.
  void Record() {
    game().RecountDigits();
    form_->Refresh();
  }
  QString DataFile(const QString& name) { return form_->DataFolder() + name; }
  void WriteDataFile(const QString& name, const std::string& bytes) {
    ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(DataFile(name)).toStdString(), bytes));
  }

  // The puzzle solved as a player solves it: every open cell but the last
  // gets its solution digit, the last one a click with that digit chosen.
  void Solve() {
    int last = -1;
    for (int i = 0; i < tessel::kCells; ++i) {
      if (board()[i].state != tessel::kOpen) continue;
      if (last >= 0)
        board()[last] = {tessel::RowOf(last), tessel::ColOf(last), Digit(last), tessel::kEntered};
      last = i;
    }
    Place(last);
  }
  // The solution digit chosen and the cell clicked.
  void Place(int cell) {
    Click(*form_, QString::fromStdString("disnote" + Digit(cell)));
    form_->CellMouseDown(tessel::RowOf(cell), tessel::ColOf(cell), Qt::LeftButton);
  }
  std::string Digit(int cell) { return std::to_string(game().store()[cell].value); }

  // Runs the command; the modal dialog it shows, of class D, gets body.
  template <class D>
  void WithDialog(const QString& command, const std::function<void(D&)>& body) {
    bool shown = false;
    form_->SetModalRunner([&](QDialog& d) {
      shown = true;
      auto* dialog = dynamic_cast<D*>(&d);
      ASSERT_NE(dialog, nullptr) << d.metaObject()->className();
      d.show();
      body(*dialog);
      d.hide();
    });
    Act(*form_, command)->trigger();
    EXPECT_TRUE(shown) << command.toStdString();
  }

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
