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
  n.ShowDigitsOf(c.text);
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

void CellView::ShowDigitsOf(std::string_view text) {
  for (int k = 1; k <= 9; ++k) subVisible[k] = text.find(char('0' + k)) != std::string_view::npos;
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

// clang-format off
const char* const kAppearanceSample[kCells] = {
    "48",     "*1",   "5",    "*6",  "2",    "*9",   "48",    "3",    "*7",
    "4689",   "48",   "*3",   "*7",  "48",   "5",    "*2",    "1469", "1468",
    "246789", "2478", "2679", "148", "*3",   "148",  "5",     "1469", "1468",
    "2467",   "3",    "1267", "489", "4789", "4678", "147",   "1467", "*5",
    "467",    "47",   "*8",   "5",   "*1",   "467",  "*3",    "*2",   "9",
    "5",      "*9",   "167",  "3",   "47",   "*2",   "147",   "*8",   "146",
    "3",      "*6",   "79",   "*2",  "*5",   "1478", "14789", "1479", "148",
    "*1",     "5",    "79",   "489", "*6",   "3",    "4789",  "479",  "*2",
    "2789",   "278",  "*4",   "189", "789",  "178",  "6",     "*5",   "*3",
};
// clang-format on

std::string ColourName(Colour c) {
  switch (c) {
    case 0x000000: return ChooseText("Board", "black", "黑色");
    case 0x000080: return ChooseText("Board", "maroon", "栗色");
    case 0x008000: return ChooseText("Board", "green", "绿色");
    case 0x008080: return ChooseText("Board", "olive", "橄榄色");
    case 0x800000: return ChooseText("Board", "navy", "深蓝色");
    case 0x800080: return ChooseText("Board", "purple", "紫色");
    case 0x808000: return ChooseText("Board", "teal", "青色");
    case 0xC0C0C0: return ChooseText("Board", "silver", "银色");
    case 0x808080: return ChooseText("Board", "grey", "灰色");
    case 0x0000FF: return ChooseText("Board", "red", "红色");
    case 0x00FF00: return ChooseText("Board", "lime", "亮绿色");
    case 0x00FFFF: return ChooseText("Board", "yellow", "黄色");
    case 0xFF0000: return ChooseText("Board", "blue", "蓝色");
    case 0xFF00FF: return ChooseText("Board", "fuchsia", "洋红色");
    case 0xFFFF00: return ChooseText("Board", "aqua", "浅绿色");
    case 0xFFFFFF: return ChooseText("Board", "white", "白色");
    default: return ChooseText("Board", "colour", "颜色");
  }
}

void NameCells(const Board& board, BoardView& view) {
  for (int i = 0; i < kCells; ++i) {
    CellView& n = view[i];
    std::string name = CellLabel(RowOf(i), ColOf(i)) + ", ";
    std::string caption = n.caption;
    caption.erase(0, caption.find_first_not_of(' '));
    if (!caption.empty()) {
      name += caption;
      if (board[i].state == kGiven) name += ChooseText("Board", ", given", ", 已知");
    } else {
      name += ChooseText("Board", "empty", "空");
      std::string shown;
      for (int k = 1; k <= 9; ++k)
        if (n.subVisible[k]) shown += (shown.empty() ? "" : " ") + std::to_string(k);
      if (!shown.empty()) name += ChooseText("Board", ", candidates ", ", 候选数 ") + shown;
    }
    n.name = name;
  }
}

BoardView BlankView() {
  BoardView view;
  for (int i = 0; i < kCells; ++i) {
    view[i].row = RowOf(i);
    view[i].col = ColOf(i);
  }
  return view;
}

BoardView AppearancePreview(const BoardLook& look) {
  Board board;
  for (int i = 0; i < kCells; ++i) {
    const std::string t = kAppearanceSample[i];
    Cell& c = board[i];
    c.state = t[0] == '*' ? kGiven : t.size() == 1 ? kEntered : kOpen;
    c.text = t[0] == '*' ? t.substr(1) : t;
  }
  BoardView view = BlankView();
  DrawAllCandidates(board, look, view);
  for (int i = 0; i < kCells; ++i) {
    if (board[i].state == kOpen) view[i].setcolor(view[i].color);
    if (board[i].text == "5") view[i].color = look.highcolor;
  }
  NameCells(board, view);
  return view;
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
