// The printable board and the copy dialog on a real window: the page file,
// where it goes and its opening, the four copy layouts and the clipboard.
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTextEdit>

#include <unistd.h>

#include "core/layouts.hpp"
#include "core/printpage.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

QStringList Lines(const QDialog& copy) { return Child<QTextEdit>(copy, "memo1")->toPlainText().split('\n'); }

class OutputTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    ASSERT_TRUE(tmp_.isValid());
    oldTmp_ = qgetenv("TMPDIR");
    qputenv("TMPDIR", tmp_.path().toLocal8Bit());
    form().ToolButton5Click();  // Gentle
  }
  void TearDown() override {
    qputenv("TMPDIR", oldTmp_);
    FormTest::TearDown();
  }
  QString OwnFolder() {
    return QDir(QFileInfo(tmp_.path()).canonicalFilePath()).filePath(QString("sudokutessel-%1").arg(::getuid()));
  }
  QString PrintPath() { return OwnFolder() + "/print_temp.htm"; }
  std::string Page(bool candidates, int paper) {
    return tessel::JoinCrLf(tessel::BuildPrintPage(board(), candidates, paper, "Sudoku Tessel",
                                                   tessel::ui::kHomePage.toStdString()));
  }
  QTemporaryDir tmp_;
  QByteArray oldTmp_;
};

// A full disk, or TMPDIR naming a folder that is gone: nothing opens and one
// notice says why each time. Then the page goes into the user's own folder,
// never through what another user planted in the shared one, and opens.
TEST_F(OutputTest, PrintWritesThePageIntoTheUsersOwnFolderAndOpensItOrSaysWhyNot) {
  const auto print = [&](QDialog& d) { Click(d, "SpeedButton1"); };
  tessel::SetWriteFailureAfterBytesForTesting(100);
  WithDialog<QDialog>("ToolButton12", print);
  EXPECT_FALSE(QFile::exists(PrintPath()));
  tessel::SetWriteFailureAfterBytesForTesting(-1);
  qputenv("TMPDIR", tmp_.filePath("gone").toLocal8Bit());
  WithDialog<QDialog>("ToolButton12", print);
  EXPECT_FALSE(QFileInfo::exists(tmp_.filePath("gone")));
  ASSERT_TRUE(opened_.empty() && prompts_.Notices().size() == 2);
  EXPECT_TRUE(!prompts_.Notices()[0].isEmpty() && prompts_.Notices()[1].contains("gone"));
  qputenv("TMPDIR", tmp_.path().toLocal8Bit());

  ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(tmp_.filePath("victim")).toStdString(), "keep"));
  for (const char* planted : {"print_temp.htm", "print_temp.htm.tmp"})
    ASSERT_TRUE(QFile::link(tmp_.filePath("victim"), tmp_.filePath(planted)));
  WithDialog<QDialog>("ToolButton12", [&](QDialog& d) {
    EXPECT_TRUE(Child<QAbstractButton>(d, "pg2Item0")->isChecked()) << "A4 chosen at the start";
    Click(d, "SpeedButton1");
    EXPECT_TRUE(d.isVisible()) << "OK keeps the dialog";
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(PrintPath()));
    EXPECT_EQ(FileBytes(PrintPath()), Page(false, tessel::kPaperSmall));
    Click(d, "RadioButton2");
    Click(d, "pg2Item2");
    Click(d, "SpeedButton1");
    EXPECT_EQ(opened_.size(), 2u);
    EXPECT_EQ(FileBytes(PrintPath()), Page(true, tessel::kPaperBig));
    Click(d, "SpeedButton2");
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(QFileInfo(OwnFolder()).permissions() & 0x0077, QFileDevice::Permissions());
  EXPECT_EQ(FileBytes(tmp_.filePath("victim")), "keep");
}

// Four layouts in a fixed font; only Copy fills the clipboard. Empty cells
// get their candidates, on the board too; a trimmed list stays.
TEST_F(OutputTest, CopyShowsFourLayoutsRefillsEmptyCellsAndOnlyCopyFillsTheClipboard) {
  const int emptied = FirstOpen(), row = tessel::RowOf(emptied);
  int trimmed = emptied + 1;
  while (board()[trimmed].state != tessel::kOpen) ++trimmed;
  const std::string computed = board().ComputeCandidates(row, tessel::ColOf(emptied));
  board()[emptied].text = "";
  board()[trimmed].text = "9";
  // The layouts' own shapes: layouts_test.
  std::vector<std::string> (*const layouts[])(const tessel::Board&) = {
      tessel::FormatNoCandidates, tessel::FormatWithCandidates, tessel::Format9x9, tessel::Format1x81};
  QGuiApplication::clipboard()->setText("left alone");
  WithDialog<QDialog>("CopyPuzzleToClipboard1", [&](QDialog& d) {
    EXPECT_EQ(UnevenWidths(*Child<QTextEdit>(d, "memo1")), "") << "the layouts line up";
    for (int k = 0; k < 4; ++k) {
      Click(d, QStringLiteral("RadioGroup1Item%1").arg(k));
      QStringList shown;
      for (const std::string& l : layouts[k](board())) shown << QString::fromStdString(l);
      EXPECT_EQ(Lines(d), shown) << k;
    }
    Click(d, "Button2");
  });
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "left alone");
  EXPECT_TRUE(board()[emptied].text == computed && board()[trimmed].text == "9");
  const std::string refilled = BoardImage(board());
  WithDialog<QDialog>("CopyPuzzleToClipboard1", [&](QDialog& d) {
    EXPECT_EQ(Lines(d).size(), 13) << "every opening starts at the first layout";
    Click(d, "RadioGroup1Item3");
    Click(d, "Button1");
    EXPECT_EQ(d.result(), QDialog::Accepted);
  });
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), tessel::Format1x81(board())[0]);
  EXPECT_EQ(BoardImage(board()), refilled) << "with no empty cell the board stays";
}

}  // namespace
}  // namespace uitest
