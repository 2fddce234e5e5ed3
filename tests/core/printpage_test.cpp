#include "core/printpage.hpp"

#include <regex>

#include "core/textfile.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

constexpr std::string_view kApp = "Sudoku Tessel";
constexpr std::string_view kHome = "https://home.example";

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
    const std::string entered = PrintCellMarkup(Cell{1, 1, "7", kEntered}, false, paper);
    // Error marks never print.
    EXPECT_EQ(PrintCellMarkup(Cell{1, 1, "7", kEntered, true}, false, paper), entered);
    EXPECT_NE(entered.find("color: blue;"), std::string::npos);
  }
}

// A tiny tag walker over table, tr and td: "" when they do not nest, else
// one line per named box table, "A1:" and its cells' contents, each ending "|".
std::string Boxes(const std::string& html) {
  static const std::regex tag(R"(<(/?)(table|tr|td)\b([^>]*)>)"), box(R"re( name="(..)" id="\1")re");
  struct Open {
    std::string tag;
    bool inBox, isBox;
    std::size_t content;
  };
  std::vector<Open> stack;
  std::string out;
  for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it) {
    const std::smatch& m = *it;
    std::smatch named;
    const std::string attrs = m[3];
    if (m.length(1) == 0) {  // an inner table ends the box's cells
      const bool isBox = m[2] == "table" && std::regex_search(attrs, named, box);
      if (isBox) out += named[1].str() + ":";
      stack.push_back({m[2], isBox || (m[2] != "table" && !stack.empty() && stack.back().inBox), isBox,
                       static_cast<std::size_t>(m.position() + m.length())});
      continue;
    }
    if (stack.empty() || stack.back().tag != m[2]) return "";
    const Open o = stack.back();
    stack.pop_back();
    if (m[2] == "td" && o.inBox) out += html.substr(o.content, m.position() - o.content) + "|";
    if (o.isBox) out += "\n";
  }
  return stack.empty() ? out : "";
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
      std::string expected;
      for (int box = 0; box < 9; ++box) {
        expected += std::string{char('A' + box / 3), char('1' + box % 3), ':'};
        for (int k = 0; k < 9; ++k) {
          const Cell& c = b.at(3 * (box / 3) + k / 3 + 1, 3 * (box % 3) + k % 3 + 1);
          std::string cell = c.state != kOpen ? c.text : (cand ? c.text : "") + " &nbsp;";
          if (c.state == kOpen && cand && paper == kPaperBig && c.text.size() > 6)
            cell = c.text.substr(0, 6) + "<br/>" + c.text.substr(6) + " &nbsp;";
          expected += cell + "|";
        }
        expected += "\n";
      }
      EXPECT_EQ(Boxes(html), expected);
    }
}

}  // namespace
}  // namespace tessel
