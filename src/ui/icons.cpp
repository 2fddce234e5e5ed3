#include "ui/icons.hpp"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QtMath>

#include <cmath>

namespace tessel::ui {

namespace {

// One palette for every icon, so the two toolbars read as one set.
constexpr QRgb kInk = 0xFF37474F;
constexpr QRgb kBlue = 0xFF1E63C8;
constexpr QRgb kBlueDark = 0xFF174EA0;
constexpr QRgb kGreen = 0xFF2E9E44;
constexpr QRgb kRed = 0xFFD93A2B;
constexpr QRgb kGold = 0xFFF6C343;
constexpr QRgb kGoldDark = 0xFFC88A00;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kPaleBlue = 0xFFE3EAF5;
constexpr QRgb kPaleGrey = 0xFFE3E7EC;
constexpr QRgb kMidGrey = 0xFFB0B8C2;
constexpr QRgb kSlate = 0xFF55657A;
constexpr QRgb kNone = 0x00000000;

// Level colours: easy is green, diabolical red.
constexpr QRgb kLevelFill[5] = {0xFF3DA35D, 0xFF2A9D8F, 0xFF1E63C8, 0xFFE07B1A, 0xFFC62828};

struct Shape {
  enum Type { Rect, Circle, Lines, Polygon, Arc } type;
  std::vector<QPointF> pts;  // Rect: top-left and size; Circle and Arc: centre
  qreal r = 0;               // corner radius of a Rect, radius of a Circle or Arc
  qreal a0 = 0, span = 0;    // Arc, degrees, counter-clockwise from 3 o'clock (as QPainter)
  QRgb fill = kNone;
  QRgb stroke = kNone;
  qreal width = 0;
};

Shape RectS(qreal x, qreal y, qreal w, qreal h, qreal rx, QRgb fill, QRgb stroke = kNone, qreal width = 0) {
  return {Shape::Rect, {{x, y}, {w, h}}, rx, 0, 0, fill, stroke, width};
}
Shape CircleS(qreal cx, qreal cy, qreal r, QRgb fill, QRgb stroke = kNone, qreal width = 0) {
  return {Shape::Circle, {{cx, cy}}, r, 0, 0, fill, stroke, width};
}
Shape LinesS(std::vector<QPointF> pts, QRgb stroke, qreal width) {
  return {Shape::Lines, std::move(pts), 0, 0, 0, kNone, stroke, width};
}
Shape PolyS(std::vector<QPointF> pts, QRgb fill, QRgb stroke = kNone, qreal width = 0) {
  return {Shape::Polygon, std::move(pts), 0, 0, 0, fill, stroke, width};
}
Shape ArcS(qreal cx, qreal cy, qreal r, qreal a0, qreal span, QRgb stroke, qreal width) {
  return {Shape::Arc, {{cx, cy}}, r, a0, span, kNone, stroke, width};
}

QPointF OnCircle(QPointF c, qreal r, qreal deg) {
  qreal a = qDegreesToRadians(deg);
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}

// Round to 0.01 so the painted and the written icon use the same numbers.
qreal R2(qreal v) { return std::round(v * 100.0) / 100.0; }

// Arrowhead at the end of an arc, pointing along the direction of travel.
Shape ArcHead(QPointF c, qreal r, qreal endDeg, bool ccw, QRgb fill) {
  qreal a = qDegreesToRadians(endDeg);
  QPointF p = OnCircle(c, r, endDeg);
  QPointF d(-std::sin(a), -std::cos(a));  // tangent for increasing angle
  if (!ccw) d = -d;
  QPointF n(std::cos(a), -std::sin(a));   // radial
  QPointF tip = p + d * 3.4, b1 = p - d * 0.6 + n * 3.4, b2 = p - d * 0.6 - n * 3.4;
  return PolyS({{R2(tip.x()), R2(tip.y())}, {R2(b1.x()), R2(b1.y())}, {R2(b2.x()), R2(b2.y())}}, fill, fill, 1.0);
}

std::vector<Shape> LevelShapes(int level) {
  std::vector<Shape> s;
  for (int i = 0; i < 5; ++i) {
    qreal h = 4 + i * 3.5;
    if (i <= level)
      s.push_back(RectS(2.5 + i * 4, 21 - h, 3, h, 0.8, kLevelFill[level], kLevelFill[level], 0.8));
    else
      s.push_back(RectS(2.5 + i * 4, 21 - h, 3, h, 0.8, kPaleGrey, kMidGrey, 0.8));
  }
  return s;
}

// A trunk with a side branch; the badge says what the button does to it.
std::vector<Shape> BranchShapes() {
  return {LinesS({{6, 4.5}, {6, 21}}, kInk, 2.0), LinesS({{6, 14}, {14, 6}}, kInk, 2.0),
          CircleS(6, 4.5, 2.2, kWhite, kInk, 1.6), CircleS(14, 5.5, 2.2, kWhite, kInk, 1.6),
          CircleS(6, 14, 1.8, kInk)};
}

std::vector<Shape> ShapesOf(IconId id) {
  switch (id) {
    case IconId::GameList:
      return {RectS(4, 2.5, 16, 19, 2, kWhite, kInk, 1.5),
              CircleS(8, 8, 1.2, kBlue), CircleS(8, 12, 1.2, kBlue), CircleS(8, 16, 1.2, kBlue),
              LinesS({{10.5, 8}, {16.5, 8}}, kInk, 1.5), LinesS({{10.5, 12}, {16.5, 12}}, kInk, 1.5),
              LinesS({{10.5, 16}, {14.5, 16}}, kInk, 1.5)};
    case IconId::SaveGame:
      return {RectS(3, 3, 18, 18, 2.5, kBlue, kBlueDark, 1.2), RectS(7, 3.6, 10, 5.6, 0.8, kPaleBlue),
              RectS(13.5, 4.4, 2, 4, 0.4, kBlue), RectS(6, 12.5, 12, 8, 1, kWhite),
              LinesS({{8.5, 15.2}, {15.5, 15.2}}, kMidGrey, 1.2), LinesS({{8.5, 17.8}, {15.5, 17.8}}, kMidGrey, 1.2)};
    case IconId::Printable:
      return {RectS(7, 2.5, 10, 7, 0.8, kWhite, kInk, 1.3), RectS(2.5, 8, 19, 9.5, 2, kSlate, kInk, 1.0),
              CircleS(18.5, 11, 1.1, 0xFF7CD992), RectS(6.5, 13, 11, 9, 0.8, kWhite, kInk, 1.3),
              LinesS({{8.5, 16}, {15.5, 16}}, kMidGrey, 1.0), LinesS({{8.5, 19}, {15.5, 19}}, kMidGrey, 1.0),
              LinesS({{10.8, 14.5}, {10.8, 20.5}}, kMidGrey, 1.0), LinesS({{13.2, 14.5}, {13.2, 20.5}}, kMidGrey, 1.0)};
    case IconId::Import:
      return {LinesS({{3.5, 14}, {3.5, 20.5}, {20.5, 20.5}, {20.5, 14}}, kInk, 2.0),
              LinesS({{12, 2.5}, {12, 11}}, kBlue, 2.6), PolyS({{7.5, 10}, {12, 15.5}, {16.5, 10}}, kBlue, kBlue, 1.0)};
    case IconId::Level0: return LevelShapes(0);
    case IconId::Level1: return LevelShapes(1);
    case IconId::Level2: return LevelShapes(2);
    case IconId::Level3: return LevelShapes(3);
    case IconId::Level4: return LevelShapes(4);
    case IconId::Restart: {
      QPointF c(12, 12.5);
      return {ArcS(12, 12.5, 7, 70, 280, kBlue, 2.4), ArcHead(c, 7, 350, true, kBlue)};
    }
    case IconId::Solve:
      return {LinesS({{11.5, 12}, {21, 12}}, kGoldDark, 2.6), LinesS({{18.5, 12}, {18.5, 16.5}}, kGoldDark, 2.4),
              LinesS({{15.5, 12}, {15.5, 15}}, kGoldDark, 2.4), CircleS(7.5, 12, 4.6, kGold, kGoldDark, 1.8),
              CircleS(7.5, 12, 1.5, kWhite)};
    case IconId::Copy:
      return {RectS(3.5, 2.5, 12, 14.5, 1.5, kPaleBlue, kInk, 1.4), RectS(8.5, 7, 12, 14.5, 1.5, kWhite, kInk, 1.4),
              LinesS({{11, 11}, {18, 11}}, kBlue, 1.3), LinesS({{11, 14}, {18, 14}}, kBlue, 1.3),
              LinesS({{11, 17}, {15.5, 17}}, kBlue, 1.3)};
    case IconId::CheckError:
      return {LinesS({{14.8, 14.8}, {20.5, 20.5}}, kInk, 3.2), CircleS(10, 10, 6.5, kWhite, kInk, 2.0),
              LinesS({{7.6, 7.6}, {12.4, 12.4}}, kRed, 2.0), LinesS({{12.4, 7.6}, {7.6, 12.4}}, kRed, 2.0)};
    case IconId::Hint:
      return {CircleS(12, 9.5, 6.5, kGold, kGoldDark, 1.4),
              LinesS({{9.8, 10}, {11, 12.5}, {12, 10.5}, {13, 12.5}, {14.2, 10}}, kGoldDark, 1.1),
              RectS(9, 16, 6, 2.4, 0.6, 0xFF90A4AE), RectS(9.8, 18.8, 4.4, 2.4, 1, 0xFF78909C)};
    case IconId::StartBranch: {
      auto s = BranchShapes();
      s.push_back(CircleS(17, 17, 5.5, kGreen));
      s.push_back(LinesS({{17, 14}, {17, 20}}, kWhite, 1.8));
      s.push_back(LinesS({{14, 17}, {20, 17}}, kWhite, 1.8));
      return s;
    }
    case IconId::AcceptBranch: {
      auto s = BranchShapes();
      s.push_back(CircleS(17, 17, 5.5, kGreen));
      s.push_back(LinesS({{14.2, 17.2}, {16.3, 19.3}, {19.9, 15}}, kWhite, 1.8));
      return s;
    }
    case IconId::RejectBranch: {
      auto s = BranchShapes();
      s.push_back(CircleS(17, 17, 5.5, kRed));
      s.push_back(LinesS({{14.7, 14.7}, {19.3, 19.3}}, kWhite, 1.8));
      s.push_back(LinesS({{19.3, 14.7}, {14.7, 19.3}}, kWhite, 1.8));
      return s;
    }
    case IconId::First:
      return {RectS(4.5, 5, 2.6, 14, 0.6, kBlue), PolyS({{18.5, 5.5}, {18.5, 18.5}, {9, 12}}, kBlue, kBlue, 1.4)};
    case IconId::Back:
      return {PolyS({{16, 5.5}, {16, 18.5}, {6.5, 12}}, kBlue, kBlue, 1.4)};
    case IconId::Next:
      return {PolyS({{8, 5.5}, {8, 18.5}, {17.5, 12}}, kBlue, kBlue, 1.4)};
    case IconId::Last:
      return {PolyS({{5.5, 5.5}, {5.5, 18.5}, {15, 12}}, kBlue, kBlue, 1.4), RectS(16.9, 5, 2.6, 14, 0.6, kBlue)};
    case IconId::Solved:
      return {CircleS(12, 12, 10, kGreen), LinesS({{7, 12.5}, {10.5, 16}, {17, 8.5}}, kWhite, 2.8)};
    case IconId::App: {
      // Nine boxes in the board's two parity colours.
      std::vector<Shape> s{RectS(1, 1, 22, 22, 3.5, 0xFF263238)};
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
          s.push_back(RectS(2.9 + c * 6.5, 2.9 + r * 6.5, 5.7, 5.7, 1, (r * 3 + c) % 2 ? 0xFF8B8BFF : kWhite));
      s.push_back(LinesS({{10.3, 12.8}, {11.7, 14.2}, {14, 10.7}}, kBlue, 1.4));
      return s;
    }
  }
  return {};
}

void Paint(QPainter& p, const Shape& s) {
  if (qAlpha(s.stroke) && s.width > 0) {
    QPen pen(QColor::fromRgba(s.stroke), s.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  p.setBrush(qAlpha(s.fill) ? QBrush(QColor::fromRgba(s.fill)) : QBrush(Qt::NoBrush));
  switch (s.type) {
    case Shape::Rect:
      p.drawRoundedRect(QRectF(s.pts[0], QSizeF(s.pts[1].x(), s.pts[1].y())), s.r, s.r);
      break;
    case Shape::Circle:
      p.drawEllipse(s.pts[0], s.r, s.r);
      break;
    case Shape::Lines:
      p.drawPolyline(s.pts.data(), int(s.pts.size()));
      break;
    case Shape::Polygon:
      p.drawPolygon(s.pts.data(), int(s.pts.size()));
      break;
    case Shape::Arc: {
      QRectF box(s.pts[0].x() - s.r, s.pts[0].y() - s.r, 2 * s.r, 2 * s.r);
      p.drawArc(box, int(s.a0 * 16), int(s.span * 16));
      break;
    }
  }
}

QString Num(qreal v) { return QString::number(R2(v), 'g', 6); }

QString Colour(QRgb c) { return QColor::fromRgba(c).name(QColor::HexRgb); }

QString Style(const Shape& s) {
  QString out = QStringLiteral(" fill=\"%1\"").arg(qAlpha(s.fill) ? Colour(s.fill) : QStringLiteral("none"));
  if (qAlpha(s.stroke) && s.width > 0)
    out += QStringLiteral(" stroke=\"%1\" stroke-width=\"%2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"")
               .arg(Colour(s.stroke), Num(s.width));
  return out;
}

QString Points(const std::vector<QPointF>& pts) {
  QStringList parts;
  for (const QPointF& q : pts) parts << Num(q.x()) + ',' + Num(q.y());
  return parts.join(' ');
}

QString SvgOf(const Shape& s) {
  switch (s.type) {
    case Shape::Rect:
      return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\"%6/>")
          .arg(Num(s.pts[0].x()), Num(s.pts[0].y()), Num(s.pts[1].x()), Num(s.pts[1].y()), Num(s.r), Style(s));
    case Shape::Circle:
      return QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\"%4/>")
          .arg(Num(s.pts[0].x()), Num(s.pts[0].y()), Num(s.r), Style(s));
    case Shape::Lines:
      return QStringLiteral("<polyline points=\"%1\"%2/>").arg(Points(s.pts), Style(s));
    case Shape::Polygon:
      return QStringLiteral("<polygon points=\"%1\"%2/>").arg(Points(s.pts), Style(s));
    case Shape::Arc: {
      QPointF a = OnCircle(s.pts[0], s.r, s.a0), b = OnCircle(s.pts[0], s.r, s.a0 + s.span);
      // SVG sweeps clockwise on screen for flag 1; QPainter's positive span is counter-clockwise.
      int large = std::abs(s.span) > 180 ? 1 : 0, sweep = s.span < 0 ? 1 : 0;
      return QStringLiteral("<path d=\"M %1 %2 A %3 %3 0 %4 %5 %6 %7\"%8/>")
          .arg(Num(a.x()), Num(a.y()), Num(s.r))
          .arg(large)
          .arg(sweep)
          .arg(Num(b.x()), Num(b.y()), Style(s));
    }
  }
  return {};
}

}  // namespace

const std::vector<IconId>& AllIcons() {
  static const std::vector<IconId> all = {
      IconId::GameList, IconId::SaveGame,   IconId::Printable,   IconId::Import,       IconId::Level0,
      IconId::Level1,   IconId::Level2,     IconId::Level3,      IconId::Level4,       IconId::Restart,
      IconId::Solve,    IconId::Copy,       IconId::CheckError,  IconId::Hint,         IconId::StartBranch,
      IconId::AcceptBranch, IconId::RejectBranch, IconId::First, IconId::Back,         IconId::Next,
      IconId::Last,     IconId::Solved,     IconId::App};
  return all;
}

QString IconName(IconId id) {
  switch (id) {
    case IconId::GameList: return QStringLiteral("gamelist");
    case IconId::SaveGame: return QStringLiteral("save");
    case IconId::Printable: return QStringLiteral("printable");
    case IconId::Import: return QStringLiteral("import");
    case IconId::Level0: return QStringLiteral("level0");
    case IconId::Level1: return QStringLiteral("level1");
    case IconId::Level2: return QStringLiteral("level2");
    case IconId::Level3: return QStringLiteral("level3");
    case IconId::Level4: return QStringLiteral("level4");
    case IconId::Restart: return QStringLiteral("restart");
    case IconId::Solve: return QStringLiteral("solution");
    case IconId::Copy: return QStringLiteral("copy");
    case IconId::CheckError: return QStringLiteral("checkerror");
    case IconId::Hint: return QStringLiteral("hint");
    case IconId::StartBranch: return QStringLiteral("branch-start");
    case IconId::AcceptBranch: return QStringLiteral("branch-accept");
    case IconId::RejectBranch: return QStringLiteral("branch-reject");
    case IconId::First: return QStringLiteral("step-first");
    case IconId::Back: return QStringLiteral("step-back");
    case IconId::Next: return QStringLiteral("step-next");
    case IconId::Last: return QStringLiteral("step-last");
    case IconId::Solved: return QStringLiteral("solved");
    case IconId::App: return QStringLiteral("sudoku-tessel");
  }
  return {};
}

IconId LevelIcon(int level) {
  static const IconId levels[5] = {IconId::Level0, IconId::Level1, IconId::Level2, IconId::Level3, IconId::Level4};
  return levels[qBound(0, level, 4)];
}

QPixmap RenderIcon(IconId id, int size, qreal devicePixelRatio) {
  const int px = qRound(size * devicePixelRatio);
  QPixmap pm(px, px);
  pm.fill(Qt::transparent);
  {
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(px / 24.0, px / 24.0);
    for (const Shape& s : ShapesOf(id)) Paint(p, s);
  }
  pm.setDevicePixelRatio(devicePixelRatio);
  return pm;
}

QIcon MakeIcon(IconId id) {
  QIcon icon;
  for (int size : {16, 20, 24, 32, 48}) icon.addPixmap(RenderIcon(id, size));
  return icon;
}

QString IconSvg(IconId id) {
  QString out = QStringLiteral(
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"24\" height=\"24\" viewBox=\"0 0 24 24\">\n");
  for (const Shape& s : ShapesOf(id)) out += QStringLiteral("  ") + SvgOf(s) + '\n';
  out += QStringLiteral("</svg>\n");
  return out;
}

}  // namespace tessel::ui
