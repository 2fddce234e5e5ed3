#include "ui/appearance.hpp"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>

#include <string>

#include "core/board.hpp"
#include "ui/texts.hpp"

namespace tessel::ui {

namespace {

std::string Bytes(const QString& s) { return s.toLatin1().toStdString(); }

QString Flag(bool ticked) { return ticked ? QStringLiteral("1") : QStringLiteral("0"); }

QString ColourText(TColor c) { return QString::fromStdString(FormatColour(c)); }

}  // namespace

// --- TColorSwatch ---

TColorSwatch::TColorSwatch(TColor colour, QWidget* parent) : QFrame(parent), colour_(colour) {
  setFrameShape(QFrame::NoFrame);
  setLineWidth(1);
  setCursor(Qt::PointingHandCursor);
}

void TColorSwatch::setColour(TColor c) {
  colour_ = c;
  update();
}

void TColorSwatch::paintEvent(QPaintEvent* event) {
  {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(colour_));
  }
  QFrame::paintEvent(event);
}

void TColorSwatch::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

void TColorSwatch::enterEvent(QEnterEvent* event) {
  QFrame::enterEvent(event);
  setFrameShape(QFrame::Box);
}

void TColorSwatch::leaveEvent(QEvent* event) {
  QFrame::leaveEvent(event);
  setFrameShape(QFrame::NoFrame);
}

// --- TfrmAppearance ---

TfrmAppearance::TfrmAppearance(Session& session)
    : QDialog(session.dialogParent(), Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      session_(session),
      settings_(QFile::encodeName(session.DataFolder() + QString::fromLatin1(kSettingsFileName)).toStdString()) {
  setObjectName(QStringLiteral("TfrmAppearance"));
  setWindowTitle(tr("Appearance"));
  setModal(true);
  setFixedSize(kClientWidth, kClientHeight);

  const int left = 4;
  auto group = [&](QGroupBox*& box, QCheckBox*& check, const char* name, const char* checkName,
                   const QString& caption, int top, int height) {
    box = new QGroupBox(caption, this);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(left, top, kLeftWidth, height);
    check = new QCheckBox(tr("Default Color"), box);
    check->setObjectName(QString::fromLatin1(checkName));
    // The narrow column leaves little room: the box and labels start close to the frame.
    check->setGeometry(3, 20, kLeftWidth - 4, 20);
    check->setChecked(true);
    check->setToolTip(tr("Use the game's own colours for this group"));
  };
  auto swatch = [&](QGroupBox* box, const char* name, TColor colour, const QString& label, int top) {
    auto* s = new TColorSwatch(colour, box);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(6, top, 24, 18);
    s->setAccessibleName(box->title() + QStringLiteral(": ") + label);
    s->setToolTip(tr("Click to pick this colour"));
    auto* l = new QLabel(label, box);
    l->setGeometry(34, top, kLeftWidth - 36, 18);
    return s;
  };

  group(GroupBox1, CheckBox1, "GroupBox1", "CheckBox1", tr("Background"), 8, 102);
  Panel1 = swatch(GroupBox1, "Panel1", 16777215, tr("Color 1"), 46);
  Panel2 = swatch(GroupBox1, "Panel2", 16747403, tr("Color 2"), 72);
  group(GroupBox2, CheckBox2, "GroupBox2", "CheckBox2", tr("Font Color"), 116, 128);
  fpanel1 = swatch(GroupBox2, "fpanel1", kClDefault, tr("Fixed"), 46);
  fpanel2 = swatch(GroupBox2, "fpanel2", 16711680, tr("Big Number"), 72);
  fpanel3 = swatch(GroupBox2, "fpanel3", 4227327, tr("Candidate"), 98);
  group(GroupBox3, CheckBox3, "GroupBox3", "CheckBox3", tr("Highlight Color"), 250, 76);
  highpanle = swatch(GroupBox3, "highpanle", 8421440, tr("Color"), 46);

  sd1 = new TPICSD33(this);
  sd1->setObjectName(QStringLiteral("sd1"));
  sd1->move(left + kLeftWidth + 8, 8);
  sd1->setFONTSize3(10);
  sd1->setAccessibleName(tr("Preview board"));
  sd1->setToolTip(tr("How the board looks with these colours"));

  const int buttonTop = 8 + TPICSD33::kBoardSize + 10;
  auto button = [&](QPushButton*& b, const char* name, const QString& text, int x) {
    b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(x, buttonTop, 75, 25);
    b->setAutoDefault(false);
  };
  button(Button3, "Button3", tr("Default"), left);
  button(Button1, "Button1", tr("OK"), kClientWidth - 2 * (75 + 8));
  button(Button2, "Button2", tr("Cancel"), kClientWidth - (75 + 8));
  Button3->setToolTip(tr("Back to the game's own colours"));
  Button1->setToolTip(tr("Keep these colours and use them on the board"));
  Button2->setToolTip(tr("Drop the changes"));
  connect(Button1, &QPushButton::clicked, this, &TfrmAppearance::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TfrmAppearance::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TfrmAppearance::Button3Click);

  // Every change of a box's tick runs its click action, also one made by a load.
  connect(CheckBox1, &QCheckBox::toggled, this, [this] { GroupChanged(Group::Background); });
  connect(CheckBox2, &QCheckBox::toggled, this, [this] { GroupChanged(Group::Font); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { GroupChanged(Group::Highlight); });
  for (auto [s, g] : {std::pair{Panel1, Group::Background}, std::pair{Panel2, Group::Background},
                      std::pair{fpanel1, Group::Font}, std::pair{fpanel2, Group::Font},
                      std::pair{fpanel3, Group::Font}, std::pair{highpanle, Group::Highlight}}) {
    connect(s, &TColorSwatch::clicked, this, [this, s = s, g = g] { SwatchClick(s, g); });
  }

  // The second load reads the file again, undoing what click actions of the
  // first one wrote into the settings text.
  LoadSettings(Target::kPreview);
  LoadSettings(Target::kPreview);
  LoadSettings(Target::kMain);
  hide();
}

QString TfrmAppearance::ReadSetting(const QString& key) const {
  return QString::fromLatin1(settings_.ReadSetting(Bytes(key)));
}

void TfrmAppearance::WriteSetting(const QString& key, const QString& value) {
  settings_.WriteSetting(Bytes(key), Bytes(value));
}

bool TfrmAppearance::SaveSettings(bool tell) {
  std::string error;
  if (settings_.SaveSettings(&error)) {
    toldSaveFailure_ = false;
    return true;
  }
  if (tell && !toldSaveFailure_)
    session_.prompts().Notice(this, CT("The settings could not be saved: ", "无法保存设置: ") +
                                   QString::fromLocal8Bit(error.c_str()));
  toldSaveFailure_ = toldSaveFailure_ || tell;
  return false;
}

bool TfrmAppearance::StoreAutoCheck(bool on) {
  return settings_.StoreOneSetting(settingkey::kAutoCheck, on ? "1" : "0");
}

bool TfrmAppearance::WriteDefaultSettings() {
  settings_.SetDefaultLines();
  return SaveSettings();
}

void TfrmAppearance::LoadSettings(Target target) {
  UpdateGuard previewGuard(*sd1);
  if (TryLoadSettings(target, true)) return;
  // The player's choices are dropped without a message.
  if (WriteDefaultSettings() && TryLoadSettings(target, true)) return;
  // The file cannot be written or read back: go on with the defaults held in
  // memory rather than retry for ever.
  settings_.SetDefaultLines();
  TryLoadSettings(target, false);
}

bool TfrmAppearance::TryLoadSettings(Target target, bool readFile) {
  using namespace settingkey;
  if (readFile && !settings_.LoadFile()) return false;
  auto colour = [&](const char* key, TColorSwatch* swatch) {
    const auto v = ParseSettingInt(settings_.ReadSetting(key));
    if (v) swatch->setColour(static_cast<TColor>(*v));
    return v.has_value();
  };

  // The board is shown once, with all three groups in place.
  BoardLook look = CurrentLook(target);
  CheckBox1->setChecked(settings_.ReadSetting(kDefaultColor) == "1");
  if (!colour(kBoardColor1, Panel1) || !colour(kBoardColor2, Panel2)) return false;
  SetGroup(Group::Background, look);

  CheckBox2->setChecked(settings_.ReadSetting(kDefaultFont) == "1");
  if (!colour(kFixedNumberColor, fpanel1) || !colour(kBigNumberColor, fpanel2) ||
      !colour(kCandidateColor, fpanel3))
    return false;
  SetGroup(Group::Font, look);

  CheckBox3->setChecked(settings_.ReadSetting(kDefaultHighlight) == "1");
  if (!colour(kHighlightColor, highpanle)) return false;
  SetGroup(Group::Highlight, look);
  ShowLook(target, look);

  session_.ShowAutoCheck(settings_.ReadSetting(kAutoCheck) != "0");
  return true;
}

void TfrmAppearance::GroupChanged(Group group) {
  WriteGroup(group);
  ApplyGroup(group, Target::kPreview);
}

void TfrmAppearance::SwatchClick(TColorSwatch* swatch, Group group) {
  if (const auto picked = session_.prompts().PickColour(this, swatch->colour())) swatch->setColour(*picked);
  // Confirmed or not; a ticked "Default Color" keeps the preview on the defaults.
  WriteGroup(group);
  ApplyGroup(group, Target::kPreview);
}

void TfrmAppearance::WriteGroup(Group group) {
  using namespace settingkey;
  switch (group) {
    case Group::Background:
      WriteSetting(kDefaultColor, Flag(CheckBox1->isChecked()));
      WriteSetting(kBoardColor1, ColourText(Panel1->colour()));
      WriteSetting(kBoardColor2, ColourText(Panel2->colour()));
      break;
    case Group::Font:
      WriteSetting(kDefaultFont, Flag(CheckBox2->isChecked()));
      WriteSetting(kFixedNumberColor, ColourText(fpanel1->colour()));
      WriteSetting(kBigNumberColor, ColourText(fpanel2->colour()));
      WriteSetting(kCandidateColor, ColourText(fpanel3->colour()));
      break;
    case Group::Highlight:
      WriteSetting(kDefaultHighlight, Flag(CheckBox3->isChecked()));
      WriteSetting(kHighlightColor, ColourText(highpanle->colour()));
      break;
  }
}

BoardLook TfrmAppearance::CurrentLook(Target target) const {
  return target == Target::kPreview ? sd1->Look() : session_.Look();
}

void TfrmAppearance::ApplyGroup(Group group, Target target) {
  BoardLook look = CurrentLook(target);
  SetGroup(group, look);
  ShowLook(target, look);
}

void TfrmAppearance::SetGroup(Group group, BoardLook& look) const {
  switch (group) {
    case Group::Background: {
      const bool def = CheckBox1->isChecked();
      look.unfocus1 = def ? kDefaultBoardColor1 : Panel1->colour();
      look.unfocus2 = def ? kDefaultBoardColor2 : Panel2->colour();
      break;
    }
    case Group::Font: {
      const bool def = CheckBox2->isChecked();
      look.fontColor1 = def ? kDefaultFixedColor : fpanel1->colour();
      look.fontColor2 = def ? kDefaultBigColor : fpanel2->colour();
      look.fontColor3 = def ? kDefaultCandidateColor : fpanel3->colour();
      break;
    }
    case Group::Highlight:
      look.highcolor = CheckBox3->isChecked() ? kDefaultHighColor : highpanle->colour();
      break;
  }
}

void TfrmAppearance::ShowLook(Target target, const BoardLook& look) {
  if (target == Target::kMain) {
    session_.ApplyLook(look);
    return;
  }
  sd1->SetLook(look);
  sd1->SetView(AppearancePreview(look));
}

void TfrmAppearance::showEvent(QShowEvent* event) {
  // A cancelled visit's changes are dropped by reading the file again.
  if (!event->spontaneous()) LoadSettings(Target::kPreview);
  QDialog::showEvent(event);
}

void TfrmAppearance::Button1Click() {
  SaveSettings();
  LoadSettings(Target::kMain);
  accept();
}

void TfrmAppearance::Button2Click() { reject(); }

void TfrmAppearance::Button3Click() {
  WriteDefaultSettings();
  LoadSettings(Target::kPreview);
}

}  // namespace tessel::ui
