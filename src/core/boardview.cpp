#include "core/boardview.hpp"

namespace tessel {

namespace {

bool OneChar(const Cell& c) { return c.text.size() == 1; }

// The common background step of the redraws after RefreshAll.
void PaintBackground(int i, const Cell& c, const BoardLook& look, CellView& n) {
  if (c.error) {
    n.color = look.errorcolor;
  } else {
    n.caption.clear();
    n.color = look.ParityColor(RowOf(i), ColOf(i));
  }
}

void ShowAsDigit(const Cell& c, const BoardLook& look, CellView& n) {
  n.Hide();
  n.fontSize = c.state == kGiven ? look.fontSize1 : look.fontSize2;
  n.fontColor = c.state == kGiven ? look.fontColor1 : look.fontColor2;
  n.caption = c.text;
}

void ShowCandidates(const Cell& c, const BoardLook& look, CellView& n) {
  n.setFontSize(look.fontSize3);
  n.setFontColor(look.fontColor3);
  n.showhxs(c.text);
}

// d = -1 is the unfiltered form of DrawAllCandidates.
void Filtered(const Board& board, const BoardLook& look, BoardView& view, int d) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    CellView& n = view[i];
    PaintBackground(i, c, look, n);
    if (c.state == kGiven || c.state == kEntered) {
      ShowAsDigit(c, look, n);
      continue;
    }
    const bool passes = d < 0 || OneChar(c) || (d >= 1 && d <= 9 && c.text.find(char('0' + d)) != std::string::npos);
    n.caption.clear();
    if (passes) {
      ShowCandidates(c, look, n);
    } else {
      n.Hide();
    }
  }
}

}  // namespace

CellView::CellView() {
  subColor.fill(16777215);
  subFontColor.fill(128);  // maroon until the board sets its candidate colour
}

void CellView::setcolor(Colour c) {
  for (int k = 1; k <= 9; ++k) subColor[k] = c;
}

void CellView::setFontSize(int points) { subFontSize = points; }

void CellView::setFontColor(Colour c) {
  for (int k = 1; k <= 9; ++k) subFontColor[k] = c;
}

void CellView::Hide() {
  for (int k = 1; k <= 9; ++k) subVisible[k] = false;
}

void CellView::Show() {
  for (int k = 1; k <= 9; ++k) subVisible[k] = true;
}

void CellView::showhxs(std::string_view text) {
  for (int k = 1; k <= 9; ++k) subVisible[k] = text.find(char('0' + k)) != std::string_view::npos;
}

void RefreshAll(const Board& board, const BoardLook& look, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    CellView& n = view[i];
    // Only the squares take the parity colour: the cell keeps its own.
    if (c.error) {
      n.color = look.errorcolor;
    } else {
      n.setcolor(look.ParityColor(RowOf(i), ColOf(i)));
    }
    if (c.state == kGiven || OneChar(c)) {
      ShowAsDigit(c, look, n);
    } else {
      n.caption.clear();
      ShowCandidates(c, look, n);
    }
  }
}

void DrawDigitsOnly(const Board& board, const BoardLook& look, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    CellView& n = view[i];
    n.Hide();
    PaintBackground(i, c, look, n);
    if (c.state == kGiven || c.state == kEntered) ShowAsDigit(c, look, n);
  }
}

void DrawAllCandidates(const Board& board, const BoardLook& look, BoardView& view) {
  Filtered(board, look, view, -1);
}

void DrawFiltered(const Board& board, const BoardLook& look, BoardView& view, int d) {
  Filtered(board, look, view, d);
}

void HideCandidates(const Board& board, BoardView& view) {
  for (int i = 0; i < kCells; ++i)
    if (board[i].text.size() != 1) view[i].Hide();
}

void AssignCellMenus(const Board& board, int menuDigit, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    view[i].popupAssigned = menuDigit >= 0 && c.state != kGiven &&
                            (menuDigit == 0 || c.text.find(char('0' + menuDigit)) != std::string::npos);
  }
}

Colour CellBaseColour(const Board& board, const BoardLook& look, int row, int col, int selected) {
  const Cell& c = board.at(row, col);
  Colour colour = look.ParityColor(row, col);
  if (selected != 0 && c.state != kOpen && c.text == std::string(1, char('0' + selected))) colour = look.highcolor;
  if (c.error) colour = look.errorcolor;
  return colour;
}

void PaintBaseColours(const Board& board, const BoardLook& look, int selected, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    const Colour base = CellBaseColour(board, look, RowOf(i), ColOf(i), selected);
    view[i].color = base;
    view[i].setcolor(base);
  }
}

void HighlightSelected(const Board& board, const BoardLook& look, int selected, BoardView& view) {
  if (selected == 0) return;
  const std::string digit(1, char('0' + selected));
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    if (c.text == digit && !c.error && c.state != kOpen) view[i].color = look.highcolor;
  }
}

void ApplyMarks(const Board& board, const BoardLook& look, int selected, const ColourMarks& marks,
                BoardView& view) {
  PaintBaseColours(board, look, selected, view);
  for (int i = 0; i < kCells; ++i) {
    if (marks[i][0] != kNoMark) view[i].color = marks[i][0];
    for (int k = 1; k <= 9; ++k)
      if (marks[i][k] != kNoMark) view[i].subColor[k] = marks[i][k];
  }
}

ColourMarks CaptureMarks(const BoardLook& look, const BoardView& view) {
  const auto reserved = [&](Colour c) {
    return c == look.errorcolor || c == look.highcolor || c == look.unfocus1 || c == look.unfocus2;
  };
  ColourMarks marks{};
  for (int i = 0; i < kCells; ++i) {
    marks[i][0] = reserved(view[i].color) ? kNoMark : view[i].color;
    for (int k = 1; k <= 9; ++k) marks[i][k] = reserved(view[i].subColor[k]) ? kNoMark : view[i].subColor[k];
  }
  return marks;
}

void RestoreEntryFonts(const Board& board, const TQJ& store, const BoardLook& look, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = board[i];
    const int value = store[i].value;
    if (c.text.size() == 1 && IsDigitChar(c.text[0]) && value != 0 && c.text[0] - '0' != value)
      view[i].fontColor = look.fontColor2;
  }
}

}  // namespace tessel
