#include "core/play.hpp"

namespace tessel {

namespace {

bool HasChar(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

// An entered cell that opens again gives its digit back to its peers.
void Reopen(Board& board, int row, int col) {
  Cell& c = board.at(row, col);
  const std::string old = c.text;
  c.state = kOpen;
  if (old.size() == 1) board.AddBackToPeers(row, col, old[0]);
}

}  // namespace

std::string UnionDigits(std::string_view a, std::string_view b) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (HasChar(a, d) || HasChar(b, d)) out += d;
  return out;
}

std::string RemoveDigit(std::string s, char d) {
  const auto at = s.find(d);
  if (at != std::string::npos) s.erase(at, 1);
  return s;
}

bool PlaceSelectedDigit(Board& board, int row, int col, int digit) {
  Cell& c = board.at(row, col);
  if (c.state == kGiven || digit < 1 || digit > 9) return false;
  c.text = std::string(1, char('0' + digit));
  c.state = kEntered;
  return true;
}

bool ClearCell(Board& board, int row, int col) {
  Cell& c = board.at(row, col);
  if (c.state == kGiven) return false;
  c.state = kOpen;
  c.text.clear();
  return true;
}

bool ReopenEnteredCell(Board& board, int row, int col) {
  if (board.at(row, col).state != kEntered) return false;
  Reopen(board, row, col);
  board.at(row, col).text = board.ComputeCandidates(row, col);
  return true;
}

void ClickCandidate(Board& board, int row, int col, int digit, bool left, bool autoUpdate) {
  Cell& c = board.at(row, col);
  const std::string k(1, char('0' + digit));
  if (left) {
    c.text = k;
    c.state = kEntered;
    if (autoUpdate) board.RemoveFromPeers(row, col);
    return;
  }
  c.text = RemoveChars(c.text, k);
  if (c.text.size() == 1) {
    c.state = kEntered;
    if (autoUpdate) board.RemoveFromPeers(row, col);
  } else {
    c.state = kOpen;
  }
}

std::vector<CellMenuItem> CellMenu(std::string_view text) {
  std::vector<CellMenuItem> items;
  for (char d = '1'; d <= '9'; ++d)
    if (!HasChar(text, d)) items.push_back({ChooseText("Play", "Add ", "增加 ") + d, std::string("+") + d});
  if (!text.empty()) items.push_back({});
  for (char d = '1'; d <= '9'; ++d)
    if (HasChar(text, d)) items.push_back({ChooseText("Play", "Move ", "删除 ") + d, std::string("-") + d});
  items.push_back({});
  items.push_back({ChooseText("Play", "Regenerate Candidate Numbers", "重新生成候选数"), "X"});
  return items;
}

bool ApplyCellCommand(Board& board, int row, int col, std::string_view command) {
  Cell& c = board.at(row, col);
  // A given never has the menu; a stale opening must not turn it open.
  if (c.state == kGiven || command.empty()) return false;
  const char op = command[0];
  const char d = command.size() > 1 ? command[1] : '0';
  const bool wasEntered = c.state == kEntered;
  if (op == '+') {
    const std::string grown = UnionDigits(c.text, std::string(1, d));
    if (wasEntered) Reopen(board, row, col);
    c.text = grown;
  } else if (op == '-') {
    c.text = RemoveDigit(c.text, d);
  } else if (op == 'X') {
    if (wasEntered) Reopen(board, row, col);
    c.text = board.ComputeCandidates(row, col);
  } else {
    return false;
  }
  c.state = kOpen;
  return true;
}

int HintCell(const Board& board, std::string_view solution) {
  if (solution.size() != static_cast<std::size_t>(kCells)) return -1;
  for (int i = kCells - 1; i >= 0; --i)
    if (board[i].state == kOpen) return i;
  return -1;
}

int PlaceHint(Board& board, std::string_view solution, bool autoUpdate) {
  const int cell = HintCell(board, solution);
  if (cell < 0) return cell;
  Cell& c = board[cell];
  c.text = std::string(1, solution[cell]);
  c.state = kEntered;
  if (autoUpdate) board.RemoveFromPeers(RowOf(cell), ColOf(cell));
  return cell;
}

std::vector<int> WrongDigits(const Board& board, const TQJ& store) {
  std::vector<int> wrong;
  for (int i = 0; i < kCells; ++i) {
    const int value = store[i].value;
    if (board[i].text.size() == 1 && value != 0 && board[i].text[0] != char('0' + value)) wrong.push_back(i);
  }
  return wrong;
}

void RestartBoard(Board& board) {
  for (int i = 0; i < kCells; ++i) {
    if (board[i].state != kGiven) {
      board[i].text = "123456789";
      board[i].state = kOpen;
    }
  }
  for (int i = 0; i < kCells; ++i)
    if (board[i].state == kOpen) board[i].text = board.ComputeCandidates(RowOf(i), ColOf(i));
}

void FillFromSolution(Board& board, std::string_view solution) {
  if (solution.size() != static_cast<std::size_t>(kCells)) return;
  for (int i = 0; i < kCells; ++i) {
    if (board[i].state == kGiven) continue;
    board[i].text = std::string(1, solution[i]);
    board[i].state = kEntered;
  }
}

void FillCandidateLists(Board& board, bool autoUpdate) {
  for (int i = 0; i < kCells; ++i)
    if (board[i].state == kOpen && board[i].text.empty()) board[i].text = board.ComputeCandidates(RowOf(i), ColOf(i));
  if (autoUpdate)
    for (int i = 0; i < kCells; ++i)
      if (board[i].state == kOpen) board[i].text = board.UpdateCandidates(RowOf(i), ColOf(i));
}

void FillEmptyTexts(Board& board) {
  for (int i = 0; i < kCells; ++i)
    if (board[i].text.empty() && board[i].state != kGiven) board[i].text = board.ComputeCandidates(RowOf(i), ColOf(i));
}

}  // namespace tessel
