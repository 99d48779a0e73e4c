#include "display_check.h"

namespace lumora {

DisplayCheck CheckDisplay(int width, int height) {
    return {width >= 800 && height >= 600};
}

} // namespace lumora
