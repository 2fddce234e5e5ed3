#include "widgets/sd33.hpp"

#include <QKeyEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QPalette>
#include <cmath>

namespace tessel {

namespace {
int PointsToPixels(int points) { return std::max(1, int(std::lround(points * 96.0 / 72.0))); }
}  // namespace

TSD33Node::TSD33Node(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(9);
  setAlignment(Qt::AlignCenter);
  setFrame(false);
  setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setAutoFillBackground(true);
}

bool TSD33Node::IsAcceptedChar(QChar c) { return (c >= u'1' && c <= u'9') || c == u'.'; }

void TSD33Node::keyPressEvent(QKeyEvent* event) {
  // Only typed characters are filtered; keys that produce no character
  // (arrows, delete) and control characters (backspace) pass.
  const QString t = event->text();
  if (!t.isEmpty() && t.at(0).unicode() >= 0x20) {
    for (QChar c : t) {
      if (!IsAcceptedChar(c)) {
        event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

TSD33::TSD33(QWidget* parent) : QWidget(parent), TBoardLook(16711680) {
  for (int row = 1; row <= 9; ++row) {
    for (int col = 1; col <= 9; ++col) {
      auto* n = new TSD33Node(this);
      n->row = row;
      n->col = col;
      n->error = false;
      n->state = kEntered;
      const QString cell = QStringLiteral("%1%2").arg(QChar(u'A' + row - 1)).arg(col);
      n->setAccessibleName(tr("Cell %1").arg(cell));
      n->setToolTip(cell);
      nodes_[IndexOf(row, col)] = n;
      connect(n, &QLineEdit::textChanged, this, [this, n] { OnTextChanged(n); });
    }
  }
  setAccessibleName(tr("Check board"));
  setToolTip(tr("The givens, checked for clashes"));
  resize(width2_, width2_);
  Relayout();
}

TColor TSD33::ParityColor(int row, int col) const {
  return BoxOf(row, col) % 2 == 0 ? unfocus2_ : unfocus1_;
}

void TSD33::setText(int row, int col, const QString& text) { node(row, col)->setText(text); }

void TSD33::LoadPuzzle(const QString& puzzle) {
  // One marking and layout at the end instead of one per cell.
  const QSignalBlocker quiet(this);
  for (int i = 0; i < kCells; ++i) {
    const QChar ch = i < puzzle.size() ? puzzle[i] : QChar('0');
    TSD33Node* n = nodes_[i];
    const QSignalBlocker quietNode(n);
    const bool open = ch == QChar('0') || ch == QChar('*');
    n->state = open ? kOpen : kEntered;
    n->setText(open ? QStringLiteral("123456789") : QString(ch));
  }
}

TextGrid TSD33::Texts() const {
  TextGrid texts;
  for (int i = 0; i < kCells; ++i) texts[i] = nodes_[i]->text().toStdString();
  return texts;
}

void TSD33::setWidth2(int side) {
  width2_ = side;
  resize(side, side);
  Relayout();
}

void TSD33::Relayout() {
  const int w = width() / 9;
  const int h = height() / 9;
  for (TSD33Node* n : nodes_) {
    n->setGeometry((n->col - 1) * w + 1, (n->row - 1) * h + 1,
                   (n->col == 3 || n->col == 6) ? w - 3 : w - 1,
                   (n->row == 3 || n->row == 6) ? h - 3 : h - 1);
    QPalette pal = n->palette();
    const QColor back = ToQColor(n->error ? TColor(255) : ParityColor(n->row, n->col));
    int size = 0;
    TColor fore = 0;
    if (n->state == kGiven) {
      size = fontSize1_;
      fore = fontColor1_;
    } else if (n->text().size() == 1) {
      size = fontSize2_;
      fore = fontColor2_;
    } else {
      size = fontSize3_;
      fore = fontColor3_;
    }
    for (auto role : {QPalette::Base, QPalette::Window}) pal.setColor(role, back);
    pal.setColor(QPalette::Text, ToQColor(fore));
    n->setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(PointsToPixels(size));
    n->setFont(font);
    n->setReadOnly(n->state == kGiven);
  }
  update();
}

void TSD33::MarkConflicts() {
  int a = -1;
  int b = -1;
  for (int i = 0; i < kCells && a < 0; ++i) {
    const QString t = nodes_[i]->text();
    if (t.size() != 1) continue;
    for (int peer : PeersOf(i)) {
      if (nodes_[peer]->text() == t) {
        a = i;
        b = peer;  // peers ascend, so this ends on the last one
      }
    }
  }
  for (TSD33Node* n : nodes_) n->error = false;
  if (a >= 0) {
    nodes_[a]->error = true;
    nodes_[b]->error = true;
  }
}

void TSD33::OnTextChanged(TSD33Node* n) {
  MarkConflicts();
  Relayout();
  emit cellTextChanged(n->row, n->col);
}

void TSD33::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  QPainter p(this);
  p.setPen(Qt::black);
  const int w = width() / 9;
  const int h = height() / 9;
  for (int i = 1; i <= 9; ++i) {
    p.drawLine((i - 1) * w, 0, (i - 1) * w, width());
    p.drawLine(0, (i - 1) * h, width(), (i - 1) * h);
  }
}

void TSD33::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Relayout();
}

}  // namespace tessel
