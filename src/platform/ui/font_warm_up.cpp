#include "font_warm_up.h"

#include <fontconfig/fontconfig.h>

#include <thread>

namespace lumora {

void StartFontWarmUp() {
    // Fontconfig's initialisation is thread-safe: should Qt ask before this
    // ends, it loads its own copy and one of the two is dropped. The thread
    // is detached because nothing waits for it.
    std::thread([] { FcInit(); }).detach();
}

} // namespace lumora
