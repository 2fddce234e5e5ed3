// The printable board: a static HTML page of the board that the browser
// prints, in two styles and three paper sizes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"

namespace tessel {

inline constexpr std::string_view kPrintFileName = "print_temp.htm";

// Paper size items of the print dialog.
enum PaperSize : int { kPaperSmall = 0, kPaperNormal = 1, kPaperBig = 2 };

struct PrintSize {
  int cell;        // cell size and row-label height, px
  int digitPt;     // font size of given and entered digits
  int candidatePt; // font size of candidate lists
};
// Out-of-range sizes read as the small one.
PrintSize PrintSizeOf(int paper);

// The 201-line page with one marker line ("node" + row + column) per cell.
// appName and homePage make the title and the byline link.
std::vector<std::string> PrintTemplate(int paper, std::string_view appName, std::string_view homePage);

// One cell as a single line of markup. Marks and error flags never print.
std::string PrintCellMarkup(const Cell& cell, bool withCandidates, int paper);

// The template with every marker line replaced by its cell's markup.
std::vector<std::string> BuildPrintPage(const Board& board, bool withCandidates, int paper,
                                        std::string_view appName, std::string_view homePage);

}  // namespace tessel
