// The printable board and the copy dialog on a real window: the page file
// and its opening, the four copy layouts and the clipboard.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <unistd.h>

#include "core/layouts.hpp"
#include "core/printpage.hpp"
#include "core/textfile.hpp"
#include "ui/output.hpp"
#include "ui_fixture.hpp"

namespace uitest {
namespace {

using tessel::ui::Tfrmcopy;
using tessel::ui::Tfrmprintselect;

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
    tessel::SetWriteFailureAfterBytesForTesting(-1);
    qputenv("TMPDIR", oldTmp_);
    FormTest::TearDown();
  }

  QString OwnFolder() {
    return QDir(QFileInfo(tmp_.path()).canonicalFilePath()).filePath(QString("sudokutessel-%1").arg(::getuid()));
  }
  QString PrintPath() { return QDir(OwnFolder()).filePath("print_temp.htm"); }
  std::string PrintFile() {
    return tessel::ReadWholeFile(QFile::encodeName(PrintPath()).toStdString()).bytes;
  }
  int OpenCells() {
    int n = 0;
    for (int i = 0; i < tessel::kCells; ++i) n += board()[i].state == tessel::kOpen;
    return n;
  }
  // Shows the print dialog and runs body on it.
  void WithPrint(const std::function<void(Tfrmprintselect&)>& body) {
    bool shown = false;
    form().SetModalRunner([&](QDialog& d) {
      shown = true;
      d.show();
      body(dynamic_cast<Tfrmprintselect&>(d));
    });
    form().ToolButton12->trigger();
    EXPECT_TRUE(shown);
  }
  // Shows the copy dialog and runs body on it; the memo's lines come as text.
  void WithCopy(const std::function<void(Tfrmcopy&)>& body) {
    bool shown = false;
    form().SetModalRunner([&](QDialog& d) {
      shown = true;
      d.show();
      body(dynamic_cast<Tfrmcopy&>(d));
    });
    form().CopyPuzzleToClipboard1->trigger();
    EXPECT_TRUE(shown);
  }
  static QStringList Lines(Tfrmcopy& d) { return d.memo1->toPlainText().split('\n'); }
  static void ExpectShape(const QStringList& lines, int count, int width) {
    ASSERT_EQ(lines.size(), count);
    for (const QString& l : lines) EXPECT_EQ(l.size(), width) << l.toStdString();
  }

  QTemporaryDir tmp_;
  QByteArray oldTmp_;
};

TEST_F(OutputTest, PrintOkTwiceKeepsTheDialogAndTheLastPage) {
  const std::string home = tessel::ui::kHomePage.toStdString();
  // What another user may have planted in the shared folder is never written
  // through: the page goes into this user's own folder.
  QFile victim(tmp_.filePath("victim"));
  ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
  victim.write("keep");
  victim.close();
  ASSERT_TRUE(QFile::link(tmp_.filePath("victim"), tmp_.filePath("print_temp.htm")));
  ASSERT_TRUE(QFile::link(tmp_.filePath("victim"), tmp_.filePath("print_temp.htm.tmp")));
  WithPrint([&](Tfrmprintselect& d) {
    EXPECT_EQ(d.windowTitle(), tessel::ui::kAppTitle);
    EXPECT_EQ(d.size(), QSize(381, 202));
    EXPECT_EQ(d.RadioGroup1->title(), "Select Print Style");
    EXPECT_TRUE(d.RadioButton1->isChecked());
    EXPECT_EQ(d.RadioButton1->text(), "Normal");
    EXPECT_EQ(d.RadioButton2->text(), "With Candidates");
    EXPECT_EQ(d.pg2->title(), "Paper Size");
    EXPECT_EQ(d.pg2Items->button(0)->text(), "Small   (A4)");
    EXPECT_EQ(d.pg2Items->button(1)->text(), "Normal   (A3)");
    EXPECT_EQ(d.pg2Items->button(2)->text(), "Big  (A2)");
    EXPECT_EQ(d.pg2ItemIndex(), 0);

    d.SpeedButton1->click();
    EXPECT_TRUE(d.isVisible());
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], QUrl::fromLocalFile(PrintPath()));
    EXPECT_EQ(PrintFile(), tessel::JoinCrLf(tessel::BuildPrintPage(board(), false, 0, "Sudoku Tessel", home)));

    d.RadioButton2->click();
    d.pg2Items->button(2)->click();
    d.SpeedButton1->click();
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(opened_.size(), 2u);
    const std::string page = PrintFile();
    EXPECT_EQ(page, tessel::JoinCrLf(tessel::BuildPrintPage(board(), true, 2, "Sudoku Tessel", home)));
    EXPECT_EQ(tessel::SplitLines(page).size(), 201u);
    EXPECT_NE(page.find("font-size: 70pt; color: black"), std::string::npos);

    d.SpeedButton2->click();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(QFileInfo(OwnFolder()).permissions() & 0x0077, QFileDevice::Permissions());
  QFile kept(tmp_.filePath("victim"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "keep");
  // The choices stay for the next opening.
  WithPrint([&](Tfrmprintselect& d) {
    EXPECT_TRUE(d.RadioButton2->isChecked());
    EXPECT_EQ(d.pg2ItemIndex(), 2);
    d.SpeedButton2->click();
  });
  EXPECT_EQ(opened_.size(), 2u);
}

// OK once, then Cancel; the page could not be written, so nothing opens and
// one notice says why.
TEST_F(OutputTest, PrintFailuresShowTheErrorAndOpenNothing) {
  const auto okOnceFailing = [&] {
    WithPrint([&](Tfrmprintselect& d) {
      d.SpeedButton1->click();
      EXPECT_TRUE(d.isVisible());
      d.SpeedButton2->click();
    });
    EXPECT_TRUE(opened_.empty());
    EXPECT_EQ(prompts_.Notices().size(), 1);
    const QString notice = prompts_.Notices().value(0);
    prompts_.Clear();
    return notice;
  };

  tessel::SetWriteFailureAfterBytesForTesting(100);  // a full disk
  EXPECT_FALSE(okOnceFailing().isEmpty());
  EXPECT_FALSE(QFile::exists(PrintPath()));
  tessel::SetWriteFailureAfterBytesForTesting(-1);

  // TMPDIR naming a folder that is gone: Qt gives an empty temporary path.
  const QString missing = tmp_.filePath("gone");
  qputenv("TMPDIR", missing.toLocal8Bit());
  const QString notice = okOnceFailing();
  EXPECT_TRUE(notice.contains("gone")) << notice.toStdString();
  EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(OutputTest, CopyShowsTheFourLayoutsAndCloseLeavesTheClipboard) {
  QGuiApplication::clipboard()->setText("left alone");
  const int open = OpenCells();
  ASSERT_GT(open, 0);
  WithCopy([&](Tfrmcopy& d) {
    EXPECT_EQ(d.windowTitle(), "Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)");
    EXPECT_EQ(d.RadioGroup1->title(), "Select the format to be copied");
    const QString family = QFontDatabase::hasFamily("Courier New")
                               ? QString("Courier New")
                               : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    EXPECT_EQ(d.memo1->font().family(), family);
    const char* items[] = {"No Candidate", "With Candidates", "9*9", "1*81"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(d.RadioGroup1Items->button(i)->text(), items[i]);
    EXPECT_EQ(d.itemIndex(), 0);

    QStringList lines = Lines(d);
    ExpectShape(lines, 13, 49);
    EXPECT_EQ(lines.join("").count('.'), open);

    d.RadioGroup1Items->button(1)->click();
    ExpectShape(Lines(d), 13, 94);

    d.RadioGroup1Items->button(2)->click();
    lines = Lines(d);
    ExpectShape(lines, 9, 9);
    EXPECT_EQ(lines.join("").count('*'), open);

    d.RadioGroup1Items->button(3)->click();
    lines = Lines(d);
    ExpectShape(lines, 1, 81);
    EXPECT_EQ(lines[0].count('0'), open);

    d.Button2->click();
    EXPECT_FALSE(d.isVisible());
  });
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "left alone");
}

TEST_F(OutputTest, CopyPutsTheTextOnTheClipboardAndReopensAtItemZero) {
  const std::string digits = tessel::Format1x81(board())[0];
  WithCopy([&](Tfrmcopy& d) {
    d.RadioGroup1Items->button(3)->click();
    d.Button1->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
  });
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), digits);
  WithCopy([&](Tfrmcopy& d) {
    EXPECT_EQ(d.itemIndex(), 0);
    ExpectShape(Lines(d), 13, 49);
    d.Button1->click();
  });
  const QStringList pasted = QGuiApplication::clipboard()->text().split('\n');
  ExpectShape(pasted, 13, 49);
}

TEST_F(OutputTest, CopyRefillsEmptiedCellsOnTheBoard) {
  int emptied = -1, trimmed = -1;
  for (int i = 0; i < tessel::kCells && trimmed < 0; ++i)
    if (board()[i].state == tessel::kOpen) (emptied < 0 ? emptied : trimmed) = i;
  ASSERT_GE(trimmed, 0);
  const std::string computed = board().ComputeCandidates(tessel::RowOf(emptied), tessel::ColOf(emptied));
  ASSERT_FALSE(computed.empty());
  board()[emptied].text = "";
  board()[trimmed].text = "9";  // a list the player trimmed is not recomputed

  WithCopy([&](Tfrmcopy& d) {
    d.RadioGroup1Items->button(1)->click();
    const QStringList lines = Lines(d);
    ASSERT_EQ(lines.size(), 13);
    // Rows 1..3 sit on text lines 1..3, 4..6 on 5..7, 7..9 on 9..11.
    const int row = tessel::RowOf(emptied);
    const QString line = lines[row + (row - 1) / 3];
    EXPECT_TRUE(line.contains(QString::fromStdString(computed))) << line.toStdString();
    d.Button2->click();
  });
  EXPECT_EQ(board()[emptied].text, computed);
  EXPECT_EQ(board()[trimmed].text, "9");

  // With no empty cell the board is left exactly as it was.
  const std::string before = BoardImage(board());
  WithCopy([&](Tfrmcopy& d) { d.Button2->click(); });
  EXPECT_EQ(BoardImage(board()), before);
}

}  // namespace
}  // namespace uitest
