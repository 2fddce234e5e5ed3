// Display state of one cell of the playing board: the core's cell view. The
// board paints it; the nine candidate squares are plain records, not child
// windows.
#pragma once

#include "core/boardview.hpp"

namespace tessel {

using TPicNode = CellView;

}  // namespace tessel
