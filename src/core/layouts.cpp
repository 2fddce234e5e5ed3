#include "core/layouts.hpp"

#include <vector>

namespace tessel {

namespace {

bool Placed(const Cell& c) { return c.state == kGiven || c.state == kEntered; }

// A placed cell holding exactly one digit; anything else exports as empty so
// a damaged board still gives a text that reads back.
bool PlacedDigit(const Cell& c) {
  return Placed(c) && c.text.size() == 1 && IsDigitChar(c.text[0]);
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlankChar(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlankChar(s.back())) s.remove_suffix(1);
  return s;
}

template <typename Keep>
std::string KeepOnly(std::string_view s, Keep keep) {
  std::string out;
  for (char ch : s)
    if (keep(ch)) out += ch;
  return out;
}

bool HasClueChar(std::string_view line) {
  for (char ch : line)
    if (IsClueChar(ch)) return true;
  return false;
}

// The first `limit` lines holding a clue character; CR LF, LF and a lone CR
// all end a line. Stops early so a long tail is never walked.
std::vector<std::string_view> DataLines(std::string_view text, size_t limit) {
  std::vector<std::string_view> rows;
  size_t start = 0;
  while (rows.size() < limit) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string_view line = text.substr(start, end - start);
    if (HasClueChar(line)) rows.push_back(line);
    if (end >= text.size()) break;
    start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
  }
  return rows;
}

std::string GroupInLine(std::string_view line, int c) {
  int seen = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if (!IsClueChar(line[i]) || (i > 0 && IsClueChar(line[i - 1]))) continue;
    if (++seen < c) continue;
    size_t end = i;
    while (end < line.size() && IsClueChar(line[end])) ++end;
    const std::string_view group = line.substr(i, end - i);
    return group == "." ? std::string() : std::string(group);
  }
  return {};
}

// The shared frame of both grid exports: `field` is one cell's width.
std::vector<std::string> FramedGrid(const Board& board, size_t field,
                                    std::string (*show)(const Cell&)) {
  const size_t inner = 9 * field + 2;
  const std::string run(3 * field, '-');
  const std::string border = "*" + std::string(inner, '-') + "*";
  const std::string separator = "|" + run + "+" + run + "+" + run + "|";
  std::vector<std::string> lines{border};
  for (int r = 1; r <= 9; ++r) {
    std::string line = "|";
    for (int c = 1; c <= 9; ++c) {
      line += show(board.at(r, c));
      if (c % 3 == 0) line += '|';
    }
    lines.push_back(std::move(line));
    if (r == 3 || r == 6) lines.push_back(separator);
  }
  lines.push_back(border);
  return lines;
}

std::string ShowPlaced(const Cell& cell) {
  const std::string_view t = TrimBlanks(cell.text);
  const bool digit = Placed(cell) && t.size() == 1 && IsDigitChar(t[0]);
  return PadLeft(digit ? t : ".", 5, ' ');
}

std::string ShowText(const Cell& cell) {
  // Every field holds a group, so the fields read back in their places.
  const std::string fitted = FitCellText(cell.text);
  return PadLeft(fitted.empty() ? "." : fitted, 10, ' ');
}

}  // namespace

bool IsBlankChar(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsClueChar(char c) { return IsDigitChar(c) || c == '.'; }

int DetectImportLayout(std::string_view text) {
  if (text.size() == 81) return kDigitString;
  size_t solid = 0, digits = 0, clues = 0;
  for (char ch : text) {
    solid += !IsBlankChar(ch);
    digits += IsDigitChar(ch);
    clues += IsClueChar(ch);
  }
  if (solid == 81) return kNineRows;
  if (digits >= 82) return kCandidateGrid;
  if (clues == 81) return kFramedGrid;
  return kNoLayout;
}

int ImportPuzzleText(std::string_view text, Board& board) {
  const int layout = DetectImportLayout(text);
  switch (layout) {
    case kDigitString:
      LoadDigitString(TrimBlanks(text), board);
      break;
    case kNineRows:
      LoadDigitString(KeepOnly(text, [](char ch) { return !IsBlankChar(ch); }), board);
      break;
    case kFramedGrid:
      LoadDigitString(KeepOnly(text, IsClueChar), board);
      break;
    case kCandidateGrid: {
      const auto lines = DataLines(text, 9);
      for (int r = 1; r <= 9; ++r)
        for (int c = 1; c <= 9; ++c) {
          Cell& cell = board.at(r, c);
          cell.text = r <= static_cast<int>(lines.size()) ? GroupInLine(lines[r - 1], c) : std::string();
          // Lists are kept as written, even ones that are no candidates.
          cell.state = cell.text.size() == 1 ? kEntered : kOpen;
        }
      break;
    }
    default:
      break;
  }
  board.MarkConflicts();
  return layout;
}

void LoadDigitString(std::string_view s, Board& board) {
  for (int i = 0; i < kCells; ++i) {
    Cell& cell = board[i];
    const char ch = i < static_cast<int>(s.size()) ? s[i] : ' ';
    if (IsDigitChar(ch)) {
      cell.text = std::string(1, ch);
      cell.state = kEntered;
    } else {
      cell.text = "123456789";
      cell.state = kOpen;
    }
  }
  for (int i = 0; i < kCells; ++i)
    if (board[i].state == kOpen) board[i].text = board.ComputeCandidates(RowOf(i), ColOf(i));
}

std::string ReadCandidateGroup(std::string_view text, int r, int c) {
  if (r < 1 || c < 1) return {};
  const auto lines = DataLines(text, static_cast<size_t>(r));
  return r <= static_cast<int>(lines.size()) ? GroupInLine(lines[r - 1], c) : std::string();
}

std::vector<std::string> FormatNoCandidates(const Board& board) {
  return FramedGrid(board, 5, ShowPlaced);
}

std::vector<std::string> FormatWithCandidates(const Board& board) {
  return FramedGrid(board, 10, ShowText);
}

std::vector<std::string> Format9x9(const Board& board) {
  std::vector<std::string> lines;
  for (int r = 1; r <= 9; ++r) {
    std::string line;
    for (int c = 1; c <= 9; ++c) {
      const Cell& cell = board.at(r, c);
      line += PlacedDigit(cell) ? cell.text[0] : '*';
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> Format1x81(const Board& board) {
  std::string line;
  for (int i = 0; i < kCells; ++i) line += PlacedDigit(board[i]) ? board[i].text[0] : '0';
  return {line};
}

std::string PadLeft(std::string_view s, size_t width, char pad) {
  std::string out;
  if (s.size() < width) out.assign(width - s.size(), pad);
  out += s;
  return out;
}

std::string CrLfLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      out += "\r\n";
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += lines[i];
  }
  return out;
}

}  // namespace tessel
