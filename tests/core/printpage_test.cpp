#include "core/printpage.hpp"

#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

constexpr std::string_view kApp = "Sudoku Tessel";
constexpr std::string_view kHome = "https://home.example";

// Font and box sizes per paper; the kept pages hold the rest of the markup.
TEST(PrintCell, SizesPerPaperAndNoErrorColour) {
  const int sizes[3][3] = {{60, 22, 7}, {100, 50, 15}, {115, 70, 20}};
  for (int paper = kPaperSmall; paper <= kPaperBig; ++paper) {
    const std::string box = "width: " + std::to_string(sizes[paper][0]) + "px; height: " +
                            std::to_string(sizes[paper][0]) + "px; ";
    const std::string border = "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: ";
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "5", kGiven}, false, paper),
              border + std::to_string(sizes[paper][1]) + "pt; color: black; " + box + "text-align: center;\">5</td>");
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "", kOpen}, true, paper),
              border + std::to_string(sizes[paper][2]) + "pt; color: black; " + box +
                  "text-align: left; vertical-align: top;\"> &nbsp;</td>");
    const std::string entered = PrintCellMarkup(Cell{1, 1, "7", kEntered}, false, paper);
    // Error marks never print.
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "7", kEntered, true}, false, paper), entered);
    EXPECT_NE(entered.find("color: blue;"), std::string::npos);
  }
}

// Givens, entered digits, and open cells with lists of 0..9 candidates.
Board SampleBoard() {
  Board b;
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  for (int i = 0; i < kCells; ++i) {
    if (puzzle[i] != '0')
      b[i] = {RowOf(i), ColOf(i), std::string(1, puzzle[i]), kGiven};
    else if (i % 7 == 0)
      b[i] = {RowOf(i), ColOf(i), std::string(1, char('1' + i % 9)), kEntered};
    else
      b[i] = {RowOf(i), ColOf(i), i % 5 == 0 ? "" : "123456789" + (i % 9), kOpen};
  }
  return b;
}

// The page is a file the browser reads: two variants byte for byte, one per
// style, so no change to the template goes unnoticed.
TEST(PrintPage, PagesMatchTheKeptCopies) {
  const Board b = SampleBoard();
  for (auto [cand, paper, name] : {std::tuple{false, int(kPaperSmall), "normal_small.htm"},
                                   std::tuple{true, int(kPaperBig), "candidates_big.htm"}}) {
    const std::string kept = testutil::FileBytes(testutil::SourceFile("tests/data/print/") + name);
    EXPECT_EQ(JoinCrLf(BuildPrintPage(b, cand, paper, kApp, kHome)), kept) << name;
  }
}

}  // namespace
}  // namespace tessel
