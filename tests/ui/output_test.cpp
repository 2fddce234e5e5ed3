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
  // The choices stay for the next opening.
  WithDialog<QDialog>("ToolButton12", [&](QDialog& d) {
    EXPECT_TRUE(Child<QAbstractButton>(d, "RadioButton2")->isChecked() &&
                Child<QAbstractButton>(d, "pg2Item2")->isChecked());
    Click(d, "SpeedButton2");
  });
  EXPECT_EQ(opened_.size(), 2u);
}

// Four layouts in a fixed font; only Copy fills the clipboard. Empty cells
// get their candidates, on the board too; a trimmed list stays.
TEST_F(OutputTest, CopyShowsFourLayoutsRefillsEmptyCellsAndOnlyCopyFillsTheClipboard) {
  const int emptied = FirstOpen(), row = tessel::RowOf(emptied);
  int trimmed = emptied + 1, open = 0;
  while (board()[trimmed].state != tessel::kOpen) ++trimmed;
  for (int i = 0; i < tessel::kCells; ++i) open += board()[i].state == tessel::kOpen;
  const std::string computed = board().ComputeCandidates(row, tessel::ColOf(emptied));
  board()[emptied].text = "";
  board()[trimmed].text = "9";
  const struct {
    int lines, width;
    char blank;
  } layouts[] = {{13, 49, '.'}, {13, 94, 0}, {9, 9, '*'}, {1, 81, '0'}};
  QGuiApplication::clipboard()->setText("left alone");
  WithDialog<QDialog>("CopyPuzzleToClipboard1", [&](QDialog& d) {
    EXPECT_TRUE(QFontInfo(Child<QTextEdit>(d, "memo1")->font()).fixedPitch()) << "the layouts line up";
    for (int k = 0; k < 4; ++k) {
      SCOPED_TRACE(k);
      Click(d, QStringLiteral("RadioGroup1Item%1").arg(k));
      const QStringList lines = Lines(d);
      ASSERT_EQ(lines.size(), layouts[k].lines);
      for (const QString& l : lines) EXPECT_EQ(l.size(), layouts[k].width) << l.toStdString();
      if (layouts[k].blank) EXPECT_EQ(lines.join("").count(QLatin1Char(layouts[k].blank)), open);
    }
    // With candidates, rows 1..3 sit on text lines 1..3, 4..6 on 5..7, 7..9 on 9..11.
    Click(d, "RadioGroup1Item1");
    EXPECT_TRUE(Lines(d).value(row + (row - 1) / 3).contains(QString::fromStdString(computed)));
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
