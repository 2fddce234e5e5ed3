// The printable page as a browser draws it: headless Chromium renders each
// paper size to a PNG, and the board's frame is measured. The page's markup is
// compared byte for byte in printpage_test. Skipped when no Chromium is installed.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "core/printpage.hpp"
#include "core/textfile.hpp"

namespace tessel {
namespace {

// Along rows or columns: the frame's outer edges, or none unless the lines
// with a dark run longer than minRun group into four bands (frame and box borders).
std::pair<int, int> Frame(const QImage& img, bool rows, int minRun) {
  std::vector<std::pair<int, int>> bands;
  for (int a = 0; a < (rows ? img.height() : img.width()); ++a) {
    int run = 0, best = 0;
    for (int b = 0; b < (rows ? img.width() : img.height()); ++b) {
      run = qGray(rows ? img.pixel(b, a) : img.pixel(a, b)) < 150 ? run + 1 : 0;
      best = std::max(best, run);
    }
    if (best < minRun) continue;
    if (!bands.empty() && bands.back().second == a - 1)
      bands.back().second = a;
    else
      bands.push_back({a, a});
  }
  if (bands.size() != 4) return {0, -1};
  return {bands[0].first, bands[3].second};
}

// Every cell holds the longest candidate list, so the page is as big as it gets.
Board FullLists() {
  Board b;
  for (int i = 0; i < kCells; ++i) b[i] = {RowOf(i), ColOf(i), "123456789", kOpen};
  return b;
}

TEST(PrintRender, EveryPaperSizeDrawsTheWholeSquareBoardAtItsCellSize) {
  QString chromium;
  for (const char* name : {"chromium", "chromium-browser", "google-chrome", "google-chrome-stable"})
    if (chromium.isEmpty()) chromium = QStandardPaths::findExecutable(QString::fromLatin1(name));
  if (chromium.isEmpty()) GTEST_SKIP() << "chromium is not installed";
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (int paper = kPaperSmall; paper <= kPaperBig; ++paper) {
    SCOPED_TRACE(paper);
    const QString name = dir.filePath(QString::number(paper)), page = name + ".htm", png = name + ".png";
    const auto lines = BuildPrintPage(FullLists(), true, paper, "Sudoku Tessel", "https://home.example");
    ASSERT_TRUE(WriteFileAtomic(QFile::encodeName(page).toStdString(), JoinCrLf(lines)));
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
    const int cell = PrintSizeOf(paper).cell;
    const auto [top, bottom] = Frame(img, true, 6 * cell);
    const auto [left, right] = Frame(img, false, 6 * cell);
    // The cells' 1px borders add to their width but sit inside their
    // height in the browser: up to 2px per cell wider than tall.
    const int width = right - left + 1, height = bottom - top + 1;
    EXPECT_TRUE(width >= height && width - height <= 2 * 9 + 2) << width << 'x' << height;
    EXPECT_TRUE(width >= 9 * cell && width <= 9 * cell + 40) << width;
  }
}

}  // namespace
}  // namespace tessel
