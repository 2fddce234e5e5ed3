// The solver's hidden window: it owns the small editable check board on
// which a puzzle string's givens are checked for clashes.
#pragma once

#include <QString>
#include <QWidget>

#include "widgets/sd33.hpp"

namespace tessel::ui {

class Tfrm_sol : public QWidget {
  Q_OBJECT

 public:
  explicit Tfrm_sol(QWidget* parent = nullptr);

  // Puts the string on the check board ("0" and "*" open, any other
  // character a text) and reports whether no two peers hold the same text.
  // The core's CheckGivens answers the same without a window.
  bool CheckGivens(const QString& puzzle);

 private:
  TSD33* checkBoard = nullptr;
};

}  // namespace tessel::ui
