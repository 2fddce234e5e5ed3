// The Appearance dialog: board, digit and highlight colours, kept in doda.ini
// in the data folder, shown live on a preview board and applied to the main
// board at start and on OK. Created once, right after the main window;
// creating it is what loads the settings.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QString>

#include "core/settings.hpp"
#include "ui/session.hpp"
#include "widgets/picsd33.hpp"
#include "widgets/tcolor.hpp"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessel::ui {

// A clickable colour panel that shows a one-line frame while hovered.
class TColorSwatch : public QFrame {
  Q_OBJECT

 public:
  explicit TColorSwatch(TColor colour, QWidget* parent = nullptr);
  TColor colour() const { return colour_; }
  void setColour(TColor c);
  bool framed() const { return frameShape() == QFrame::Box; }

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  TColor colour_;
};

class TfrmAppearance : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kLeftWidth = 110;
  static constexpr int kClientWidth = kLeftWidth + 8 + TPICSD33::kBoardSize + 8;
  static constexpr int kClientHeight = 8 + TPICSD33::kBoardSize + 44;
  // The platform's "default colour of the control" value, fpanel1's first colour.
  static constexpr TColor kClDefault = 0x20000000;

  // Fills the preview, then LoadSettings (preview) twice and (main board) once.
  explicit TfrmAppearance(Session& session);

  // The settings text (the hidden Memo1): the lines of doda.ini while the program runs.
  SettingsText& settings() { return settings_; }

  QString ReadSetting(const QString& key) const;
  void WriteSetting(const QString& key, const QString& value);
  // False when the file could not be written (the old one stays whole); tell
  // shows the reason to the player.
  bool SaveSettings(bool tell = true);
  bool WriteDefaultSettings();
  // At close: only "Auto_check" goes into the file as it is now, so another
  // running copy's saved colours stay.
  bool StoreAutoCheck(bool on);
  // Which board a load applies the colours to.
  enum class Target { kPreview, kMain };
  // Reads doda.ini, sets the controls and applies them to the preview or the
  // main board. A missing file or a bad colour value brings the defaults back.
  void LoadSettings(Target target);

 public slots:
  void Button1Click();  // OK
  void Button2Click();  // Cancel
  void Button3Click();  // Default

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QGroupBox* GroupBox1 = nullptr;  // "Background"
  QCheckBox* CheckBox1 = nullptr;
  TColorSwatch* Panel1 = nullptr;
  TColorSwatch* Panel2 = nullptr;
  QGroupBox* GroupBox2 = nullptr;  // "Font Color"
  QCheckBox* CheckBox2 = nullptr;
  TColorSwatch* fpanel1 = nullptr;
  TColorSwatch* fpanel2 = nullptr;
  TColorSwatch* fpanel3 = nullptr;
  QGroupBox* GroupBox3 = nullptr;  // "Highlight Color"
  QCheckBox* CheckBox3 = nullptr;
  TColorSwatch* highpanle = nullptr;
  TPICSD33* sd1 = nullptr;  // the preview
  QPushButton* Button3 = nullptr;  // "Default"
  QPushButton* Button1 = nullptr;  // "OK"
  QPushButton* Button2 = nullptr;  // "Cancel"

  enum class Group { Background, Font, Highlight };
  QLabel* SwatchLabel(const QString& text, TColorSwatch* swatch);
  // One pass of LoadSettings; false at the first failing step.
  bool TryLoadSettings(Target target, bool readFile);
  // The click action of a "Default Color" box: write the group, show it on the preview.
  void GroupChanged(Group group);
  void SwatchClick(TColorSwatch* swatch, Group group);
  void WriteGroup(Group group);
  // The group's colours, as the controls say, go to the target's look.
  void ApplyGroup(Group group, Target target);
  BoardLook CurrentLook(Target target) const;
  void SetGroup(Group group, BoardLook& look) const;
  void ShowLook(Target target, const BoardLook& look);

  Session& session_;
  SettingsText settings_;
  // A folder that cannot be written is told once, not at each of the loads.
  bool toldSaveFailure_ = false;
};

}  // namespace tessel::ui
