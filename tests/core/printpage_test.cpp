#include "core/printpage.hpp"

#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

constexpr std::string_view kApp = "Sudoku Tessel";
constexpr std::string_view kHome = "https://home.example";

std::string Style(const std::string& line) {
  const auto open = line.find("style=\"");
  const auto close = line.find('"', open + 7);
  return line.substr(open + 7, close - open - 7);
}

// Font and box sizes per paper; the kept pages hold the rest of the markup.
TEST(PrintCell, SizesPerPaperAndNoErrorColour) {
  const int sizes[3][3] = {{60, 22, 7}, {100, 50, 15}, {115, 70, 20}};
  for (int paper = kPaperSmall; paper <= kPaperBig; ++paper) {
    const std::string box = "width: " + std::to_string(sizes[paper][0]) + "px; height: " +
                            std::to_string(sizes[paper][0]) + "px; ";
    const std::string border = "<td style=\"border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: ";
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "5", kGiven}, false, paper),
              border + std::to_string(sizes[paper][1]) + "pt; color: black; " + box + "text-align: center;\">5</td>");
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "", kOpen}, true, paper),
              border + std::to_string(sizes[paper][2]) + "pt; color: black; " + box +
                  "text-align: left; vertical-align: top;\"> &nbsp;</td>");
    const Cell entered{1, 1, "7", kEntered, true};  // error marks never print
    EXPECT_EQ(Style(PrintCellMarkup(entered, false, paper)),
              Style(PrintCellMarkup(Cell{1, 1, "7", kEntered}, false, paper)));
    EXPECT_NE(Style(PrintCellMarkup(entered, false, paper)).find("color: blue;"), std::string::npos);
  }
}

// A tiny tag walker: checks that table, tr and td nest properly and gathers
// the cells of each named box table in order.
struct Parsed {
  bool balanced = true;
  std::vector<std::string> boxNames;
  std::vector<std::vector<std::string>> boxCells;  // cell contents
};

Parsed Parse(const std::string& html) {
  Parsed out;
  struct Open { std::string tag; int box; size_t contentStart; };
  std::vector<Open> stack;
  for (size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
    const size_t end = html.find('>', at);
    if (end == std::string::npos) { out.balanced = false; break; }
    std::string tag = html.substr(at + 1, end - at - 1);
    const bool closing = !tag.empty() && tag[0] == '/';
    std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" >", closing ? 1 : 0) - (closing ? 1 : 0));
    if (name != "table" && name != "tr" && name != "td") continue;
    if (!closing) {
      int box = stack.empty() ? -1 : stack.back().box;
      if (name == "table") {
        box = -1;
        const auto n = tag.find("name=\"");
        if (n != std::string::npos) {
          out.boxNames.push_back(tag.substr(n + 6, 2));
          out.boxCells.emplace_back();
          box = int(out.boxNames.size()) - 1;
          if (tag.find("id=\"" + out.boxNames.back() + "\"") == std::string::npos) out.balanced = false;
        }
      }
      stack.push_back({name, box, end + 1});
      continue;
    }
    if (stack.empty() || stack.back().tag != name) { out.balanced = false; break; }
    const Open o = stack.back();
    stack.pop_back();
    if (name == "td" && o.box >= 0) out.boxCells[o.box].push_back(html.substr(o.contentStart, at - o.contentStart));
  }
  if (!stack.empty()) out.balanced = false;
  return out;
}

// Givens, entered digits, and open cells with lists of 0..9 candidates.
Board SampleBoard() {
  Board b;
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  for (int i = 0; i < kCells; ++i) {
    if (puzzle[i] != '0')
      b[i] = {RowOf(i), ColOf(i), std::string(1, puzzle[i]), kGiven};
    else if (i % 7 == 0)
      b[i] = {RowOf(i), ColOf(i), std::string(1, char('1' + i % 9)), kEntered};
    else
      b[i] = {RowOf(i), ColOf(i), i % 5 == 0 ? "" : "123456789" + (i % 9), kOpen};
  }
  return b;
}

// The page is a file the browser reads: two variants byte for byte, one per
// style, so no change to the template goes unnoticed.
TEST(PrintPage, PagesMatchTheKeptCopiesAndParseBackToTheBoard) {
  const Board b = SampleBoard();
  for (auto [cand, paper, name] : {std::tuple{false, int(kPaperSmall), "normal_small.htm"},
                                   std::tuple{true, int(kPaperBig), "candidates_big.htm"}}) {
    const std::string kept = testutil::FileBytes(testutil::SourceFile("tests/data/print/") + name);
    EXPECT_EQ(JoinCrLf(BuildPrintPage(b, cand, paper, kApp, kHome)), kept) << name;
  }
  // Every variant parses back to the board.
  for (int paper = kPaperSmall; paper <= kPaperBig; ++paper)
    for (bool cand : {false, true}) {
      SCOPED_TRACE("paper " + std::to_string(paper) + (cand ? " with candidates" : " normal"));
      const auto page = BuildPrintPage(b, cand, paper, kApp, kHome);
      ASSERT_EQ(page.size(), 201u);
      std::string html;
      for (const auto& line : page) {
        EXPECT_NE(line.rfind("node", 0), 0u) << "marker left: " << line;
        html += line + "\n";
      }
      const Parsed p = Parse(html);
      EXPECT_TRUE(p.balanced);
      ASSERT_EQ(p.boxNames, (std::vector<std::string>{"A1", "A2", "A3", "B1", "B2", "B3", "C1", "C2", "C3"}));
      for (int box = 0; box < 9; ++box) {
        ASSERT_EQ(p.boxCells[box].size(), 9u) << p.boxNames[box];
        for (int k = 0; k < 9; ++k) {
          const Cell& c = b.at(3 * (box / 3) + k / 3 + 1, 3 * (box % 3) + k % 3 + 1);
          std::string expected = c.state != kOpen ? c.text : (cand ? c.text : "") + " &nbsp;";
          if (c.state == kOpen && cand && paper == kPaperBig && c.text.size() > 6)
            expected = c.text.substr(0, 6) + "<br/>" + c.text.substr(6) + " &nbsp;";
          EXPECT_EQ(p.boxCells[box][k], expected) << p.boxNames[box] << " cell " << k;
        }
      }
    }
}

}  // namespace
}  // namespace tessel
