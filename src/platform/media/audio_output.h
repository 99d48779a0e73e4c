#pragma once
// The one sound output of the process, shared by both players: an SDL device
// whose callback mixes every attached stream, so the side player's praise can
// sound over the main player's film.
#include <SDL2/SDL.h>

#include <memory>
#include <string>
#include <vector>

namespace lumora {

class AudioStream;

class AudioOutput {
  public:
    static constexpr int kChannels = 2;

    // The output, opened on first use and closed when the last user lets go.
    static std::shared_ptr<AudioOutput> Shared();

    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    bool Ok() const { return device_ != 0; }
    const std::string& Error() const { return error_; }
    int Rate() const { return have_.freq; }

    void Attach(AudioStream* stream);
    void Detach(AudioStream* stream);

  private:
    AudioOutput();
    static void Callback(void* self, Uint8* bytes, int length);

    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec have_{};
    std::string error_;
    std::vector<AudioStream*> streams_;
};

} // namespace lumora
