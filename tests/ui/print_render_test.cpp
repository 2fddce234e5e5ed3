// The printable page as a browser draws it: each style and paper size is
// rendered by headless Chromium to a PNG, and the picture is measured. Skipped
// when no Chromium is installed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>
#include <string>
#include <vector>

#include "core/printpage.hpp"
#include "core/textfile.hpp"

namespace {

QString FindChromium() {
  for (const char* name : {"chromium", "chromium-browser", "google-chrome", "google-chrome-stable"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return path;
  }
  return {};
}

bool Ink(QRgb p) { return qGray(p) < 150; }
bool Blue(QRgb p) { return qBlue(p) > 150 && qRed(p) < 110 && qGreen(p) < 110; }
bool Red(QRgb p) { return qRed(p) > 150 && qBlue(p) < 110 && qGreen(p) < 110; }

// Rows (or columns) of the picture that hold a dark run longer than minRun,
// grouped into bands of neighbouring lines; each band is one border line.
std::vector<std::pair<int, int>> LongLines(const QImage& img, bool rows, int minRun) {
  const int outer = rows ? img.height() : img.width();
  const int inner = rows ? img.width() : img.height();
  std::vector<std::pair<int, int>> bands;
  for (int a = 0; a < outer; ++a) {
    int run = 0, best = 0;
    for (int b = 0; b < inner; ++b) {
      const QRgb p = rows ? img.pixel(b, a) : img.pixel(a, b);
      run = Ink(p) ? run + 1 : 0;
      best = std::max(best, run);
    }
    if (best < minRun) continue;
    if (!bands.empty() && bands.back().second == a - 1)
      bands.back().second = a;
    else
      bands.push_back({a, a});
  }
  return bands;
}

// Cell edges from the four box-border bands: each box split into three.
std::vector<int> CellEdges(const std::vector<std::pair<int, int>>& bands) {
  std::vector<int> edges;
  for (int box = 0; box < 3; ++box) {
    const int from = bands[box].second + 1, to = bands[box + 1].first;
    for (int k = 0; k < 3; ++k) edges.push_back(from + (to - from) * k / 3);
  }
  edges.push_back(bands[3].first);
  return edges;
}

struct Ink_ {
  int count = 0, blue = 0, red = 0;
  double cx = 0, cy = 0;  // centre of the ink, 0..1 across the cell
  double minX = 1;        // leftmost ink, 0..1 across the cell
};

Ink_ MeasureCell(const QImage& img, int x0, int x1, int y0, int y1) {
  // Keep clear of the cell borders and their anti-aliasing.
  const int padX = 2, padY = 2;
  Ink_ m;
  double sx = 0, sy = 0;
  for (int y = y0 + padY; y < y1 - padY; ++y)
    for (int x = x0 + padX; x < x1 - padX; ++x) {
      const QRgb p = img.pixel(x, y);
      m.red += Red(p);
      if (!Ink(p)) continue;
      ++m.count;
      m.blue += Blue(p);
      sx += x;
      sy += y;
      m.minX = std::min(m.minX, double(x - x0) / (x1 - x0));
    }
  if (m.count) {
    m.cx = (sx / m.count - x0) / (x1 - x0);
    m.cy = (sy / m.count - y0) / (y1 - y0);
  }
  return m;
}

tessel::Board SampleBoard() {
  const std::string puzzle =
      "086009000003200000002004903004000000005000700697041230008050001001760000059000006";
  tessel::Board b;
  for (int i = 0; i < tessel::kCells; ++i) {
    tessel::Cell& c = b[i];
    if (puzzle[i] != '0') {
      c.state = tessel::kGiven;
      c.text = std::string(1, puzzle[i]);
    } else if (i % 7 == 0) {
      c.state = tessel::kEntered;
      c.text = std::string(1, char('1' + i % 9));
    } else {
      c.state = tessel::kOpen;
      c.text = i % 5 == 0 ? "" : std::string("123456789").substr(0, 1 + i % 9);
    }
    c.error = i % 3 == 0;  // error flags must not reach the page
  }
  return b;
}

TEST(PrintRender, EveryVariantDrawsASquareBoardWithTheDigitsInTheirCells) {
  const QString chromium = FindChromium();
  if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // The pictures stay beside the test binary for a look by eye.
  const QString keep = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("print_render"));
  QDir().mkpath(keep);

  const tessel::Board board = SampleBoard();
  for (int paper = tessel::kPaperSmall; paper <= tessel::kPaperBig; ++paper)
    for (bool cand : {false, true}) {
      const QString name = QStringLiteral("paper%1_%2").arg(paper).arg(cand ? "candidates" : "normal");
      SCOPED_TRACE(name.toStdString());
      const QString page = dir.filePath(name + ".htm"), png = QDir(keep).filePath(name + ".png");
      ASSERT_TRUE(tessel::WriteFileAtomic(
          QFile::encodeName(page).toStdString(),
          tessel::JoinCrLf(tessel::BuildPrintPage(board, cand, paper, "Sudoku Tessel", "https://home.example")),
          nullptr));
      QFile::remove(png);
      QProcess p;
      p.setProcessChannelMode(QProcess::MergedChannels);
      // Chromium keeps crash reports and caches under HOME whatever the
      // profile folder; all of it goes into the temporary folder.
      QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
      env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
      env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("home/.config")));
      env.insert(QStringLiteral("XDG_CACHE_HOME"), dir.filePath(QStringLiteral("home/.cache")));
      p.setProcessEnvironment(env);
      p.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--hide-scrollbars",
                         "--no-first-run", "--user-data-dir=" + dir.filePath("profile"),
                         "--window-size=1300,1300", "--screenshot=" + png, QUrl::fromLocalFile(page).toString()});
      ASSERT_TRUE(p.waitForFinished(120000)) << "chromium did not finish";
      QImage img(png);
      ASSERT_FALSE(img.isNull()) << p.readAll().toStdString();
      img = img.convertToFormat(QImage::Format_RGB32);

      const int cell = tessel::PrintSizeOf(paper).cell;
      // Border lines run across the whole board: outer frame plus two box lines each way.
      const auto rows = LongLines(img, true, 6 * cell), cols = LongLines(img, false, 6 * cell);
      ASSERT_EQ(rows.size(), 4u);
      ASSERT_EQ(cols.size(), 4u);
      const int width = cols[3].second - cols[0].first + 1, height = rows[3].second - rows[0].first + 1;
      std::printf("%s: board %d x %d px\n", qPrintable(name), width, height);
      // The cells' 1px borders add to their width but sit inside their height
      // in the browser, so the board is up to 2px per cell wider than tall.
      EXPECT_GE(width, height);
      EXPECT_LE(width - height, 2 * 9 + 2) << "the board is square";
      EXPECT_GE(width, 9 * cell);
      EXPECT_LE(width, 9 * cell + 40);

      const auto xs = CellEdges(cols), ys = CellEdges(rows);
      for (int r = 0; r < 9; ++r)
        for (int c = 0; c < 9; ++c) {
          const tessel::Cell& cellState = board.at(r + 1, c + 1);
          const Ink_ m = MeasureCell(img, xs[c], xs[c + 1], ys[r], ys[r + 1]);
          const std::string where = tessel::CellLabel(r + 1, c + 1);
          EXPECT_EQ(m.red, 0) << where << " error colours never print";
          if (cellState.state != tessel::kOpen) {
            ASSERT_GT(m.count, 10) << where << " digit missing";
            EXPECT_NEAR(m.cx, 0.5, 0.2) << where << " digit not centred";
            EXPECT_NEAR(m.cy, 0.5, 0.25) << where << " digit not centred";
            if (cellState.state == tessel::kEntered)
              EXPECT_GT(m.blue * 2, m.count) << where << " entered digits print blue";
            else
              EXPECT_EQ(m.blue, 0) << where << " clues print black";
          } else if (!cand || cellState.text.empty()) {
            EXPECT_EQ(m.count, 0) << where << " an open cell prints empty";
          } else {
            ASSERT_GT(m.count, 3) << where << " candidates missing";
            EXPECT_LT(m.cy, 0.5) << where << " candidates sit at the top";
            EXPECT_LT(m.minX, 0.25) << where << " candidates start at the left";
            EXPECT_EQ(m.blue, 0) << where;
          }
        }
    }
}

}  // namespace
