// What the playing board draws: for each cell its big digit, font and
// background, and for each of its nine candidate squares whether it shows and
// in which colours. The layers below build it from the cells; Render (game)
// puts them together for a game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/board.hpp"
#include "core/qj.hpp"

namespace tessel {

using Colour = std::uint32_t;  // 0x00BBGGRR, red in the low byte

enum ExplainMark : int { kExplainNone = 0, kExplainProof = 1, kExplainChange = 2, kExplainPlace = 3 };

struct CellView {
  int row = 1;
  int col = 1;

  // The cell itself: big digit, its font, background.
  std::string caption = " ";
  int fontSize = 25;  // points
  Colour fontColor = 0;
  Colour color = 16777215;  // background
  bool popupAssigned = false;  // the cell menu pops up on a right click

  // Candidate square k (1..9) shows digit k; index 0 is unused.
  std::array<bool, 10> subVisible{};
  std::array<Colour, 10> subColor{};
  std::array<Colour, 10> subFontColor{};
  int subFontSize = 12;                  // points

  // Explain Next Step, until the next board change: a frame on the cells
  // that prove the step or that it changes, and a ring on the candidate
  // squares it places or strikes. Drawn over the colours, marks untouched.
  int explain = 0;                  // an ExplainMark
  std::uint16_t explainDigits = 0;  // bit d-1: square d

  // The keyboard cursor (Keyboard Play): a frame of its own over the rest.
  bool cursor = false;
  // What a screen reader says of the cell: "C7, 5, given", "C7, empty,
  // candidates 1 4 7"; and its state: conflict, marks, ...
  std::string name;
  std::string description;

  CellView();

  // These act on the nine squares only, never on the cell's caption or background.
  void setcolor(Colour c);
  void setFontSize(int points);
  void setFontColor(Colour c);
  void Hide();
  void Show();
  // Square k visible exactly when the digit k occurs in text (the described
  // showhxs).
  void ShowDigitsOf(std::string_view text);
};

using BoardView = std::array<CellView, kCells>;

// The colours and font sizes a board draws with.
struct BoardLook {
  Colour unfocus1 = 16777215;  // boxes 1, 3, 5, 7, 9
  Colour unfocus2 = 16759739;  // boxes 2, 4, 6, 8
  int fontSize1 = 25;          // givens
  int fontSize2 = 25;          // entered digits
  int fontSize3 = 12;          // candidates
  Colour fontColor1 = 0;
  Colour fontColor2 = 16711680;
  Colour fontColor3 = 128;
  Colour errorcolor = 732916;
  Colour highcolor = 11654065;

  Colour ParityColor(int row, int col) const { return BoxOf(row, col) % 2 == 0 ? unfocus2 : unfocus1; }
};

// Digits only; candidate squares hidden.
void DrawDigitsOnly(const Board& board, const BoardLook& look, BoardView& view);
// Digits and every open cell's candidates.
void DrawAllCandidates(const Board& board, const BoardLook& look, BoardView& view);
// Digits and the candidates of the open cells that hold d (0: none of them).
void DrawFiltered(const Board& board, const BoardLook& look, BoardView& view, int d);
// The name of one of the 16 palette colours ("yellow"), else "colour".
std::string ColourName(Colour c);
// The spoken names of the cells as the view shows them: the label, the
// digit (and "given"), or "empty" with the visible candidates.
void NameCells(const Board& board, BoardView& view);

// Every cell knowing its row and column, nothing drawn yet.
BoardView BlankView();

// The Appearance dialog's preview: a sample position with every candidate
// shown, open cells' squares on their cell's colour, and the highlight on
// the 5s.
BoardView AppearancePreview(const BoardLook& look);
// That position, row-major; "*" marks a given.
extern const char* const kAppearanceSample[kCells];

// The hint's cell shows on yellow, and Check Error inks wrong digits red,
// until the next redraw.
inline constexpr Colour kHintBackground = 65535;
inline constexpr Colour kWrongDigitFont = 254;

// Colour marks: for each cell its background mark and those of candidates
// 1..9; kNoMark where there is none.
inline constexpr Colour kNoMark = 12634573;
using ColourMarks = std::array<std::array<Colour, 10>, kCells>;

// A cell's colour without marks: the box parity, the highlight for the
// selected digit (0: none) on a placed cell, the error colour over both.
Colour CellBaseColour(const Board& board, const BoardLook& look, int row, int col, int selected);
// Every cell and its squares back to their base colours.
void PaintBaseColours(const Board& board, const BoardLook& look, int selected, BoardView& view);
// Placed cells holding the selected digit, without an error, get the highlight.
void HighlightSelected(const Board& board, const BoardLook& look, int selected, BoardView& view);
// Base colours, then the marks over them.
void ApplyMarks(const Board& board, const BoardLook& look, int selected, const ColourMarks& marks,
                BoardView& view);
// The marks as the view shows them: a colour the board uses for itself is
// no mark.
ColourMarks CaptureMarks(const BoardLook& look, const BoardView& view);
// A one-digit text that differs from the known solution value shows in the
// entered digits' font colour (Check Error's red goes).
void RestoreEntryFonts(const Board& board, const TQJ& store, const BoardLook& look, BoardView& view);

}  // namespace tessel
