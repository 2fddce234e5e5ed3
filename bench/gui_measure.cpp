// A timed run of the game window, offscreen: start to first painted window,
// a full repaint of the board, and the resident memory of the idle game.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"

namespace {

long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long value = 0;
  while (status >> key) {
    if (key == "VmRSS:") {
      status >> value;
      return value;
    }
    status.ignore(1 << 12, '\n');
  }
  return -1;
}

// Notes the first paint of a widget.
class FirstPaint : public QObject {
 public:
  bool seen = false;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint) seen = true;
    return QObject::eventFilter(o, e);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QApplication app(argc, argv);
  tessel::ui::DialogPrompts prompts;
  tessel::ui::TForm1 window(prompts);
  auto* board = window.findChild<tessel::TPICSD33*>(QStringLiteral("sd991"));
  FirstPaint spy;
  board->installEventFilter(&spy);
  window.show();
  while (!spy.seen) QApplication::processEvents(QEventLoop::AllEvents, 5);
  const double startMs = clock.nsecsElapsed() / 1e6;

  window.SetSeedSource([] { return 7u; });
  window.NewGame(4);
  window.game().SetMode(tessel::DisplayMode::kAll);  // every open cell shows its candidates
  window.Refresh();
  QApplication::processEvents();
  std::vector<double> times;
  for (int i = 0; i < 300; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    board->repaint();
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
  }
  std::sort(times.begin(), times.end());
  // The painting alone, into an image at device pixel ratio 1 and 2.
  std::vector<double> paint1, paint2;
  for (int ratio : {1, 2}) {
    QImage image(board->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    auto& out = ratio == 1 ? paint1 : paint2;
    for (int i = 0; i < 300; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      board->render(&image);
      out.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(out.begin(), out.end());
  }
  for (int i = 0; i < 50; ++i) QApplication::processEvents();
  const long rss = ResidentKiB();

  std::printf("start to first painted window: %.1f ms (target 300 ms, ratio %.1f)\n", startMs, 300 / startMs);
  std::printf("full board repaint, median of 300: %.3f ms (target 2 ms, ratio %.1f); worst %.3f ms\n",
              times[times.size() / 2], 2 / times[times.size() / 2], times.back());
  std::printf("full board painting alone, median of 300: %.3f ms at ratio 1, %.3f ms at ratio 2\n",
              paint1[paint1.size() / 2], paint2[paint2.size() / 2]);
  std::printf("resident memory of the idle game: %.1f MB (target 80 MB, ratio %.1f)\n", rss / 1024.0,
              80 * 1024.0 / rss);
  return 0;
}
