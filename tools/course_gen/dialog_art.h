#pragma once
// The backgrounds of the small screens in "gfx\": the question, the message,
// the result box, the information screen, the login, the new user and the
// best-scores list. Each draws its close mark under the screen's invisible
// close area and leaves its texts a ground they read well on.
#include "output.h"

namespace coursegen {

void MakeDialogBackgrounds(Output& out);

} // namespace coursegen
