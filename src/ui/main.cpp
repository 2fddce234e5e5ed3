// Sudoku Tessel: the game window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <iostream>

#include "core/textfile.hpp"
#include "ui/icons.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"
#include "ui/scriptrun.hpp"
#include "ui/solverwindow.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sudoku Tessel"));
  QApplication::setApplicationVersion(QStringLiteral("4.65"));
  QApplication::setApplicationDisplayName(tessel::ui::kAppTitle);
  QApplication::setWindowIcon(tessel::ui::MakeIcon(tessel::ui::IconId::App));
  QApplication::setDesktopFileName(QStringLiteral("org.example.sudokutessel"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Sudoku Tessel, a Sudoku game."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption scriptOption(
      QStringLiteral("script"), QStringLiteral("Play the commands in <file> headless and exit (release checks)."),
      QStringLiteral("file"));
  parser.addOption(scriptOption);
  parser.process(app);  // unknown options: a message and exit code 1
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "sudoku-tessel: unexpected argument '%s' (see --help)\n",
                 qPrintable(parser.positionalArguments().first()));
    return 2;
  }

  if (parser.isSet(scriptOption)) {
    const QString path = parser.value(scriptOption);
    const tessel::ReadResult script = tessel::ReadWholeFile(QFile::encodeName(path).toStdString());
    if (!script.ok) {
      const std::string why = script.error.empty() ? "cannot read '" + QFile::encodeName(path).toStdString() + "'"
                                                   : script.error;
      std::fprintf(stderr, "sudoku-tessel: %s\n", why.c_str());
      return 2;
    }
    QStringList lines;
    for (const std::string& l : tessel::SplitLines(script.bytes)) lines << QString::fromUtf8(l);
    tessel::ui::ScriptedPrompts prompts;
    tessel::ui::TForm1 form(prompts);
    form.show();
    int code = 1;
    QTimer::singleShot(0, &app, [&] {
      code = tessel::ui::RunScript(form, prompts, lines, std::cout, std::cerr);
      QApplication::exit(code);
    });
    app.setQuitOnLastWindowClosed(false);
    app.exec();
    return code;
  }

  tessel::ui::DialogPrompts prompts;
  tessel::ui::TForm1 form(prompts);
  // The hidden windows live as long as the main window.
  tessel::ui::Tfrm_sol solverWindow(&form);
  solverWindow.setWindowFlags(Qt::Window);
  solverWindow.hide();
  form.show();
  return app.exec();
}
