// Writes the application icon as PNG files for the desktop icon theme:
// iconpng OUTDIR NAME SIZE... makes OUTDIR/SIZExSIZE/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

#include "ui/icons.hpp"

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: iconpng OUTDIR NAME SIZE...\n");
    return 2;
  }
  // Runs during the build, where there is no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString out = QString::fromLocal8Bit(argv[1]), name = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    const int size = std::atoi(argv[i]);
    if (size < 8 || size > 1024) {
      std::fprintf(stderr, "iconpng: bad size '%s'\n", argv[i]);
      return 2;
    }
    const QString dir = QStringLiteral("%1/%2x%2").arg(out).arg(size);
    const QString file = dir + QStringLiteral("/") + name + QStringLiteral(".png");
    if (!QDir().mkpath(dir) || !tessel::ui::RenderIcon(tessel::ui::IconId::App, size, 1.0).save(file, "PNG")) {
      std::fprintf(stderr, "iconpng: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
