#include "core/history.hpp"
#include "core/qj.hpp"

#include <algorithm>
#include <utility>

namespace tessel {

namespace {

const std::string kEmpty;

// One piece: the state digit, then the cell text as it was written. Any
// text is taken: an imported board may hold "5." or a group of more than nine
// characters, and refusing it would make the cell differ from the entry and
// cut the history there.
bool ParsePiece(std::string_view piece, int& state, std::string_view& text) {
  if (piece.empty()) return false;
  const char s = piece[0];
  if (s < '1' || s > '3') return false;
  text = TrimBlanks(piece.substr(1));
  state = s - '0';
  return true;
}

}  // namespace

std::string TakeSnapshot(const Board& board) {
  std::string line;
  line.reserve(kCells * 11);
  for (int i = 0; i < kCells; ++i) {
    if (i > 0) line += ',';
    line += char('0' + board[i].state);
    line += board[i].text;
  }
  return line;
}

int RestoreSnapshot(Board& board, std::string_view line) {
  int restored = 0;
  std::string_view rest = TrimBlanks(line);
  for (int i = 0; i < kCells; ++i) {
    if (rest.empty()) break;
    const std::size_t comma = rest.find(',');
    const std::string_view piece = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view() : TrimBlanks(rest.substr(comma + 1));
    int state = 0;
    std::string_view text;
    if (!ParsePiece(TrimBlanks(piece), state, text)) continue;
    board[i].state = state;
    board[i].text.assign(text);
    ++restored;
  }
  return restored;
}

const std::string& History::Current() const {
  return cursor_ >= 0 && cursor_ < count() ? lines_[cursor_] : kEmpty;
}

bool History::RecordStep(const Board& board) {
  std::string snap = TakeSnapshot(board);
  if (!lines_.empty() && snap == Current()) return false;
  if (!lines_.empty()) lines_.resize(cursor_ + 1);
  lines_.push_back(std::move(snap));
  cursor_ = count() - 1;
  return true;
}

void History::Reset(const Board& board) {
  lines_.clear();
  cursor_ = 0;
  RecordStep(board);
}

void History::Assign(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  cursor_ = std::max(0, count() - 1);
}

void History::RewriteCurrent(const Board& board) {
  if (cursor_ >= 0 && cursor_ < count()) lines_[cursor_] = TakeSnapshot(board);
}

const std::string& History::MoveTo(int index) {
  cursor_ = std::clamp(index, 0, std::max(0, count() - 1));
  return Current();
}

const std::string& History::StepFirst() { return MoveTo(0); }
const std::string& History::StepBack() { return MoveTo(cursor_ - 1); }
const std::string& History::StepNext() { return MoveTo(cursor_ + 1); }
const std::string& History::StepLast() { return MoveTo(count() - 1); }

std::string History::RejectBranch() { return std::exchange(branchPoint_, std::string()); }

}  // namespace tessel
