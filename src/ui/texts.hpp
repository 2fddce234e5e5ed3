// The one place the window picks the wording of a text: every message, hint
// and caption with a described Chinese wording goes through the core's
// ChooseText, keyed by the class that shows it (its translation context).
// Used inside the members of a Q_OBJECT class.
#pragma once

#include <QString>

#include "core/board.hpp"

namespace tessel::ui {

inline QString ChosenText(const char* context, const char* english, const char* chinese) {
  return QString::fromStdString(tessel::ChooseText(context, english, chinese));
}

}  // namespace tessel::ui

#define CT(english, chinese) ::tessel::ui::ChosenText(staticMetaObject.className(), english, chinese)
