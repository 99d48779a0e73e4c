#include "display_check.h"

namespace lumora {

DisplayCheck CheckDisplay(int width, int height, int dpi) {
    return {width >= 800 && height >= 600, dpi == 96};
}

} // namespace lumora
