// Every control of the main window and of each dialog has a name a screen
// reader can speak and a tooltip, and no caption is cut off. ctest runs
// these once more with QT_SCALE_FACTOR=2.
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTextDocument>  // Qt::mightBeRichText
#include <QToolBar>

#include <cmath>
#include <map>

#include "ui/appearance.hpp"
#include "ui/importdialogs.hpp"
#include "ui/language.hpp"
#include "ui/solutionsviewer.hpp"
#include "ui/solverwindow.hpp"
#include "ui_fixture.hpp"
#include "widgets/colorgrid.hpp"
#include "widgets/mousepb.hpp"
#include "widgets/sd33.hpp"
#include "widgets/timelabel.hpp"

namespace uitest {
namespace {

using tessel::ui::TForm1;

// The caption as shown: "&&" is a literal ampersand, a lone '&' marks the mnemonic.
QString Shown(QString text) { return text.replace("&&", "\1").remove('&').replace('\1', '&'); }

QString Describe(const QWidget* w) {
  const QString parent = w->parentWidget() ? w->parentWidget()->objectName() : QString();
  return QStringLiteral("%1#%2 in %3").arg(w->metaObject()->className(), w->objectName(), parent);
}

// Scroll bars, viewports, headers and the like belong to the control around them.
std::vector<QWidget*> VisibleControls(QWidget& window) {
  std::vector<QWidget*> out;
  for (QWidget* w : window.findChildren<QWidget*>()) {
    bool part = w->objectName().startsWith(QLatin1String("qt_"));
    for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget())
      part = part || qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const QComboBox*>(p) ||
             qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QMenuBar*>(p);
    if (w->window() == &window && w->isVisible() && !part) out.push_back(w);
  }
  return out;
}

// The painted widgets take clicks without taking focus.
bool ClickedWithoutFocus(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const tessel::TPICSD33*>(w) ||
         qobject_cast<const tessel::TTimeLabel*>(w) || qobject_cast<const tessel::Tmousepb*>(w) ||
         qobject_cast<const tessel::TColorGrid*>(w) || qobject_cast<const tessel::TSD33*>(w) ||
         qobject_cast<const tessel::ui::TColorSwatch*>(w);
}

// Checks every control of window; returns the names spoken, by object name.
std::map<QString, QString> ExpectNamedWithTooltips(QWidget& window) {
  std::map<QString, QString> names;
  QStringList bad;
  for (QWidget* w : VisibleControls(window)) {
    if (qobject_cast<QMenuBar*>(w) || (w->focusPolicy() == Qt::NoFocus && !ClickedWithoutFocus(w))) continue;
    QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
    const QString name = ai ? ai->text(QAccessible::Name).trimmed() : QString();
    names[w->objectName()] = name;
    auto* g = qobject_cast<QGroupBox*>(w->parentWidget());
    // Qt's fallback, the frame's title, says nothing about this one control.
    if (name.isEmpty() || (g && w->accessibleName().isEmpty() && !qobject_cast<QAbstractButton*>(w) &&
                           name == Shown(g->title())))
      bad << Describe(w) + ": no accessible name of its own";
    QString tip = w->toolTip();
    if (auto* tb = qobject_cast<QToolButton*>(w); tip.isEmpty() && tb && tb->defaultAction())
      tip = tb->defaultAction()->toolTip();
    // The playing board has none on purpose: it covered the next cells.
    if (tip.trimmed().isEmpty() && w->objectName() != QLatin1String("sd991"))
      bad << Describe(w) + ": no tooltip";
  }
  EXPECT_FALSE(names.empty()) << window.objectName().toStdString();
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
      bad << Describe(w) + QStringLiteral(": %1x%2, needs %3x%4").arg(has.width())
                 .arg(has.height()).arg(needs.width()).arg(needs.height());
  };
  for (QWidget* w : VisibleControls(window)) {
    const QFontMetricsF fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty() && l->textFormat() != Qt::RichText &&
                                            !(l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()))) {
      const QRect inside = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
      const QRectF text = fm.boundingRect(QRectF(0, 0, l->wordWrap() ? inside.width() : 1e6, 1e6),
                                          Qt::TextShowMnemonic | (l->wordWrap() ? Qt::TextWordWrap : 0), l->text());
      check(w, inside.size(), QSize(Ceil(text.width()), Ceil(text.height())));
    } else if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty()) {
      auto* tb = qobject_cast<QToolButton*>(b);
      if (tb && tb->toolButtonStyle() == Qt::ToolButtonIconOnly && !tb->icon().isNull()) continue;
      const int text = Ceil(fm.horizontalAdvance(Shown(b->text()))), line = Ceil(fm.height());
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

void ExpectAccessible(QWidget& w) {
  Settle(w);
  ExpectNamedWithTooltips(w);
  ExpectTextsFit(w);
}

// A screen reader's Toggle action checks a control without a click.
void Toggle(QWidget* w) {
  QAccessibleInterface* ai = QAccessible::queryAccessibleInterface(w);
  ASSERT_TRUE(ai && ai->actionInterface());
  ASSERT_TRUE(ai->actionInterface()->actionNames().contains(QAccessibleActionInterface::toggleAction()));
  ai->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

class AccessibilityTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    form().ToolButton5Click();  // Gentle: every control enabled, the level shown
  }
};

// The main window, then what a player sees of it: the clock lime on black
// where it sits in the tool bar, every status hint whole; then every dialog.
TEST_F(AccessibilityTest, MainWindowAndDialogs) {
  TForm1& f = form();
  Solve();
  // The longest texts the clock and the level label get.
  Clock().setMS((99 * 3600 + 59 * 60 + 59) * 1000LL);
  Child<QLabel>(f, "ndtxt")->setText(QString::fromStdString(tessel::LevelText(tessel::kUnknownLevel)));
  Settle(f);
  const auto names = ExpectNamedWithTooltips(f);
  // The painted widgets are among those walked, with names of their own.
  const std::pair<const char*, const char*> spoken[] = {
      {"sd991", "Sudoku board"}, {"TimeLabel1", "Game clock"},   {"ColorGrid1", "Colour palette"},
      {"ProgressBar5", "Digit 5 count"}, {"disnote5", "Digit 5"}, {"SaveCurrentBoard1", "Save Current Board"}};
  for (auto [object, name] : spoken) {
    EXPECT_FALSE(names.at(object).isEmpty()) << object;
    if (tessel::ui::CurrentLanguage() == QLatin1String("en")) {
      EXPECT_EQ(names.at(object), name);
    }
  }
  EXPECT_GT(ExpectTextsFit(f), 20);

  // The board tells which digit a click places, by mouse or by Toggle, and
  // Toggle runs the digit buttons' own rules: one of them down.
  Click(f, "disnote7");
  EXPECT_TRUE(sd().accessibleDescription().contains('7')) << sd().accessibleDescription().toStdString();
  Toggle(Child(f, "disnote3"));
  QString down;
  for (int d = 1; d <= 9; ++d)
    down += Child<QToolButton>(f, QStringLiteral("disnote%1").arg(d))->isChecked() ? QString::number(d) : "";
  EXPECT_TRUE(down == "3" && f.game().selectedDigit() == 3 && sd().accessibleDescription().contains('3'));

  Clock().setMS(3725000);
  ASSERT_TRUE(qobject_cast<QToolBar*>(Clock().parentWidget()));
  EXPECT_TRUE(Clock().font().bold()) << "thin digits are hard to read on black";
  const QImage shot = Clock().grab().toImage();
  int black = 0, lime = 0, grey = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) {
      const QColor c = shot.pixelColor(x, y);
      black += c.red() < 40 && c.green() < 40 && c.blue() < 40;
      lime += c.green() > 200 && c.red() < 60 && c.blue() < 60;
      grey += c.red() > 90 && std::abs(c.red() - c.green()) < 20 && std::abs(c.green() - c.blue()) < 20;
    }
  EXPECT_GT(black, shot.width() * shot.height() / 2) << "background";
  EXPECT_GT(lime, 20) << "digits";
  EXPECT_EQ(grey, 0) << "grey pixels";

  auto* sb = Child<QStatusBar>(f, "sb1");
  for (const char* name : {"rb_none", "rb_all", "rb_one", "disnote1", "chkcolor"}) {
    QStatusTipEvent tip(Child(f, name)->statusTip());
    QApplication::sendEvent(&f, &tip);
    EXPECT_LE(QFontMetrics(sb->font()).horizontalAdvance(f.HintText()), sb->contentsRect().width() - 10) << name;
  }
  // Resting on a neutral part of the window clears the hint.
  for (QWidget* w : {f.centralWidget(), Child(f, "Panel1"), Child(f, "GroupBoxCandidates"), Child(f, "GroupBoxColor"),
                     Child(f, "ToolBar1"), Child(f, "TimeLabel1"), Child(f, "ndtxt")}) {
    f.ShowHint(QStringLiteral("a hint"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
    EXPECT_TRUE(f.HintText().isEmpty()) << w->objectName().toStdString();
  }

  // Every dialog, the import dialogs, the viewer and the solver.
  for (const char* command :
       {"ToolButton12", "CopyPuzzleToClipboard1", "appearance1", "SaveCurrentBoard1", "ToolButton1"})
    WithDialog<QDialog>(command, [](QDialog& d) { ExpectAccessible(d); });

  tessel::ui::Tfrm_new& create = tessel::ui::ImportDialog(f);
  ExpectAccessible(create);
  auto* import = Child<QDialog>(create, "frmImport");
  ExpectAccessible(*import);
  import->hide();
  create.hide();

  auto* viewer = Child<tessel::ui::TFrmdas>(f, "TFrmdas");
  viewer->Fill(std::string(81, '1'), std::string(81, '2'));
  ExpectAccessible(*viewer);
  viewer->hide();

  tessel::ui::Tfrm_sol solver(&f);
  solver.setWindowFlags(Qt::Window);
  ExpectAccessible(solver);
}

}  // namespace
}  // namespace uitest
