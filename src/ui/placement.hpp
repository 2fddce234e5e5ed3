// Where a dialog opens.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tessel::ui {

// Centred on the screen rather than on the parent; a moved widget keeps its
// place when it is shown.
inline void CentreOnScreen(QWidget& w) {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    w.move(screen->availableGeometry().center() - QPoint(w.width() / 2, w.height() / 2));
}

}  // namespace tessel::ui
