// Renders the main window after a seeded deal, offscreen, to PNG files at
// device pixel ratio 1 and 2: screenshot PATH [--level N] [--seed N].
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir home;  // keep the player's data folder out of it
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  QApplication app(argc, argv);

  QString out = "docs/screenshot.png";
  int level = 3;
  unsigned seed = 20261206;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--level" && i + 1 < argc)
      level = std::atoi(argv[++i]);
    else if (a == "--seed" && i + 1 < argc)
      seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    else
      out = QString::fromLocal8Bit(argv[i]);
  }

  tessel::ui::DialogPrompts prompts;
  tessel::ui::TForm1 window(prompts);
  window.SetSeedSource([seed] { return seed; });
  window.show();
  window.NewGame(level);
  QApplication::processEvents();

  for (int ratio : {1, 2}) {
    QPixmap pm(window.size() * ratio);
    pm.setDevicePixelRatio(ratio);
    window.render(&pm);
    QString path = out;
    if (ratio == 2) path.replace(".png", "@2x.png");
    if (!pm.save(path)) {
      std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
