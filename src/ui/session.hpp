// What a dialog may reach of the main window: the game, the prompts, the
// data folder, and a refresh after it changed the game. Nothing else of the
// window is theirs to touch.
#pragma once

#include <QString>

#include "core/boardview.hpp"
#include "core/game.hpp"
#include "ui/prompts.hpp"

class QWidget;

namespace tessel::ui {

class Session {
 public:
  virtual Game& game() = 0;
  virtual Prompts& prompts() = 0;
  // Ends with "/".
  virtual const QString& DataFolder() const = 0;
  // The window shows the game again after a dialog changed it.
  virtual void Refresh() = 0;
  // The Appearance colours go to the playing board, which is redrawn the
  // way that dialog redraws it.
  virtual void ApplyLook(const BoardLook& look) = 0;
  virtual BoardLook Look() const = 0;
  // The "Auto check" menu item as the settings file has it.
  virtual void ShowAutoCheck(bool on) = 0;
  // Dialogs are parented to this window.
  virtual QWidget* dialogParent() = 0;

 protected:
  ~Session() = default;
};

}  // namespace tessel::ui
