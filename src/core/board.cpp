#include "core/board.hpp"

#include <algorithm>
#include <atomic>

namespace tessel {

namespace {

struct Geometry {
  std::array<std::array<int, 20>, kCells> peers{};
  std::array<std::array<int, 9>, 27> houses{};
  Geometry() {
    for (int i = 0; i < 9; ++i)
      for (int j = 0; j < 9; ++j) {
        houses[i][j] = IndexOf(i + 1, j + 1);  // rows
        houses[9 + i][j] = IndexOf(j + 1, i + 1);  // columns
        houses[18 + i][j] = IndexOf(3 * (i / 3) + j / 3 + 1, 3 * (i % 3) + j % 3 + 1);  // boxes
      }
    for (int a = 0; a < kCells; ++a) {
      int n = 0;
      for (int b = 0; b < kCells; ++b) {
        if (a == b) continue;
        if (RowOf(a) == RowOf(b) || ColOf(a) == ColOf(b) ||
            BoxOf(RowOf(a), ColOf(a)) == BoxOf(RowOf(b), ColOf(b)))
          peers[a][n++] = b;
      }
    }
  }
};

const Geometry& Geo() {
  static const Geometry g;
  return g;
}

bool Placed(const Cell& c) { return c.state == kGiven || c.state == kEntered; }

std::string DigitsNotIn(std::string_view used) {
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (used.find(d) == std::string_view::npos) out += d;
  return out;
}

}  // namespace

std::string CellLabel(int row, int col) {
  return std::string(1, static_cast<char>('A' + row - 1)) + static_cast<char>('0' + col);
}

const std::array<int, 20>& PeersOf(int index) { return Geo().peers[index]; }
const std::array<std::array<int, 9>, 27>& Houses() { return Geo().houses; }

namespace {
std::atomic<TextTranslator> g_translator{nullptr};
}  // namespace

void SetTextTranslator(TextTranslator translator) { g_translator = translator; }

std::string ChooseText(std::string_view context, std::string_view english, std::string_view chinese) {
  const TextTranslator t = g_translator;
  return t ? t(context, english, chinese) : std::string(english);
}

std::string Translate(std::string_view context, std::string_view english) {
  return ChooseText(context, english, {});
}

std::string LevelName(int nd) {
  switch (nd) {
    case kVeryEasy: return ChooseText("Level", "Very Easy", "入门");
    case kGentle: return ChooseText("Level", "Gentle", "初级");
    case kModerate: return ChooseText("Level", "Moderate", "中级");
    case kTough: return ChooseText("Level", "Tough", "高级");
    case kDiabolical: return ChooseText("Level", "Diabolical", "骨灰");
    default: return ChooseText("Level", "Unknown", "未知");
  }
}

std::string LevelText(int nd) {
  switch (nd) {
    case kVeryEasy: return ChooseText("Level", "  Level:Very Easy", "  等级:入门");
    case kGentle: return ChooseText("Level", "  Level:Gentle", "  等级:初级");
    case kModerate: return ChooseText("Level", "  Level:Moderate", "  等级:中级");
    case kTough: return ChooseText("Level", "  Level:Tough", "  等级:高级");
    case kDiabolical: return ChooseText("Level", "  Level:Diabolical", "  等级:骨灰");
    default: return ChooseText("Level", "  Level:Unknown", "  等级:未知");
  }
}

std::string RemoveChars(std::string s, std::string_view t) {
  for (auto it = t.rbegin(); it != t.rend(); ++it) {
    const auto pos = s.find(*it);
    if (pos != std::string::npos) s.erase(pos, 1);
  }
  return s;
}

bool IsDigitChar(char c) { return c >= '1' && c <= '9'; }

std::string FitCellText(std::string_view text) {
  if (text.size() <= 9) return std::string(text);
  std::string digits;
  for (char c : text)
    if (IsDigitChar(c) && digits.find(c) == std::string::npos) digits += c;
  return digits;
}

Board::Board() {
  for (int i = 0; i < kCells; ++i) {
    cells_[i].row = RowOf(i);
    cells_[i].col = ColOf(i);
  }
}

void Board::ClearAll() {
  for (auto& c : cells_) {
    c.text.clear();
    c.state = kOpen;
    c.error = false;
  }
}

std::string Board::ComputeCandidates(int row, int col) const {
  std::string used;
  for (int p : PeersOf(IndexOf(row, col)))
    if (Placed(cells_[p])) used += cells_[p].text;
  return DigitsNotIn(used);
}

std::string Board::UpdateCandidates(int row, int col) const {
  std::string current = at(row, col).text;
  for (int p : PeersOf(IndexOf(row, col)))
    if (Placed(cells_[p])) current = RemoveChars(std::move(current), cells_[p].text);
  std::string out;
  for (char d = '1'; d <= '9'; ++d)
    if (current.find(d) != std::string::npos) out += d;
  return out;
}

void Board::RemoveFromPeers(int row, int col) {
  const std::string& t = at(row, col).text;
  if (t.size() != 1) return;
  const std::string digit = t;
  for (int p : PeersOf(IndexOf(row, col))) {
    Cell& peer = cells_[p];
    if (peer.state == kOpen && peer.text.find(digit[0]) != std::string::npos)
      peer.text = RemoveChars(std::move(peer.text), digit);
  }
}

void Board::AddBackToPeers(int row, int col, char d) {
  for (int p : PeersOf(IndexOf(row, col))) {
    Cell& peer = cells_[p];
    if (peer.state != kOpen) continue;
    if (ComputeCandidates(peer.row, peer.col).find(d) != std::string::npos &&
        peer.text.find(d) == std::string::npos)
      peer.text += d;
  }
}

void Board::MarkConflicts() {
  int a = -1, b = -1;
  for (int i = 0; i < kCells && a < 0; ++i) {
    if (!Placed(cells_[i])) continue;
    for (int p : PeersOf(i))
      if (Placed(cells_[p]) && cells_[p].text == cells_[i].text) {
        a = i;
        b = p;  // peers are ascending: the last match wins
      }
  }
  for (auto& c : cells_) c.error = false;
  if (a >= 0) {
    cells_[a].error = true;
    cells_[b].error = true;
  }
}

bool Board::IsFinished() {
  if (std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.state == kOpen; }))
    return false;
  MarkConflicts();
  return !HasErrorMark();
}

bool Board::HasErrorMark() const {
  return std::any_of(cells_.begin(), cells_.end(), [](const Cell& c) { return c.error; });
}

std::string Board::GivensString() const {
  std::string out;
  out.reserve(kCells);
  // A given without exactly one character (the blank board before the first
  // game) counts as empty so the string always has 81 characters.
  for (const auto& c : cells_) out += (c.state == kGiven && c.text.size() == 1) ? c.text[0] : '0';
  return out;
}

bool NoConflict(const TextGrid& texts) {
  for (int i = 0; i < kCells; ++i) {
    if (texts[i].size() != 1) continue;
    for (int p : PeersOf(i))
      if (texts[p] == texts[i]) return false;
  }
  return true;
}

std::string CellCandidates(const TextGrid& texts, int row, int col) {
  const int i = IndexOf(row, col);
  if (texts[i].size() == 1) return texts[i];
  std::string used;
  for (int p : PeersOf(i))
    if (texts[p].size() == 1) used += texts[p];
  return DigitsNotIn(used);
}

}  // namespace tessel
