// The printable page as a browser draws it: each style and paper size is
// rendered by headless Chromium to a PNG, and the picture is measured. Skipped
// when no Chromium is installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "core/printpage.hpp"
#include "core/textfile.hpp"

namespace {

bool Ink(QRgb p) { return qGray(p) < 150; }
bool Blue(QRgb p) { return qBlue(p) > 150 && qRed(p) < 110 && qGreen(p) < 110; }
bool Red(QRgb p) { return qRed(p) > 150 && qBlue(p) < 110 && qGreen(p) < 110; }

// Along rows or columns: the ten cell edges, then the frame's outer edges.
// The lines of the picture with a dark run longer than minRun group into four
// bands (frame and box borders); each box splits into three cells.
std::vector<int> CellEdges(const QImage& img, bool rows, int minRun) {
  std::vector<std::pair<int, int>> bands;
  for (int a = 0; a < (rows ? img.height() : img.width()); ++a) {
    int run = 0, best = 0;
    for (int b = 0; b < (rows ? img.width() : img.height()); ++b) {
      run = Ink(rows ? img.pixel(b, a) : img.pixel(a, b)) ? run + 1 : 0;
      best = std::max(best, run);
    }
    if (best < minRun) continue;
    if (!bands.empty() && bands.back().second == a - 1)
      bands.back().second = a;
    else
      bands.push_back({a, a});
  }
  std::vector<int> edges;
  if (bands.size() != 4) return edges;
  for (int box = 0; box < 3; ++box)
    for (int k = 0; k < 3; ++k)
      edges.push_back(bands[box].second + 1 + (bands[box + 1].first - bands[box].second - 1) * k / 3);
  edges.insert(edges.end(), {bands[3].first, bands[0].first, bands[3].second});
  return edges;
}

struct CellInk {
  int count = 0, blue = 0, red = 0;
  double cx = 0, cy = 0, minX = 1;  // centre and leftmost ink, 0..1 across the cell
};

CellInk Measure(const QImage& img, int x0, int x1, int y0, int y1) {
  CellInk m;
  double sx = 0, sy = 0;
  // Two pixels clear of the borders and their anti-aliasing.
  for (int y = y0 + 2; y < y1 - 2; ++y)
    for (int x = x0 + 2; x < x1 - 2; ++x) {
      const QRgb p = img.pixel(x, y);
      m.red += Red(p);
      if (!Ink(p)) continue;
      ++m.count;
      m.blue += Blue(p);
      sx += x;
      sy += y;
      m.minX = std::min(m.minX, double(x - x0) / (x1 - x0));
    }
  if (m.count) m.cx = (sx / m.count - x0) / (x1 - x0), m.cy = (sy / m.count - y0) / (y1 - y0);
  return m;
}

// Clues, entered digits, open cells with and without lists, error flags.
tessel::Board SampleBoard() {
  const std::string puzzle = "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  tessel::Board b;
  for (int i = 0; i < tessel::kCells; ++i) {
    const bool given = puzzle[i] != '0', entered = !given && i % 7 == 0;
    const std::string open = i % 5 == 0 ? "" : std::string("123456789").substr(0, 1 + i % 9);
    b[i] = {tessel::RowOf(i), tessel::ColOf(i), given ? puzzle.substr(i, 1) : entered ? std::to_string(1 + i % 9) : open,
            given ? tessel::kGiven : entered ? tessel::kEntered : tessel::kOpen, i % 3 == 0};
  }
  return b;
}

TEST(PrintRender, EveryVariantDrawsASquareBoardWithTheDigitsInTheirCells) {
  QString chromium;
  for (const char* name : {"chromium", "chromium-browser", "google-chrome", "google-chrome-stable"})
    if (chromium.isEmpty()) chromium = QStandardPaths::findExecutable(QString::fromLatin1(name));
  if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const tessel::Board board = SampleBoard();
  for (int paper = tessel::kPaperSmall; paper <= tessel::kPaperBig; ++paper)
    for (bool cand : {false, true}) {
      const QString name = QStringLiteral("paper%1_%2").arg(paper).arg(cand);
      SCOPED_TRACE(name.toStdString());
      const QString page = dir.filePath(name + ".htm"), png = dir.filePath(name + ".png");
      ASSERT_TRUE(tessel::WriteFileAtomic(QFile::encodeName(page).toStdString(),
                                          tessel::JoinCrLf(tessel::BuildPrintPage(board, cand, paper, "Sudoku Tessel",
                                                                                  "https://home.example"))));
      QProcess p;
      p.setProcessChannelMode(QProcess::MergedChannels);
      // Chromium keeps crash reports and caches under HOME whatever the profile folder.
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      for (const char* var : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) env.insert(var, dir.filePath(var));
      p.setProcessEnvironment(env);
      p.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--no-first-run",
                         "--user-data-dir=" + dir.filePath("profile"), "--window-size=1300,1300",
                         "--screenshot=" + png, QUrl::fromLocalFile(page).toString()});
      ASSERT_TRUE(p.waitForFinished(120000)) << "chromium did not finish";
      const QImage img = QImage(png).convertToFormat(QImage::Format_RGB32);
      ASSERT_FALSE(img.isNull()) << p.readAll().toStdString();

      const int cell = tessel::PrintSizeOf(paper).cell;
      const auto ys = CellEdges(img, true, 6 * cell), xs = CellEdges(img, false, 6 * cell);
      ASSERT_TRUE(xs.size() == 12u && ys.size() == 12u) << "a frame and two box lines each way";
      // The cells' 1px borders add to their width but sit inside their
      // height in the browser: up to 2px per cell wider than tall.
      const int width = xs[11] - xs[10] + 1, height = ys[11] - ys[10] + 1;
      EXPECT_TRUE(width >= height && width - height <= 2 * 9 + 2) << "the board is square";
      EXPECT_TRUE(width >= 9 * cell && width <= 9 * cell + 40) << width;
      for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
          const tessel::Cell& state = board.at(r + 1, c + 1);
          const CellInk m = Measure(img, xs[c], xs[c + 1], ys[r], ys[r + 1]);
          SCOPED_TRACE(tessel::CellLabel(r + 1, c + 1));
          EXPECT_EQ(m.red, 0) << "error colours never print";
          if (state.state != tessel::kOpen) {
            ASSERT_GT(m.count, 10) << "digit missing";
            EXPECT_TRUE(std::abs(m.cx - 0.5) < 0.2 && std::abs(m.cy - 0.5) < 0.25) << "digit not centred";
            EXPECT_TRUE(state.state == tessel::kEntered ? m.blue * 2 > m.count : m.blue == 0) << "entered blue, clues black";
          } else if (!cand || state.text.empty()) {
            EXPECT_EQ(m.count, 0) << "an open cell prints empty";
          } else {
            ASSERT_GT(m.count, 3) << "candidates missing";
            EXPECT_TRUE(m.cy < 0.5 && m.minX < 0.25 && m.blue == 0) << "black, from the top left";
          }
        }
    }
}

}  // namespace
