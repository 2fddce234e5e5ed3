// Mouse and keys on the board: big digits in mode None, candidates and the
// cell menu in modes All and Only one, keys, hover hints, the finish.
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolButton>

#include "board_helpers.hpp"

using tessel::kEntered;
using tessel::kGiven;
using tessel::kOpen;
using tessel::PeersOf;
using uitest::BoardImage;
using uitest::BoardTest;
using uitest::Digits;

namespace {

// Open peers of (r, c) and their texts.
std::vector<std::pair<int, std::string>> OpenPeerTexts(tessel::Board& b, int r, int c) {
  std::vector<std::pair<int, std::string>> out;
  for (int p : PeersOf(tessel::IndexOf(r, c)))
    if (b[p].state == kOpen) out.emplace_back(p, b[p].text);
  return out;
}

}  // namespace

// --- Mode None ---

TEST_F(BoardTest, NonePlacesTheSelectedDigitAndClearsWithTheRightButton) {
  auto& f = form();
  Key(Qt::Key_4);
  ASSERT_EQ(f.SelectedDigit(), 4);
  auto [r, c] = FindOpen();

  int before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, "4");
  EXPECT_EQ(cell(r, c).state, kEntered);
  EXPECT_EQ(node(r, c).caption, "4");
  EXPECT_EQ(node(r, c).fontColor, 16711680u) << "entered digits are blue";
  EXPECT_EQ(node(r, c).fontSize, sd().FONTSize2());
  if (!cell(r, c).error) {
    EXPECT_EQ(node(r, c).color, sd().highcolor()) << "holds the selected digit";
  }

  before = Paints();
  ClickCell(r, c, Qt::RightButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).state, kOpen);
  EXPECT_EQ(cell(r, c).text, "");
  EXPECT_TRUE(QString::fromStdString(node(r, c).caption).trimmed().isEmpty());

  auto [gr, gc] = FindGiven();
  const std::string image = BoardImage(board());
  ClickCell(gr, gc);
  ClickCell(gr, gc, Qt::RightButton);
  EXPECT_EQ(BoardImage(board()), image) << "givens take no input";
  EXPECT_FALSE(f.pp->isVisible()) << "mode None has no menu";
}

TEST_F(BoardTest, NoneWithNoSelectedDigitPlacesNothing) {
  auto& f = form();
  Key(Qt::Key_F2);  // all buttons may be up from now on
  Key(Qt::Key_F1);  // digit 1 still selected: the rule stays
  ASSERT_EQ(f.SelectedDigit(), 1);
  QTest::mouseClick(f.disnote[1], Qt::LeftButton);
  Settle();
  ASSERT_EQ(f.SelectedDigit(), 0) << "released";

  auto [r, c] = FindOpen();
  const std::string image = BoardImage(board());
  ClickCell(r, c);
  EXPECT_EQ(BoardImage(board()), image);
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col)
      if (!cell(row, col).error) {
        EXPECT_EQ(node(row, col).color, sd().ParityColor(row, col)) << "no highlight";
      }
}

// --- Candidates in modes All and Only one ---

TEST_F(BoardTest, CandidateLeftClickPlacesAndUpdatesPeersOnlyWithAutoUpdate) {
  auto& f = form();
  for (bool autoUpdate : {true, false}) {
    SCOPED_TRACE(autoUpdate ? "auto update" : "no auto update");
    f.ToolButton5Click();
    f.cbautoupdate->setChecked(autoUpdate);
    Key(Qt::Key_F2);
    // An open cell with a candidate that an open peer shares.
    int k = 0;
    auto [r, c] = Find([&](int row, int col) {
      if (cell(row, col).state != kOpen) return false;
      for (char d : cell(row, col).text)
        for (auto& [p, text] : OpenPeerTexts(board(), row, col))
          if (text.find(d) != std::string::npos) return k = d - '0', true;
      return false;
    });
    const auto peers = OpenPeerTexts(board(), r, c);
    const int before = Paints();
    ClickSub(r, c, k);
    EXPECT_EQ(Paints() - before, 1);
    EXPECT_EQ(cell(r, c).text, std::to_string(k));
    EXPECT_EQ(cell(r, c).state, kEntered);
    EXPECT_EQ(node(r, c).caption, std::to_string(k));
    const char d = char('0' + k);
    for (auto& [p, text] : peers) {
      std::set<char> expect = Digits(text);
      if (autoUpdate) expect.erase(d);
      EXPECT_EQ(Digits(board()[p].text), expect) << "peer " << p;
    }
    EXPECT_FALSE(f.pp->isVisible()) << "a candidate click never opens the menu";
  }
}

TEST_F(BoardTest, CandidateRightClickDeletesAndTheLastButOneBecomesEntered) {
  auto& f = form();
  Key(Qt::Key_F2);
  auto [r, c] = FindOpen();
  cell(r, c).text = "25";
  sd().DrawAllCandidates();
  const int before = Paints();
  ClickSub(r, c, 2, Qt::RightButton);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, "5");
  EXPECT_EQ(cell(r, c).state, kEntered);
  EXPECT_EQ(node(r, c).caption, "5");
  for (auto& [p, text] : OpenPeerTexts(board(), r, c)) EXPECT_EQ(text.find('5'), std::string::npos);
  EXPECT_FALSE(f.pp->isVisible()) << "no menu after a right click on a candidate";
  EXPECT_TRUE(f.pp->actions().isEmpty());

  // The last candidate: an open, blank cell.
  auto [r2, c2] = FindOpen();
  cell(r2, c2).text = "7";
  sd().DrawAllCandidates();
  ClickSub(r2, c2, 7, Qt::RightButton);
  EXPECT_EQ(cell(r2, c2).state, kOpen);
  EXPECT_EQ(cell(r2, c2).text, "");
  for (int k = 1; k <= 9; ++k) EXPECT_FALSE(node(r2, c2).subVisible[k]);
  EXPECT_FALSE(f.pp->isVisible());
}

TEST_F(BoardTest, LeftClickOnAnEnteredDigitGivesItBack) {
  auto& f = form();
  Key(Qt::Key_F2);
  auto [r, c] = FindOpen();
  const int k = Solution(r, c);
  const auto peersBefore = OpenPeerTexts(board(), r, c);
  ClickSub(r, c, k);
  ASSERT_EQ(cell(r, c).state, kEntered);

  const int before = Paints();
  ClickCell(r, c);
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).state, kOpen);
  EXPECT_EQ(cell(r, c).text, board().ComputeCandidates(r, c));
  for (auto& [p, text] : peersBefore)
    EXPECT_EQ(Digits(board()[p].text), Digits(text)) << "peer " << p << " has " << k << " back";
  EXPECT_FALSE(f.pp->isVisible()) << "the left button opens no menu";

  // On an open cell the left button changes nothing.
  const std::string image = BoardImage(board());
  ClickCell(r, c);
  EXPECT_EQ(BoardImage(board()), image);
}

TEST_F(BoardTest, CellMenuOffersItsItemsAndRunsEachCommand) {
  auto& f = form();
  Key(Qt::Key_F2);
  auto [r, c] = FindOpen();
  cell(r, c).text = "5";
  cell(r, c).state = kEntered;
  sd().DrawAllCandidates();

  ClickCell(r, c, Qt::RightButton);
  ASSERT_TRUE(f.pp->isVisible());
  EXPECT_EQ(MenuItems(), (QStringList{"Add 1", "Add 2", "Add 3", "Add 4", "Add 6", "Add 7", "Add 8", "Add 9", "-",
                                      "Move 5", "-", "Regenerate Candidate Numbers"}));
  EXPECT_EQ(cell(r, c).text, "5") << "opening changes nothing";

  // Add 7 on the entered 5: open "57", 5 goes back to the peers.
  const auto peers = OpenPeerTexts(board(), r, c);
  int before = Paints();
  ClickMenuItem("Add 7");
  EXPECT_EQ(Paints() - before, 1);
  EXPECT_EQ(cell(r, c).text, "57");
  EXPECT_EQ(cell(r, c).state, kOpen);
  for (auto& [p, text] : peers)
    if (board().ComputeCandidates(tessel::RowOf(p), tessel::ColOf(p)).find('5') != std::string::npos &&
        text.find('5') == std::string::npos) {
      EXPECT_EQ(board()[p].text, text + "5");
    }

  // An open list: no separator issue, move items for its digits.
  ClickCell(r, c, Qt::RightButton);
  EXPECT_EQ(MenuItems(), (QStringList{"Add 1", "Add 2", "Add 3", "Add 4", "Add 6", "Add 8", "Add 9", "-", "Move 5",
                                      "Move 7", "-", "Regenerate Candidate Numbers"}));
  ClickMenuItem("Move 7");
  EXPECT_EQ(cell(r, c).text, "5");
  EXPECT_EQ(cell(r, c).state, kOpen) << "the menu never enters a digit";

  ClickCell(r, c, Qt::RightButton);
  ClickMenuItem("Regenerate Candidate Numbers");
  EXPECT_EQ(cell(r, c).text, board().ComputeCandidates(r, c));

  // An empty list: no separator between add and move items.
  cell(r, c).text.clear();
  ClickCell(r, c, Qt::RightButton);
  EXPECT_EQ(MenuItems().size(), 11);
  EXPECT_EQ(MenuItems().at(9), QStringLiteral("-"));
  CloseMenu();

  // Givens have no menu.
  auto [gr, gc] = FindGiven();
  ClickCell(gr, gc, Qt::RightButton);
  EXPECT_FALSE(f.pp->isVisible());
}

TEST_F(BoardTest, OnlyOneFiltersTheMenuAndTakesCandidateClicks) {
  auto& f = form();
  Key(Qt::Key_3);
  Key(Qt::Key_F3);
  ASSERT_EQ(f.SelectedDigit(), 3);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const auto& x = cell(r, c);
      EXPECT_EQ(node(r, c).popupAssigned, x.state != kGiven && x.text.find('3') != std::string::npos);
      if (x.state == kOpen && x.text.size() > 1 && x.text.find('3') == std::string::npos) {
        EXPECT_FALSE(node(r, c).subVisible[x.text[0] - '0']) << "filtered out";
      }
    }
  auto [r, c] = Find([this](int row, int col) {
    return cell(row, col).state == kOpen && cell(row, col).text.find('3') != std::string::npos;
  });
  ClickSub(r, c, 3);
  EXPECT_EQ(cell(r, c).text, "3");
  EXPECT_EQ(cell(r, c).state, kEntered);
  EXPECT_EQ(node(r, c).color, cell(r, c).error ? sd().errorcolor() : sd().highcolor());

  // The pressed button stays down in this mode.
  QTest::mouseClick(f.disnote[3], Qt::LeftButton);
  Settle();
  EXPECT_EQ(f.SelectedDigit(), 3);
}

// --- Keys ---

TEST_F(BoardTest, F2TwiceRunsTheModeChangeOnce) {
  auto& f = form();
  Key(Qt::Key_F2);
  ASSERT_TRUE(f.rb_all->isChecked());
  auto [r, c] = FindOpen();
  cell(r, c).text.clear();
  const int before = Paints();
  Key(Qt::Key_F2);
  EXPECT_EQ(cell(r, c).text, "") << "a second F2 fills nothing";
  EXPECT_EQ(Paints(), before);
  Key(Qt::Key_F3);
  EXPECT_TRUE(f.rb_one->isChecked());
  EXPECT_EQ(cell(r, c).text, board().ComputeCandidates(r, c));
  Key(Qt::Key_F1);
  EXPECT_TRUE(f.rb_none->isChecked());
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col) EXPECT_FALSE(node(row, col).popupAssigned);
}

TEST_F(BoardTest, OnlyTheMainRowDigitsSelect) {
  auto& f = form();
  Key(Qt::Key_5, Qt::KeypadModifier);
  EXPECT_EQ(f.SelectedDigit(), 1) << "the keypad 5 does nothing";
  Key(Qt::Key_5);
  EXPECT_EQ(f.SelectedDigit(), 5);
  const std::string image = BoardImage(board());
  for (Qt::Key k : {Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_Left, Qt::Key_0}) Key(k);
  EXPECT_EQ(BoardImage(board()), image);
  EXPECT_EQ(f.SelectedDigit(), 5);
  // A focused control still gets the key previewed.
  f.cbautoupdate->setFocus();
  Key(Qt::Key_7);
  EXPECT_EQ(f.SelectedDigit(), 7);
}

// --- Hover ---

TEST_F(BoardTest, HoverFramesThePanelAndExplainsTheButtons) {
  auto& f = form();
  const QString kBig = "Set Bignumber with the left button, clear Bignumber with the right button.";
  const QString kCancel = "Cancel the bignumber with the left button.Pop up the shortcut menu with the right button.";
  const QString kMenu = "Pop up the shortcut menu with the right button.";
  const QString kSub =
      "Left click sets the selected Candidature as Bignumber, right click deletes such Candidature.";
  const QString kMark = "Mark color with the left button,Clear the marked color with the right button.";
  auto hover = [&](QPoint p) {
    QTest::mouseMove(&sd(), p);
    Settle();
    return f.HintText();
  };
  auto [gr, gc] = FindGiven();
  auto [r, c] = FindOpen();
  auto [r2, c2] = Find([&](int row, int col) { return cell(row, col).state == kOpen && (row != r || col != c); });
  cell(r2, c2).text = std::to_string(Solution(r2, c2));
  cell(r2, c2).state = kEntered;

  // Mode None.
  EXPECT_EQ(hover(CellPoint(r, c)), kBig);
  EXPECT_EQ(node(r, c).borderStyle, tessel::kBorderSingle);
  EXPECT_EQ(f.sb1->palette().color(QPalette::Window), tessel::ToQColor(7978239));
  EXPECT_EQ(hover(CellPoint(r2, c2)), kBig);
  EXPECT_EQ(node(r, c).borderStyle, tessel::kBorderNone) << "left";
  EXPECT_EQ(hover(CellPoint(gr, gc)), QString());

  // Mode All.
  Key(Qt::Key_F2);
  EXPECT_EQ(hover(CellPoint(r2, c2)), kCancel);
  EXPECT_EQ(hover(CellPoint(r, c)), kMenu);
  EXPECT_EQ(hover(CellPoint(gr, gc)), QString());
  const int k = cell(r, c).text[0] - '0';
  EXPECT_EQ(hover(SubPoint(r, c, k)), kSub);
  EXPECT_EQ(node(r, c).subBorderStyle[k], tessel::kBorderSingle);
  EXPECT_EQ(node(r, c).borderStyle, tessel::kBorderNone);

  // Mode Only one: the hint follows the menu.
  Key(Qt::Key_F3);
  const int sel = f.SelectedDigit();
  auto [r3, c3] = Find([&](int row, int col) {
    return cell(row, col).state == kOpen && cell(row, col).text.find(char('0' + sel)) == std::string::npos;
  });
  auto [r4, c4] = Find([&](int row, int col) {
    return cell(row, col).state == kOpen && cell(row, col).text.find(char('0' + sel)) != std::string::npos;
  });
  EXPECT_EQ(hover(CellPoint(r3, c3)), QString());
  EXPECT_EQ(hover(CellPoint(r4, c4)), kMenu);

  // Marking wins everywhere, givens too.
  f.chkcolor->setChecked(true);
  EXPECT_EQ(hover(CellPoint(gr, gc)), kMark);
  EXPECT_EQ(hover(SubPoint(r4, c4, sel)), kMark);

  // Leaving the board for its frame clears the hint.
  QTest::mouseMove(f.Panel1, QPoint(5, 5));
  Settle();
  EXPECT_EQ(f.HintText(), QString());
}

// --- The finish ---

TEST_F(BoardTest, GamePlayedWithTheMouseInModeNoneEndsSolved) {
  auto& f = form();
  f.TimeLabel1->setTimerenabled(true);
  const std::string solution = f.QJ1.GetSolution();
  ASSERT_EQ(solution.size(), 81u);
  std::vector<std::pair<int, int>> open;
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (cell(r, c).state == kOpen) open.emplace_back(r, c);
  std::size_t done = 0;
  for (int d = 1; d <= 9; ++d) {
    QTest::mouseClick(f.disnote[d], Qt::LeftButton);
    Settle();
    ASSERT_EQ(f.SelectedDigit(), d);
    for (auto [r, c] : open) {
      if (Solution(r, c) != d) continue;
      const int before = Paints();
      ClickCell(r, c);
      EXPECT_EQ(Paints() - before, 1);
      if (++done < open.size()) {
        EXPECT_TRUE(prompts_.Notices().isEmpty());
      }
    }
  }
  EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle solved"});
  EXPECT_TRUE(f.FinishedMarkShown());
  EXPECT_FALSE(f.TimeLabel1->timerenabled());
  EXPECT_FALSE(f.b1->isEnabled());
  EXPECT_FALSE(f.b2->isEnabled());
  EXPECT_FALSE(f.b3->isEnabled());
  EXPECT_TRUE(f.sd991->isEnabled());
  for (int p = 0; p < 9; ++p) EXPECT_EQ(f.ProgressBar[p + 1]->position(), 9);
}

TEST_F(BoardTest, GameFinishedByCandidateClicksKeepsTheBranchButtons) {
  auto& f = form();
  f.TimeLabel1->setTimerenabled(true);
  Key(Qt::Key_F2);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c)
      if (cell(r, c).state == kOpen) ClickSub(r, c, Solution(r, c));
  EXPECT_EQ(prompts_.Notices(), QStringList{"Puzzle solved"});
  EXPECT_TRUE(f.FinishedMarkShown());
  EXPECT_FALSE(f.TimeLabel1->timerenabled());
  EXPECT_TRUE(f.b1->isEnabled());
}

TEST_F(BoardTest, ACompletedBoardWithAConflictIsNotSolved) {
  auto& f = form();
  auto [r, c] = FindOpen();
  for (int row = 1; row <= 9; ++row)
    for (int col = 1; col <= 9; ++col)
      if (cell(row, col).state == kOpen && (row != r || col != c)) {
        cell(row, col).text = std::to_string(Solution(row, col));
        cell(row, col).state = kEntered;
      }
  const int wrong = Solution(r, c) % 9 + 1;
  Key(Qt::Key(Qt::Key_0 + wrong));
  ClickCell(r, c);
  EXPECT_TRUE(prompts_.Notices().isEmpty());
  EXPECT_TRUE(cell(r, c).error || board().HasErrorMark());
  EXPECT_FALSE(f.FinishedMarkShown());
}
