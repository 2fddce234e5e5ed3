// Every control of the main window and of each dialog has a name a screen
// reader can speak and a tooltip, and no caption is cut off. ctest runs
// these once more with QT_SCALE_FACTOR=2.
#include <gtest/gtest-spi.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextDocument>  // Qt::mightBeRichText
#include <QToolBar>
#include <QToolButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextEdit>
#include <QButtonGroup>
#include <QFontInfo>

#include <cmath>
#include <functional>
#include <map>
#include <utility>

#include "core/layouts.hpp"
#include "ui/appearance.hpp"
#include "ui/gamelist.hpp"
#include "ui/importdialogs.hpp"
#include "ui/output.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/solverwindow.hpp"
#include "ui_fixture.hpp"
#include "widgets/sd33.hpp"

namespace uitest {
namespace {

using tessel::ui::TForm1;

// The caption as shown: "&&" is a literal ampersand, a lone '&' marks the mnemonic.
QString Shown(const QString& text) {
  QString out;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

std::string Describe(const QWidget* w) {
  QString s = QString::fromLatin1(w->metaObject()->className());
  if (!w->objectName().isEmpty()) s += u'#' + w->objectName();
  if (auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty()) s += " \"" + b->text() + u'"';
  if (auto* l = qobject_cast<const QLabel*>(w); l && !l->text().isEmpty()) s += " \"" + l->text() + u'"';
  if (auto* g = qobject_cast<const QGroupBox*>(w)) s += " \"" + g->title() + u'"';
  if (const QWidget* p = w->parentWidget(); p && !p->objectName().isEmpty()) s += " in " + p->objectName();
  return s.toStdString();
}

// Scroll bars, viewports, headers and the like belong to the control around them.
bool PartOfAnotherControl(const QWidget* w, const QWidget* window) {
  if (w->objectName().startsWith(QLatin1String("qt_"))) return true;
  for (const QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
    if (qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
        qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QMenuBar*>(p))
      return true;
  return false;
}

// The painted widgets take clicks without taking focus.
bool ClickedWithoutFocus(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const tessel::TPICSD33*>(w) ||
         qobject_cast<const tessel::TTimeLabel*>(w) || qobject_cast<const tessel::Tmousepb*>(w) ||
         qobject_cast<const tessel::TColorGrid*>(w) || qobject_cast<const tessel::TSD33*>(w) ||
         qobject_cast<const tessel::ui::TColorSwatch*>(w);
}

std::vector<QWidget*> VisibleWidgets(QWidget& window) {
  std::vector<QWidget*> out;
  for (QWidget* w : window.findChildren<QWidget*>())
    if (w->window() == &window && w->isVisible() && !PartOfAnotherControl(w, &window)) out.push_back(w);
  return out;
}

// Checks every control of window; returns the names spoken, by object name.
std::map<QString, QString> ExpectNamedWithTooltips(QWidget& window) {
  std::map<QString, QString> names;
  QStringList bad;
  int controls = 0;
  for (QWidget* w : VisibleWidgets(window)) {
    if (qobject_cast<QMenuBar*>(w) || (w->focusPolicy() == Qt::NoFocus && !ClickedWithoutFocus(w))) continue;
    ++controls;
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
    const QString name = ai ? ai->text(QAccessible::Name).trimmed() : QString();
    if (!w->objectName().isEmpty()) names[w->objectName()] = name;
    if (name.isEmpty()) {
      bad << QString::fromStdString(Describe(w)) + ": no accessible name";
    } else if (auto* g = qobject_cast<QGroupBox*>(w->parentWidget());
               g && w->accessibleName().isEmpty() && !qobject_cast<QAbstractButton*>(w) &&
               name == Shown(g->title())) {
      // Qt's fallback: the frame's title says nothing about this one control.
      bad << QString::fromStdString(Describe(w)) + ": named only after its group";
    }
    QString tip = w->toolTip();
    if (auto* tb = qobject_cast<QToolButton*>(w); tip.isEmpty() && tb && tb->defaultAction())
      tip = tb->defaultAction()->toolTip();
    // The playing board has none on purpose: it covered the next cells, and
    // the status bar gives the hint for the display mode.
    if (tip.trimmed().isEmpty() && w->objectName() != QLatin1String("sd991"))
      bad << QString::fromStdString(Describe(w)) + ": no tooltip";
  }
  EXPECT_GT(controls, 0) << window.objectName().toStdString();
  EXPECT_TRUE(bad.isEmpty()) << window.objectName().toStdString() << ":\n" << bad.join('\n').toStdString();
  return names;
}

int Ceil(qreal v) { return int(std::ceil(v - 0.01)); }

// Every caption fits the widget that shows it; returns how many were measured.
int ExpectTextsFit(QWidget& window) {
  QStringList bad;
  int texts = 0;
  auto check = [&](QWidget* w, QSize has, QSize needs) {
    ++texts;
    if (has.width() < needs.width() || has.height() < needs.height())
      bad << QStringLiteral("%1: %2x%3, needs %4x%5")
                 .arg(QString::fromStdString(Describe(w)))
                 .arg(has.width())
                 .arg(has.height())
                 .arg(needs.width())
                 .arg(needs.height());
  };
  for (QWidget* w : VisibleWidgets(window)) {
    const QFontMetricsF fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text().isEmpty() || l->textFormat() == Qt::RichText ||
          (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text())))
        continue;
      const QRect inside = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
      const int flags = Qt::TextShowMnemonic | (l->wordWrap() ? Qt::TextWordWrap : 0);
      const QRectF text = fm.boundingRect(QRectF(0, 0, l->wordWrap() ? inside.width() : 1e6, 1e6), flags, l->text());
      check(w, inside.size(), QSize(Ceil(text.width()), Ceil(text.height())));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text().isEmpty()) continue;
      auto* tb = qobject_cast<QToolButton*>(b);
      if (tb && tb->toolButtonStyle() == Qt::ToolButtonIconOnly && !tb->icon().isNull()) continue;
      const int text = Ceil(fm.horizontalAdvance(Shown(b->text())));
      const int line = Ceil(fm.height());
      if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) {
        // Indicator, spacing and text as the style measures them.
        check(w, b->size(), QSize(std::max(b->sizeHint().width(), text), line));
      } else {
        const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        const int margin = b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
        const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
        check(w, b->size(), QSize(text + icon + margin + 2 * frame, line + 2 * frame));
      }
    } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
      // The title starts where the style puts it and must end inside the frame.
      QStyleOptionGroupBox opt;
      opt.initFrom(g);
      opt.text = g->title();
      opt.textAlignment = g->alignment();
      opt.lineWidth = 1;
      opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
      const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, g);
      check(w, g->size(), QSize(label.left() + Ceil(fm.horizontalAdvance(Shown(g->title()))), label.bottom() + 1));
    }
  }
  EXPECT_TRUE(bad.isEmpty()) << window.objectName().toStdString() << " clips:\n" << bad.join('\n').toStdString();
  return texts;
}

void Settle(QWidget& w) {
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  if (w.layout()) w.layout()->activate();
  QApplication::processEvents();
}

void ExpectAccessible(QWidget& w, bool captions = true) {
  Settle(w);
  ExpectNamedWithTooltips(w);
  const int texts = ExpectTextsFit(w);
  if (captions) {
    EXPECT_GT(texts, 0) << w.objectName().toStdString();
  }
}

class AccessibilityTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();  // Gentle: every control enabled, the level shown
  }
  // Opens the dialog behind command and checks it.
  void Visit(QAction* command, const char* expected) {
    bool shown = false;
    form().SetModalRunner([&](QDialog& d) {
      shown = true;
      EXPECT_TRUE(d.inherits(expected)) << d.metaObject()->className();
      ExpectAccessible(d);
      d.hide();
    });
    command->trigger();
    EXPECT_TRUE(shown) << expected;
  }
};

TEST_F(AccessibilityTest, MainWindow) {
  TForm1& f = form();
  f.SetFinishedMark(true);
  // The longest texts the clock and the level label get.
  f.TimeLabel1->setMS((99 * 3600 + 59 * 60 + 59) * 1000LL);
  f.ndtxt->setText(QString::fromStdString(tessel::LevelText(tessel::kUnknownLevel)));
  Settle(f);
  const auto names = ExpectNamedWithTooltips(f);
  // The painted widgets are among those walked, with names of their own.
  EXPECT_EQ(names.at("sd991"), "Sudoku board");
  EXPECT_EQ(names.at("TimeLabel1"), "Game clock");
  EXPECT_EQ(names.at("ColorGrid1"), "Colour palette");
  EXPECT_EQ(names.at("ProgressBar5"), "Digit 5 count");
  EXPECT_EQ(names.at("disnote5"), "Digit 5");
  EXPECT_EQ(names.at("tbnext"), "Next Step");
  EXPECT_EQ(names.at("SaveCurrentBoard1"), "Save Current Board");
  EXPECT_GT(ExpectTextsFit(f), 20);
  // The board tells which digit a click places.
  f.disnote[7]->click();
  EXPECT_TRUE(f.sd991->accessibleDescription().contains(QLatin1Char('7')))
      << f.sd991->accessibleDescription().toStdString();
}

// A screen reader's Toggle action checks a control without a click; it must
// run the same rules as the mouse.
TEST_F(AccessibilityTest, ToggleActionsRunTheSameHandlers) {
  TForm1& f = form();
  const auto toggle = [](QWidget* w) {
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
    ASSERT_TRUE(ai && ai->actionInterface());
    ASSERT_TRUE(ai->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
    ai->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  };
  toggle(f.disnote[7]);
  toggle(f.disnote[3]);
  QString down;
  for (int d = 1; d <= 9; ++d)
    if (f.disnote[d]->isChecked()) down += QString::number(d);
  EXPECT_EQ(down, "3");
  EXPECT_EQ(f.SelectedDigit(), 3);
  EXPECT_TRUE(f.sd991->accessibleDescription().contains(QLatin1Char('3')));

  bool shown = false;
  f.SetModalRunner([&](QDialog& d) {
    shown = true;
    auto& copy = dynamic_cast<tessel::ui::Tfrmcopy&>(d);
    toggle(copy.RadioGroup1Items->button(3));
    EXPECT_EQ(copy.memo1->toPlainText().toStdString(), tessel::Format1x81(f.sd991->board())[0]);
  });
  f.CopyPuzzleToClipboard1->trigger();
  EXPECT_TRUE(shown);
}

// What a player sees of the window itself: the clock lime on black where it
// sits in the tool bar, every status hint whole, no tooltip over the board.
TEST_F(AccessibilityTest, ClockHintsAndBoardAsThePlayerSeesThem) {
  TForm1& f = form();
  f.TimeLabel1->setMS(3725000);
  Settle(f);
  ASSERT_TRUE(qobject_cast<QToolBar*>(f.TimeLabel1->parentWidget()));
  const QImage shot = f.TimeLabel1->grab().toImage();
  int black = 0, lime = 0, other = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      if (c.red() < 40 && c.green() < 40 && c.blue() < 40) ++black;
      else if (c.green() > 200 && c.red() < 60 && c.blue() < 60) ++lime;
      else if (c.red() > 90 && std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20) ++other;
    }
  EXPECT_GT(black, shot.width() * shot.height() / 2) << "background";
  EXPECT_GT(lime, 20) << "digits";
  EXPECT_EQ(other, 0) << "grey pixels";
  EXPECT_TRUE(f.TimeLabel1->font().bold());

  for (QWidget* w : std::initializer_list<QWidget*>{f.rb_none, f.rb_all, f.rb_one, f.disnote[1], f.chkcolor}) {
    QStatusTipEvent tip(w->statusTip());
    QApplication::sendEvent(&f, &tip);
    const QFontMetrics fm(f.sb1->font());
    EXPECT_EQ(f.HintText(), w->statusTip());
    EXPECT_GE(QFontInfo(f.sb1->font()).pixelSize(), 10);
    EXPECT_LE(fm.horizontalAdvance(f.HintText()), f.sb1->contentsRect().width() - 10)
        << w->statusTip().toStdString();
  }

  // Resting on a neutral part of the window clears the hint.
  for (QWidget* w : std::initializer_list<QWidget*>{f.centralWidget(), f.Panel1, f.GroupBoxCandidates,
                                                    f.GroupBoxColor, f.ToolBar1, f.TimeLabel1, f.ndtxt}) {
    f.ShowHint(QStringLiteral("a hint"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
    EXPECT_TRUE(f.HintText().isEmpty()) << w->objectName().toStdString();
  }
  f.ShowHint(f.rb_one->statusTip());

  // The hint shows on its own background.
  const QImage bar = f.grab(QRect(f.sb1->mapTo(&f, QPoint(0, 0)), f.sb1->size())).toImage();
  int hintColoured = 0;
  for (int y = 0; y < bar.height(); ++y)
    for (int x = 0; x < bar.width(); ++x) hintColoured += bar.pixelColor(x, y) == QColor(255, 188, 121);
  EXPECT_GT(hintColoured, bar.width() * bar.height() / 2);

  EXPECT_TRUE(f.sd991->toolTip().isEmpty());
  EXPECT_FALSE(f.sd991->accessibleName().isEmpty());
  EXPECT_FALSE(f.sd991->accessibleDescription().isEmpty());
}

TEST_F(AccessibilityTest, Dialogs) {
  TForm1& f = form();
  Visit(f.ToolButton12, "tessel::ui::Tfrmprintselect");
  Visit(f.CopyPuzzleToClipboard1, "tessel::ui::Tfrmcopy");
  Visit(f.appearance1, "tessel::ui::TfrmAppearance");
  Visit(f.SaveCurrentBoard1, "tessel::ui::Tfrmsave");
  Visit(f.ToolButton1, "tessel::ui::Tfrmgamelist");

  tessel::ui::Tfrm_new& create = tessel::ui::ImportDialog(f);
  ExpectAccessible(create);
  ExpectAccessible(*create.frmImport);
  // Each example puts its own help line under the text.
  for (QPushButton* example : {create.frmImport->Button3, create.frmImport->Button4, create.frmImport->Button5,
                               create.frmImport->Button6}) {
    example->click();
    QApplication::processEvents();
    ExpectTextsFit(*create.frmImport);
  }
  create.frmImport->hide();
  create.hide();

  f.Frmdas->Fill(std::string(81, '1'), std::string(81, '2'));
  ExpectAccessible(*f.Frmdas);
  f.Frmdas->hide();

  tessel::ui::Tfrm_sol solver(&f);
  solver.setWindowFlags(Qt::Window);
  ExpectAccessible(solver, /*captions=*/false);
}

// The measure itself: too narrow is reported, wide enough is not.
TEST(AccessibilityCheck, ReportsClippedCaptions) {
  QWidget w;
  w.resize(300, 200);
  auto* g = new QGroupBox(QStringLiteral("A title far too long"), &w);
  auto* b = new QPushButton(QStringLiteral("A wide caption"), &w);
  auto* l = new QLabel(QStringLiteral("Some label text"), &w);
  auto* c = new QCheckBox(QStringLiteral("&Check box text"), &w);
  const std::initializer_list<QWidget*> all = {g, b, l, c};
  const auto place = [&](int width) {
    int y = 0;
    for (QWidget* x : all) x->setGeometry(0, std::exchange(y, y + 50), width, 40);
  };
  place(50);
  Settle(w);
  for (const char* cls : {"QGroupBox", "QPushButton", "QLabel", "QCheckBox"})
    EXPECT_NONFATAL_FAILURE(ExpectTextsFit(w), cls);
  place(280);
  EXPECT_EQ(ExpectTextsFit(w), 4);
}

}  // namespace
}  // namespace uitest
