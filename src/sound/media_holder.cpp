#include "media_holder.h"

namespace lumora {

MediaHolder::MediaHolder()
    : service_(media_player1_, media_player1_rozumienie_), recording_(recorder_, media_player1_) {
    // The login screen's first sound must not wait for the media backend.
    media_player1_.QueueWhileLoading();
    media_player1_rozumienie_.QueueWhileLoading();
}

MediaHolder& TheMediaHolder() {
    static MediaHolder holder;
    return holder;
}

} // namespace lumora
