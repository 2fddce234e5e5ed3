// A font for texts that must line up in columns: the puzzle layouts.
#pragma once

#include <QFont>
#include <QStringList>

namespace tessel::ui {

// Asks for a fixed-pitch font the way Qt resolves one: common monospace
// families first (whichever the desktop has), then the style hint.
inline QFont FixedPitchFont(QFont font = QFont()) {
  font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                    QStringLiteral("Noto Sans Mono"), QStringLiteral("Courier New"), QStringLiteral("Courier"),
                    QStringLiteral("monospace")});
  font.setStyleHint(QFont::Monospace);
  font.setFixedPitch(true);
  return font;
}

}  // namespace tessel::ui
