// The printable board and the copy-to-clipboard dialog.
#include "ui/output.hpp"

#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>
#include <string>
#include <vector>

#include "core/layouts.hpp"
#include "core/printpage.hpp"
#include "core/textfile.hpp"
#include "ui/fixedfont.hpp"
#include "ui/prompts.hpp"

namespace tessel::ui {

namespace {

constexpr std::string_view kPageAppName = "Sudoku Tessel";

QRadioButton* AddItem(QGroupBox* box, QButtonGroup* group, QGridLayout* grid, int id, const QString& text,
                      int row, int col, const QString& tip) {
  auto* b = new QRadioButton(text, box);
  b->setObjectName(box->objectName() + QStringLiteral("Item%1").arg(id));
  b->setToolTip(tip);
  group->addButton(b, id);
  grid->addWidget(b, row, col);
  return b;
}

}  // namespace

// --- Print style dialog ---

Tfrmprintselect::Tfrmprintselect(const Board& board, Prompts& prompts, UrlOpener opener, QWidget* parent)
    : QDialog(parent), board_(board), prompts_(prompts), opener_(std::move(opener)) {
  setObjectName(QStringLiteral("frmprintselect"));
  setWindowTitle(kAppTitle);
  setFixedSize(kClientWidth, kClientHeight);

  RadioGroup1 = new QGroupBox(tr("Select Print Style"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  // Bold frame caption only, not the buttons inside.
  RadioGroup1->setStyleSheet(QStringLiteral("QGroupBox#RadioGroup1 { font-weight: bold; }"));
  RadioButton1 = new QRadioButton(tr("Normal"), RadioGroup1);
  RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
  RadioButton2 = new QRadioButton(tr("With Candidates"), RadioGroup1);
  RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
  RadioButton1->setChecked(true);
  RadioButton1->setToolTip(tr("The board with its digits only"));
  RadioButton2->setToolTip(tr("The board with the candidates of every open cell"));
  auto* styleLayout = new QVBoxLayout(RadioGroup1);
  styleLayout->addWidget(RadioButton1);
  styleLayout->addWidget(RadioButton2);

  pg2 = new QGroupBox(tr("Paper Size"), this);
  pg2->setObjectName(QStringLiteral("pg2"));
  pg2Items = new QButtonGroup(pg2);
  auto* sizeLayout = new QGridLayout(pg2);
  AddItem(pg2, pg2Items, sizeLayout, kPaperSmall, tr("Small   (A4)"), 0, 0,
          tr("A board for A4 paper"));
  AddItem(pg2, pg2Items, sizeLayout, kPaperNormal, tr("Normal   (A3)"), 1, 0,
          tr("A board for A3 paper"));
  AddItem(pg2, pg2Items, sizeLayout, kPaperBig, tr("Big  (A2)"), 2, 0,
          tr("A board for A2 paper"));
  setPg2ItemIndex(0);

  SpeedButton1 = new QPushButton(tr("OK"), this);
  SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
  SpeedButton2 = new QPushButton(tr("Cancel"), this);
  SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
  SpeedButton1->setToolTip(tr("Write the page and open it in your browser"));
  SpeedButton2->setToolTip(tr("Close this window"));
  connect(SpeedButton1, &QPushButton::clicked, this, &Tfrmprintselect::SpeedButton1Click);
  connect(SpeedButton2, &QPushButton::clicked, this, &Tfrmprintselect::SpeedButton2Click);

  auto* groups = new QHBoxLayout;
  groups->addWidget(RadioGroup1);
  groups->addWidget(pg2);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(SpeedButton1);
  buttons->addWidget(SpeedButton2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(groups);
  layout->addLayout(buttons);
}

int Tfrmprintselect::pg2ItemIndex() const { return pg2Items->checkedId(); }

void Tfrmprintselect::setPg2ItemIndex(int index) {
  if (QAbstractButton* b = pg2Items->button(index)) b->setChecked(true);
}

QString Tfrmprintselect::PrintFilePath(const QString& folder) {
  return QDir(folder).filePath(QString::fromUtf8(kPrintFileName.data(), int(kPrintFileName.size())));
}

bool Tfrmprintselect::Button1Click(bool withCandidates, int paper) {
  const std::vector<std::string> page =
      BuildPrintPage(board_, withCandidates, paper, kPageAppName, kHomePage.toStdString());
  // When TMPDIR names a folder that is gone, Qt gives an empty path (which
  // would write into the working folder); say so instead.
  const QString folder = QDir::tempPath();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
    const QString named = folder.isEmpty() ? qEnvironmentVariable("TMPDIR") : folder;
    prompts_.Notice(this, tr("The temporary folder '%1' does not exist.").arg(named));
    return false;
  }
  // The shared temporary folder gets a folder of this user's own, so no other
  // user's file or link is ever written through, and two users both print.
  std::string error;
  const std::string own = PrivateFolderIn(QFile::encodeName(folder).toStdString(), &error);
  if (own.empty()) {
    prompts_.Notice(this, QString::fromLocal8Bit(error));
    return false;
  }
  const QString path = PrintFilePath(QFile::decodeName(QByteArray::fromStdString(own)));
  if (!WriteFileAtomic(QFile::encodeName(path).toStdString(), JoinCrLf(page), &error)) {
    prompts_.Notice(this, QString::fromLocal8Bit(error));
    return false;
  }
  // Whether the system could open it is not reported.
  if (opener_) opener_(QUrl::fromLocalFile(path));
  return true;
}

void Tfrmprintselect::SpeedButton1Click() {
  Button1Click(RadioButton2->isChecked(), std::max(0, pg2ItemIndex()));
}

void Tfrmprintselect::SpeedButton2Click() { reject(); }

// --- Copy dialog ---

Tfrmcopy::Tfrmcopy(const Board& board, QWidget* parent) : QDialog(parent), board_(board) {
  setObjectName(QStringLiteral("frmcopy"));
  setWindowTitle(tr("Copy Puzzle To Clipboard (Need Fixed-width font,Such as Courier)"));
  resize(kWidth, kHeight);

  memo1 = new QTextEdit(this);
  memo1->setObjectName(QStringLiteral("memo1"));
  // The layouts line up only without wrapping.
  memo1->setLineWrapMode(QTextEdit::NoWrap);
  memo1->setAccessibleName(tr("Puzzle text"));
  memo1->setToolTip(tr("The puzzle in the chosen format; it lines up in a fixed-width font"));

  RadioGroup1 = new QGroupBox(tr("Select the format to be copied"), this);
  RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
  RadioGroup1Items = new QButtonGroup(RadioGroup1);
  auto* grid = new QGridLayout(RadioGroup1);
  const QString items[] = {tr("No Candidate"), tr("With Candidates"), QStringLiteral("9*9"),
                           QStringLiteral("1*81")};
  const QString tips[] = {tr("A framed grid of the digits"),
                          tr("A framed grid with the candidates of every open cell"),
                          tr("Nine rows of nine digits"), tr("One line of 81 digits")};
  for (int i = 0; i < 4; ++i) AddItem(RadioGroup1, RadioGroup1Items, grid, i, items[i], 0, i, tips[i]);
  RadioGroup1Items->button(0)->setChecked(true);
  // Checked by any path (mouse, key, accessibility action), the text follows.
  connect(RadioGroup1Items, &QButtonGroup::idToggled, this, [this](int, bool on) {
    if (on) RadioGroup1Click();
  });

  Button1 = new QPushButton(tr("Copy"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton(tr("Close"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button1->setToolTip(tr("Copy the text to the clipboard and close"));
  Button2->setToolTip(tr("Close without copying"));
  connect(Button1, &QPushButton::clicked, this, &Tfrmcopy::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &Tfrmcopy::Button2Click);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(RadioGroup1);
  bottom->addStretch();
  bottom->addWidget(Button1);
  bottom->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memo1, 1);
  layout->addLayout(bottom);
  FormCreate();
}

void Tfrmcopy::FormCreate() {
  memo1->setFont(FixedPitchFont(memo1->font()));
}

int Tfrmcopy::itemIndex() const { return RadioGroup1Items->checkedId(); }

void Tfrmcopy::setItemIndex(int index) {
  // Checking another item fills the text through its toggle; the same item
  // (or none) is filled here.
  QAbstractButton* b = RadioGroup1Items->button(index);
  if (b && !b->isChecked())
    b->setChecked(true);
  else
    RadioGroup1Click();
}

void Tfrmcopy::Prepare() { setItemIndex(0); }

void Tfrmcopy::RadioGroup1Click() {
  std::vector<std::string> lines;
  switch (itemIndex()) {
    case 1: lines = FormatWithCandidates(board_); break;
    case 2: lines = Format9x9(board_); break;
    case 3: lines = Format1x81(board_); break;
    default: lines = FormatNoCandidates(board_); break;
  }
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  memo1->setPlainText(text.join(QLatin1Char('\n')));
}

void Tfrmcopy::Button1Click() {
  memo1->selectAll();
  memo1->copy();
  accept();
}

void Tfrmcopy::Button2Click() { reject(); }

}  // namespace tessel::ui
