#pragma once
// The 24 button strips in "btn\": each 66 x 33, two 33-pixel frames (normal,
// then lit under the mouse) on a magenta ground. The program leaves out the
// colour of a strip's lower-left pixel, so only the round button shows.
#include "output.h"

namespace coursegen {

void MakeButtonStrips(Output& out);

} // namespace coursegen
