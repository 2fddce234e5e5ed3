// The Multiple Solutions Viewer: two solutions of a puzzle that has more
// than one, one below the other.
#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace tessel::ui {

class TFrmdas : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 517;
  static constexpr int kClientHeight = 418;

  explicit TFrmdas(QWidget* parent = nullptr);

  // Empties Memo1 and writes both solutions, nine digits a line.
  void Fill(const std::string& solution1, const std::string& solution2);

 private:
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* Button1 = nullptr;
};

}  // namespace tessel::ui
