// Sudoku Tessel: the game window.
#include <QApplication>

#include "ui/icons.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"
#include "ui/solverwindow.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sudoku Tessel"));
  QApplication::setApplicationVersion(QStringLiteral("4.65"));
  QApplication::setApplicationDisplayName(tessel::ui::kAppTitle);
  QApplication::setWindowIcon(tessel::ui::MakeIcon(tessel::ui::IconId::App));

  tessel::ui::DialogPrompts prompts;
  tessel::ui::TForm1 form(prompts);
  // The hidden windows live as long as the main window.
  tessel::ui::Tfrm_sol solverWindow(&form);
  solverWindow.setWindowFlags(Qt::Window);
  solverWindow.hide();
  form.show();
  return app.exec();
}
