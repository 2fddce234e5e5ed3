#include "core/layouts.hpp"

#include "test_util.hpp"

namespace tessel {
namespace {

const std::string kPuzzle =
    "086009000003200000002004903004000000005000700697041230008050001001760000059000006";

// The row line of a pasted "With Candidates" text used by several cases.
const std::string kCandidateRow =
    "|         5     13789      2389|    123479       379         6|     23478     23479    234789|";

using testutil::Cells;

// Each (row, col, text, state) as expected; state -1 is not checked.
void ExpectCells(const Board& b, std::initializer_list<std::tuple<int, int, const char*, int>> cells) {
  for (const auto& [r, c, text, state] : cells) {
    EXPECT_EQ(b.at(r, c).text, text) << r << c;
    EXPECT_TRUE(state < 0 || b.at(r, c).state == state) << r << c << " state " << b.at(r, c).state;
  }
}

Board Imported(std::string_view text, int expected_layout) {
  Board b;
  EXPECT_EQ(ImportPuzzleText(text, b), expected_layout);
  return b;
}

// ---------------------------------------------------------------- detection

TEST(LayoutDetect, EachTextFindsItsLayoutAndInvalidTextLeavesTheCells) {
  std::string rows;
  for (int r = 0; r < 9; ++r) rows += kPuzzle.substr(r * 9, 9) + "\n";
  const std::string framed = JoinLines(FormatNoCandidates(Imported(kPuzzle, 1)));
  std::string zeros = framed;
  std::replace(zeros.begin(), zeros.end(), '.', '0');
  const std::pair<std::string, int> cases[] = {
      {kPuzzle, 1},
      {kPuzzle + "\r\n", 2},
      {rows, 2},
      {"*86**9*0.\n..32.*0**\n0.2*.49.3\n..4......\n**5***7**\n69704123*\n.08050..1\n0017600..\n*59*0.**6\n", 2},
      {" " + kPuzzle.substr(0, 80), 1},  // a leading space shifts every cell
      // A text box's LF breaks count as CR LF, so 80 characters and a break
      // are no one-line puzzle.
      {kPuzzle.substr(0, 80) + "\n", 1},
      {CrLfLineBreaks(kPuzzle.substr(0, 80) + "\n"), 0},
      {framed, 3},
      {zeros, 0},  // "0" is no blank in a framed grid
      // High bytes are not blanks.
      {std::string(81, '\xFF') + " ", 2},
      {std::string(80, '\xA0') + "  ", 0},
      {std::string(81, '\0') + "x", 0},
  };
  for (const auto& [text, layout] : cases) {
    SCOPED_TRACE(text);
    EXPECT_EQ(DetectImportLayout(text), layout);
    const Board b = Imported(text, layout);
    // The clue-only layouts place kPuzzle's clues; the one-line texts of 80
    // characters leave the last cell open (a leading space is read past).
    if ((layout == 1 || layout == 2) && text[0] != '\xFF') {
      const std::string clues = layout == 2 || text == kPuzzle ? kPuzzle : kPuzzle.substr(0, 80) + "0";
      for (int i = 0; i < kCells; ++i) EXPECT_EQ(b[i].state == kEntered, IsDigitChar(clues[i])) << i;
    }
  }
  EXPECT_EQ(CrLfLineBreaks("a\nb\rc\r\nd\n"), "a\r\nb\r\nc\r\nd\r\n");
  const Board one = Imported(kPuzzle, 1);
  ExpectCells(one, {{1, 2, "8", kEntered}, {1, 1, one.ComputeCandidates(1, 1).c_str(), kOpen}});
  EXPECT_EQ(Cells(one), Cells(Imported(rows, 2)));
  ExpectCells(Imported(std::string(40, '\x80') + " 5" + std::string(40, '\x80'), 2), {{5, 5, "5", kEntered}});

  // An invalid text leaves the cells but marks conflicts.
  Board b = Imported(kPuzzle, 1);
  b.at(1, 1) = {1, 1, "8", kEntered};  // clashes with (1,2)
  const std::string cells = Cells(b);
  for (std::string_view junk : {"hello", "", "\n\n\n", "12345"}) {
    EXPECT_EQ(ImportPuzzleText(junk, b), 0) << junk;
    EXPECT_EQ(Cells(b), cells);
    EXPECT_TRUE(b.at(1, 1).error);
  }
}

// ------------------------------------------------------------------- import

TEST(LayoutImport, ShortDigitStringAndWideFramedRow) {
  const std::string wide_row =
      "|         .         9         5|         .         .         3|         8         1         4|";
  const std::string narrow_row = "|    .    9    5|    .    .    3|    8    1    4|";
  auto dots = [](std::string row) {
    for (char& ch : row)
      if (IsDigitChar(ch)) ch = '.';
    return row;
  };
  std::string wide, narrow;
  for (int r = 1; r <= 9; ++r) {
    wide += (r == 5 ? wide_row : dots(wide_row)) + "\r\n";
    narrow += (r == 5 ? narrow_row : dots(narrow_row)) + "\n";
  }
  const Board a = Imported(wide, 3);
  EXPECT_EQ(Cells(a), Cells(Imported(narrow, 3)));
  ExpectCells(a, {{5, 2, "9", kEntered}, {5, 9, "4", kEntered}});
  EXPECT_EQ(a.at(5, 1).state, kOpen);

  // A short digit string leaves the tail open.
  Board b;
  LoadDigitString("12", b);
  ExpectCells(b, {{1, 1, "1", kEntered}, {1, 2, "2", kEntered}, {1, 3, "3456789", kOpen}, {2, 1, "3456789", -1},
                  {4, 1, "23456789", -1}, {9, 9, "123456789", kOpen}});
}

// A "With Candidates" copy of kPuzzle with one row line swapped in.
std::string CandidateTextWithRow(int row, const std::string& line) {
  auto lines = FormatWithCandidates(Imported(kPuzzle, 1));
  lines[row + (row - 1) / 3] = line;
  return JoinLines(lines);
}

// Lists are taken as written, not recomputed, and written back as pasted.
TEST(LayoutImport, CandidateTexts) {
  Board b = Imported(CandidateTextWithRow(5, kCandidateRow), 4);
  std::string states;
  for (int c = 1; c <= 9; ++c) states += std::to_string(b.at(5, c).state);
  EXPECT_EQ(states, "233332333");
  EXPECT_EQ(b.at(5, 2).text, "13789");
  EXPECT_EQ(FormatWithCandidates(b)[6], kCandidateRow);

  // An unframed row with dots and empty groups.
  const std::string text =
      CandidateTextWithRow(2, "12  5.  .  345 6 7 8 9 123456789") + "\r\n";
  ExpectCells(Imported(text, 4), {{2, 1, "12", -1}, {2, 2, "5.", kOpen}, {2, 3, "", kOpen}, {2, 4, "345", -1},
                                  {2, 5, "6", kEntered}, {2, 9, "123456789", -1}});

  // Import reads nine rows, but later data lines still count.
  for (auto [from, row, col, group] :
       {std::tuple{text, 2, 9, "123456789"}, {text, 2, 10, ""}, {text, 10, 1, ""},
        {"ab\n\n|x|\nz9.5", 1, 1, "9.5"}, {text + "1 2 34\r\n", 10, 3, "34"}})
    EXPECT_EQ(ReadCandidateGroup(from, row, col), group) << row << "," << col;

  // Eight full lists and "12": 82 digits; short rows and missing lines are empty.
  std::string shortRows;
  for (int c = 0; c < 8; ++c) shortRows += "123456789 ";
  shortRows += "\n12 2 3 4 5 6 7 8 9\n";
  ExpectCells(Imported(shortRows, 4), {{1, 8, "123456789", -1}, {1, 9, "", kOpen}, {2, 1, "12", -1}, {2, 9, "9", -1},
                                  {3, 1, "", -1}, {9, 9, "", kOpen}});
}

// ------------------------------------------------------------------- export

TEST(LayoutExport, FrameShapesAndLineLengthsOnAnyBoard) {
  Board b = Imported(kPuzzle, 1);
  const auto no = FormatNoCandidates(b);
  ASSERT_EQ(no.size(), 13u);
  EXPECT_EQ(no[0], "*" + std::string(47, '-') + "*");
  EXPECT_EQ(no[4], "|---------------+---------------+---------------|");
  EXPECT_EQ(no[8], no[4]);
  EXPECT_EQ(no[1], "|    .    8    6|    .    .    9|    .    .    .|");

  const auto with = FormatWithCandidates(b);
  ASSERT_EQ(with.size(), 13u);
  EXPECT_EQ(with[12], "*" + std::string(92, '-') + "*");
  EXPECT_EQ(with[4], "|" + std::string(30, '-') + "+" + std::string(30, '-') + "+" +
                         std::string(30, '-') + "|");

  EXPECT_EQ(Format9x9(b)[0], "*86**9***");
  EXPECT_EQ(Format1x81(b), std::vector<std::string>{kPuzzle});

  // An open cell without candidates.
  b.at(1, 2) = {1, 2, "", kOpen};
  EXPECT_EQ(FormatNoCandidates(b)[1].substr(6, 5), "    .");
  EXPECT_EQ(FormatWithCandidates(b)[1].substr(11, 10), "         .");
  EXPECT_EQ(Format9x9(b)[0][1], '*');
  EXPECT_EQ(Format1x81(b)[0][1], '0');

  std::mt19937 rng(11);
  for (int round = 0; round < 50; ++round) {
    Board any;  // starts as placed cells with empty texts: a damaged board
    for (int i = 0; i < kCells; ++i) {
      std::string t(rng() % 14, ' ');
      for (auto& ch : t) ch = static_cast<char>(rng() % 256);
      any[i].text = t;
      any[i].state = static_cast<int>(rng() % 4);
    }
    for (const auto& l : FormatNoCandidates(any)) EXPECT_EQ(l.size(), 49u);
    for (const auto& l : FormatWithCandidates(any)) EXPECT_EQ(l.size(), 94u);
    const auto nine = Format9x9(any);
    ASSERT_EQ(nine.size(), 9u);
    for (const auto& l : nine) EXPECT_EQ(l.size(), 9u);
    EXPECT_EQ(DetectImportLayout(JoinLines(nine)), 2);
    EXPECT_EQ(DetectImportLayout(Format1x81(any)[0]), 1);
  }
  b = Board();
  b[0] = {1, 1, " 7 ", kGiven};
  b[1] = {1, 2, "12345678912", kOpen};
  EXPECT_EQ(FormatNoCandidates(b)[1].substr(1, 5), "    7");
  EXPECT_EQ(Format9x9(b)[0][0], '*');
  // An over-long text keeps its distinct digits, so the field still starts
  // with a space and no candidate is lost, also on the way back in.
  EXPECT_EQ(FormatWithCandidates(b)[1].substr(11, 10), " 123456789");
  for (int i = 2; i < kCells; ++i) b[i] = {RowOf(i), ColOf(i), "1289", kOpen};
  b[2].text = "12345.6789";
  EXPECT_EQ(FormatWithCandidates(b)[1].substr(21, 10), " 123456789");
  // Ten dots keep no digit: the field still holds a group.
  b[3].text = "..........";
  const Board back = Imported(JoinLines(FormatWithCandidates(b)), kCandidateGrid);
  EXPECT_EQ(back[2].text + "/" + back[3].text + "/" + back[4].text, "123456789//1289");
}

// --------------------------------------------------------------- round trips

// A played board: the puzzle's clues as givens, some entered digits, and
// candidate lists with a few digits struck out. `singles` keeps open cells
// with one candidate; otherwise such lists are emptied.
Board PlayedBoard(const std::string& puzzle, std::mt19937& rng, bool singles) {
  Board b;
  LoadDigitString(puzzle, b);
  for (int i = 0; i < kCells; ++i)
    if (b[i].state == kEntered) b[i].state = kGiven;
  for (int i = 0; i < kCells; ++i) {
    if (b[i].state != kOpen || rng() % 3 != 0) continue;
    const std::string c = b.ComputeCandidates(RowOf(i), ColOf(i));
    if (c.empty()) continue;
    b[i].text = std::string(1, c[rng() % c.size()]);
    b[i].state = kEntered;
  }
  for (int i = 0; i < kCells; ++i) {
    if (b[i].state != kOpen) continue;
    std::string t = b.ComputeCandidates(RowOf(i), ColOf(i));
    if (t.size() > 2 && rng() % 2) t.erase(rng() % t.size(), 1);
    if (rng() % 10 == 0) t.clear();
    if (t.size() == 1 && !singles) t.clear();
    b[i].text = t;
  }
  return b;
}

// What a layout must give back: with `lists`, the texts as written and every
// single-digit cell entered; without, the clues entered and open cells
// showing all their candidates.
std::string CellsBack(const Board& b, bool lists) {
  Board want = b;
  for (int i = 0; i < kCells; ++i) {
    const bool open = b[i].state == kOpen && (!lists || b[i].text.size() != 1);
    want[i].state = open ? kOpen : kEntered;
    if (open && !lists) want[i].text = b.ComputeCandidates(RowOf(i), ColOf(i));
  }
  return Cells(want);
}

TEST(LayoutRoundTrip, PlayedAndNearlyFullBoardsReadBack) {
  const auto puzzles = testutil::SamplePuzzles("17-clue.txt", 200);
  std::mt19937 rng(2024);
  int read_as_candidates = 0;
  for (size_t p = 0; p < puzzles.size(); ++p) {
    SCOPED_TRACE(puzzles[p]);
    const bool singles = p % 2 == 1;
    const Board b = PlayedBoard(puzzles[p], rng, singles);

    EXPECT_EQ(Cells(Imported(JoinLines(Format1x81(b)), 1)), CellsBack(b, false));
    EXPECT_EQ(Cells(Imported(JoinLines(Format9x9(b)), 2)), CellsBack(b, false));
    EXPECT_EQ(Cells(Imported(JoinLines(FormatNoCandidates(b)), 3)), CellsBack(b, false));

    // Boards full of single digits fall short of 82 digits; those are
    // covered by NearlyFullBoardWithCandidates.
    const std::string with = JoinLines(FormatWithCandidates(b));
    if (std::count_if(with.begin(), with.end(), IsDigitChar) < 82) continue;
    ++read_as_candidates;
    EXPECT_EQ(Cells(Imported(with, 4)), CellsBack(b, true));
  }
  EXPECT_GT(read_as_candidates, 150);

  // A solved grid: every cell a single digit.
  const Board full = Imported(testutil::kSolution, 1);
  EXPECT_EQ(Cells(full), Cells(Imported(JoinLines(FormatWithCandidates(full)), 3)));

  // 80 digits and a dot: still 81 clue characters.
  Board one_open = full;
  one_open[40] = {5, 5, "", kOpen};
  const Board back = Imported(JoinLines(FormatWithCandidates(one_open)), 3);
  ExpectCells(back, {{5, 5, "5", kOpen}, {5, 6, "3", -1}});

  // 81 digits but 82 clue characters: no layout fits.
  Board two_open = one_open;
  two_open[41] = {5, 6, "37", kOpen};
  EXPECT_EQ(DetectImportLayout(JoinLines(FormatWithCandidates(two_open))), 0);

  // A hand-edited copy with a blank field: the pair spills into later cells.
  auto lines = FormatWithCandidates(full);
  lines[1].replace(1, 10, "        53");
  lines[13 - 2].replace(1 + 8 * 10 + 2, 10, std::string(10, ' '));
  // Cells 3 and 81 take the solution's cells 2 and 80.
  const Board spilled = Imported(JoinLines(lines), 3);
  ExpectCells(spilled, {{1, 1, "5", -1}, {1, 2, "3", -1}, {1, 3, "3", -1}, {9, 9, "7", -1}});
}

}  // namespace
}  // namespace tessel
