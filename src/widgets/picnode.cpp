#include "widgets/picnode.hpp"

namespace tessel {

TPicNode::TPicNode() {
  subColor.fill(16777215);
  subFontColor.fill(128);  // maroon until the board sets FONTColor3
}

void TPicNode::setcolor(TColor c) {
  for (int k = 1; k <= 9; ++k) subColor[k] = c;
}

void TPicNode::setFontSize(int points) { subFontSize = points; }

void TPicNode::setFontColor(TColor c) {
  for (int k = 1; k <= 9; ++k) subFontColor[k] = c;
}

void TPicNode::Hide() {
  for (int k = 1; k <= 9; ++k) subVisible[k] = false;
}

void TPicNode::Show() {
  for (int k = 1; k <= 9; ++k) subVisible[k] = true;
}

void TPicNode::showhxs(std::string_view text) {
  for (int k = 1; k <= 9; ++k) subVisible[k] = text.find(char('0' + k)) != std::string_view::npos;
}

}  // namespace tessel
