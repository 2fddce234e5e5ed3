// Display state of one cell of the playing board. The board paints it; the
// nine candidate sub-panels are plain records here, not child windows.
#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "widgets/tcolor.hpp"

namespace tessel {

enum BorderStyle : int { kBorderNone = 0, kBorderSingle = 1 };

struct TPicNode {
  int row = 1;
  int col = 1;

  // The cell itself: big digit, its font, background, hover frame.
  QString caption = QStringLiteral(" ");
  int fontSize = 25;       // points
  TColor fontColor = 0;
  TColor color = 16777215;  // background
  int borderStyle = kBorderNone;
  bool popupAssigned = false;  // the main window's menu pops up on a right click

  // Sub-panel k (1..9) shows digit k; index 0 is unused.
  std::array<bool, 10> subVisible{};
  std::array<TColor, 10> subColor{};
  std::array<TColor, 10> subFontColor{};
  std::array<int, 10> subBorderStyle{};  // hover frame of one sub-panel
  int subFontSize = 12;                  // points

  TPicNode();

  // These act on the nine sub-panels only, never on the cell's own caption or background.
  void setcolor(TColor c);
  void setFontSize(int points);
  void setFontColor(TColor c);
  void Hide();
  void Show();
  // Sub-panel k visible exactly when the digit k occurs in text.
  void showhxs(std::string_view text);

  // The caption of sub-panel k: its digit.
  static QString SubCaption(int k) { return QString::number(k); }
};

}  // namespace tessel
