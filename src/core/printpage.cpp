#include "core/printpage.hpp"

namespace tessel {

namespace {

constexpr std::string_view kTable = R"( border="0" cellpadding="0" cellspacing="0")";
constexpr std::string_view kBoxStyle =
    "border: 1px solid rgb(0, 0, 0); background: rgb(255, 255, 255) none repeat scroll 0%; "
    "font-family: verdana; font-size: 8pt; -moz-background-clip: -moz-initial; "
    "-moz-background-origin: -moz-initial; -moz-background-inline-policy: -moz-initial;";
// Markers are searched from this line on, as the page was always laid out.
constexpr size_t kFirstMarkerSearch = 38;

std::string S(int n) { return std::to_string(n); }

std::string MarkerOf(int row, int col) { return "node" + S(row) + S(col); }

}  // namespace

PrintSize PrintSizeOf(int paper) {
  switch (paper) {
    case kPaperNormal: return {100, 50, 15};
    case kPaperBig: return {115, 70, 20};
    default: return {60, 22, 7};
  }
}

std::vector<std::string> PrintTemplate(int paper, std::string_view appName, std::string_view homePage) {
  const std::string app(appName);
  const std::string home(homePage);
  const std::string table(kTable);
  std::vector<std::string> t;
  t.push_back(R"(<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">)");
  for (int i = 0; i < 4; ++i) t.emplace_back();
  t.push_back("<html>");
  t.push_back("<head>");
  t.push_back(R"(<meta name="generator" content=")" + app + R"(">)");
  t.push_back("<title>" + app + " - Printable Version</title>");
  t.push_back(R"(<meta http-equiv="content-type" content="text/html;charset=iso-8859-1">)");
  t.push_back("</head>");
  t.push_back(R"(<body bgcolor="white">)");
  t.push_back("<table" + table + ">");
  t.push_back(R"(<tr><td colspan="2" align="left"><font size="5">Sudoku</font><br/>)");
  t.push_back(R"(<font size="2">by )" + app + R"(, <a href=")" + home + R"(">)" + home + "</a></font></td></tr>");
  t.push_back(R"(<tr><td width="10"></td>)");
  t.push_back(R"(<td><table width="100%")" + table + "><tr>");
  for (int c = 1; c <= 9; ++c)
    t.push_back(R"(<td style="font-family: verdana; font-size: 8pt; color: rgb(0, 0, 0); text-align: center;">)" +
                S(c) + "</td>");
  t.push_back("</tr></table></td></tr>");
  t.push_back(R"(<tr><td width="10" rowspan="3"><table)" + table + ">");
  const std::string height = S(PrintSizeOf(paper).cell);
  for (int r = 0; r < 9; ++r)
    t.push_back(R"(<tr><td style="height: )" + height + R"(px;" valign="middle">)" + std::string(1, char('A' + r)) +
                "</td></tr>");
  t.push_back(R"(</table></td><td valign="top"><table style="border: 2px solid black;")" + table + ">");
  for (int br = 0; br < 3; ++br) {
    t.push_back("<tr>");
    for (int bc = 0; bc < 3; ++bc) {
      const std::string name = std::string(1, char('A' + br)) + S(bc + 1);
      t.push_back(R"(<td style=")" + std::string(kBoxStyle) + R"("><table name=")" + name + R"(" id=")" + name +
                  R"(")" + table + ">");
      for (int r = 3 * br + 1; r <= 3 * br + 3; ++r) {
        t.push_back("<tr>");
        for (int c = 3 * bc + 1; c <= 3 * bc + 3; ++c) t.push_back(MarkerOf(r, c) + "<td>&nbsp;</td>");
        t.push_back("</tr>");
      }
      t.push_back("</table></td>");
    }
    t.push_back("</tr>");
  }
  t.push_back("</table></td></tr>");
  t.push_back("</table>");
  t.push_back("</body>");
  t.push_back("</html>");
  return t;
}

std::string PrintCellMarkup(const Cell& cell, bool withCandidates, int paper) {
  const PrintSize size = PrintSizeOf(paper);
  const std::string box = "width: " + S(size.cell) + "px; height: " + S(size.cell) + "px; ";
  std::string line = R"(<td style="border: 1px solid rgb(170, 170, 170); font-family: verdana; font-size: )";
  if (cell.state == kGiven || cell.state == kEntered) {
    line += S(size.digitPt) + "pt; color: " + (cell.state == kGiven ? "black" : "blue") + "; " + box +
            R"(text-align: center;">)";
    return line + cell.text + "</td>";
  }
  line += S(size.candidatePt) + "pt; color: black; " + box + R"(text-align: left; vertical-align: top;">)";
  if (withCandidates) {
    // Nine candidates would not fit on one line of the big cell.
    if (paper == kPaperBig && cell.text.size() > 6)
      line += cell.text.substr(0, 6) + "<br/>" + cell.text.substr(6);
    else
      line += cell.text;
  }
  return line + " &nbsp;</td>";
}

std::vector<std::string> BuildPrintPage(const Board& board, bool withCandidates, int paper,
                                        std::string_view appName, std::string_view homePage) {
  std::vector<std::string> page = PrintTemplate(paper, appName, homePage);
  for (int r = 1; r <= 9; ++r)
    for (int c = 1; c <= 9; ++c) {
      const std::string marker = MarkerOf(r, c);
      for (size_t i = kFirstMarkerSearch; i < page.size(); ++i)
        if (page[i].compare(0, marker.size(), marker) == 0) {
          page[i] = PrintCellMarkup(board.at(r, c), withCandidates, paper);
          break;
        }
    }
  return page;
}

}  // namespace tessel
