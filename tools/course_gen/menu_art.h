#pragma once
// The main menu: its background "Gfx\main.bmp", which draws the twelve topic
// places and what each invisible click area stands for, and the sixty topic
// frames "menu_but\m_on_mouse_<k>.bmp" (five per topic: at rest, then
// lighting up under the mouse).
#include "output.h"

namespace coursegen {

void MakeMainMenu(Output& out);

} // namespace coursegen
