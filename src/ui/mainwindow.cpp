#include "ui/mainwindow.hpp"

#include <QAccessible>
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
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

#include <optional>

#include "core/board.hpp"
#include "core/boardview.hpp"
#include "core/textfile.hpp"
#include "ui/appearance.hpp"
#include "ui/icons.hpp"
#include "ui/language.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/texts.hpp"
#include "widgets/boardaccess.hpp"

namespace tessel::ui {

namespace {

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

// The key of options.ini that holds Keyboard Play.
constexpr const char* kKeyboardPlayKey = "keyboard play";

// A caption as a hint: "&Exit" reads "Exit", "退出(&X)" reads "退出".
QString WithoutMnemonic(QString text) {
  static const QRegularExpression kChineseStyle(QStringLiteral("\\(&[^)]\\)"));
  return text.remove(kChineseStyle).remove(QLatin1Char('&'));
}

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
             TForm1::tr("Solved"));
  return pm;
}

// A widget with its object name, by which tests and scripts find it.
template <class W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// The same hint in the status bar and as a tooltip.
template <class W>
W* Hinted(W* widget, const QString& hint) {
  widget->setStatusTip(hint);
  widget->setToolTip(hint);
  return widget;
}

QToolBar* MakeToolBar(QWidget* client, const char* name, int top) {
  auto* bar = Named(new QToolBar(client), name);
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(20, 20));
  bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  bar->setGeometry(0, top, TForm1::kClientWidth, kToolBarHeight);
  return bar;
}

// The buttons take their command's object name; nullptr: a separator.
void AddCommands(QToolBar* bar, std::initializer_list<QAction*> actions) {
  for (QAction* a : actions) {
    if (!a) {
      bar->addSeparator();
      continue;
    }
    bar->addAction(a);
    if (QWidget* w = bar->widgetForAction(a)) w->setObjectName(a->objectName());
  }
}

// A digit button of the side panel: flat, checkable, in a 3 x 3 grid.
QToolButton* MakeDigitButton(QGroupBox* box, int d, const QString& hint) {
  constexpr int kDigitW = 34, kDigitH = 26, kGap = 3;
  const int gridLeft = (kSideWidth - 3 * kDigitW - 2 * kGap) / 2;
  auto* b = new QToolButton(box);
  b->setObjectName(QStringLiteral("disnote%1").arg(d));
  b->setText(QString::number(d));
  b->setAccessibleName(TForm1::tr("Digit %1").arg(d));
  b->setToolTip(TForm1::tr("Choose digit %1 (key %1)").arg(d));
  b->setStatusTip(hint);
  b->setCheckable(true);
  b->setAutoRaise(true);  // flat
  QFont font = box->font();
  font.setBold(true);
  font.setPixelSize(14);
  b->setFont(font);
  b->setGeometry(gridLeft + ((d - 1) % 3) * (kDigitW + kGap), 88 + ((d - 1) / 3) * (kDigitH + kGap), kDigitW,
                 kDigitH);
  return b;
}

// The game clock: bold lime digits, stopped at zero.
TTimeLabel* MakeClock(QWidget* parent) {
  auto* clock = Named(new TTimeLabel(parent), "TimeLabel1");
  clock->setFixedSize(77, 22);
  QFont font = clock->font();
  font.setPixelSize(15);
  font.setBold(true);
  clock->setFont(font);
  clock->setTimerenabled(false);
  clock->setTimeinterval(100);
  clock->setMS(0);
  return clock;
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
  search_ = new StepSearch(this);
  connect(search_, &StepSearch::found, this, &TForm1::StepFound);
  Frmdas = new TFrmdas(this);
  frmAppearance = new TfrmAppearance(*this);
  Refresh();

  adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect area = screen->availableGeometry();
    move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
  }
}

TForm1::~TForm1() {
  qApp->removeEventFilter(this);
}

// --- Construction ---

// Every command: its action member, object name, caption, hint (empty: the
// caption without "&"), icon and slot.
struct TForm1::ActionDef {
  QAction* TForm1::*action;
  const char* name;
  const char* text;
  const char* hint;
  std::optional<IconId> icon;
  void (TForm1::*slot)();
};

const TForm1::ActionDef TForm1::kActions[] = {
    {&TForm1::SaveCurrentBoard1, "SaveCurrentBoard1", QT_TR_NOOP("&Save Current Board"), "", IconId::SaveGame,
     &TForm1::SaveCurrentBoard1Click},
    {&TForm1::ToolButton1, "ToolButton1", QT_TR_NOOP("Display Your Game List"), "", IconId::GameList,
     &TForm1::ToolButton1Click},
    {&TForm1::ToolButton12, "ToolButton12", QT_TR_NOOP("Printable Board"), "", IconId::Printable,
     &TForm1::ToolButton12Click},
    {&TForm1::ToolButton4, "ToolButton4", QT_TR_NOOP("&Import or Create Sudoku"), "", IconId::Import,
     &TForm1::ToolButton4Click},
    {&TForm1::Con1, "Con1", QT_TR_NOOP("Continue Your Last Game"), "", {}, &TForm1::Con1Click},
    {&TForm1::Exit1, "Exit1", QT_TR_NOOP("&Exit"), "", {}, &TForm1::Exit1Click},
    {&TForm1::appearance1, "appearance1", QT_TR_NOOP("Appearance"), "", {}, &TForm1::appearance1Click},
    {&TForm1::savet, "savet", QT_TR_NOOP("Save Replay"), "", {}, &TForm1::savetClick},
    {&TForm1::objectSaveGameStepByStep1TMenuItem1, "objectSaveGameStepByStep1TMenuItem1", QT_TR_NOOP("Load Replay"),
     "", {}, &TForm1::objectSaveGameStepByStep1TMenuItem1Click},
    {&TForm1::CopyPuzzleToClipboard1, "CopyPuzzleToClipboard1", QT_TR_NOOP("Copy Puzzle To Clipboard"), "",
     IconId::Copy, &TForm1::CopyPuzzleToClipboard1Click},
    {&TForm1::ExplainNextStep1, "ExplainNextStep1", QT_TR_NOOP("Explain Next Step"), "", {},
     &TForm1::ExplainNextStep},
    {&TForm1::ApplyExplainedStep1, "ApplyExplainedStep1", QT_TR_NOOP("Apply Explained Step"),
     QT_TR_NOOP("Make the explained step on the board"), {}, &TForm1::ApplyExplainedStep},
    {&TForm1::KeyboardPlay1, "KeyboardPlay1", QT_TR_NOOP("&Keyboard Play"),
     QT_TR_NOOP("Move a cursor on the board with the arrow keys and play with the keys"), {},
     &TForm1::KeyboardPlay1Click},
    {&TForm1::tbresign, "tbresign", QT_TR_NOOP("Restart"), "", IconId::Restart, &TForm1::tbresignClick},
    {&TForm1::tbsolve, "tbsolve", QT_TR_NOOP("Show Solution"), "", IconId::Solve, &TForm1::tbsolveClick},
    {&TForm1::ToolButton16, "ToolButton16", QT_TR_NOOP("Check Error"), "", IconId::CheckError,
     &TForm1::ToolButton16Click},
    {&TForm1::ToolButton9, "ToolButton9", QT_TR_NOOP("Show hint"), "", IconId::Hint, &TForm1::ToolButton9Click},
    {&TForm1::b1, "b1", QT_TR_NOOP("Start Branch"), "", IconId::StartBranch, &TForm1::b1Click},
    {&TForm1::b2, "b2", QT_TR_NOOP("Accept Branch"), "", IconId::AcceptBranch, &TForm1::b2Click},
    {&TForm1::b3, "b3", QT_TR_NOOP("Reject Branch"), "", IconId::RejectBranch, &TForm1::b3Click},
    {&TForm1::tbfirst, "tbfirst", QT_TR_NOOP("First Step"), "", IconId::First, &TForm1::tbfirstClick},
    {&TForm1::tbback, "tbback", QT_TR_NOOP("Back Step"), "", IconId::Back, &TForm1::tbbackClick},
    {&TForm1::tbnext, "tbnext", QT_TR_NOOP("Next Step"), "", IconId::Next, &TForm1::tbnextClick},
    {&TForm1::tblast, "tblast", QT_TR_NOOP("Last Step"), "", IconId::Last, &TForm1::tblastClick},
    {&TForm1::Contents1, "Contents1", QT_TR_NOOP("Contents"), QT_TR_NOOP("Open the help page"), {},
     &TForm1::Contents1Click},
    {&TForm1::HomePage1, "HomePage1", QT_TR_NOOP("Sudoku Tessel Home Page"),
     QT_TR_NOOP("Visit the Sudoku Tessel home page"), {}, &TForm1::HomePage1Click},
    {&TForm1::Feedback1, "Feedback1", QT_TR_NOOP("Send Feedback"), QT_TR_NOOP("Report a problem or an idea"), {},
     &TForm1::Feedback1Click},
    {&TForm1::CheckNewVersion1, "CheckNewVersion1", QT_TR_NOOP("Check New Version"),
     QT_TR_NOOP("Check for a newer version"), {}, &TForm1::CheckNewVersion1Click},
    {&TForm1::AutoCheckNewVersion1, "AutoCheckNewVersion1", QT_TR_NOOP("Auto Check New Version"),
     QT_TR_NOOP("Check for a newer version at start"), {}, nullptr},
    {&TForm1::About1, "About1", QT_TR_NOOP("&About SudokuTessel"), "", {}, &TForm1::About1Click},
};

QAction* TForm1::MakeAction(const char* name, const QString& text, const QString& hint) {
  auto* a = new QAction(text, this);
  a->setObjectName(QString::fromLatin1(name));
  a->setToolTip(hint);
  a->setStatusTip(hint);
  return a;
}

void TForm1::BuildActions() {
  for (const ActionDef& d : kActions) {
    const QString text = tr(d.text);
    QAction* a = MakeAction(d.name, text, *d.hint ? tr(d.hint) : WithoutMnemonic(text));
    // What a tool button says to a screen reader, without a "(S)" left over.
    a->setIconText(WithoutMnemonic(text));
    if (d.icon) a->setIcon(MakeIcon(*d.icon));
    if (d.slot) connect(a, &QAction::triggered, this, d.slot);
    this->*d.action = a;
  }
  AutoCheckNewVersion1->setCheckable(true);
  KeyboardPlay1->setCheckable(true);

  const char* levelNames[5] = {"ToolButton11", "ToolButton5", "ToolButton6", "ToolButton7", "ToolButton8"};
  QAction** levelActions[5] = {&ToolButton11, &ToolButton5, &ToolButton6, &ToolButton7, &ToolButton8};
  void (TForm1::*levelSlots[5])() = {&TForm1::ToolButton11Click, &TForm1::ToolButton5Click, &TForm1::ToolButton6Click,
                                     &TForm1::ToolButton7Click, &TForm1::ToolButton8Click};
  for (int level = 0; level < 5; ++level) {
    QString name = QString::fromStdString(LevelName(level));
    QAction* a = MakeAction(levelNames[level], name, tr("Create Sudoku:%1").arg(name));
    a->setIcon(MakeIcon(LevelIcon(level)));
    connect(a, &QAction::triggered, this, levelSlots[level]);
    *levelActions[level] = a;
  }

  // Command shortcuts; F1-F3 and the digit keys stay with the key preview.
  SaveCurrentBoard1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  ToolButton1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  ToolButton12->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  tbback->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  tbnext->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  ExplainNextStep1->setShortcut(QKeySequence(Qt::Key_F4));
  ApplyExplainedStep1->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F4));
}

void TForm1::BuildMenus() {
  // nullptr: a separator.
  const auto menu = [this](const QString& title, const char* name, std::initializer_list<QAction*> items) {
    QMenu* m = Named(menuBar()->addMenu(title), name);
    for (QAction* a : items) {
      if (a)
        m->addAction(a);
      else
        m->addSeparator();
    }
  };
  menu(tr("&File"), "File1", {SaveCurrentBoard1, ToolButton1, ToolButton12, ToolButton4, Con1, nullptr, Exit1});
  menu(tr("&New Game"), "NewGame1",
       {ToolButton11, ToolButton5, ToolButton6, ToolButton7, ToolButton8, nullptr, ToolButton1});
  // Back and Next Step are here for their shortcuts to show.
  menu(tr("&Tools"), "Tools1",
       {appearance1, nullptr, savet, objectSaveGameStepByStep1TMenuItem1, nullptr, CopyPuzzleToClipboard1, nullptr,
        ExplainNextStep1, ApplyExplainedStep1, KeyboardPlay1, tbback, tbnext});
  menu(tr("&Help"), "Help1",
       {Contents1, nullptr, HomePage1, Feedback1, nullptr, CheckNewVersion1, AutoCheckNewVersion1, nullptr, About1});
}

void TForm1::BuildToolBars(QWidget* client) {
  ToolBar1 = MakeToolBar(client, "ToolBar1", 0);
  AddCommands(ToolBar1, {ToolButton1, SaveCurrentBoard1, ToolButton12, ToolButton4, nullptr, ToolButton11,
                         ToolButton5, ToolButton6, ToolButton7, ToolButton8, nullptr});
  TimeLabel1 = MakeClock(ToolBar1);
  connect(TimeLabel1, &TTimeLabel::timer, this, &TForm1::TimeLabel1Timer);
  ToolBar1->addWidget(TimeLabel1);
  AddCommands(ToolBar1, {nullptr, tbresign, tbsolve, CopyPuzzleToClipboard1});
  ndtxt = Named(new QLabel(ToolBar1), "ndtxt");
  QFont levelFont = ndtxt->font();
  levelFont.setBold(true);
  ndtxt->setFont(levelFont);
  ndtxt->setMinimumWidth(140);
  ToolBar1->addWidget(ndtxt);

  ToolBar2 = MakeToolBar(client, "ToolBar2", kToolBar2Top);
  cbautoupdate = Hinted(Named(new QCheckBox(tr("Auto Update Candidates"), ToolBar2), "cbautoupdate"),
                        CT("When this box checked,Will auto update candidate numbers.", "当选中是将会自动更新候选数."));
  cbautoupdate->setChecked(game_.autoUpdate());
  connect(cbautoupdate, &QCheckBox::toggled, this, [this](bool on) { game_.SetAutoUpdate(on); });
  ToolBar2->addWidget(cbautoupdate);
  AddCommands(ToolBar2,
              {nullptr, ToolButton16, ToolButton9, nullptr, b1, b2, b3, nullptr, tbfirst, tbback, tbnext, tblast});
  WC_Label = Named(new QLabel(ToolBar2), "WC_Label");
  WC_Label->setPixmap(SolvedBadge(devicePixelRatioF()));
  WC_Label->setContentsMargins(8, 0, 0, 0);
  WC_Label->setAccessibleName(tr("Solved"));
  // A toolbar shows and hides its widgets through their actions.
  wcAction_ = ToolBar2->addWidget(WC_Label);
}

void TForm1::BuildBoard(QWidget* client) {
  Panel1 = new QWidget(client);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(kPanel1Rect);

  sd991 = new TPICSD33(Panel1);
  sd991->setObjectName(QStringLiteral("sd991"));
  sd991->setHoverFrames(true);
  sd991->move(kBoardLeft, kBoardTop);
  // The main board's own settings, over the class defaults.
  sd991->setUNFoucsColor2(16747403);
  sd991->setFONTSize1(20);
  sd991->setFONTSize2(20);
  sd991->setFONTSize3(10);
  sd991->setFONTColor3(13238272);
  sd991->setErrorcolor(239);
  sd991->setHighcolor(9813909);
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
    // A CJK system font is a pixel taller; the digits stay centred where they were.
    colLabel->setGeometry(kBoardLeft + o, 1, TPICSD33::kCellSize, kBoardTop - 2);
    auto* rowLabel = new QLabel(QString(QChar('A' + i - 1)), Panel1);
    rowLabel->setObjectName(QStringLiteral("RowLabel%1").arg(i));
    rowLabel->setFont(labelFont);
    rowLabel->setAlignment(Qt::AlignCenter);
    rowLabel->setGeometry(2, kBoardTop + o, kBoardLeft - 4, TPICSD33::kCellSize);
  }
}

void TForm1::BuildSidePanel(QWidget* client) {
  GroupBoxCandidates = Named(new QGroupBox(tr("Show Candidates"), client), "GroupBoxCandidates");
  GroupBoxCandidates->setGeometry(kCandidatesRect);
  rb_none = Hinted(Named(new QRadioButton(tr("None  (F1)"), GroupBoxCandidates), "rb_none"),
                   CT("When the Display Candidates [None] is checked, hide all the candidates.",
                      "该显示模式将隐藏所有的候选数."));
  rb_all = Hinted(Named(new QRadioButton(tr("All  (F2)"), GroupBoxCandidates), "rb_all"),
                  CT("When the Display Candidates [All] is checked, display all the candidates.",
                     "该显示模式将显示所有的候选数."));
  rb_one = Hinted(Named(new QRadioButton(tr("Only one  (F3)"), GroupBoxCandidates), "rb_one"),
                  CT("When this box is checked, display only those cells corresponding to clicked "
                     "Candidate on the numerical panel.",
                     "该显示模式仅显示包含指定数字的候选数."));
  rb_none->setChecked(true);  // before the wiring: no game to redraw yet
  int y = 22;
  for (QRadioButton* rb : {rb_none, rb_all, rb_one}) {
    rb->setGeometry(12, y, kSideWidth - 20, 20);
    y += 21;
    connect(rb, &QRadioButton::toggled, this, [this, rb](bool on) {
      if (!on) return;
      game_.SetMode(rb == rb_all ? DisplayMode::kAll : rb == rb_one ? DisplayMode::kOnlyOne : DisplayMode::kNone);
      Refresh();
    });
  }
  const QString digitHint = CT("You can type number 1..9 to select it quickly.", "可以按数字键1..9快速选择.");
  for (int d = 1; d <= 9; ++d) {
    disnote[d] = MakeDigitButton(GroupBoxCandidates, d, digitHint);
    // One group: pressing one releases the others; the game decides whether
    // the pressed one may come up. Every way a button gets toggled (mouse,
    // an accessibility action) runs this.
    connect(disnote[d], &QToolButton::toggled, this, [this, d] {
      game_.ToggleDigit(d);
      Refresh();
    });
  }

  GroupBoxColor = Named(new QGroupBox(tr("Color Panel"), client), "GroupBoxColor");
  GroupBoxColor->setGeometry(kColorRect);
  const QString markHint = CT("When Marking is checked, you can do color marking for each cell or Candidate.",
                              "选中时可以为每个单元标注颜色.");
  chkcolor = Hinted(Named(new QCheckBox(tr("Marking"), GroupBoxColor), "chkcolor"), markHint);
  chkcolor->setGeometry(12, 22, kSideWidth - 20, 20);
  connect(chkcolor, &QCheckBox::toggled, this, [this](bool on) { game_.SetMarking(on); });
  ColorGrid1 = Hinted(Named(new TColorGrid(GroupBoxColor), "ColorGrid1"), markHint);
  ColorGrid1->setGeometry((kSideWidth - 96) / 2, 46, 96, 100);
  ColorGrid1->setBackgroundEnabled(false);
  ColorGrid1->setSelection(1);
  bt_clearcolor = Hinted(Named(new QPushButton(tr("Clear Marking"), GroupBoxColor), "bt_clearcolor"),
                         CT("Click Clear Marking button to clear all the marked colors.", "点击清除所有标记的颜色."));
  bt_clearcolor->setGeometry(15, 152, kSideWidth - 30, 26);
  connect(bt_clearcolor, &QPushButton::clicked, this, &TForm1::SpeedButton1Click);

  for (int d = 1; d <= 9; ++d) {
    ProgressBar[d] = Named(new Tmousepb(d, client), QStringLiteral("ProgressBar%1").arg(d).toLatin1().constData());
    ProgressBar[d]->setGeometry(kBarLefts[d], kBarTop, 11, 78);
    ProgressBar[d]->setToolTip(QString::number(d));
    connect(ProgressBar[d], &Tmousepb::mouseDown, this, [this](int digit, Qt::MouseButton) { ProgressBar1MouseDown(digit); });
  }
}

void TForm1::FormCreate() {
  setWindowTitle(kAppTitle);

  // The data folder and its replay folder; every file name is built from it.
  dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/sudokutessel/");
  QDir().mkpath(dataFolder);
  QDir().mkpath(dataFolder + QStringLiteral("replay"));

  ColorGrid1->setForegroundIndex(11);
  WireBoard();

  // Keyboard Play as the player left it; a missing file means off.
  options_.SetPath(QFile::encodeName(dataFolder + QStringLiteral("options.ini")).toStdString());
  const bool keys = options_.LoadFile() && options_.ReadSetting(kKeyboardPlayKey) == "1";
  KeyboardPlay1->setChecked(keys);
  game_.SetKeyboardPlay(keys);
  sd991->setKeyboardPlay(keys);
}

void TForm1::KeyboardPlay1Click() {
  const bool on = KeyboardPlay1->isChecked();
  game_.SetKeyboardPlay(on);
  sd991->setKeyboardPlay(on);
  if (on) sd991->setFocus(Qt::OtherFocusReason);
  std::string error;
  if (!options_.StoreOneSetting(kKeyboardPlayKey, on ? "1" : "0", &error))
    prompts_.Notice(this, CT("The choice could not be saved: ", "无法保存设置: ") + QString::fromLocal8Bit(error));
  Refresh();
}

// --- Game lifecycle ---

void TForm1::NewGame(int level) {
  game_.NewGame(level, rng_);
  Refresh();
}

void TForm1::ToolButton11Click() { NewGame(kVeryEasy); }
void TForm1::ToolButton5Click() { NewGame(kGentle); }
void TForm1::ToolButton6Click() { NewGame(kModerate); }
void TForm1::ToolButton7Click() { NewGame(kTough); }
void TForm1::ToolButton8Click() { NewGame(kDiabolical); }

void TForm1::tbresignClick() {
  if (!prompts_.Ask(this, CT("Are you sure you want to reset this game to the initial state?", "确定重玩?")))
    return;
  game_.Restart();
  Refresh();
}

void TForm1::ShowAutoCheck(bool on) { AutoCheckNewVersion1->setChecked(on); }

bool TForm1::FinishedMarkShown() const { return wcAction_->isVisible(); }

void TForm1::TimeLabel1Timer() { TimeLabel1->setMS(TimeLabel1->MS() + TimeLabel1->timeinterval()); }

void TForm1::Played(const PlayResult& result) {
  Refresh();
  // The board is painted before the modal notice.
  if (result.finished) prompts_.Notice(this, CT("Puzzle solved", "恭喜您完成本题!!!"));
}

// --- Showing the game ---

void TForm1::Refresh() {
  {
    UpdateGuard guard(*sd991);
    sd991->SetView(Render(game_, sd991->Look()));
    const bool enabling = !sd991->isEnabled() && game_.started();
    sd991->setEnabled(game_.started());
    // The first game's board takes the keys at once, once the menu that
    // dealt it has closed and given the focus back.
    if (enabling && game_.keyboardPlay())
      QMetaObject::invokeMethod(sd991, [board = sd991] { board->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
  }
  const std::array<int, 9>& counts = game_.digitCounts();
  for (int d = 1; d <= 9; ++d) {
    ProgressBar[d]->setPosition(counts[d - 1]);
    ProgressBar[d]->setBarColor(counts[d - 1] == 9 ? Tmousepb::kFullColor : Tmousepb::kNormalColor);
  }
  ShowStepButtons();
  wcAction_->setVisible(game_.finished());
  ndtxt->setText(QString::fromStdString(game_.LevelLabel()));
  TimeLabel1->setTimeinterval(game_.clockInterval());
  if (clockStarts_ != game_.clockStarts()) {
    clockStarts_ = game_.clockStarts();
    TimeLabel1->setMS(0);
  }
  TimeLabel1->setTimerenabled(game_.clockRunning());
  ShowLookControls();
  DescribeBoard();
  // An explained step's sentence goes with its frames; a search for a
  // position the board has left is dropped.
  if (game_.explained().empty() && hintText_ == explainedHint_) ClearHint();
  search_->DropUnless(game_);
}

void TForm1::ShowStepButtons() {
  tbfirst->setEnabled(game_.CanStepBack());
  tbback->setEnabled(game_.CanStepBack());
  tbnext->setEnabled(game_.CanStepForward());
  tblast->setEnabled(game_.CanStepForward());
  b1->setEnabled(game_.CanStartBranch());
  b2->setEnabled(game_.CanEndBranch());
  b3->setEnabled(game_.CanEndBranch());
}

void TForm1::ShowLookControls() {
  // Set quietly: these controls report the player's own changes only.
  const DisplayMode mode = game_.mode();
  for (auto [rb, m] : {std::pair{rb_none, DisplayMode::kNone}, std::pair{rb_all, DisplayMode::kAll},
                       std::pair{rb_one, DisplayMode::kOnlyOne}}) {
    const QSignalBlocker quiet(rb);
    rb->setChecked(mode == m);
  }
  for (int d = 1; d <= 9; ++d) {
    const QSignalBlocker quiet(disnote[d]);
    disnote[d]->setChecked(game_.selectedDigit() == d);
  }
  for (auto [box, on] : {std::pair{chkcolor, game_.marking()}, std::pair{cbautoupdate, game_.autoUpdate()}}) {
    const QSignalBlocker quiet(box);
    box->setChecked(on);
  }
}

BoardLook TForm1::Look() const { return sd991->Look(); }

void TForm1::ApplyLook(const BoardLook& look) {
  sd991->SetLook(look);
  game_.ShowNewLook();
  Refresh();
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

void TForm1::DescribeBoard() {
  // A screen reader cannot see which digit a click would place.
  const int d = game_.selectedDigit();
  const QString mode = game_.mode() == DisplayMode::kAll       ? tr("all candidates shown")
                       : game_.mode() == DisplayMode::kOnlyOne ? tr("candidates of the chosen digit shown")
                                                               : tr("candidates hidden");
  sd991->setAccessibleDescription(d == 0 ? mode : tr("Digit %1 chosen, %2").arg(d).arg(mode));
}

void TForm1::SpeedButton1Click() {
  game_.ClearMarks();
  Refresh();
}

void TForm1::ProgressBar1MouseDown(int digit) {
  game_.ChooseDigit(digit);
  Refresh();
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
  // A screen reader is told the whole sentence at once.
  sb1->setAccessibleName(text);
  QAccessibleEvent alert(sb1, QAccessible::Alert);
  NotifyAccessible(&alert);
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
  sb1->setAccessibleName(QString());
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
  if (event->type() == QEvent::KeyPress && watched == sd991 && game_.keyboardPlay() &&
      BoardKeyDown(static_cast<QKeyEvent*>(event)))
    return true;
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

// The board and the status bar with what Explain has found so far.
void TForm1::ShowExplained() {
  Refresh();
  explainedHint_ = QString::fromStdString(game_.explained());
  ShowHint(explainedHint_);
}

void TForm1::ExplainNextStep() {
  // A third F4 on a long step that the status bar had to shorten shows it whole.
  const bool shownWhole = game_.explanationFramed() && hintText_ == explainedHint_;
  if (const auto job = game_.NextExplainStage()) {
    SearchStep(*job, false);
    return;
  }
  if (shownWhole && !sb1->toolTip().isEmpty()) {
    prompts_.Notice(this, explainedHint_);
    return;
  }
  ShowExplained();
}

void TForm1::ApplyExplainedStep() {
  if (game_.CanApplyExplained()) {
    const std::string sentence = game_.explanation().sentence;
    Played(game_.ApplyExplained());
    ShowHint(QString::fromStdString(sentence));
    return;
  }
  if (const auto job = game_.NextExplainStage()) SearchStep(*job, true);
}

void TForm1::SearchStep(const Game::ExplainJob& job, bool apply) {
  searchApplies_ = apply;
  if (search_->Start(job))
    StepFound();
  else
    ShowHint(CT("Looking for the next step...", "正在寻找下一步..."));
}

void TForm1::StepFound() {
  const auto found = search_->Take();
  if (!found || !game_.TakeExplanation(found->first, found->second)) {
    // The board moved on while the search ran.
    if (found) ClearHint();
    return;
  }
  if (searchApplies_) {
    ApplyExplainedStep();
    return;
  }
  ShowExplained();
}

void TForm1::appearance1Click() {
  if (frmAppearance && runModal_) runModal_(*frmAppearance);
}

// --- Periphery ---

bool TForm1::OpenUrl(const QUrl& url) { return openUrl_ && openUrl_(url); }

void TForm1::Contents1Click() {
  // The browser needs a real file, not a resource path. The page is in the
  // window's language.
  QFile source(CurrentLanguage() == QLatin1String("zh_CN") ? QStringLiteral(":/help/index_zh_CN.html")
                                                          : QStringLiteral(":/help/index.html"));
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
                            CT("A Sudoku game for one player, version %1.\n"
                               "Released under the MIT licence.",
                               "单人数独游戏, 版本 %1.\n以 MIT 许可证发布.")
                                .arg(kVersion) +
                            QStringLiteral("\n\n") + kHomePage);
}

}  // namespace tessel::ui
