// The colour and font properties the playing board and the solver's check
// board share (colours are 0x00BBGGRR). Setters only store the value; each
// board applies it at its next redraw or relayout.
#pragma once

#include "widgets/tcolor.hpp"

namespace tessel {

class TBoardLook {
 public:
  // The check board draws candidates in blue, the playing board in maroon.
  explicit TBoardLook(TColor candidateColour = 128) : fontColor3_(candidateColour) {}

  TColor UNFoucsColor1() const { return unfocus1_; }
  void setUNFoucsColor1(TColor c) { unfocus1_ = c; }
  TColor UNFoucsColor2() const { return unfocus2_; }
  void setUNFoucsColor2(TColor c) { unfocus2_ = c; }
  int FONTSize1() const { return fontSize1_; }
  void setFONTSize1(int v) { fontSize1_ = v; }
  int FONTSize2() const { return fontSize2_; }
  void setFONTSize2(int v) { fontSize2_ = v; }
  int FONTSize3() const { return fontSize3_; }
  void setFONTSize3(int v) { fontSize3_ = v; }
  TColor FONTColor1() const { return fontColor1_; }
  void setFONTColor1(TColor c) { fontColor1_ = c; }
  TColor FONTColor2() const { return fontColor2_; }
  void setFONTColor2(TColor c) { fontColor2_ = c; }
  TColor FONTColor3() const { return fontColor3_; }
  void setFONTColor3(TColor c) { fontColor3_ = c; }

 protected:
  TColor unfocus1_ = 16777215;
  TColor unfocus2_ = 16759739;
  int fontSize1_ = 25;
  int fontSize2_ = 25;
  int fontSize3_ = 12;
  TColor fontColor1_ = 0;
  TColor fontColor2_ = 16711680;
  TColor fontColor3_;
};

}  // namespace tessel
