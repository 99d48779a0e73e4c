#include "media_holder.h"

namespace lumora {

MediaHolder::MediaHolder()
    : service_(media_player1_, media_player1_rozumienie_), recording_(recorder_, media_player1_) {}

MediaHolder& TheMediaHolder() {
    static MediaHolder holder;
    return holder;
}

} // namespace lumora
