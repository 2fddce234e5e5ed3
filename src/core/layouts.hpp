// Puzzle texts in and out: the four layouts a pasted text may have, and the
// four the player can copy a board in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/board.hpp"

namespace tessel {

// Shown by the caller when DetectImportLayout finds no layout.
inline constexpr std::string_view kInvalidFormatText = "Invalid format.";

// Import layouts; 0 means the text fits none of them.
enum ImportLayout : int {
  kNoLayout = 0,
  kDigitString = 1,       // exactly 81 characters
  kNineRows = 2,          // 81 characters once blanks are gone
  kFramedGrid = 3,        // 81 of "1".."9" and "." among any frame
  kCandidateGrid = 4,     // framed grid whose cells hold candidate lists
};

bool IsBlankChar(char c);  // code 32 or less
bool IsClueChar(char c);   // "1".."9" or "."

int DetectImportLayout(std::string_view text);

// Reads text into the board by its layout and returns the layout. An invalid
// text leaves the cells alone. Always runs board.MarkConflicts().
int ImportPuzzleText(std::string_view text, Board& board);

// Digits become entered cells, everything else (and whatever is missing past
// the end) an open cell holding its computed candidates.
void LoadDigitString(std::string_view s, Board& board);

// The c-th run of clue characters on the r-th line that holds any; "" when
// there is none or the run is exactly ".".
std::string ReadCandidateGroup(std::string_view text, int r, int c);

// Export layouts, one string per line, no line ends.
std::vector<std::string> FormatNoCandidates(const Board& board);   // 13 x 49
std::vector<std::string> FormatWithCandidates(const Board& board); // 13 x 94
std::vector<std::string> Format9x9(const Board& board);            // 9 x 9
std::vector<std::string> Format1x81(const Board& board);           // 1 x 81

std::string PadLeft(std::string_view s, size_t width, char pad);
// Every line break (LF, a lone CR, CR LF) as CR LF: a text box hands over LF
// breaks, and the layouts count a break as two characters.
std::string CrLfLineBreaks(std::string_view text);

// Joined with CR LF, no line end after the last line.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace tessel
