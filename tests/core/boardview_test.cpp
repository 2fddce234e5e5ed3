// The drawing table of the playing board, computed without a window: what
// each redraw shows for given, entered and open cells, and the backgrounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/boardview.hpp"

namespace tessel {
namespace {

// The digits of the visible squares, in order.
std::string Subs(const CellView& n) {
  std::string out;
  for (int k = 1; k <= 9; ++k) out += n.subVisible[k] ? std::to_string(k) : "";
  return out;
}

class BoardViewTest : public ::testing::Test {
 protected:
  void SetUp() override { board.ClearAll(); }
  void Set(int row, int col, int state, const std::string& text) {
    board.at(row, col).state = state;
    board.at(row, col).text = text;
  }
  CellView& View(int row, int col) { return view[IndexOf(row, col)]; }
  Board board;
  BoardLook look;
  BoardView view;
};

TEST_F(BoardViewTest, OpenCellWithOneCandidateAndEmptyOpenCell) {
  Set(4, 4, kOpen, "7");
  DrawAllCandidates(board, look, view);
  EXPECT_TRUE(View(4, 4).caption.empty());
  EXPECT_EQ(Subs(View(4, 4)), "7");
  EXPECT_EQ(View(4, 4).subFontColor[7], look.fontColor3);
  for (int d = 0; d <= 9; ++d) {
    DrawFiltered(board, look, view, d);
    EXPECT_TRUE(View(4, 4).subVisible[7]) << d;
    // An empty open cell shows nothing.
    EXPECT_EQ(Subs(View(2, 2)) + View(2, 2).caption, "") << d;
  }
  DrawDigitsOnly(board, look, view);
  EXPECT_EQ(Subs(View(4, 4)), "");
  EXPECT_TRUE(View(4, 4).caption.empty());
}

TEST_F(BoardViewTest, FilteredShowsWholeListsOfPassingCellsOnly) {
  Set(1, 1, kOpen, "12");
  Set(1, 2, kOpen, "3");
  Set(1, 3, kGiven, "5");
  DrawFiltered(board, look, view, 0);
  EXPECT_EQ(Subs(View(1, 1)), "");
  EXPECT_TRUE(View(1, 2).subVisible[3]);
  EXPECT_EQ(View(1, 3).caption, "5");
  EXPECT_EQ(View(1, 3).fontSize, look.fontSize1);
  for (int d : {1, 2}) {
    DrawFiltered(board, look, view, d);
    EXPECT_EQ(Subs(View(1, 1)), "12") << d;
  }
  DrawFiltered(board, look, view, 9);
  EXPECT_EQ(Subs(View(1, 1)), "");
}

TEST_F(BoardViewTest, BackgroundsPerRedraw) {
  Set(1, 1, kEntered, "4");
  Set(1, 2, kEntered, "4");
  board.MarkConflicts();
  ASSERT_TRUE(board.at(1, 1).error);
  Set(5, 5, kOpen, "12");
  for (auto* redraw : {&DrawDigitsOnly, &DrawAllCandidates}) {
    View(5, 5).color = 65535;
    redraw(board, look, view);
    EXPECT_EQ(View(1, 1).color, look.errorcolor);
    EXPECT_EQ(View(5, 5).color, look.unfocus1);
    EXPECT_EQ(View(1, 4).color, look.unfocus2);
  }
}

// The colour layers over a redraw: base colours with the highlight and the
// error colour, the player's marks over them, and the entry fonts.
TEST_F(BoardViewTest, HighlightMarksAndEntryFonts) {
  Set(2, 4, kGiven, "5");
  Set(1, 2, kEntered, "5");
  Set(1, 3, kOpen, "5");
  Set(9, 9, kEntered, "5");
  Set(9, 8, kEntered, "5");
  board.MarkConflicts();
  ASSERT_TRUE(board.at(9, 9).error);
  EXPECT_EQ(CellBaseColour(board, look, 2, 4, 5), look.highcolor);
  EXPECT_EQ(CellBaseColour(board, look, 1, 3, 5), look.unfocus1) << "an open cell is never highlighted";
  EXPECT_EQ(CellBaseColour(board, look, 9, 9, 5), look.errorcolor);
  EXPECT_EQ(CellBaseColour(board, look, 1, 2, 0), look.unfocus1);

  DrawDigitsOnly(board, look, view);
  HighlightSelected(board, look, 5, view);
  EXPECT_EQ(View(1, 2).color, look.highcolor);
  EXPECT_EQ(View(9, 9).color, look.errorcolor);

  // A mark survives any redraw; colours the board uses itself are no marks.
  View(2, 2).color = 255;
  View(3, 3).subColor[4] = 255;
  ColourMarks marks = CaptureMarks(look, view);
  EXPECT_EQ(marks[IndexOf(1, 2)][0], kNoMark);
  marks[IndexOf(9, 9)][0] = 65280;
  DrawAllCandidates(board, look, view);
  ApplyMarks(board, look, 5, marks, view);
  EXPECT_EQ(View(9, 9).color, 65280u) << "a mark covers the error colour";
  EXPECT_EQ(View(2, 2).color, 255u);
  EXPECT_EQ(View(3, 3).subColor[4], 255u);
  EXPECT_EQ(View(3, 3).subColor[5], look.unfocus1);
  EXPECT_EQ(View(1, 2).color, look.highcolor);

  // A digit that differs from the solution gets the entered font back.
  TQJ store;
  store[IndexOf(1, 2)].value = 4;
  store[IndexOf(9, 8)].value = 5;
  View(1, 2).fontColor = 254;
  View(9, 8).fontColor = 254;
  RestoreEntryFonts(board, store, look, view);
  EXPECT_EQ(View(1, 2).fontColor, look.fontColor2);
  EXPECT_EQ(View(9, 8).fontColor, 254u) << "a right digit keeps what it has";
}

// The Appearance preview: every candidate, open cells' squares on their
// cell's colour, the 5s highlighted, in the look's colours.
TEST_F(BoardViewTest, AppearancePreview) {
  look.unfocus1 = 255;
  look.fontColor3 = 65280;
  view = AppearancePreview(look);
  const CellView& open = View(1, 1);  // "48" in box 1
  EXPECT_EQ(Subs(open), "48");
  EXPECT_EQ(open.subColor[4], 255u);
  EXPECT_EQ(open.subFontColor[4], 65280u);
  EXPECT_EQ(View(1, 3).caption, "5");
  EXPECT_EQ(View(1, 3).color, look.highcolor);
  EXPECT_EQ(View(1, 2).caption, "1");
  EXPECT_EQ(View(1, 2).color, 255u);
  EXPECT_EQ(View(1, 4).color, look.unfocus2);
}

}  // namespace
}  // namespace tessel
