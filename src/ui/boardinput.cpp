// What the mouse and the keys do on the playing board: big digits,
// candidates, the cell menu, colour marking and the status-bar hints.
#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>

#include <optional>
#include <utility>

#include "core/board.hpp"
#include "core/play.hpp"
#include "ui/mainwindow.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {


void TForm1::WireBoard() {
  pp = new QMenu(this);
  pp->setObjectName(QStringLiteral("pp"));
  connect(pp, &QMenu::triggered, this, &TForm1::CellMenuClick);

  connect(sd991, &TPICSD33::cellMouseDown, this,
          [this](int row, int col, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
            CellMouseDown(row, col, button);
          });
  connect(sd991, &TPICSD33::candidateMouseDown, this,
          [this](int row, int col, int digit, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint) {
            CandidateMouseDown(row, col, digit, button);
          });
  connect(sd991, &TPICSD33::cellEnter, this, [this](int row, int col) { HoverEnter(row, col, 0); });
  connect(sd991, &TPICSD33::candidateEnter, this, &TForm1::HoverEnter);
  connect(sd991, &TPICSD33::popupRequested, this, &TForm1::ppPopup);
}

// --- Presses on the board ---

void TForm1::CellMouseDown(int row, int col, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const PlayResult r = game_.PressOn({row, col, 0, button == Qt::LeftButton}, ColorGrid1->foregroundColor(), Look());
  menuAllowed_ = r.menu;
  Played(r);
}

void TForm1::CandidateMouseDown(int row, int col, int digit, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  // The right press goes on to the cell's menu: keep it shut.
  menuAllowed_ = false;
  Played(game_.PressOn({row, col, digit, button == Qt::LeftButton}, ColorGrid1->foregroundColor(), Look()));
}

// --- The cell menu ---

void TForm1::ppPopup(int row, int col, const QPoint& globalPos) {
  menuRow_ = row;
  menuCol_ = col;
  pp->clear();
  if (!menuAllowed_) return;
  for (const CellMenuItem& item : CellMenu(game_.board().at(row, col).text)) {
    if (item.command.empty()) {
      pp->addSeparator();
    } else {
      QAction* a = pp->addAction(QString::fromStdString(item.caption));
      a->setData(QString::fromStdString(item.command));
    }
  }
  pp->popup(globalPos);
}

void TForm1::CellMenuClick(QAction* item) {
  const QString command = item ? item->data().toString() : QString();
  if (command.isEmpty() || menuRow_ == 0) return;
  const PlayResult r = game_.CellCommand(menuRow_, menuCol_, command.toStdString());
  if (r.changed) Played(r);
}

// --- Hover ---

void TForm1::HoverEnter(int row, int col, int sub) {
  const QString hint = QString::fromStdString(HoverHint(game_, row, col, sub));
  if (hint.isEmpty())
    ClearHint();
  else
    ShowHint(hint);
}

bool TForm1::IsNeutralHintArea(const QObject* o) const {
  return o && (o == this || o == centralWidget() || o == Panel1 || o == GroupBoxCandidates ||
               o == GroupBoxColor || o == ToolBar1 || o == TimeLabel1 || o == ndtxt);
}

// --- Keys ---

void TForm1::FormKeyDown(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_F1) {
    rb_none->setChecked(true);  // toggled runs the mode change only when it changes
  } else if (key == Qt::Key_F2) {
    rb_all->setChecked(true);
  } else if (key == Qt::Key_F3) {
    rb_one->setChecked(true);
  } else if (key >= Qt::Key_1 && key <= Qt::Key_9 && !(event->modifiers() & Qt::KeypadModifier)) {
    // Only the main keyboard row; the keypad digits are not handled.
    game_.ChooseDigit(key - Qt::Key_0);
    Refresh();
  }
}

namespace {

// The digit of a main-row digit key, with or without Shift: some layouts
// give Shift+1 as "!", so the key's own code is asked too.
int DigitOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_1 && key <= Qt::Key_9) return key - Qt::Key_0;
  const quint32 native = event.nativeVirtualKey();
  if (native >= '1' && native <= '9') return int(native - '0');
  static const int kShifted[9] = {Qt::Key_Exclam,     Qt::Key_At,        Qt::Key_NumberSign,
                                  Qt::Key_Dollar,     Qt::Key_Percent,   Qt::Key_AsciiCircum,
                                  Qt::Key_Ampersand,  Qt::Key_Asterisk,  Qt::Key_ParenLeft};
  for (int d = 1; d <= 9; ++d)
    if (key == kShifted[d - 1]) return d;
  return 0;
}

// The board key of Keyboard Play and its digit; none for other keys.
std::optional<std::pair<BoardKey, int>> BoardKeyOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers() & ~Qt::KeypadModifier;
  const bool ctrl = mods & Qt::ControlModifier, shift = mods & Qt::ShiftModifier;
  switch (event.key()) {
    case Qt::Key_Left: return std::pair{BoardKey::kLeft, 0};
    case Qt::Key_Right: return std::pair{BoardKey::kRight, 0};
    case Qt::Key_Up: return std::pair{BoardKey::kUp, 0};
    case Qt::Key_Down: return std::pair{BoardKey::kDown, 0};
    case Qt::Key_Home: return std::pair{ctrl ? BoardKey::kFirstCell : BoardKey::kRowStart, 0};
    case Qt::Key_End: return std::pair{ctrl ? BoardKey::kLastCell : BoardKey::kRowEnd, 0};
    case Qt::Key_Space: case Qt::Key_Return: case Qt::Key_Enter: return std::pair{BoardKey::kActivate, 0};
    case Qt::Key_Delete: case Qt::Key_Backspace: return std::pair{BoardKey::kClear, 0};
    case Qt::Key_Menu: return std::pair{BoardKey::kMenu, 0};
    case Qt::Key_F10:
      if (shift) return std::pair{BoardKey::kMenu, 0};
      return std::nullopt;
    default: {
      const int digit = ctrl ? DigitOf(event) : 0;
      if (digit == 0) return std::nullopt;
      return std::pair{shift ? BoardKey::kStrikeCandidate : BoardKey::kCandidate, digit};
    }
  }
}

}  // namespace

bool TForm1::BoardKeyDown(QKeyEvent* event) {
  const auto key = BoardKeyOf(*event);
  if (!key) return false;
  const PlayResult r = game_.KeyOn(key->first, key->second, ColorGrid1->foregroundColor(), Look());
  const int row = RowOf(game_.cursor()), col = ColOf(game_.cursor());
  if (key->first == BoardKey::kMenu) {
    Refresh();
    menuAllowed_ = r.menu;
    if (r.menu) ppPopup(row, col, sd991->mapToGlobal(TPICSD33::CellRect(row, col).center()));
    return true;
  }
  Played(r);
  // The status bar tells what the keys would do here, as the pointer's hint does.
  HoverEnter(row, col, 0);
  return true;
}

}  // namespace tessel::ui
