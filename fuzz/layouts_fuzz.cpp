// Reads arbitrary bytes as a pasted puzzle, then copies the board out in all
// four layouts and checks each copy pastes back to the board it came from.
// The same bytes also go through the line reader of `sudoku-tessel-cli explain`.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.hpp"
#include "core/explain.hpp"
#include "core/layouts.hpp"

namespace {

using namespace tessel;


bool OnlyClueChars(const std::string& s) {
  for (char ch : s)
    if (!IsClueChar(ch)) return false;
  return true;
}

void CheckLines(const std::vector<std::string>& lines, size_t count, size_t width) {
  CHECK(lines.size() == count);
  for (const auto& l : lines) CHECK(l.size() == width);
}

// `digits[i]` is the digit cell i must come back with, or 0 for an open cell
// holding the candidates its placed peers leave.
void CheckClues(const std::string& text, int layout, const std::string& digits) {
  CHECK(DetectImportLayout(text) == layout);
  Board back;
  CHECK(ImportPuzzleText(text, back) == layout);
  for (int i = 0; i < kCells; ++i) {
    const Cell& c = back[i];
    if (digits[i] != 0) {
      CHECK(c.state == kEntered && c.text == std::string(1, digits[i]));
    } else {
      CHECK(c.state == kOpen && c.text == back.ComputeCandidates(RowOf(i), ColOf(i)));
    }
  }
}

// The cell text as the "With Candidates" copy shows it, read back.
std::string Shown(const std::string& text) {
  const std::string s = FitCellText(text);
  return s == "." ? std::string() : s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  {
    // A position with digits 1..9 and nine-bit lists, or a reason; a bad line
    // answers "bad: " with it.
    std::string why;
    const auto pos = ParsePositionLine(text, &why);
    if (pos) {
      for (int i = 0; i < kCells; ++i) CHECK(pos->value[i] <= 9 && pos->lists[i] <= 0x1FF);
    } else {
      CHECK(!why.empty() && ExplainLine(text) == "bad: " + why);
    }
  }
  const Board fresh;
  Board b;
  const int layout = DetectImportLayout(text);
  CHECK(layout >= 0 && layout <= 4);
  CHECK(ImportPuzzleText(text, b) == layout);
  for (int i = 0; i < kCells; ++i) {
    if (layout == 0) CHECK(b[i].text == fresh[i].text && b[i].state == fresh[i].state);
    // Whatever was pasted, cells hold only clue characters afterwards.
    CHECK(OnlyClueChars(b[i].text));
    if (b[i].state == kEntered) CHECK(b[i].text.size() <= 1);
  }

  std::string digits(kCells, '\0');
  for (int i = 0; i < kCells; ++i)
    if (b[i].state != kOpen && b[i].text.size() == 1 && IsDigitChar(b[i].text[0]))
      digits[i] = b[i].text[0];

  const auto one = Format1x81(b);
  CheckLines(one, 1, 81);
  CheckClues(JoinLines(one), 1, digits);

  const auto nine = Format9x9(b);
  CheckLines(nine, 9, 9);
  CheckClues(JoinLines(nine), 2, digits);

  const auto plain = FormatNoCandidates(b);
  CheckLines(plain, 13, 49);
  CheckClues(JoinLines(plain), 3, digits);

  const auto with = FormatWithCandidates(b);
  CheckLines(with, 13, 94);
  const std::string with_text = JoinLines(with);
  size_t digit_count = 0;
  for (char ch : with_text) digit_count += IsDigitChar(ch);
  std::vector<std::string> shown;
  bool all_short = true;
  for (int i = 0; i < kCells; ++i) {
    shown.push_back(Shown(b[i].text));
    all_short = all_short && shown.back().size() <= 1;
  }
  if (digit_count >= 82) {
    Board back;
    CHECK(ImportPuzzleText(with_text, back) == 4);
    for (int i = 0; i < kCells; ++i) {
      CHECK(back[i].text == shown[i]);
      CHECK(back[i].state == (shown[i].size() == 1 ? kEntered : kOpen));
    }
  } else if (all_short) {
    // One clue character per cell: reads as a plain framed grid.
    std::string short_digits(kCells, '\0');
    for (int i = 0; i < kCells; ++i)
      if (shown[i].size() == 1 && IsDigitChar(shown[i][0])) short_digits[i] = shown[i][0];
    CheckClues(with_text, 3, short_digits);
  } else {
    // More than 81 clue characters but too few digits: no layout fits.
    CHECK(DetectImportLayout(with_text) == 0);
  }
  return 0;
}
