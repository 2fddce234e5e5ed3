// Colours as the game stores them: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>
#include <cstdint>

namespace tessel {

using TColor = std::uint32_t;

inline QColor ToQColor(TColor c) {
  return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

inline TColor FromQColor(const QColor& q) {
  const QColor rgb = q.toRgb();
  return TColor(rgb.red()) | (TColor(rgb.green()) << 8) | (TColor(rgb.blue()) << 16);
}

}  // namespace tessel
