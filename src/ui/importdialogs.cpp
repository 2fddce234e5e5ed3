#include "ui/importdialogs.hpp"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/board.hpp"
#include "core/layouts.hpp"
#include "core/solver.hpp"
#include "ui/fixedfont.hpp"
#include "ui/placement.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

namespace {

const QString kBorder = QStringLiteral(
    "*--------------------------------------------------------------------------------------------*");
const QString kSeparator = QStringLiteral(
    "|------------------------------+------------------------------+------------------------------|");

// The notice is written out where lupdate can read it.
static_assert(kInvalidFormatText == "Invalid format.");


}  // namespace

// --- Import or Create Sudoku ---

QString Tfrm_new::TestNotice(int code) {
  switch (code) {
    case kUnique:
      return CT("Check OK", "题目有唯一解");
    case kMultiple:
      return CT("This puzzle has multiple solution", "题目有多解");
    default:
      return CT("Puzzle is not solvable", "题目无解");
  }
}


Tfrm_new::Tfrm_new(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), prompts_(session.prompts()) {
  setObjectName(QStringLiteral("frm_new"));
  setWindowTitle(CT("Import or Create Sudoku", "导入或创建数独"));
  setFixedSize(kClientWidth, kClientHeight);
  CentreOnScreen(*this);
  setModal(true);

  sdnew = new TPICSD33(this);
  sdnew->setObjectName(QStringLiteral("sdnew"));
  sdnew->setGeometry(8, (kClientHeight - TPICSD33::kBoardSize) / 2, TPICSD33::kBoardSize, TPICSD33::kBoardSize);
  sdnew->setUNFoucsColor1(16777215);
  sdnew->setUNFoucsColor2(16759739);
  sdnew->setFONTSize1(25);
  sdnew->setFONTSize2(18);
  sdnew->setFONTSize3(10);
  sdnew->setFONTColor1(0);
  sdnew->setFONTColor2(16711680);
  sdnew->setFONTColor3(111666);
  sdnew->setErrorcolor(254);
  sdnew->setHighcolor(9813909);
  sdnew->setHoverFrames(true);
  sdnew->setAccessibleName(tr("Puzzle editor"));
  sdnew->setToolTip(tr("Click a candidate to make it a clue; click a clue to take it back"));

  struct ButtonDef {
    QPushButton** button;
    const char* name;
    QString caption;
    void (Tfrm_new::*handler)();
    const char* tip;
  };
  const ButtonDef buttons[] = {
      {&Button5, "Button5", CT("Load Puzzle", "载入当前题目"), &Tfrm_new::Button5Click,
       QT_TR_NOOP("Copy the digits of the game board into the editor")},
      {&Button6, "Button6", CT("&Import", "导入(&I)"), &Tfrm_new::Button6Click,
       QT_TR_NOOP("Paste a puzzle as text")},
      {&Button3, "Button3", CT("&Clear Grid", "清除表格(&C)"), &Tfrm_new::Button3Click,
       QT_TR_NOOP("Empty the editor")},
      {&Button1, "Button1", CT("Check Puzzle", "检查题目"), &Tfrm_new::Button1Click,
       QT_TR_NOOP("Tell whether the puzzle has one solution, several or none")},
      {&Button2, "Button2", CT("Play Puzzle", "开始游戏"), &Tfrm_new::Button2Click,
       QT_TR_NOOP("Play this puzzle on the board")},
      {&Button4, "Button4", CT("&Quit", "退出(&Q)"), &Tfrm_new::Button4Click,
       QT_TR_NOOP("Close without playing")},
  };
  const int left = 8 + TPICSD33::kBoardSize + 12;
  const int width = kClientWidth - left - 8;
  int top = sdnew->y();
  for (const ButtonDef& s : buttons) {
    auto* b = new QPushButton(s.caption, this);
    b->setObjectName(QString::fromLatin1(s.name));
    b->setAutoDefault(false);
    b->setGeometry(left, top, width, 32);
    b->setToolTip(tr(s.tip));
    top += 42;
    connect(b, &QPushButton::clicked, this, s.handler);
    *s.button = b;
  }

  memo2 = new QPlainTextEdit(this);
  memo2->setObjectName(QStringLiteral("memo2"));
  // Lines of a framed grid must reach the import whole.
  memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
  memo2->hide();

  FormCreate();
  frmImport = new TfrmImport(*this, prompts_);
}

void Tfrm_new::FormCreate() {
  sdnew->setEnabled(true);
  connect(sdnew, &TPICSD33::cellMouseDown, this,
          [this](int row, int col, Qt::MouseButton button) { EditorCellMouseDown(row, col, button); });
  connect(sdnew, &TPICSD33::candidateMouseDown, this,
          [this](int row, int col, int digit, Qt::MouseButton button) {
            EditorCandidateMouseDown(row, col, digit, button);
          });
  ShowEditor();
}

void Tfrm_new::ShowEditor() { sdnew->SetView(editor_.Render(sdnew->Look())); }

void Tfrm_new::EditorCandidateMouseDown(int row, int col, int digit, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  editor_.ClickCandidate(row, col, digit);
  ShowEditor();
}

void Tfrm_new::EditorCellMouseDown(int row, int col, Qt::MouseButton button) {
  if (button != Qt::LeftButton) return;
  editor_.ClickCell(row, col);
  ShowEditor();
}

void Tfrm_new::ClearGrid() {
  editor_.Clear();
  ShowEditor();
}

void Tfrm_new::Button5Click() {
  editor_.LoadFrom(session_.game().board());
  ShowEditor();
}

void Tfrm_new::Button6Click() { frmImport->exec(); }

void Tfrm_new::Button3Click() {
  if (!prompts_.Ask(this, CT("Clear the puzzle board,Sure?", "确定清除题目表格?"))) return;
  ClearGrid();
}

void Tfrm_new::Button1Click() { prompts_.Notice(this, TestNotice(editor_.Test().code)); }

void Tfrm_new::Button2Click() {
  const PuzzleTestResult test = editor_.Test();
  if (test.code == kNotSolvable) {
    prompts_.Notice(this, TestNotice(test.code));
    return;
  }
  if (test.code == kMultiple &&
      !prompts_.Ask(this, CT("This Puzzle has multiple solutions,Do you want to solve it anyway?",
                             "题目有多个解，是否继续？")))
    return;

  session_.game().ImportPuzzle(editor_.board(), test.code == kUnique ? test.first : std::string());
  session_.Refresh();
  accept();
}

void Tfrm_new::Button4Click() { reject(); }

bool Tfrm_new::TakeImportText(const QString& text) {
  memo2->setPlainText(text);
  const bool read = editor_.ImportText(text.toStdString());
  ShowEditor();
  return read;
}

// --- Import Sudoku ---

TfrmImport::TfrmImport(Tfrm_new& owner, Prompts& prompts)
    : QDialog(&owner), owner_(owner), prompts_(prompts) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(CT("Import Sudoku", "导入数独"));
  setFixedSize(kClientWidth, kClientHeight);
  CentreOnScreen(*this);
  setModal(true);

  memo2 = new QPlainTextEdit(this);
  memo2->setObjectName(QStringLiteral("memo2"));
  memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
  // The framed layouts line up only in a fixed-pitch font.
  memo2->setFont(FixedPitchFont(memo2->font()));
  memo2->setAttribute(Qt::WA_InputMethodEnabled, false);
  memo2->setContextMenuPolicy(Qt::CustomContextMenu);
  memo2->setAccessibleName(tr("Puzzle text"));
  memo2->setToolTip(tr("Type or paste the puzzle here; right-click for Select All, Copy, Paste, Clear"));

  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  e1 = PopupMenu1->addAction(CT("Select All", "全选"), this, &TfrmImport::e1Click);
  e2 = PopupMenu1->addAction(CT("Copy", "复制"), this, &TfrmImport::e2Click);
  e3 = PopupMenu1->addAction(CT("Paste", "粘贴"), this, &TfrmImport::e3Click);
  e4 = PopupMenu1->addAction(CT("Clear", "清除"), this, &TfrmImport::e4Click);
  e1->setObjectName(QStringLiteral("e1"));
  e2->setObjectName(QStringLiteral("e2"));
  e3->setObjectName(QStringLiteral("e3"));
  e4->setObjectName(QStringLiteral("e4"));
  connect(memo2, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(memo2->viewport()->mapToGlobal(pos)); });

  auto* buttonPanel = new QFrame(this);
  buttonPanel->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(buttonPanel);
  row->setContentsMargins(8, 4, 8, 4);
  Label2 = new QLabel(CT("Compatible Formats:", "兼容格式:"), buttonPanel);
  row->addWidget(Label2);
  auto makeButton = [&](const char* name, const QString& caption, void (TfrmImport::*handler)(), const char* tip) {
    auto* b = new QPushButton(caption, buttonPanel);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tr(tip));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    row->addWidget(b);
    return b;
  };
  Button3 = makeButton("Button3", tr("Example 1"), &TfrmImport::Button3Click,
                       QT_TR_NOOP("One line of 81 characters"));
  Button4 = makeButton("Button4", tr("Example 2"), &TfrmImport::Button4Click, QT_TR_NOOP("Nine rows of nine"));
  Button5 = makeButton("Button5", tr("Example 3"), &TfrmImport::Button5Click, QT_TR_NOOP("A framed grid"));
  Button6 = makeButton("Button6", tr("Example 4"), &TfrmImport::Button6Click,
                       QT_TR_NOOP("A framed grid with candidates"));
  row->addStretch(1);
  Button1 = makeButton("Button1", CT("OK", "确定"), &TfrmImport::Button1Click,
                       QT_TR_NOOP("Put the puzzle into the editor"));
  Button2 = makeButton("Button2", CT("Cancel", "取消"), &TfrmImport::Button2Click,
                       QT_TR_NOOP("Close without importing"));

  auto* helpPanel = new QFrame(this);
  helpPanel->setFrameShape(QFrame::StyledPanel);
  auto* helpRow = new QHBoxLayout(helpPanel);
  helpRow->setContentsMargins(8, 4, 8, 4);
  Label1 = new QLabel(CT("Enter a string of 81 numbers(you can express blanks as 0, * , '.')",
                         "输入81个数字的字符串(可以使用0, * , .表示空)"),
                      helpPanel);
  Label1->setObjectName(QStringLiteral("Label1"));
  helpRow->addWidget(Label1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(memo2, 1);
  column->addWidget(buttonPanel);
  column->addWidget(helpPanel);
}

void TfrmImport::Button1Click() {
  if (!owner_.TakeImportText(memo2->toPlainText()))
    prompts_.Notice(this, CT("Invalid format.", "无效的格式."));
  accept();
}

void TfrmImport::Button2Click() { reject(); }

void TfrmImport::ShowExample(const QString& help, const QStringList& lines) {
  memo2->setPlainText(lines.join(QChar(u'\n')));
  Label1->setText(help);
}

void TfrmImport::Button3Click() {
  ShowExample(CT("Enter a string of 81 numbers(you can express blanks as 0, * , '.')",
                 "输入81个数字的字符串(可以使用0, * , .表示空)"),
              {QStringLiteral("086009000003200000002004903004000000005000700697041230008050001001760000059000006")});
}

void TfrmImport::Button4Click() {
  ShowExample(CT("Enter nine rows,Each row with nine letters.(you can express blanks as 0, * , '.')",
                 "输入9行，每行9个字符(可以使用0, * , .表示空)"),
              {"*8******7", "****96***", "**2**3***", "*******9*", "**9***56*", "***1****4", "4********",
               "****5**3*", "71*8*****"});
}

void TfrmImport::Button5Click() {
  ShowExample(
      CT("Enter any rows,Each row with any letters.(you can express blanks as 0, '.',except '*')",
         "输入多行(可以使用0, .表示空格,但不能使用*)"),
      {kBorder,
       "|         .         9         5|         .         .         3|         8         1         4|",
       "|         .         8         .|         .         .         2|         .         .         .|",
       "|         6         .         .|         .         8         .|         2         .         7|",
       kSeparator,
       "|         .         .         .|         1         9         .|         6         .         .|",
       "|         3         .         .|         .         .         .|         .         .         .|",
       "|         .         .         .|         .         .         .|         5         .         .|",
       kSeparator,
       "|         1         .         8|         3         .         .|         7         .         .|",
       "|         .         .         .|         .         .         4|         .         6         .|",
       "|         .         .         6|         .         .         7|         .         8         3|",
       kBorder});
}

void TfrmImport::Button6Click() {
  ShowExample(
      CT("Include nine rows,the rows include digit group,and any string", "包含候选数的格式."),
      {kBorder,
       "|         5     13789      2389|    123479       379         6|     23478     23479    234789|",
       "|     12379     13679      2369|   1234579      3579         8|    234567    234679   2345679|",
       "|      2379     36789         4|     23579      3579      2379|    235678     23679         1|",
       kSeparator,
       "|      3479    345789         1|    346789         2      3479|     34567     34679    345679|",
       "|         6      3479       239|     13479       379         5|     12347         8     23479|",
       "|     23479    345789     23589|   1346789     36789     13479|   1234567   1234679   2345679|",
       kSeparator,
       "|         8     13469         7|      2369       369       239|     12346         5      2346|",
       "|        13      1356       356|    235678         4       237|         9     12367     23678|",
       "|       349         2      3569|    356789         1       379|     34678      3467     34678|",
       kBorder});
}

void TfrmImport::e1Click() { memo2->selectAll(); }
void TfrmImport::e2Click() { memo2->copy(); }
void TfrmImport::e3Click() { memo2->paste(); }
void TfrmImport::e4Click() { memo2->clear(); }

// --- Made once ---

Tfrm_new& ImportDialog(Session& session) {
  // Made on first use and kept, so it opens again as it was left.
  QWidget* parent = session.dialogParent();
  if (auto* made = parent->findChild<Tfrm_new*>(QString(), Qt::FindDirectChildrenOnly)) return *made;
  return *new Tfrm_new(session, parent);
}

}  // namespace tessel::ui
