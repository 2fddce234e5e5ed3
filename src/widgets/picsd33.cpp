#include "widgets/picsd33.hpp"

#include <QAccessible>
#include <QEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <cmath>

#include "widgets/boardaccess.hpp"

namespace tessel {

namespace {

// Sizes are given in points at the game's 96 dpi; fixing the pixel size keeps
// the digits the same whatever the screen reports.
int PointsToPixels(int points) { return std::max(1, int(std::lround(points * 96.0 / 72.0))); }

// One-pixel frame drawn with fills so it stays one logical pixel at any ratio.
void Frame(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
  p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
  p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
  p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

}  // namespace

TPICSD33::TPICSD33(QWidget* parent) : QWidget(parent) {
  setFixedSize(kBoardSize, kBoardSize);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  // Before anything asks a screen reader's question of this board.
  InstallBoardAccessibility();
  // A generic name; each owner adds a tooltip for what its board is for.
  setAccessibleName(tr("Sudoku board"));
  // Blank until an owner gives it something to show.
  view_ = BlankView();
  for (TPicNode& n : view_) {
    n.color = ParityColor(n.row, n.col);
    n.setcolor(n.color);
  }
}

int TPICSD33::CellOrigin(int index) {
  return kCellSize * (index - 1) + 2 + (index >= 4 ? 2 : 0) + (index >= 7 ? 2 : 0);
}

QRect TPICSD33::CellRect(int row, int col) {
  return QRect(CellOrigin(col), CellOrigin(row), kCellSize, kCellSize);
}

QRect TPICSD33::SubPanelLocalRect(int k) {
  static constexpr int kOffsets[3] = {2, 16, 30};
  return QRect(kOffsets[(k - 1) % 3], kOffsets[(k - 1) / 3], kSubSize, kSubSize);
}

QRect TPICSD33::SubPanelRect(int row, int col, int k) {
  return SubPanelLocalRect(k).translated(CellRect(row, col).topLeft());
}

BoardHit TPICSD33::HitTest(QPoint pos) const {
  auto index = [](int v) {
    for (int i = 1; i <= 9; ++i) {
      const int o = CellOrigin(i);
      if (v >= o && v < o + kCellSize) return i;
    }
    return 0;
  };
  BoardHit hit;
  const int col = index(pos.x());
  const int row = index(pos.y());
  if (row == 0 || col == 0) return hit;
  hit.row = row;
  hit.col = col;
  const QPoint local = pos - CellRect(row, col).topLeft();
  const TPicNode& n = node(row, col);
  for (int k = 1; k <= 9; ++k) {
    if (n.subVisible[k] && SubPanelLocalRect(k).contains(local)) {
      hit.sub = k;
      break;
    }
  }
  return hit;
}

TColor TPICSD33::ParityColor(int row, int col) const {
  return BoxOf(row, col) % 2 == 0 ? unfocus2_ : unfocus1_;
}

void TPICSD33::SetView(const BoardView& view) {
  // A screen reader hears each cell whose name or state changed.
  for (int i = 0; i < kCells; ++i) {
    if (view[i].name == view_[i].name && view[i].description == view_[i].description) continue;
    QAccessibleEvent changed(this, view[i].name != view_[i].name ? QAccessible::NameChanged
                                                                  : QAccessible::DescriptionChanged);
    changed.setChild(i);
    NotifyAccessible(&changed);
  }
  view_ = view;
  int cursor = -1;
  for (int i = 0; i < kCells && cursor < 0; ++i)
    if (view_[i].cursor) cursor = i;
  if (cursor >= 0 && cursor != focusCell_) {
    focusCell_ = cursor;
    if (hasFocus()) AnnounceFocus();
  }
  RequestRepaint();
}

void TPICSD33::setKeyboardPlay(bool on) {
  setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
  if (!on && hasFocus()) clearFocus();
}

void TPICSD33::AnnounceFocus() {
  QAccessibleEvent focus(this, QAccessible::Focus);
  focus.setChild(focusCell_);
  NotifyAccessible(&focus);
}

void TPICSD33::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  AnnounceFocus();
  update();
}

void TPICSD33::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

BoardLook TPICSD33::Look() const {
  BoardLook look;
  look.unfocus1 = unfocus1_;
  look.unfocus2 = unfocus2_;
  look.fontSize1 = fontSize1_;
  look.fontSize2 = fontSize2_;
  look.fontSize3 = fontSize3_;
  look.fontColor1 = fontColor1_;
  look.fontColor2 = fontColor2_;
  look.fontColor3 = fontColor3_;
  look.errorcolor = errorcolor_;
  look.highcolor = highcolor_;
  return look;
}

void TPICSD33::SetLook(const BoardLook& look) {
  unfocus1_ = look.unfocus1;
  unfocus2_ = look.unfocus2;
  fontSize1_ = look.fontSize1;
  fontSize2_ = look.fontSize2;
  fontSize3_ = look.fontSize3;
  fontColor1_ = look.fontColor1;
  fontColor2_ = look.fontColor2;
  fontColor3_ = look.fontColor3;
  errorcolor_ = look.errorcolor;
  highcolor_ = look.highcolor;
}

void TPICSD33::setFontFace(const QString& face) {
  fontFace_ = face;
  RequestRepaint();
}

void TPICSD33::SuspendUpdates() { ++suspend_; }

void TPICSD33::ResumeUpdates() {
  if (suspend_ == 0) return;
  if (--suspend_ == 0) update();
}

void TPICSD33::RequestRepaint() {
  if (suspend_ == 0) update();
}

void TPICSD33::PaintCell(QPainter& p, const TPicNode& n, const QRect& r) const {
  p.fillRect(r, ToQColor(n.color));
  // Raised bevel: the shadow edges separate the cells of one box.
  Frame(p, r, QColor(255, 255, 255), QColor(128, 128, 128));
  QFont font(fontFace_);
  const QString caption = QString::fromStdString(n.caption).trimmed();
  if (!caption.isEmpty()) {
    font.setPixelSize(PointsToPixels(n.fontSize));
    p.setFont(font);
    p.setPen(ToQColor(n.fontColor));
    p.drawText(r, Qt::AlignCenter, QString::fromStdString(n.caption));
  }
  font.setPixelSize(PointsToPixels(n.subFontSize));
  p.setFont(font);
  for (int k = 1; k <= 9; ++k) {
    if (!n.subVisible[k]) continue;
    const QRect s = SubPanelLocalRect(k).translated(r.topLeft());
    p.fillRect(s, ToQColor(n.subColor[k]));
    p.setPen(ToQColor(n.subFontColor[k]));
    p.save();
    p.setClipRect(s);
    p.drawText(s, Qt::AlignCenter | Qt::TextDontClip, QString::number(k));
    p.restore();
    if (hoverFrames_ && hover_.sub == k && hover_.row == n.row && hover_.col == n.col)
      Frame(p, s, Qt::black, Qt::black);
  }
  if (hoverFrames_ && hover_.sub == 0 && hover_.row == n.row && hover_.col == n.col)
    Frame(p, r, Qt::black, Qt::black);
  PaintExplain(p, n, r);
  if (n.cursor) PaintCursor(p, r);
}

void TPICSD33::PaintCursor(QPainter& p, const QRect& r) const {
  // Corner brackets along the cell's edge that invert what lies under them:
  // they read on every background and text colour, look like no other frame,
  // and leave the candidate squares clear. Without the focus they thin out.
  const int arm = 18, w = hasFocus() ? 3 : 1;
  p.save();
  p.setCompositionMode(QPainter::RasterOp_NotDestination);
  QRegion brackets;
  for (const QRect& c : {QRect(r.left(), r.top(), arm, arm), QRect(r.right() - arm + 1, r.top(), arm, arm),
                         QRect(r.left(), r.bottom() - arm + 1, arm, arm),
                         QRect(r.right() - arm + 1, r.bottom() - arm + 1, arm, arm)})
    brackets += QRegion(c).subtracted(QRegion(r.adjusted(w, w, -w, -w)));
  for (const QRect& part : brackets) p.fillRect(part, Qt::black);
  p.restore();
}

void TPICSD33::PaintExplain(QPainter& p, const TPicNode& n, const QRect& r) const {
  if (n.explain == kExplainNone) return;
  // Outlines only, so the colour marks under them stay readable.
  const QColor proof(25, 95, 215), place(0, 150, 60), strike(220, 40, 20);
  const QColor ink = n.explain == kExplainProof ? proof : n.explain == kExplainPlace ? place : strike;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(ink, n.explain == kExplainProof ? 2.5 : 3, n.explain == kExplainProof ? Qt::DashLine : Qt::SolidLine));
  p.drawRect(QRectF(r).adjusted(2.5, 2.5, -2.5, -2.5));
  p.setPen(QPen(ink, 1.5));
  for (int k = 1; k <= 9; ++k)
    if (n.subVisible[k] && (n.explainDigits >> (k - 1) & 1))
      p.drawEllipse(QRectF(SubPanelLocalRect(k).translated(r.topLeft())).adjusted(-0.5, -0.5, 0.5, 0.5));
  p.restore();
}

void TPICSD33::paintEvent(QPaintEvent* event) {
  ++paintCount_;
  QPainter p(this);
  p.setClipRegion(event->region());
  p.fillRect(rect(), Qt::black);
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      const QRect r = CellRect(row, col);
      if (event->region().intersects(r)) PaintCell(p, node(row, col), r);
    }
  }
}

void TPICSD33::mousePressEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  const QPoint pos = event->position().toPoint();
  const BoardHit hit = HitTest(pos);
  if (hit.row == 0) return;
  focusCell_ = IndexOf(hit.row, hit.col);
  const QPoint cellPos = pos - CellRect(hit.row, hit.col).topLeft();
  if (hit.sub != 0) {
    emit candidateMouseDown(hit.row, hit.col, hit.sub, event->button(), event->modifiers(),
                            cellPos - SubPanelLocalRect(hit.sub).topLeft());
  } else {
    emit cellMouseDown(hit.row, hit.col, event->button(), event->modifiers(), cellPos);
  }
  // The handler may have changed the assignment: ask only now.
  if (event->button() == Qt::RightButton && isEnabled() && node(hit.row, hit.col).popupAssigned) {
    emit popupRequested(hit.row, hit.col, mapToGlobal(pos));
  }
}

void TPICSD33::mouseMoveEvent(QMouseEvent* event) {
  if (!isEnabled()) return;
  SetHover(HitTest(event->position().toPoint()));
}

void TPICSD33::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (isEnabled()) SetHover({});
}

void TPICSD33::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // A disabled board reports nothing, not even the leave of the last target.
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    hover_ = {};
    RequestRepaint();
  }
}

void TPICSD33::SetHover(const BoardHit& hit) {
  if (hit == hover_) return;
  const BoardHit old = hover_;
  hover_ = hit;
  if (hoverFrames_) {
    if (old.row != 0) update(CellRect(old.row, old.col));
    if (hit.row != 0) update(CellRect(hit.row, hit.col));
  }
  if (hit.row != 0) {
    if (hit.sub != 0) {
      emit candidateEnter(hit.row, hit.col, hit.sub);
    } else {
      emit cellEnter(hit.row, hit.col);
    }
  }
}

}  // namespace tessel
