// The board model shared by every part of the game: 81 cells in row-major
// order, the level code, and the rule checks that work on cell texts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessel {

// Cell states.
enum CellState : int { kGiven = 1, kEntered = 2, kOpen = 3 };

// Level codes (`nd`). 5 is a puzzle the player imported or built.
enum Level : int { kVeryEasy = 0, kGentle, kModerate, kTough, kDiabolical, kUnknownLevel };
constexpr int kLevelCount = 5;  // levels dealt from the bank

constexpr int kCells = 81;

// Row-major index of (row, col), both 1-based.
constexpr int IndexOf(int row, int col) { return (row - 1) * 9 + (col - 1); }
constexpr int RowOf(int index) { return index / 9 + 1; }
constexpr int ColOf(int index) { return index % 9 + 1; }

// Box 1..9, left to right then top to bottom.
constexpr int BoxOf(int row, int col) { return 3 * ((row - 1) / 3) + ((col - 1) / 3) + 1; }

// "A1" .. "I9": rows are letters, columns digits.
std::string CellLabel(int row, int col);

// The 20 peers of a cell as row-major indices, ascending.
const std::array<int, 20>& PeersOf(int index);

// The 27 houses (rows 1..9, columns 1..9, boxes 1..9), each as 9 row-major indices.
const std::array<std::array<int, 9>, 27>& Houses();

// Every message passes through here with its context, its English and its
// Chinese wording. Without a translator the English one is shown; the
// window installs Qt's, which finds the Chinese wording in the Chinese
// translation (the pair is its key).
std::string ChooseText(std::string_view context, std::string_view english, std::string_view chinese);
// A text that has no described Chinese wording (Explain Next Step's
// sentences, for one), by the same translator.
std::string Translate(std::string_view context, std::string_view english);
// Marks a text for the translators' list where it is defined (the list is
// made from the sources); Translate() turns it when it is used.
#define TEXT_IN(context, text) text

// The translator: context, English wording, and the Chinese one as the
// pair's disambiguation ("" for Translate). Null: English.
using TextTranslator = std::string (*)(std::string_view context, std::string_view english,
                                       std::string_view chinese);
void SetTextTranslator(TextTranslator translator);

// "  Level:Very Easy" .. "  Level:Unknown"; an out-of-range code reads as Unknown.
std::string LevelText(int nd);
// "Very Easy" .. "Diabolical", "Unknown".
std::string LevelName(int nd);

// For each character of t, from the last to the first, delete its first
// occurrence from s.
std::string RemoveChars(std::string s, std::string_view t);

bool IsDigitChar(char c);  // '1'..'9' ('0' is not a digit here)

// A cell text as it fits a nine-character field: an over-long imported group
// such as "12345.6789" keeps its distinct digits, so no candidate is lost.
std::string FitCellText(std::string_view text);

struct Cell {
  int row = 1;
  int col = 1;
  std::string text;     // one digit when given or entered, else the candidate list
  int state = kEntered; // kGiven, kEntered or kOpen
  bool error = false;   // set only by MarkConflicts
};

class Board {
 public:
  Board();

  Cell& at(int row, int col) { return cells_[IndexOf(row, col)]; }
  const Cell& at(int row, int col) const { return cells_[IndexOf(row, col)]; }
  Cell& operator[](int index) { return cells_[index]; }
  const Cell& operator[](int index) const { return cells_[index]; }

  int nd = 0;  // level code

  // Every cell open with an empty text, no error marks.
  void ClearAll();

  // Digits 1..9, ascending, that no placed peer (state 1 or 2) holds.
  std::string ComputeCandidates(int row, int col) const;
  // The cell's own list minus what placed peers hold, ascending.
  std::string UpdateCandidates(int row, int col) const;
  // Strike the cell's digit from every open peer.
  void RemoveFromPeers(int row, int col);
  // Give digit d back to open peers that may hold it again (appended, not sorted).
  void AddBackToPeers(int row, int col, char d);
  // Flags at most one conflicting pair of placed cells.
  void MarkConflicts();
  // No open cell and no conflict; runs MarkConflicts when the board is full.
  bool IsFinished();
  bool HasErrorMark() const;
  // Texts of the givens, "0" for every other cell.
  std::string GivensString() const;

 private:
  std::array<Cell, kCells> cells_;
};

// Checks of the small editable board: 81 texts, a cell takes part when its
// text is exactly one character.
using TextGrid = std::array<std::string, kCells>;
bool NoConflict(const TextGrid& texts);
std::string CellCandidates(const TextGrid& texts, int row, int col);

}  // namespace tessel
