#pragma once
// The media holder: the program's two players (the main player and the side
// player for feedback over a paused film), the sound service on them and the
// voice recording. One lives for the whole run; the sound functions use it
// unless a test has installed a service of its own.
#include <memory>

#include "platform/media/platform_media_player.h"
#include "platform/media/sdl_recorder.h"
#include "recording.h"
#include "sound_service.h"

namespace lumora {

class MediaHolder {
  public:
    MediaHolder();

    PlatformMediaPlayer& MediaPlayer1() { return mediaPlayer1_; }
    PlatformMediaPlayer& MediaPlayer1_rozumienie() { return mediaPlayer1Rozumienie_; }
    SoundService& Service() { return service_; }
    Recording& Recorder() { return recording_; }

  private:
    PlatformMediaPlayer mediaPlayer1_;
    PlatformMediaPlayer mediaPlayer1Rozumienie_;
    SdlRecorder recorder_;
    SoundService service_;
    Recording recording_;
};

// The program's holder, created on first use (start-up creates it first, on
// the user-interface thread, where the players' notifications arrive).
MediaHolder& TheMediaHolder();

} // namespace lumora
