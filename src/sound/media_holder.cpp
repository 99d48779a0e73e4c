#include "media_holder.h"

namespace lumora {

MediaHolder::MediaHolder()
    : service_(mediaPlayer1_, mediaPlayer1Rozumienie_), recording_(recorder_, mediaPlayer1_) {
    // The login screen's first sound must not wait for the sound module, nor
    // a film for FFmpeg.
    mediaPlayer1_.QueueWhileLoading();
    mediaPlayer1Rozumienie_.QueueWhileLoading();
}

} // namespace lumora
