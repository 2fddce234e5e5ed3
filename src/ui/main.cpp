// Sudoku Tessel: the game window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <iostream>

#include "core/textfile.hpp"
#include "ui/icons.hpp"
#include "ui/language.hpp"
#include "ui/mainwindow.hpp"
#include "ui/prompts.hpp"
#include "ui/scriptrun.hpp"
#include "ui/solverwindow.hpp"

namespace {

bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication::setApplicationName(QStringLiteral("Sudoku Tessel"));
  QApplication::setApplicationVersion(tessel::ui::kVersion);

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Sudoku Tessel, a Sudoku game."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption scriptOption(
      QStringLiteral("script"),
      QStringLiteral("Play the commands in <file> and exit (release checks); without a display it runs offscreen."),
      QStringLiteral("file"));
  parser.addOption(scriptOption);
  const QCommandLineOption langOption(
      QStringLiteral("lang"),
      QStringLiteral("The language of the window: en or zh_CN (default: the system's; a script plays in English)."),
      QStringLiteral("language"));
  parser.addOption(langOption);

  // A first reading before any window system is touched: --help and
  // --version answer without a display. Qt's own options (-platform ...)
  // are only known after QApplication takes them, so errors wait until then.
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  const bool clean = parser.parse(args);
  if (parser.isSet(helpOption)) {
    std::fputs(qPrintable(parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QStringLiteral("sudoku-tessel"))),
               stdout);
    return 0;
  }
  if (parser.isSet(versionOption)) {
    std::printf("%s %s\n", qPrintable(QApplication::applicationName()),
                qPrintable(QApplication::applicationVersion()));
    return 0;
  }
  // Release checks compare English texts, so a script speaks English unless told.
  const QString choice = parser.isSet(langOption) ? parser.value(langOption)
                         : parser.isSet(scriptOption) ? QStringLiteral("en")
                                                      : QString();
  if (!choice.isEmpty() && tessel::ui::PickLanguage(choice).isEmpty()) {
    std::fprintf(stderr, "sudoku-tessel: unknown language '%s' (en or zh_CN)\n", qPrintable(choice));
    return 2;
  }
  // Only the plain start shows a window; a script or a refused argument
  // needs none, so without a display it must not abort.
  const bool windowed = clean && !parser.isSet(scriptOption) && !parser.isSet(QStringLiteral("help-all")) &&
                        parser.positionalArguments().isEmpty();
  if (!windowed && !HasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  QApplication::setApplicationDisplayName(tessel::ui::kAppTitle);
  QApplication::setWindowIcon(tessel::ui::MakeIcon(tessel::ui::IconId::App));
  QApplication::setDesktopFileName(QStringLiteral("org.example.sudokutessel"));

  parser.process(app);  // unknown options: a message and exit code 1
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "sudoku-tessel: unexpected argument '%s' (see --help)\n",
                 qPrintable(parser.positionalArguments().first()));
    return 2;
  }
  tessel::ui::UseLanguage(tessel::ui::PickLanguage(choice));

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
