#pragma once

#include <QIcon>

namespace korvex::app {

// The program's icon: the vector drawing where Qt can read SVG, else its PNG
// rendering shipped beside it.
QIcon program_icon();

} // namespace korvex::app
