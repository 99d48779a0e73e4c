#pragma once
// The sound module's player: WAV files in the codings WavReader decodes,
// played without FFmpeg.
#include "stream_player.h"
#include "wav_reader.h"

namespace lumora {

class WavPlayer final : public StreamPlayer {
  public:
    WavPlayer() = default;
    ~WavPlayer() override;

  protected:
    std::optional<std::string> OpenFile(const std::string& path, std::int64_t& length_ms) override;
    void CloseFile() override { reader_.Close(); }
    std::unique_ptr<PlayerPlayback> StartPlay(PlayStart start) override;

  private:
    WavReader reader_;
};

} // namespace lumora
