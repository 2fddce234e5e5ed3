// The board's drawing as a function of the game. Random command sequences
// run on a game; after each, what Render shows must equal what the board
// showed when every command patched one lasting table in layers (the redraw
// by mode, the highlight, the marks, the entry fonts, and whatever stayed
// until the next redraw: the hint's yellow, Check Error's red, marking
// paint, the Appearance redraw). Rendering twice gives the same table, and a
// position rebuilt from the history's entry renders the same.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "core/game.hpp"
#include "core/history.hpp"
#include "core/play.hpp"
#include "test_util.hpp"

namespace tessel {
namespace {

// What a player sees of a cell: hidden squares and empty captions carry no
// colour or font.
std::string Seen(const CellView& n) {
  std::ostringstream s;
  s << n.color;
  std::string caption = n.caption;
  caption.erase(0, caption.find_first_not_of(' '));
  if (!caption.empty()) s << " '" << caption << "' " << n.fontSize << "/" << n.fontColor;
  for (int k = 1; k <= 9; ++k)
    if (n.subVisible[k]) s << " [" << k << ":" << n.subColor[k] << "/" << n.subFontColor[k] << "/" << n.subFontSize << "]";
  s << (n.popupAssigned ? " menu" : "") << " x" << n.explain << "/" << n.explainDigits;
  return s.str();
}

std::string Diff(const BoardView& want, const BoardView& got) {
  std::string out;
  for (int i = 0; i < kCells; ++i)
    if (Seen(want[i]) != Seen(got[i]))
      out += CellLabel(RowOf(i), ColOf(i)) + ": layered " + Seen(want[i]) + "\n    render  " + Seen(got[i]) + "\n";
  return out;
}

// The board as the layered redraws left it, command by command.
class Layered {
 public:
  explicit Layered(const BoardLook& look) : look_(look) {
    for (int i = 0; i < kCells; ++i) {
      v_[i].row = RowOf(i);
      v_[i].col = ColOf(i);
      v_[i].color = look.ParityColor(RowOf(i), ColOf(i));
      v_[i].setcolor(v_[i].color);
    }
  }
  const BoardView& view() const { return v_; }

  void DrawForMode(const Game& g) {
    if (g.mode() == DisplayMode::kNone)
      DrawDigitsOnly(g.board(), look_, v_);
    else if (g.mode() == DisplayMode::kAll)
      DrawAllCandidates(g.board(), look_, v_);
    else
      DrawFiltered(g.board(), look_, v_, g.selectedDigit());
  }
  void DrawAll(const Game& g) { DrawAllCandidates(g.board(), look_, v_); }
  void ApplyMarks(const Game& g) {
    tessel::ApplyMarks(g.board(), look_, g.selectedDigit(), g.marks(), v_);
    RestoreEntryFonts(g.board(), g.store(), look_, v_);
  }
  // The common full redraw: by mode, the highlight, the marks.
  void Full(const Game& g) {
    DrawForMode(g);
    HighlightSelected(g.board(), look_, g.selectedDigit(), v_);
    ApplyMarks(g);
  }
  void Menus(const Game& g, int digit) {
    for (int i = 0; i < kCells; ++i) {
      const Cell& c = g.board()[i];
      v_[i].popupAssigned = digit >= 0 && c.state != kGiven &&
                            (digit == 0 || c.text.find(char('0' + digit)) != std::string::npos);
    }
  }
  void ModeMenus(const Game& g) {
    Menus(g, g.mode() == DisplayMode::kNone ? -1 : g.mode() == DisplayMode::kAll ? 0 : g.selectedDigit());
  }
  void MarkCell(int i, Colour c) {
    v_[i].color = c;
    v_[i].setcolor(c);
  }
  void MarkSquare(int i, int k, bool left, Colour palette) { v_[i].subColor[k] = left ? palette : v_[i].color; }
  void Hint(int cell) { v_[cell].color = kHintBackground; }
  void Ink(const Game& g) {
    for (int i : g.WrongDigits()) v_[i].fontColor = kWrongDigitFont;
  }
  void RestoreFonts(const Game& g) { RestoreEntryFonts(g.board(), g.store(), look_, v_); }
  void ClearMarks(const Game& g) { PaintBaseColours(g.board(), look_, g.selectedDigit(), v_); }
  void NewLook(const Game& g) {
    DrawAllCandidates(g.board(), look_, v_);
    for (int i = 0; i < kCells; ++i)
      if (g.board()[i].state == kOpen) v_[i].setcolor(v_[i].color);
    DrawAllCandidates(g.board(), look_, v_);
  }
  void Frames(const Game& g) {
    for (auto& n : v_) {
      n.explain = kExplainNone;
      n.explainDigits = 0;
    }
    static const Explanation kNone;
    const Explanation& e = g.explanationFramed() ? g.explanation() : kNone;
    for (int c : e.proof) v_[c].explain = kExplainProof;
    for (int c : e.changes) v_[c].explain = kExplainChange;
    for (const auto& p : e.placements) {
      v_[p.cell].explain = kExplainPlace;
      v_[p.cell].explainDigits |= std::uint16_t(1u << (p.digit - 1));
    }
    for (const auto& el : e.eliminations) v_[el.cell].explainDigits |= std::uint16_t(1u << (el.digit - 1));
  }

 private:
  BoardLook look_;
  BoardView v_;
};

enum Command {
  kCellPress, kSquarePress, kMenuCommand, kMarkCell, kMarkSquare, kHint, kCheck, kSolution, kStep,
  kBranch, kMode, kChoose, kToggle, kRestart, kClearMarks, kNewLook, kExplain, kAutoUpdate, kFillEmpty,
  kNewGame, kCommandCount
};

TEST(Render, EqualsTheLayeredRedrawsOverRandomPlay) {
  BoardLook look;
  look.unfocus2 = 16747403;
  look.fontSize1 = look.fontSize2 = 20;
  look.fontSize3 = 10;
  look.highcolor = 9813909;
  const Colour palette[] = {65535, 255, 16711680, look.unfocus1};  // the last one is reserved
  int commands = 0, recorded = 0;
  for (unsigned seed = 1; seed <= 16; ++seed) {
    std::mt19937 pick(seed);
    auto any = [&](int n) { return static_cast<int>(pick() % static_cast<unsigned>(n)); };
    Random32 rng([seed] { return seed; });
    Game g;
    Layered layered(look);
    g.ShowNewLook();  // as at program start
    g.NewGame(any(5), rng);
    layered.ModeMenus(g);
    layered.Full(g);
    for (int step = 0; step < 150; ++step, ++commands) {
      const int row = 1 + any(9), col = 1 + any(9), digit = 1 + any(9), cell = IndexOf(row, col);
      const bool left = any(3) != 0;
      const Command c = static_cast<Command>(any(kCommandCount));
      std::string what = std::to_string(c);
      switch (c) {
        case kCellPress: case kSquarePress: {
          g.SetMarking(false);
          const Press p{row, col, c == kSquarePress ? digit : 0, left};
          const DisplayMode mode = g.mode();
          const PlayResult r = g.PressOn(p, 0, look);
          if (p.digit == 0) {
            if (mode == DisplayMode::kNone || r.changed) layered.Full(g);
            layered.RestoreFonts(g);
          } else if (mode != DisplayMode::kNone) {
            layered.Full(g);
          }
          break;
        }
        case kMenuCommand: {
          const std::string command = any(3) == 0 ? "X" : std::string(1, any(2) ? '+' : '-') + char('0' + digit);
          if (g.CellCommand(row, col, command).changed) layered.Full(g);
          break;
        }
        case kMarkCell: case kMarkSquare: {
          g.SetMarking(true);
          const Colour colour = palette[any(4)];
          if (c == kMarkCell) {
            const Colour shown = left ? colour : CellBaseColour(g.board(), look, row, col, g.selectedDigit());
            g.PressOn({row, col, 0, left}, colour, look);
            layered.MarkCell(cell, shown);
          } else {
            layered.MarkSquare(cell, digit, left, colour);
            g.PressOn({row, col, digit, left}, colour, look);
          }
          EXPECT_EQ(g.marks(), CaptureMarks(look, layered.view())) << "seed " << seed << " step " << step;
          break;
        }
        case kHint: {
          const int hint = g.Hint();
          if (hint >= 0) {
            layered.Full(g);
            layered.Hint(hint);
          }
          break;
        }
        case kCheck:
          g.CheckErrors();
          layered.Ink(g);
          break;
        case kSolution: {
          const Game::SolutionAnswer a = g.SolutionToShow();
          if (a.kind != Game::SolutionAnswer::kShow || any(4) != 0) break;
          g.ShowSolution(a.first);
          layered.DrawAll(g);
          layered.ApplyMarks(g);
          break;
        }
        case kStep: {
          bool (Game::*steps[])() = {&Game::StepFirst, &Game::StepBack, &Game::StepNext, &Game::StepLast};
          if ((g.*steps[any(4)])()) layered.Full(g);
          break;
        }
        case kBranch:
          if (g.CanStartBranch()) {
            g.StartBranch();
          } else if (g.CanEndBranch() && any(2)) {
            g.AcceptBranch();
          } else if (g.RejectBranch()) {
            layered.Full(g);
          }
          break;
        case kMode: {
          const DisplayMode mode = static_cast<DisplayMode>(any(3));
          if (mode == g.mode()) break;
          g.SetMode(mode);
          layered.ModeMenus(g);
          layered.Full(g);
          break;
        }
        case kChoose: case kToggle:
          if (c == kChoose)
            g.ChooseDigit(digit);
          else
            g.ToggleDigit(digit);
          if (g.mode() == DisplayMode::kOnlyOne) layered.Menus(g, g.selectedDigit() == 0 ? -1 : g.selectedDigit());
          layered.Full(g);
          break;
        case kRestart: {
          const DisplayMode mode = g.mode();
          g.Restart();
          if (mode != DisplayMode::kNone) layered.Menus(g, -1);
          layered.Full(g);
          break;
        }
        case kClearMarks:
          g.ClearMarks();
          layered.ClearMarks(g);
          break;
        case kNewLook:
          g.ShowNewLook();
          layered.NewLook(g);
          break;
        case kExplain:
          g.ExplainNextStep();
          break;
        case kAutoUpdate:
          g.SetAutoUpdate(!g.autoUpdate());
          break;
        case kFillEmpty: {
          bool empty = false;
          for (int i = 0; i < kCells; ++i) empty = empty || g.board()[i].text.empty();
          g.FillEmptyLists();
          if (empty) layered.Full(g);
          break;
        }
        case kNewGame: {
          if (any(8) != 0) break;
          const DisplayMode mode = g.mode();
          g.NewGame(any(5), rng);
          if (mode != DisplayMode::kNone) layered.Menus(g, -1);
          layered.Full(g);
          break;
        }
        case kCommandCount:
          break;
      }
      layered.Frames(g);
      const BoardView view = Render(g, look);
      ASSERT_EQ(Diff(layered.view(), view), "") << "seed " << seed << " step " << step << " command " << what;
      ASSERT_EQ(Diff(view, Render(g, look)), "") << "rendered twice";

      // Where the board is the history's entry, the entry rebuilds the view.
      if (TakeSnapshot(g.board()) != g.history().Current()) continue;
      ++recorded;
      Game rebuilt = g;
      rebuilt.board().ClearAll();
      RestoreSnapshot(rebuilt.board(), g.history().Current());
      for (int i = 0; i < kCells; ++i) rebuilt.board()[i].error = g.board()[i].error;
      rebuilt.board().nd = g.board().nd;
      ASSERT_EQ(Diff(view, Render(rebuilt, look)), "") << "seed " << seed << " step " << step;
    }
  }
  EXPECT_GT(recorded, commands / 2);
}

}  // namespace
}  // namespace tessel
