// The puzzle editor's rules: clues by candidate clicks, taken back by a
// click on the cell, copied from the game board or read from text, and the
// puzzle test before play.
#include <gtest/gtest.h>

#include "core/editor.hpp"
#include "core/layouts.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

bool Has(const PuzzleEditor& e, int row, int col, char d) {
  return e.board().at(row, col).text.find(d) != std::string::npos;
}

TEST(PuzzleEditor, CluesComeAndGoWithTheirPeers) {
  PuzzleEditor e;
  e.ClickCandidate(1, 1, 5);
  EXPECT_EQ(e.board().at(1, 1).text, "5");
  EXPECT_EQ(e.board().at(1, 1).state, kEntered);
  for (auto [r, c] : {std::pair{1, 9}, std::pair{9, 1}, std::pair{3, 3}}) EXPECT_FALSE(Has(e, r, c, '5')) << r << c;
  EXPECT_EQ(e.board().at(5, 5).text, "123456789");

  e.ClickCandidate(5, 9, 5);
  e.ClickCell(1, 1);
  EXPECT_EQ(e.board().at(1, 1).text, "123456789");
  EXPECT_EQ(e.board().at(1, 1).state, kOpen);
  EXPECT_TRUE(Has(e, 1, 2, '5')) << "the 5 is back in the row";
  EXPECT_FALSE(Has(e, 5, 1, '5')) << "still blocked by the 5 at E9";

  // Two equal clues clash until one goes; an emptied list comes back whole.
  e.ClickCandidate(1, 2, 7);
  e.ClickCandidate(1, 3, 7);
  EXPECT_TRUE(e.board().HasErrorMark());
  e.ClickCell(1, 3);
  EXPECT_FALSE(e.board().HasErrorMark());
  ASSERT_TRUE(e.ImportText(std::string(81, '.')));
  EXPECT_EQ(e.board().at(7, 7).text, "123456789");
  e.Clear();
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(e.board()[i].text, "123456789");
  // Outside the grid, or no digit: nothing.
  e.ClickCandidate(1, 10, 5);
  e.ClickCandidate(10, 1, 5);
  e.ClickCandidate(1, 1, 10);
  e.ClickCell(1, 10);
  for (int i = 0; i < kCells; ++i) EXPECT_EQ(e.board()[i].text, "123456789");
}

TEST(PuzzleEditor, FromTheGameFromTextAndTheTestBeforePlay) {
  Board game;
  LoadDigitString(testutil::kSolution.substr(0, 40), game);
  PuzzleEditor e;
  e.LoadFrom(game);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(e.board()[i].state, kEntered) << i;
  EXPECT_EQ(e.board()[40].text, e.board().ComputeCandidates(5, 5));
  EXPECT_EQ(e.Test().code, kMultiple);

  // LF, CR LF or CR: nine rows read the same.
  std::string rows;
  for (int r = 0; r < 9; ++r) rows += testutil::kSolution.substr(r * 9, 9) + "\n";
  rows[49] = '\r';
  rows.replace(39, 1, "\r\n");
  ASSERT_TRUE(e.ImportText(rows));
  EXPECT_EQ(e.Test().code, kUnique);
  EXPECT_EQ(e.Test().first, testutil::kSolution) << "a full grid is its own solution";
  EXPECT_FALSE(e.ImportText("no puzzle here"));
  ASSERT_TRUE(e.ImportText("11" + std::string(79, '.')));
  EXPECT_TRUE(e.board().HasErrorMark()) << "conflicts are marked as read";
  EXPECT_EQ(e.Test().code, kNotSolvable);
}

}  // namespace
}  // namespace tessel
