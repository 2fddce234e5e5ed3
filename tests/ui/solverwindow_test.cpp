#include <gtest/gtest.h>

#include <random>

#include "core/solver.hpp"
#include "ui/solverwindow.hpp"

using tessel::ui::Tfrm_sol;

TEST(SolverWindow, CheckBoardAgreesWithTheCoreCheck) {
  Tfrm_sol window;
  EXPECT_FALSE(window.isVisible());
  std::mt19937 rng(5);
  const std::string alphabet = "0*123456789.";
  for (int round = 0; round < 300; ++round) {
    std::string p(81, '*');
    const int filled = round % 30;
    for (int k = 0; k < filled; ++k) p[rng() % 81] = alphabet[rng() % alphabet.size()];
    EXPECT_EQ(window.CheckGivens(QString::fromStdString(p)), tessel::CheckGivens(p)) << p;
  }
  // Two 5s in one column clash; the board colours both red.
  std::string clash(81, '0');
  clash[tessel::IndexOf(1, 4)] = '5';
  clash[tessel::IndexOf(8, 4)] = '5';
  EXPECT_FALSE(window.CheckGivens(QString::fromStdString(clash)));
  EXPECT_TRUE(window.checkBoard->node(1, 4)->error);
  EXPECT_TRUE(window.checkBoard->node(8, 4)->error);
  EXPECT_EQ(window.checkBoard->text(2, 2), "123456789");
  // Reused: a clean string clears the old marks.
  EXPECT_TRUE(window.CheckGivens(QString(81, '*')));
  EXPECT_FALSE(window.checkBoard->node(1, 4)->error);
}
