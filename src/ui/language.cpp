#include "ui/language.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <string>

#include "core/board.hpp"

namespace tessel::ui {

namespace {

QString g_language = QStringLiteral("en");

// The core's texts go through Qt's translators, keyed as lupdate found them:
// the context, the English wording and the Chinese one as disambiguation.
std::string QtTranslate(std::string_view context, std::string_view english, std::string_view chinese) {
  const std::string c(context), e(english), z(chinese);
  return QCoreApplication::translate(c.c_str(), e.c_str(), z.empty() ? nullptr : z.c_str()).toStdString();
}

QTranslator& GameTranslator() {
  static QTranslator t;
  return t;
}

QTranslator& QtTranslator() {
  static QTranslator t;
  return t;
}

}  // namespace

QString PickLanguage(const QString& choice) {
  if (choice == QLatin1String("en") || choice == QLatin1String("zh_CN")) return choice;
  if (!choice.isEmpty() && choice != QLatin1String("system")) return {};
  for (const QString& ui : QLocale::system().uiLanguages()) {
    if (ui.startsWith(QLatin1String("zh"))) return QStringLiteral("zh_CN");
    if (ui.startsWith(QLatin1String("en")) || ui == QLatin1String("C")) return QStringLiteral("en");
  }
  return QStringLiteral("en");
}

void UseLanguage(const QString& language) {
  QCoreApplication::removeTranslator(&GameTranslator());
  QCoreApplication::removeTranslator(&QtTranslator());
  g_language = QStringLiteral("en");
  SetTextTranslator(nullptr);
  if (language != QLatin1String("zh_CN")) return;
  if (!GameTranslator().load(QStringLiteral(":/i18n/sudoku-tessel_zh_CN.qm"))) return;
  QCoreApplication::installTranslator(&GameTranslator());
  // Qt's own buttons (Yes, No, Cancel, the file dialog) follow where the
  // system has Qt's translations.
  if (QtTranslator().load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&QtTranslator());
  SetTextTranslator(QtTranslate);
  g_language = language;
}

QString CurrentLanguage() { return g_language; }

}  // namespace tessel::ui
