// Plays the game from a text script, for release checks of an installed
// program: `sudoku-tessel --script FILE`. Every command goes through the real
// window (actions, key and mouse events); every message is echoed to stdout.
#pragma once

#include <QString>
#include <QStringList>

#include <iosfwd>

namespace tessel::ui {

class ScriptedPrompts;
class TForm1;

// Commands, one per line ('#' starts a comment):
//   seed N            the next deals draw from seed N
//   deal LEVEL        press the level button 0..4
//   answer yes|no     the answer to the next question
//   play N|all        enter the solution into the first N open cells
//   step first|back|next|last
//   continue          File > Continue Your Last Game
//   show              print the board, the clock state and the history
//   expect-notice TEXT  the last message shown was TEXT
//   expect-solved yes|no
//   close             close the window (it saves the last game)
// Returns 0 when every command ran and every expectation held, else 1;
// problems are written to err.
int RunScript(TForm1& form, ScriptedPrompts& prompts, const QStringList& lines, std::ostream& out, std::ostream& err);

// The board as the "1*81" layout: placed digits, '0' for open cells.
QString BoardLine(const TForm1& form);

}  // namespace tessel::ui
