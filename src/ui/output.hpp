// Output of the main board: the printable page opened in the browser and the
// copy-to-clipboard dialog.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

#include <functional>

#include "core/board.hpp"
#include "ui/prompts.hpp"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace tessel::ui {

// The print style dialog. Made once, so it keeps the player's choices.
class Tfrmprintselect : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 381;
  static constexpr int kClientHeight = 202;

  using UrlOpener = std::function<bool(const QUrl&)>;
  Tfrmprintselect(const Board& board, Prompts& prompts, UrlOpener opener, QWidget* parent = nullptr);

  int pg2ItemIndex() const;
  void setPg2ItemIndex(int index);

  // Where the page goes: print_temp.htm in the user's own folder inside the
  // temporary folder.
  static QString PrintFilePath(const QString& folder);

  // Writes the page of one style and size and opens it; false when the file
  // could not be written (the error has been shown).
  bool Button1Click(bool withCandidates, int paper);

 public slots:
  void SpeedButton1Click();
  void SpeedButton2Click();

 private:
  QGroupBox* RadioGroup1 = nullptr;     // "Select Print Style"
  QRadioButton* RadioButton1 = nullptr; // Normal
  QRadioButton* RadioButton2 = nullptr; // With Candidates
  QGroupBox* pg2 = nullptr;             // "Paper Size"
  QButtonGroup* pg2Items = nullptr;     // ids 0..2
  QPushButton* SpeedButton1 = nullptr;  // OK
  QPushButton* SpeedButton2 = nullptr;  // Cancel

  const Board& board_;
  Prompts& prompts_;
  UrlOpener opener_;
};

// The copy dialog: the board as text in one of four layouts.
class Tfrmcopy : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kWidth = 725;
  static constexpr int kHeight = 309;

  explicit Tfrmcopy(const Board& board, QWidget* parent = nullptr);

  int itemIndex() const;
  void setItemIndex(int index);  // and rebuild the text

  // The text of item 0 with item 0 selected, as on every opening.
  void Prepare();

 public slots:
  void RadioGroup1Click();
  void Button1Click();
  void Button2Click();

 private:
  QTextEdit* memo1 = nullptr;
  QGroupBox* RadioGroup1 = nullptr;       // "Select the format to be copied"
  QButtonGroup* RadioGroup1Items = nullptr;  // ids 0..3
  QPushButton* Button1 = nullptr;  // Copy
  QPushButton* Button2 = nullptr;  // Close

  void FormCreate();

  const Board& board_;
};

}  // namespace tessel::ui
