#include "core/board.hpp"
#include "test_util.hpp"

using namespace tessel;

namespace {

using testutil::BoardWith;

// The cells marked in error, as "A1 I9".
std::string Errors(const Board& b) {
  std::string s;
  for (int i = 0; i < kCells; ++i)
    if (b[i].error) s += (s.empty() ? "" : " ") + CellLabel(RowOf(i), ColOf(i));
  return s;
}

}  // namespace

TEST(BoardGeometry, LevelTexts) {
  EXPECT_EQ(LevelText(0) + LevelText(4) + LevelText(5) + LevelText(-3),
            "  Level:Very Easy  Level:Diabolical  Level:Unknown  Level:Unknown");
}

TEST(BoardCandidates, ComputeUpdateRemoveAndAddBack) {
  Board b = BoardWith({{1, 2, "5", kGiven}, {2, 1, "7", kEntered}, {9, 1, "3", kOpen}, {1, 1, "9", kOpen}});
  EXPECT_EQ(b.ComputeCandidates(1, 1), "1234689");  // the open "3" below does not count
  b = BoardWith({{1, 1, "4321", kOpen}, {1, 5, "3", kGiven}});
  EXPECT_EQ(b.UpdateCandidates(1, 1), "124");  // ascending whatever the order

  EXPECT_EQ(RemoveChars("123123", "31"), "2123");  // first occurrence of each, last char first
  EXPECT_EQ(RemoveChars("", "5"), "");
  b = BoardWith({{1, 1, "5", kEntered}, {1, 9, "4579", kOpen}, {9, 1, "5", kOpen}, {5, 5, "5", kOpen},
                  {2, 2, "56", kEntered}});
  b.RemoveFromPeers(1, 1);
  EXPECT_EQ(b.at(1, 9).text, "479");
  EXPECT_EQ(b.at(9, 1).text, "");
  EXPECT_EQ(b.at(5, 5).text, "5");   // not a peer
  EXPECT_EQ(b.at(2, 2).text, "56");  // not open
  b.RemoveFromPeers(2, 2);           // two characters: nothing happens
  EXPECT_EQ(b.at(1, 9).text, "479");

  // Adding back appends.
  b = BoardWith({{1, 1, "", kOpen}, {1, 2, "36", kOpen}, {1, 3, "136", kOpen}, {2, 2, "1", kGiven}});
  b.AddBackToPeers(1, 1, '1');
  EXPECT_EQ(b.at(1, 2).text, "36");  // a given 1 in its column still rules it out
  b.at(2, 2).text = "9";
  b.AddBackToPeers(1, 1, '1');
  EXPECT_EQ(b.at(1, 2).text, "361");  // appended, not sorted
  EXPECT_EQ(b.at(1, 3).text, "136");  // already there
  EXPECT_EQ(b.at(2, 2).text, "9");    // a given keeps its digit
}

TEST(BoardConflicts, FirstCellAndItsLastPeer) {
  Board b =
      BoardWith({{1, 1, "4", kEntered}, {1, 5, "4", kEntered}, {1, 9, "4", kGiven}, {3, 3, "4", kOpen}});
  b.MarkConflicts();
  EXPECT_EQ(Errors(b), "A1 A9");  // givens take part like entered digits, open cells never do
  b.at(1, 1).text = "5";
  b.MarkConflicts();  // the old flags are cleared first
  EXPECT_EQ(Errors(b), "A5 A9");
  EXPECT_TRUE(b.HasErrorMark());
}

TEST(BoardConflicts, FinishTestAndGivensString) {
  Board b;
  const std::string& sol = testutil::kSolution;
  for (int i = 0; i < kCells; ++i) {
    b[i].text = std::string(1, sol[i]);
    b[i].state = i % 3 ? kEntered : kGiven;
  }
  EXPECT_TRUE(b.IsFinished());
  EXPECT_FALSE(b.HasErrorMark());

  b[0].error = true;  // stale flag
  b[40].state = kOpen;
  EXPECT_FALSE(b.IsFinished());
  EXPECT_EQ(Errors(b), "A1");  // an open cell ends the test before any marking

  b[40].state = kEntered;
  b[40].text = b[41].text;  // a full board with one wrong digit
  EXPECT_FALSE(b.IsFinished());
  EXPECT_EQ(Errors(b), "E5 G5");  // E5 is in every clashing pair

  EXPECT_EQ(Board().GivensString(), std::string(81, '0'));  // before the first game
  const Board givens = BoardWith({{1, 1, "7", kGiven}, {1, 2, "8", kEntered}, {9, 9, "3", kGiven}});
  EXPECT_EQ(givens.GivensString(), "7" + std::string(79, '0') + "3");
}

TEST(EditBoardChecks, NoConflictAndCellCandidates) {
  TextGrid t{};
  t[IndexOf(1, 1)] = "5";
  t[IndexOf(9, 1)] = "12";  // more than one character: takes no part
  EXPECT_TRUE(NoConflict(t));
  EXPECT_EQ(CellCandidates(t, 1, 1), "5");
  EXPECT_EQ(CellCandidates(t, 5, 1), "12346789");
  t[IndexOf(5, 1)] = "5";
  EXPECT_FALSE(NoConflict(t));
}
