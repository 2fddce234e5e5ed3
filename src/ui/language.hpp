// The language the window speaks: English, or Simplified Chinese through
// Qt's translation system, chosen by the system locale or --lang.
#pragma once

#include <QString>

namespace tessel::ui {

// "en" or "zh_CN" for a choice ("" or "system": the locale's first
// language, English unless it is Chinese); empty for an unknown choice.
QString PickLanguage(const QString& choice);
// Loads and installs the translations of `language` (the game's own, Qt's
// dialog buttons when the system has them) and routes the core's texts
// through them. "en" installs none.
void UseLanguage(const QString& language);
// The language in use.
QString CurrentLanguage();

}  // namespace tessel::ui
