#include "ui/solutionsviewer.hpp"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include "core/board.hpp"
#include "ui/fixedfont.hpp"
#include "ui/placement.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

namespace {

void AddRows(QStringList& lines, const std::string& solution) {
  const QString s = QString::fromStdString(solution);
  for (int r = 0; r < 9; ++r) lines << s.mid(r * 9, 9);
}

}  // namespace

TFrmdas::TFrmdas(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("TFrmdas"));
  setWindowTitle(tr("Multiple Solutions Viewer"));
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setGeometry(0, 0, kClientWidth, 375);
  Memo1->setAccessibleName(tr("Solutions"));
  Memo1->setToolTip(tr("Two solutions of this puzzle, nine digits a row"));
  Memo1->setFont(FixedPitchFont(Memo1->font()));

  Button1 = new QPushButton(tr("Close"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry((kClientWidth - 75) / 2, 384, 75, 25);
  Button1->setToolTip(tr("Close this window"));
  connect(Button1, &QPushButton::clicked, this, &QDialog::close);

  CentreOnScreen(*this);
  hide();
}

void TFrmdas::Fill(const std::string& solution1, const std::string& solution2) {
  QStringList lines;
  lines << CT("Solution 1:", "解1:");
  AddRows(lines, solution1);
  lines << QString() << QString();
  lines << CT("Solution 2:", "解2:");
  AddRows(lines, solution2);
  Memo1->clear();
  Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace tessel::ui
