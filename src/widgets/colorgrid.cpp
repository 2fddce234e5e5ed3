#include "widgets/colorgrid.hpp"

#include <QMouseEvent>
#include <QPainter>

namespace tessel {

namespace {
// The platform's 20-colour palette without its four middle entries.
constexpr std::array<TColor, TColorGrid::kColors> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
}  // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) {
  setFixedSize(96, 100);
  setAccessibleName(tr("Colour palette"));
  setToolTip(tr("Pick a colour"));
}

TColor TColorGrid::PaletteColor(int index) {
  return index >= 0 && index < kColors ? kPalette[index] : 0;
}

TColor TColorGrid::LabelColor(TColor square) {
  TColor label = 0;
  for (int shift : {0, 8, 16}) {
    if (((square >> shift) & 0xFF) < 128) label |= TColor(0xFF) << shift;
  }
  return label;
}

void TColorGrid::setForegroundIndex(int index) {
  if (index < 0 || index >= kColors || index == foreground_) return;
  const int old = foreground_;
  foreground_ = index;
  update(SquareRect(old));
  update(SquareRect(index));
  emit foregroundChanged(index);
}

void TColorGrid::setBackgroundIndex(int index) {
  if (index < 0 || index >= kColors) return;
  background_ = index;
  update();
}

void TColorGrid::setBackgroundEnabled(bool on) {
  backgroundEnabled_ = on;
  update();
}

void TColorGrid::setSelection(int index) {
  if (index < 0 || index >= kColors) return;
  selection_ = index;
  update();
}

QRect TColorGrid::SquareRect(int index) const {
  return QRect((index % 4) * kSquareWidth, (index / 4) * kSquareHeight, kSquareWidth, kSquareHeight);
}

int TColorGrid::IndexAt(QPoint pos) const {
  if (!rect().contains(pos)) return -1;
  const int col = pos.x() / kSquareWidth;
  const int row = pos.y() / kSquareHeight;
  if (col > 3 || row > 3) return -1;
  return row * 4 + col;
}

void TColorGrid::PickAt(QPoint pos) {
  const int index = IndexAt(pos);
  if (index < 0) return;
  if (selection_ != index) setSelection(index);
  setForegroundIndex(index);
}

void TColorGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) PickAt(event->position().toPoint());
}

void TColorGrid::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) PickAt(event->position().toPoint());
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QFont f = font();
  f.setPixelSize(11);
  f.setBold(true);
  p.setFont(f);
  for (int i = 0; i < kColors; ++i) {
    const QRect r = SquareRect(i);
    const TColor c = PaletteColor(i);
    p.fillRect(r, ToQColor(c));
    // Sunken square edge, as the platform draws its colour grid.
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    QString label;
    if (i == foreground_) label = tr("FG");
    if (backgroundEnabled_ && i == background_) label = label.isEmpty() ? tr("BG") : tr("FB");
    if (!label.isEmpty()) {
      p.setPen(ToQColor(LabelColor(c)));
      p.drawText(r, Qt::AlignCenter, label);
    }
    if (i == selection_ && hasFocus()) {
      p.setPen(QPen(Qt::black, 1, Qt::DotLine));
      p.drawRect(r.adjusted(2, 2, -3, -3));
    }
  }
}

}  // namespace tessel
