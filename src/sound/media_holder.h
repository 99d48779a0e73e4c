#pragma once
// The media holder: the program's two players (the main player and the side
// player for feedback over a paused film), the sound service on them and the
// voice recording. Start-up makes one, on the user-interface thread where the
// players' notifications arrive, and keeps it for the whole run.
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

} // namespace lumora
