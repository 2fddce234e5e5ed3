// The one place where the window code picks the wording of a text: every
// message, hint and caption is given in English and Chinese.
#pragma once

#include <QString>

#include "core/board.hpp"

namespace tessel::ui {

inline QString CT(const char* english, const char* chinese) {
  return QString::fromStdString(tessel::ChooseText(english, chinese));
}

}  // namespace tessel::ui
