// The solver window's check board answers as the core's check does.
#include <gtest/gtest.h>

#include <random>

#include "core/solver.hpp"
#include "ui/solverwindow.hpp"
#include "ui_fixture.hpp"

TEST(SolverWindow, CheckBoardAgreesWithTheCoreCheck) {
  tessel::ui::Tfrm_sol window;
  std::mt19937 rng(5);
  const std::string alphabet = "0*123456789.";
  for (int round = 0; round < 300; ++round) {
    std::string p(81, '*');
    for (int k = 0; k < round % 30; ++k) p[rng() % 81] = alphabet[rng() % alphabet.size()];
    EXPECT_EQ(window.CheckGivens(QString::fromStdString(p)), tessel::CheckGivens(p)) << p;
  }
  // Two 5s in one column clash; the board colours both red.
  auto* board = uitest::Child<tessel::TSD33>(window, "checkBoard");
  std::string clash(81, '0');
  clash[tessel::IndexOf(1, 4)] = clash[tessel::IndexOf(8, 4)] = '5';
  EXPECT_FALSE(window.CheckGivens(QString::fromStdString(clash)));
  EXPECT_TRUE(board->node(1, 4)->error && board->node(8, 4)->error);
  EXPECT_EQ(board->text(2, 2), "123456789");
  EXPECT_TRUE(window.CheckGivens(QString(81, '*'))) << "reused: a clean string clears the old marks";
  EXPECT_FALSE(board->node(1, 4)->error);
}
