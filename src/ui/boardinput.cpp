// What the mouse and the keys do on the playing board: big digits,
// candidates, the cell menu, colour marking and the status-bar hints.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>

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
  connect(sd991, &TPICSD33::cellLeave, this, [this](int row, int col) { HoverLeave(row, col, 0); });
  connect(sd991, &TPICSD33::candidateEnter, this, &TForm1::HoverEnter);
  connect(sd991, &TPICSD33::candidateLeave, this, &TForm1::HoverLeave);
  connect(sd991, &TPICSD33::popupRequested, this, &TForm1::ppPopup);
}

void TForm1::DrawForMode() {
  if (game_.mode() == DisplayMode::kOnlyOne)
    sd991->DrawFiltered(SelectedDigit());
  else if (game_.mode() == DisplayMode::kAll)
    sd991->DrawAllCandidates();
  else
    sd991->DrawDigitsOnly();
}

// --- Mouse on a cell ---

void TForm1::CellMouseDown(int row, int col, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;

  if (game_.marking()) {
    ppTag = -1;
    UpdateGuard guard(*sd991);
    const TColor colour = button == Qt::LeftButton ? ColorGrid1->foregroundColor() : CellBaseColour(row, col);
    game_.MarkCell(row, col, colour, sd991->Look());
    sd991->RequestRepaint();
    return;
  }

  PlayResult result;
  {
    UpdateGuard guard(*sd991);
    const DisplayMode mode = game_.mode();
    if (mode != DisplayMode::kNone) ppTag = 0;
    result = game_.ClickCell(row, col, button == Qt::LeftButton);
    // Mode None redraws after any click, the others only after a change.
    if (mode == DisplayMode::kNone) {
      RecountDigits();
      sd991->DrawDigitsOnly();
      HighlightSelected();
      ApplyMarks();
    } else if (result.changed) {
      RecountDigits();
      DrawForMode();
      ApplyMarks();
    }
  }
  // The board is painted before the modal notice.
  if (result.finished) ShowFinish(true);
  RestoreEntryFonts();
}

// --- Mouse on a candidate ---

void TForm1::CandidateMouseDown(int row, int col, int digit, Qt::MouseButton button) {
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  if (digit < 1 || digit > 9) return;
  if (game_.marking()) {
    ppTag = -1;
    UpdateGuard guard(*sd991);
    const TColor colour = button == Qt::LeftButton ? ColorGrid1->foregroundColor() : sd991->node(row, col).color;
    game_.MarkCandidate(row, col, digit, colour, sd991->Look());
    sd991->RequestRepaint();
    return;
  }
  if (game_.mode() == DisplayMode::kNone) {
    ppTag = -1;
    return;
  }

  PlayResult result;
  {
    UpdateGuard guard(*sd991);
    result = game_.ClickCandidate(row, col, digit, button == Qt::LeftButton);
    RecountDigits();
    DrawForMode();
    HighlightSelected();
    ApplyMarks();
  }
  RestoreEntryFonts();
  if (result.finished) ShowFinish(false);
  // The right press goes on to the cell's menu: keep it shut.
  ppTag = -1;
}

// --- The cell menu ---

void TForm1::ppPopup(int row, int col, const QPoint& globalPos) {
  menuRow_ = row;
  menuCol_ = col;
  BuildCellMenu(sd991->cell(row, col).text);
  if (ppTag == -1) pp->clear();
  if (!pp->actions().isEmpty()) pp->popup(globalPos);
}

void TForm1::BuildCellMenu(const std::string& text) {
  pp->clear();
  for (const CellMenuItem& item : CellMenu(text)) {
    if (item.command.empty()) {
      pp->addSeparator();
    } else {
      QAction* a = pp->addAction(QString::fromStdString(item.caption));
      a->setData(QString::fromStdString(item.command));
    }
  }
}

void TForm1::CellMenuClick(QAction* item) {
  const QString command = item ? item->data().toString() : QString();
  if (command.isEmpty() || menuRow_ == 0) return;
  PlayResult result;
  {
    UpdateGuard guard(*sd991);
    result = game_.CellCommand(menuRow_, menuCol_, command.toStdString());
    if (!result.changed) return;
    RecountDigits();
    DrawForMode();
    ApplyMarks();
    RestoreEntryFonts();
  }
  if (result.finished) ShowFinish(false);
}

// --- Colour marks ---



// --- Hover ---

void TForm1::HoverEnter(int row, int col, int sub) {
  UpdateGuard guard(*sd991);
  TPicNode& n = sd991->node(row, col);
  if (sub != 0)
    n.subBorderStyle[sub] = kBorderSingle;
  else
    n.borderStyle = kBorderSingle;
  sd991->RequestRepaint();

  const Cell& c = sd991->cell(row, col);
  QString hint;
  if (game_.marking()) {
    hint = CT("Mark color with the left button,Clear the marked color with the right button.",
              "左键标记颜色，右键清除标记的颜色.");
  } else if (sub != 0) {
    hint = CT("Left click sets the selected Candidature as Bignumber, right click deletes such Candidature.",
              "左键设定选择的数为大数,右键删除选择的候选数.");
  } else if (game_.mode() == DisplayMode::kNone) {
    if (c.state == kEntered || c.state == kOpen)
      hint = CT("Set Bignumber with the left button, clear Bignumber with the right button.",
                "鼠标左键设定数字，右键清除.");
  } else if (game_.mode() == DisplayMode::kAll) {
    if (c.state == kEntered)
      hint = CT("Cancel the bignumber with the left button.Pop up the shortcut menu with the right button.",
                "左键取消设置的大数,右键打开快捷菜单..");
    else if (c.state == kOpen)
      hint = CT("Pop up the shortcut menu with the right button.", "右键打开快捷菜单.");
  } else if (c.state != kGiven && n.popupAssigned) {
    hint = CT("Pop up the shortcut menu with the right button.", "右键打开快捷菜单.");
  }
  if (hint.isEmpty())
    ClearHint();
  else
    ShowHint(hint);
}

void TForm1::HoverLeave(int row, int col, int sub) {
  UpdateGuard guard(*sd991);
  TPicNode& n = sd991->node(row, col);
  if (sub != 0)
    n.subBorderStyle[sub] = kBorderNone;
  else
    n.borderStyle = kBorderNone;
  sd991->RequestRepaint();
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
    PressDigitButton(key - Qt::Key_0);
    disnote1Click();
  }
}

}  // namespace tessel::ui
