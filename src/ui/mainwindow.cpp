#include "ui/mainwindow.hpp"

#include <QAction>
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFrame>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include "core/bank.hpp"
#include "core/board.hpp"
#include "core/boardview.hpp"
#include "core/play.hpp"
#include "core/textfile.hpp"
#include "ui/appearance.hpp"
#include "ui/icons.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/texts.hpp"
#include "widgets/digitcount.hpp"

namespace tessel::ui {

namespace {

// Every text shown passes through the core's wording choice.
// Where things sit in the 596 × 545 client area.
constexpr int kToolBarHeight = 30;
constexpr int kBoardLeft = 22;           // inside Panel1, right of the row letters
constexpr int kBoardTop = 22;            // inside Panel1, below the column digits
constexpr QRect kPanel1Rect(0, 34, 448, 446);
constexpr int kSideLeft = 452;
constexpr int kSideWidth = 140;
constexpr QRect kCandidatesRect(kSideLeft, 34, kSideWidth, 176);
constexpr QRect kColorRect(kSideLeft, 216, kSideWidth, 188);
constexpr int kBarLefts[10] = {0, 483, 495, 507, 519, 532, 544, 556, 568, 581};
constexpr int kBarTop = 412;
constexpr int kToolBar2Top = 492;
constexpr int kStatusTop = 522;

constexpr TColor kHintColour = 7978239;  // R 255, G 188, B 121

// The finished mark: a green tick and "Solved".
QPixmap SolvedBadge(qreal dpr) {
  const QSize size(76, 22);
  QPixmap pm(size * dpr);
  pm.setDevicePixelRatio(dpr);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawPixmap(QPointF(1, 2), RenderIcon(IconId::Solved, 18, dpr));
  QFont f = p.font();
  f.setBold(true);
  f.setPixelSize(14);
  p.setFont(f);
  p.setPen(QColor(0x2E, 0x9E, 0x44));
  p.drawText(QRect(23, 0, size.width() - 23, size.height()), Qt::AlignVCenter | Qt::AlignLeft,
             QStringLiteral("Solved"));
  return pm;
}

}  // namespace

TForm1::TForm1(Prompts& prompts, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      prompts_(prompts),
      openUrl_([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      runModal_([](QDialog& dialog) { dialog.exec(); }) {
  setObjectName(QStringLiteral("TForm1"));
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);

  BuildActions();
  BuildMenus();
  BuildToolBars(client);
  BuildBoard(client);
  BuildSidePanel(client);

  auto* rule = new QFrame(client);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  rule->setGeometry(0, kStatusTop, kClientWidth, 2);
  sb1 = new QStatusBar(client);
  sb1->setObjectName(QStringLiteral("sb1"));
  sb1->setSizeGripEnabled(false);
  sb1->setGeometry(0, kStatusTop + 2, kClientWidth, kClientHeight - kStatusTop - 2);
  sb1->setAutoFillBackground(true);

  // Fixed border: the window is exactly the menu bar plus the client area.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  setWindowIcon(MakeIcon(IconId::App));

  // Key preview: the window sees keys before its focused control.
  qApp->installEventFilter(this);

  FormCreate();
  Frmdas = new TFrmdas(this);
  frmAppearance = new TfrmAppearance(*this, *sd991);

  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
}

TForm1::~TForm1() { qApp->removeEventFilter(this); }

// --- Construction ---

QAction* TForm1::MakeAction(const char* name, const QString& text, const QString& hint) {
  auto* a = new QAction(text, this);
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(hint);
  a->setStatusTip(hint);
  return a;
}

void TForm1::BuildActions() {
  SaveCurrentBoard1 = MakeAction("SaveCurrentBoard1", QStringLiteral("&Save Current Board"),
                                 QStringLiteral("Save Current Board"));
  SaveCurrentBoard1->setIcon(MakeIcon(IconId::SaveGame));
  ToolButton1 = MakeAction("ToolButton1", QStringLiteral("Display Your Game List"),
                           QStringLiteral("Display Your Game List"));
  ToolButton1->setIcon(MakeIcon(IconId::GameList));
  ToolButton12 = MakeAction("ToolButton12", QStringLiteral("Printable Board"), QStringLiteral("Printable Board"));
  ToolButton12->setIcon(MakeIcon(IconId::Printable));
  ToolButton4 = MakeAction("ToolButton4", QStringLiteral("&Import or Create Sudoku"),
                           QStringLiteral("Import or Create Sudoku"));
  ToolButton4->setIcon(MakeIcon(IconId::Import));
  Con1 = MakeAction("Con1", QStringLiteral("Continue Your Last Game"), QStringLiteral("Continue Your Last Game"));
  Exit1 = MakeAction("Exit1", QStringLiteral("&Exit"), QStringLiteral("Exit"));

  const char* levelNames[5] = {"ToolButton11", "ToolButton5", "ToolButton6", "ToolButton7", "ToolButton8"};
  QAction** levelActions[5] = {&ToolButton11, &ToolButton5, &ToolButton6, &ToolButton7, &ToolButton8};
  for (int level = 0; level < 5; ++level) {
    QString name = QString::fromStdString(LevelName(level));
    QAction* a = MakeAction(levelNames[level], name, QStringLiteral("Create Sudoku:") + name);
    a->setIcon(MakeIcon(LevelIcon(level)));
    *levelActions[level] = a;
  }

  appearance1 = MakeAction("appearance1", QStringLiteral("Appearance"), QStringLiteral("Appearance"));
  savet = MakeAction("savet", QStringLiteral("Save Replay"), QStringLiteral("Save Replay"));
  objectSaveGameStepByStep1TMenuItem1 =
      MakeAction("objectSaveGameStepByStep1TMenuItem1", QStringLiteral("Load Replay"), QStringLiteral("Load Replay"));
  CopyPuzzleToClipboard1 = MakeAction("CopyPuzzleToClipboard1", QStringLiteral("Copy Puzzle To Clipboard"),
                                      QStringLiteral("Copy Puzzle To Clipboard"));
  CopyPuzzleToClipboard1->setIcon(MakeIcon(IconId::Copy));
  ExplainNextStep1 = MakeAction("ExplainNextStep1", QStringLiteral("Explain Next Step"),
                                QStringLiteral("Explain Next Step"));

  tbresign = MakeAction("tbresign", QStringLiteral("Restart"), QStringLiteral("Restart"));
  tbresign->setIcon(MakeIcon(IconId::Restart));
  tbsolve = MakeAction("tbsolve", QStringLiteral("Show Solution"), QStringLiteral("Show Solution"));
  tbsolve->setIcon(MakeIcon(IconId::Solve));
  ToolButton16 = MakeAction("ToolButton16", QStringLiteral("Check Error"), QStringLiteral("Check Error"));
  ToolButton16->setIcon(MakeIcon(IconId::CheckError));
  ToolButton9 = MakeAction("ToolButton9", QStringLiteral("Show hint"), QStringLiteral("Show hint"));
  ToolButton9->setIcon(MakeIcon(IconId::Hint));
  b1 = MakeAction("b1", QStringLiteral("Start Branch"), QStringLiteral("Start Branch"));
  b1->setIcon(MakeIcon(IconId::StartBranch));
  b2 = MakeAction("b2", QStringLiteral("Accept Branch"), QStringLiteral("Accept Branch"));
  b2->setIcon(MakeIcon(IconId::AcceptBranch));
  b3 = MakeAction("b3", QStringLiteral("Reject Branch"), QStringLiteral("Reject Branch"));
  b3->setIcon(MakeIcon(IconId::RejectBranch));
  tbfirst = MakeAction("tbfirst", QStringLiteral("First Step"), QStringLiteral("First Step"));
  tbfirst->setIcon(MakeIcon(IconId::First));
  tbback = MakeAction("tbback", QStringLiteral("Back Step"), QStringLiteral("Back Step"));
  tbback->setIcon(MakeIcon(IconId::Back));
  tbnext = MakeAction("tbnext", QStringLiteral("Next Step"), QStringLiteral("Next Step"));
  tbnext->setIcon(MakeIcon(IconId::Next));
  tblast = MakeAction("tblast", QStringLiteral("Last Step"), QStringLiteral("Last Step"));
  tblast->setIcon(MakeIcon(IconId::Last));

  Contents1 = MakeAction("Contents1", QStringLiteral("Contents"), QStringLiteral("Open the help page"));
  HomePage1 = MakeAction("HomePage1", QStringLiteral("Sudoku Tessel Home Page"),
                         QStringLiteral("Visit the Sudoku Tessel home page"));
  Feedback1 = MakeAction("Feedback1", QStringLiteral("Send Feedback"), QStringLiteral("Report a problem or an idea"));
  CheckNewVersion1 = MakeAction("CheckNewVersion1", QStringLiteral("Check New Version"),
                                QStringLiteral("Check for a newer version"));
  AutoCheckNewVersion1 = MakeAction("AutoCheckNewVersion1", QStringLiteral("Auto Check New Version"),
                                    QStringLiteral("Check for a newer version at start"));
  AutoCheckNewVersion1->setCheckable(true);
  About1 = MakeAction("About1", QStringLiteral("&About SudokuTessel"), QStringLiteral("About SudokuTessel"));

  connect(SaveCurrentBoard1, &QAction::triggered, this, &TForm1::SaveCurrentBoard1Click);
  connect(ToolButton1, &QAction::triggered, this, &TForm1::ToolButton1Click);
  connect(ToolButton12, &QAction::triggered, this, &TForm1::ToolButton12Click);
  connect(ToolButton4, &QAction::triggered, this, &TForm1::ToolButton4Click);
  connect(Con1, &QAction::triggered, this, &TForm1::Con1Click);
  connect(Exit1, &QAction::triggered, this, &TForm1::Exit1Click);
  connect(ToolButton11, &QAction::triggered, this, &TForm1::ToolButton11Click);
  connect(ToolButton5, &QAction::triggered, this, &TForm1::ToolButton5Click);
  connect(ToolButton6, &QAction::triggered, this, &TForm1::ToolButton6Click);
  connect(ToolButton7, &QAction::triggered, this, &TForm1::ToolButton7Click);
  connect(ToolButton8, &QAction::triggered, this, &TForm1::ToolButton8Click);
  connect(appearance1, &QAction::triggered, this, &TForm1::appearance1Click);
  connect(savet, &QAction::triggered, this, &TForm1::savetClick);
  connect(objectSaveGameStepByStep1TMenuItem1, &QAction::triggered, this,
          &TForm1::objectSaveGameStepByStep1TMenuItem1Click);
  connect(CopyPuzzleToClipboard1, &QAction::triggered, this, &TForm1::CopyPuzzleToClipboard1Click);
  connect(tbresign, &QAction::triggered, this, &TForm1::tbresignClick);
  connect(tbsolve, &QAction::triggered, this, &TForm1::tbsolveClick);
  connect(ToolButton16, &QAction::triggered, this, &TForm1::ToolButton16Click);
  connect(ToolButton9, &QAction::triggered, this, &TForm1::ToolButton9Click);
  connect(b1, &QAction::triggered, this, &TForm1::b1Click);
  connect(b2, &QAction::triggered, this, &TForm1::b2Click);
  connect(b3, &QAction::triggered, this, &TForm1::b3Click);
  connect(tbfirst, &QAction::triggered, this, &TForm1::tbfirstClick);
  connect(tbback, &QAction::triggered, this, &TForm1::tbbackClick);
  connect(tbnext, &QAction::triggered, this, &TForm1::tbnextClick);
  connect(tblast, &QAction::triggered, this, &TForm1::tblastClick);
  connect(Contents1, &QAction::triggered, this, &TForm1::Contents1Click);
  connect(HomePage1, &QAction::triggered, this, &TForm1::HomePage1Click);
  connect(Feedback1, &QAction::triggered, this, &TForm1::Feedback1Click);
  connect(CheckNewVersion1, &QAction::triggered, this, &TForm1::CheckNewVersion1Click);
  connect(About1, &QAction::triggered, this, &TForm1::About1Click);
  connect(ExplainNextStep1, &QAction::triggered, this, &TForm1::ExplainNextStep);

  // Command shortcuts; F1-F3 and the digit keys stay with the key preview.
  SaveCurrentBoard1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  ToolButton1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  ToolButton12->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  tbback->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  tbnext->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  ExplainNextStep1->setShortcut(QKeySequence(Qt::Key_F4));

  // No game yet: nothing to step through or branch from.
  for (QAction* a : {b1, b2, b3, tbfirst, tbback, tbnext, tblast}) a->setEnabled(false);
}

void TForm1::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("File1"));
  file->addAction(SaveCurrentBoard1);
  file->addAction(ToolButton1);
  file->addAction(ToolButton12);
  file->addAction(ToolButton4);
  file->addAction(Con1);
  file->addSeparator();
  file->addAction(Exit1);

  QMenu* game = menuBar()->addMenu(QStringLiteral("&New Game"));
  game->setObjectName(QStringLiteral("NewGame1"));
  for (QAction* a : {ToolButton11, ToolButton5, ToolButton6, ToolButton7, ToolButton8}) game->addAction(a);
  game->addSeparator();
  game->addAction(ToolButton1);

  QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
  tools->setObjectName(QStringLiteral("Tools1"));
  tools->addAction(appearance1);
  tools->addSeparator();
  tools->addAction(savet);
  tools->addAction(objectSaveGameStepByStep1TMenuItem1);
  tools->addSeparator();
  tools->addAction(CopyPuzzleToClipboard1);
  tools->addSeparator();
  tools->addAction(ExplainNextStep1);
  tools->addAction(tbback);  // the menu shows their shortcuts
  tools->addAction(tbnext);

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("Help1"));
  help->addAction(Contents1);
  help->addSeparator();
  help->addAction(HomePage1);
  help->addAction(Feedback1);
  help->addSeparator();
  help->addAction(CheckNewVersion1);
  help->addAction(AutoCheckNewVersion1);
  help->addSeparator();
  help->addAction(About1);
}

void TForm1::BuildToolBars(QWidget* client) {
  auto addButton = [](QToolBar* bar, QAction* a) {
    bar->addAction(a);
    if (QWidget* w = bar->widgetForAction(a)) w->setObjectName(a->objectName());
  };
  auto makeBar = [client](const char* name, int top) {
    auto* bar = new QToolBar(client);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setGeometry(0, top, kClientWidth, kToolBarHeight);
    return bar;
  };

  ToolBar1 = makeBar("ToolBar1", 0);
  for (QAction* a : {ToolButton1, SaveCurrentBoard1, ToolButton12, ToolButton4}) addButton(ToolBar1, a);
  ToolBar1->addSeparator();
  for (QAction* a : {ToolButton11, ToolButton5, ToolButton6, ToolButton7, ToolButton8}) addButton(ToolBar1, a);
  ToolBar1->addSeparator();
  TimeLabel1 = new TTimeLabel(ToolBar1);
  TimeLabel1->setObjectName(QStringLiteral("TimeLabel1"));
  TimeLabel1->setFixedSize(77, 22);
  QFont clockFont = TimeLabel1->font();
  clockFont.setPixelSize(15);
  clockFont.setBold(true);
  TimeLabel1->setFont(clockFont);
  TimeLabel1->setTimerenabled(false);
  TimeLabel1->setTimeinterval(100);
  TimeLabel1->setMS(0);
  connect(TimeLabel1, &TTimeLabel::timer, this, &TForm1::TimeLabel1Timer);
  ToolBar1->addWidget(TimeLabel1);
  ToolBar1->addSeparator();
  for (QAction* a : {tbresign, tbsolve, CopyPuzzleToClipboard1}) addButton(ToolBar1, a);
  ndtxt = new QLabel(ToolBar1);
  ndtxt->setObjectName(QStringLiteral("ndtxt"));
  QFont levelFont = ndtxt->font();
  levelFont.setBold(true);
  ndtxt->setFont(levelFont);
  ndtxt->setMinimumWidth(140);
  ToolBar1->addWidget(ndtxt);

  ToolBar2 = makeBar("ToolBar2", kToolBar2Top);
  cbautoupdate = new QCheckBox(QStringLiteral("Auto Update Candidates"), ToolBar2);
  cbautoupdate->setObjectName(QStringLiteral("cbautoupdate"));
  cbautoupdate->setChecked(game_.autoUpdate());
  connect(cbautoupdate, &QCheckBox::toggled, this, [this](bool on) { game_.SetAutoUpdate(on); });
  const QString autoHint = CT("When this box checked,Will auto update candidate numbers.", "当选中是将会自动更新候选数.");
  cbautoupdate->setStatusTip(autoHint);
  cbautoupdate->setToolTip(autoHint);
  ToolBar2->addWidget(cbautoupdate);
  ToolBar2->addSeparator();
  for (QAction* a : {ToolButton16, ToolButton9}) addButton(ToolBar2, a);
  ToolBar2->addSeparator();
  for (QAction* a : {b1, b2, b3}) addButton(ToolBar2, a);
  ToolBar2->addSeparator();
  for (QAction* a : {tbfirst, tbback, tbnext, tblast}) addButton(ToolBar2, a);
  WC_Label = new QLabel(ToolBar2);
  WC_Label->setObjectName(QStringLiteral("WC_Label"));
  WC_Label->setPixmap(SolvedBadge(devicePixelRatioF()));
  WC_Label->setContentsMargins(8, 0, 0, 0);
  WC_Label->setAccessibleName(QStringLiteral("Solved"));
  // A toolbar shows and hides its widgets through their actions.
  wcAction_ = ToolBar2->addWidget(WC_Label);
}

void TForm1::BuildBoard(QWidget* client) {
  Panel1 = new QWidget(client);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(kPanel1Rect);

  sd991 = new TPICSD33(Panel1);
  sd991->Attach(game_.board(), game_.view());
  sd991->setObjectName(QStringLiteral("sd991"));
  sd991->move(kBoardLeft, kBoardTop);
  // The main board's own settings, over the class defaults.
  sd991->setUNFoucsColor2(16747403);
  sd991->setFONTSize1(20);
  sd991->setFONTSize2(20);
  sd991->setFONTSize3(10);
  sd991->setFONTColor3(13238272);
  sd991->setErrorcolor(239);
  sd991->setHighcolor(9813909);
  sd991->setAutotranzt(true);
  sd991->setFontFace(QStringLiteral("Arial"));
  // No tooltip: it covered the next cells, and the status bar already gives
  // the hint that fits the display mode.

  QFont labelFont = Panel1->font();
  labelFont.setBold(true);
  labelFont.setPixelSize(13);
  for (int i = 1; i <= 9; ++i) {
    const int o = TPICSD33::CellOrigin(i);
    auto* colLabel = new QLabel(QString::number(i), Panel1);
    colLabel->setObjectName(QStringLiteral("ColLabel%1").arg(i));
    colLabel->setFont(labelFont);
    colLabel->setAlignment(Qt::AlignCenter);
    colLabel->setGeometry(kBoardLeft + o, 2, TPICSD33::kCellSize, kBoardTop - 4);
    auto* rowLabel = new QLabel(QString(QChar('A' + i - 1)), Panel1);
    rowLabel->setObjectName(QStringLiteral("RowLabel%1").arg(i));
    rowLabel->setFont(labelFont);
    rowLabel->setAlignment(Qt::AlignCenter);
    rowLabel->setGeometry(2, kBoardTop + o, kBoardLeft - 4, TPICSD33::kCellSize);
  }
}

void TForm1::BuildSidePanel(QWidget* client) {
  GroupBoxCandidates = new QGroupBox(QStringLiteral("Show Candidates"), client);
  GroupBoxCandidates->setObjectName(QStringLiteral("GroupBoxCandidates"));
  GroupBoxCandidates->setGeometry(kCandidatesRect);
  rb_none = new QRadioButton(QStringLiteral("None  (F1)"), GroupBoxCandidates);
  rb_all = new QRadioButton(QStringLiteral("All  (F2)"), GroupBoxCandidates);
  rb_one = new QRadioButton(QStringLiteral("Only one  (F3)"), GroupBoxCandidates);
  rb_none->setObjectName(QStringLiteral("rb_none"));
  rb_all->setObjectName(QStringLiteral("rb_all"));
  rb_one->setObjectName(QStringLiteral("rb_one"));
  rb_none->setStatusTip(CT("When the Display Candidates [None] is checked, hide all the candidates.",
                           "该显示模式将隐藏所有的候选数."));
  rb_all->setStatusTip(CT("When the Display Candidates [All] is checked, display all the candidates.",
                          "该显示模式将显示所有的候选数."));
  rb_one->setStatusTip(CT("When this box is checked, display only those cells corresponding to clicked "
                          "Candidate on the numerical panel.",
                          "该显示模式仅显示包含指定数字的候选数."));
  rb_none->setChecked(true);  // before the wiring: no game to redraw yet
  int y = 22;
  for (QRadioButton* rb : {rb_none, rb_all, rb_one}) {
    rb->setToolTip(rb->statusTip());
    rb->setGeometry(12, y, kSideWidth - 20, 20);
    y += 21;
    connect(rb, &QRadioButton::toggled, this, [this, rb](bool on) {
      if (!on) return;
      game_.SetMode(rb == rb_all ? DisplayMode::kAll : rb == rb_one ? DisplayMode::kOnlyOne : DisplayMode::kNone);
      rb_noneClick();
    });
  }

  constexpr int kDigitW = 34, kDigitH = 26, kGap = 3;
  const int gridLeft = (kSideWidth - 3 * kDigitW - 2 * kGap) / 2;
  QFont digitFont = GroupBoxCandidates->font();
  digitFont.setBold(true);
  digitFont.setPixelSize(14);
  for (int d = 1; d <= 9; ++d) {
    auto* b = new QToolButton(GroupBoxCandidates);
    b->setObjectName(QStringLiteral("disnote%1").arg(d));
    b->setText(QString::number(d));
    b->setAccessibleName(QStringLiteral("Digit %1").arg(d));
    b->setToolTip(QStringLiteral("Choose digit %1 (key %1)").arg(d));
    b->setCheckable(true);
    b->setAutoRaise(true);  // flat
    b->setFont(digitFont);
    b->setStatusTip(CT("You can type number 1..9 to select it quickly.", "可以按数字键1..9快速选择."));
    b->setGeometry(gridLeft + ((d - 1) % 3) * (kDigitW + kGap), 88 + ((d - 1) / 3) * (kDigitH + kGap), kDigitW,
                   kDigitH);
    disnote[d] = b;
    // One group: pressing one releases the others; the pressed one stays
    // down unless all may be up. Every way a button gets checked (mouse,
    // key, an accessibility action) runs this.
    connect(b, &QToolButton::toggled, this, [this, d](bool checked) {
      if (settingDigits_) return;
      if (checked) {
        PressDigitButton(d);
      } else if (!allowAllUp_) {
        const QScopedValueRollback<bool> guard(settingDigits_, true);
        disnote[d]->setChecked(true);
      }
      SyncSelectedDigit();
      disnote1Click();
    });
  }

  GroupBoxColor = new QGroupBox(QStringLiteral("Color Panel"), client);
  GroupBoxColor->setObjectName(QStringLiteral("GroupBoxColor"));
  GroupBoxColor->setGeometry(kColorRect);
  const QString markHint = CT("When Marking is checked, you can do color marking for each cell or Candidate.",
                              "选中时可以为每个单元标注颜色.");
  chkcolor = new QCheckBox(QStringLiteral("Marking"), GroupBoxColor);
  chkcolor->setObjectName(QStringLiteral("chkcolor"));
  chkcolor->setGeometry(12, 22, kSideWidth - 20, 20);
  chkcolor->setStatusTip(markHint);
  chkcolor->setToolTip(markHint);
  connect(chkcolor, &QCheckBox::toggled, this, [this](bool on) { game_.SetMarking(on); });
  ColorGrid1 = new TColorGrid(GroupBoxColor);
  ColorGrid1->setObjectName(QStringLiteral("ColorGrid1"));
  ColorGrid1->setGeometry((kSideWidth - 96) / 2, 46, 96, 100);
  ColorGrid1->setBackgroundEnabled(false);
  ColorGrid1->setSelection(1);
  ColorGrid1->setStatusTip(markHint);
  ColorGrid1->setToolTip(markHint);
  bt_clearcolor = new QPushButton(QStringLiteral("Clear Marking"), GroupBoxColor);
  bt_clearcolor->setObjectName(QStringLiteral("bt_clearcolor"));
  bt_clearcolor->setGeometry(15, 152, kSideWidth - 30, 26);
  bt_clearcolor->setStatusTip(
      CT("Click Clear Marking button to clear all the marked colors.", "点击清除所有标记的颜色."));
  bt_clearcolor->setToolTip(bt_clearcolor->statusTip());
  connect(bt_clearcolor, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);

  for (int d = 1; d <= 9; ++d) {
    auto* bar = new Tmousepb(d, client);
    bar->setObjectName(QStringLiteral("ProgressBar%1").arg(d));
    bar->setGeometry(kBarLefts[d], kBarTop, 11, 78);
    bar->setToolTip(QString::number(d));
    ProgressBar[d] = bar;
    connect(bar, &Tmousepb::mouseDown, this, [this](int digit, Qt::MouseButton) { ProgressBar1MouseDown(digit); });
  }
}

void TForm1::FormCreate() {
  setWindowTitle(kAppTitle);

  // The data folder and its replay folder; every file name is built from it.
  dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/sudokutessel/");
  QDir().mkpath(dataFolder);
  QDir().mkpath(dataFolder + QStringLiteral("replay"));

  game_.history().AbandonBranch();
  ColorGrid1->setForegroundIndex(11);

  // No game yet: the board shows nothing and takes no input.
  sd991->setEnabled(false);
  for (int i = 0; i < kCells; ++i) {
    Cell& c = sd991->board()[i];
    c.text.clear();
    c.state = kGiven;
  }
  WireBoard();
  DescribeBoard();
  sd991->RefreshAll();
  ShowFinishedMark();

  game_.ClearMarks();
}

// --- Game lifecycle ---

void TForm1::NewGame(int level) {
  ClearGame();
  SpeedButton1Click();
  chkcolor->setChecked(false);
  rb_none->setChecked(true);
  PressDigitButton(1);
  DealPuzzle(level, game_.store(), rng_);
  game_.SetInPlay();
  ndtxt->setText(QString::fromStdString(LevelText(level)));
  StartGame(true);
  RecountDigits();
  disnote1Click();
  ResetHistory();
  DisableStepButtons();
  TimeLabel1->setTimerenabled(true);
  TimeLabel1->setMS(0);
  sd991->setNd(level);
  sd991->HideCandidates();
}

void TForm1::ToolButton11Click() { NewGame(kVeryEasy); }
void TForm1::ToolButton5Click() { NewGame(kGentle); }
void TForm1::ToolButton6Click() { NewGame(kModerate); }
void TForm1::ToolButton7Click() { NewGame(kTough); }
void TForm1::ToolButton8Click() { NewGame(kDiabolical); }

void TForm1::ClearGame() {
  game_.Clear();
  PaintBaseColours(true);
  // Redrawn at once, so a load that fails after this never leaves the old
  // game on screen.
  sd991->RefreshAll();
}

void TForm1::ShowNoGame() {
  sd991->RefreshAll();
  DisableStepButtons();
  for (QAction* a : {b1, b2, b3}) a->setEnabled(false);
}

void TForm1::StartGame(bool fill) {
  game_.PutGivensOnBoard(fill);
  sd991->setEnabled(true);
  ShowFinishedMark();
  chkcolor->setChecked(false);
  b1->setEnabled(true);
  b2->setEnabled(false);
  b3->setEnabled(false);
}

void TForm1::tbresignClick() {
  if (!prompts_.Ask(this, CT("Are you sure you want to reset this game to the initial state?", "确定重玩?")))
    return;
  SpeedButton1Click();
  chkcolor->setChecked(false);
  game_.Restart();
  sd991->setEnabled(true);
  ShowFinishedMark();
  rb_none->setChecked(true);
  PressDigitButton(1);
  RecountDigits();
  disnote1Click();
  sd991->HideCandidates();
  ResetHistory();
  DisableStepButtons();
  TimeLabel1->setTimerenabled(true);
  TimeLabel1->setMS(0);
  RestoreEntryFonts();
  sd991->RequestRepaint();
}

void TForm1::ShowAutoCheck(bool on) { AutoCheckNewVersion1->setChecked(on); }

void TForm1::ShowFinishedMark() { wcAction_->setVisible(game_.finished()); }

bool TForm1::FinishedMarkShown() const { return wcAction_->isVisible(); }

void TForm1::TimeLabel1Timer() { TimeLabel1->setMS(TimeLabel1->MS() + TimeLabel1->timeinterval()); }

void TForm1::ShowFinish(bool byCellClick) {
  ShowFinishedMark();
  prompts_.Notice(this, CT("Puzzle solved", "恭喜您完成本题!!!"));
  TimeLabel1->setTimerenabled(false);
  if (byCellClick) {
    b1->setEnabled(false);
    b2->setEnabled(false);
    b3->setEnabled(false);
  }
}

void TForm1::RecountDigits() {
  const std::array<int, 9> counts = CountPlacedDigits(sd991->board());
  for (int d = 1; d <= 9; ++d) {
    ProgressBar[d]->setPosition(counts[d - 1]);
    ProgressBar[d]->setBarColor(ProgressBar[d]->position() == 9 ? Tmousepb::kFullColor : Tmousepb::kNormalColor);
  }
  // The history step that every board change ends with.
  RecordStep();
  UpdateStepButtons();
  // An explained step's sentence goes with its frames.
  if (game_.explained().empty() && hintText_ == explainedHint_) ClearHint();
}


void TForm1::DisableStepButtons() {
  for (QAction* a : {tbback, tbfirst, tbnext, tblast}) a->setEnabled(false);
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
  // No question before closing. First the game with its history to
  // lastgame.dat, then "Auto_check" and the settings file. Only a game on the
  // board is written: a run without one must not blank the last game.
  if (game_.inPlay()) WriteGameFile(dataFolder + QStringLiteral("lastgame.dat"));
  // Silent like the last game: the window is going. The colours were saved
  // by OK or Default already.
  if (frmAppearance) frmAppearance->StoreAutoCheck(AutoCheckNewVersion1->isChecked());
}

// --- Display modes and colour marks ---

int TForm1::SelectedDigit() const { return game_.selectedDigit(); }

void TForm1::SyncSelectedDigit() {
  int d = 0;
  for (int k = 9; k >= 1 && d == 0; --k)
    if (disnote[k]->isChecked()) d = k;
  game_.SetSelectedDigit(d);
}

void TForm1::PressDigitButton(int d) {
  {
    const QScopedValueRollback<bool> guard(settingDigits_, true);
    for (int k = 1; k <= 9; ++k) disnote[k]->setChecked(k == d);
  }
  SyncSelectedDigit();
}

void TForm1::SetDigitButtons(int d) {
  allowAllUp_ = d == 0;
  if (d >= 1 && d <= 9) PressDigitButton(d);
}

TColor TForm1::CellBaseColour(int row, int col) const {
  return tessel::CellBaseColour(sd991->board(), sd991->Look(), row, col, SelectedDigit());
}

void TForm1::PaintBaseColours(bool clear) {
  tessel::PaintBaseColours(sd991->board(), sd991->Look(), SelectedDigit(), sd991->view());
  if (clear) game_.ClearMarks();
  sd991->RequestRepaint();
}

void TForm1::HighlightSelected() {
  tessel::HighlightSelected(sd991->board(), sd991->Look(), SelectedDigit(), sd991->view());
  sd991->RequestRepaint();
}

void TForm1::ApplyMarks() {
  tessel::ApplyMarks(sd991->board(), sd991->Look(), SelectedDigit(), game_.marks(), sd991->view());
  RestoreEntryFonts();
}

void TForm1::RestoreEntryFonts() {
  tessel::RestoreEntryFonts(sd991->board(), game_.store(), sd991->Look(), sd991->view());
  sd991->RequestRepaint();
}

void TForm1::rb_noneClick() {
  Board& board = sd991->board();
  UpdateGuard guard(*sd991);
  auto fillLists = [&] { FillCandidateLists(board, game_.autoUpdate()); };
  if (game_.mode() == DisplayMode::kNone) {
    sd991->DrawDigitsOnly();
    if (SelectedDigit() == 0) SetDigitButtons(1);
    HighlightSelected();
    AssignCellMenus(board, -1, sd991->view());
  } else if (game_.mode() == DisplayMode::kAll) {
    fillLists();
    sd991->DrawAllCandidates();
    AssignCellMenus(board, 0, sd991->view());
    SetDigitButtons(0);
    RecountDigits();
    HighlightSelected();
  } else {
    fillLists();
    const int d = SelectedDigit() != 0 ? SelectedDigit() : 1;
    AssignCellMenus(board, d, sd991->view());
    SetDigitButtons(d);
    sd991->DrawFiltered(d);
    RecountDigits();
    HighlightSelected();
  }
  ApplyMarks();
  DescribeBoard();
}

void TForm1::disnote1Click() {
  Board& board = sd991->board();
  {
    UpdateGuard guard(*sd991);
    const int sel = SelectedDigit();
    if (game_.mode() == DisplayMode::kNone) {
      sd991->DrawDigitsOnly();
    } else if (game_.mode() == DisplayMode::kOnlyOne) {
      FillEmptyTexts(board);
      // No digit chosen: no cell has the menu.
      AssignCellMenus(board, sel == 0 ? -1 : sel, sd991->view());
      sd991->DrawFiltered(sel);
    } else {
      sd991->DrawAllCandidates();
    }
    ApplyMarks();
  }
  DescribeBoard();
}

void TForm1::DescribeBoard() {
  // A screen reader cannot see which digit a click would place.
  const int d = SelectedDigit();
  const QString mode = game_.mode() == DisplayMode::kAll       ? QStringLiteral("all candidates shown")
                       : game_.mode() == DisplayMode::kOnlyOne ? QStringLiteral("candidates of the chosen digit shown")
                                                               : QStringLiteral("candidates hidden");
  sd991->setAccessibleDescription(d == 0 ? mode : QStringLiteral("Digit %1 chosen, %2").arg(d).arg(mode));
}

void TForm1::SpeedButton1Click() { PaintBaseColours(true); }

void TForm1::ProgressBar1MouseDown(int digit) {
  PressDigitButton(digit);
  disnote1Click();
}

// --- Status bar ---

void TForm1::ShowHint(const QString& text) {
  QPalette pal = sb1->palette();
  pal.setColor(QPalette::Window, ToQColor(kHintColour));
  sb1->setPalette(pal);
  // A long hint gets a smaller font rather than being cut off; one that
  // still does not fit is shortened, and its tooltip holds it whole.
  hintText_ = text;
  QFont font = QApplication::font(sb1);
  const int room = sb1->contentsRect().width() - kHintMargin;
  int px = QFontInfo(font).pixelSize();
  font.setPixelSize(px);
  while (px > kSmallestHintPx && QFontMetrics(font).horizontalAdvance(text) > room) font.setPixelSize(--px);
  sb1->setFont(font);
  const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, room);
  sb1->setToolTip(shown == text ? QString() : text);
  sb1->showMessage(shown);
}

void TForm1::ClearHint() {
  // While a step is framed on the board its sentence stays readable: the
  // pointer passing over the board only covers it for a moment.
  if (!game_.explained().empty()) {
    ShowHint(QString::fromStdString(game_.explained()));
    return;
  }
  hintText_.clear();
  sb1->clearMessage();
  sb1->setToolTip(QString());
  sb1->setPalette(QPalette());
}

QString TForm1::HintText() const { return hintText_; }

bool TForm1::event(QEvent* event) {
  // Hints of the tool bars and the side panel go to sb1.
  if (event->type() == QEvent::StatusTip) {
    const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
    if (tip.isEmpty())
      ClearHint();
    else
      ShowHint(tip);
    return true;
  }
  return QMainWindow::event(event);
}

// --- Keys ---

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Neutral areas clear the hint; the board frame surrounds the board, so
  // leaving the board means entering the frame.
  if ((event->type() == QEvent::Enter && IsNeutralHintArea(watched)) ||
      (event->type() == QEvent::Leave && watched == sd991))
    ClearHint();
  if (event->type() == QEvent::KeyPress) {
    auto* w = qobject_cast<QWidget*>(watched);
    // A key the focused control ignores travels up to its parents; preview it once.
    const bool propagated = event == previewedKey_ && previewedAt_ && w && w == previewedAt_->parentWidget();
    previewedKey_ = event;
    previewedAt_ = w;
    if (w && w->window() == this && !propagated) FormKeyDown(static_cast<QKeyEvent*>(event));
  }
  return QMainWindow::eventFilter(watched, event);
}

// --- Commands of later changes ---

void TForm1::ExplainNextStep() {
  const Explanation e = game_.ExplainNextStep();
  explainedHint_ = QString::fromStdString(e.sentence);
  ShowHint(explainedHint_);
  sd991->RequestRepaint();
}

void TForm1::appearance1Click() {
  if (frmAppearance && runModal_) runModal_(*frmAppearance);
}

// --- Periphery ---

bool TForm1::OpenUrl(const QUrl& url) { return openUrl_ && openUrl_(url); }

void TForm1::Contents1Click() {
  // The browser needs a real file, not a resource path.
  QFile source(QStringLiteral(":/help/index.html"));
  const QString target = dataFolder + QStringLiteral("help.html");
  if (!source.open(QIODevice::ReadOnly) ||
      !WriteFileAtomic(QFile::encodeName(target).toStdString(), source.readAll().toStdString())) {
    prompts_.Notice(this, CT("The help page could not be written to ", "无法写入帮助文件 ") + target);
    return;
  }
  if (!OpenUrl(QUrl::fromLocalFile(target)))
    prompts_.Notice(this, CT("The help page could not be opened: ", "无法打开帮助文件: ") + target);
}

void TForm1::HomePage1Click() { OpenUrl(QUrl(kHomePage)); }

void TForm1::Feedback1Click() { OpenUrl(QUrl(kHomePage + QStringLiteral("/feedback"))); }

void TForm1::CheckNewVersion1Click() {
  prompts_.Notice(this, CT("No update check is available in this build.\nThe newest version is at ",
                           "此版本不能检查更新.\n最新版本请见 ") +
                            kHomePage);
}

void TForm1::About1Click() {
  prompts_.Notice(this, kAppTitle + QStringLiteral("\n\n") +
                            CT("A Sudoku game for one player, version 4.65.\n"
                               "Released under the MIT licence.",
                               "单人数独游戏, 版本 4.65.\n以 MIT 许可证发布.") +
                            QStringLiteral("\n\n") + kHomePage);
}

}  // namespace tessel::ui
