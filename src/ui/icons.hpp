// Toolbar and window icons, drawn in code: the Qt SVG module is not a
// dependency. Each icon is a list of simple shapes on a 24 × 24 grid, painted
// with QPainter; the same shapes written as SVG are shipped in data/icons
// for desktop integration.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <vector>

namespace tessel::ui {

enum class IconId {
  GameList,
  SaveGame,
  Printable,
  Import,
  Level0,
  Level1,
  Level2,
  Level3,
  Level4,
  Restart,
  Solve,
  Copy,
  CheckError,
  Hint,
  StartBranch,
  AcceptBranch,
  RejectBranch,
  First,
  Back,
  Next,
  Last,
  Solved,
  App,
};

const std::vector<IconId>& AllIcons();

// File name without extension in data/icons, e.g. "gamelist".
QString IconName(IconId id);

// Pixmaps at 16, 20, 24, 32 and 48 pixels.
QIcon MakeIcon(IconId id);
QPixmap RenderIcon(IconId id, int size, qreal devicePixelRatio = 1.0);

// The icon as SVG text, byte for byte what data/icons/<name>.svg holds.
QString IconSvg(IconId id);

// Level 0..4 to its toolbar icon.
IconId LevelIcon(int level);

}  // namespace tessel::ui
