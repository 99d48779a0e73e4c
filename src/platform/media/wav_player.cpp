#include "wav_player.h"

#include "wav_playback.h"

namespace lumora {

WavPlayer::~WavPlayer() {
    Close();
}

std::optional<std::string> WavPlayer::OpenFile(const std::string& path, std::int64_t& length_ms) {
    if (auto error = reader_.Open(path)) {
        return error;
    }
    length_ms = reader_.LengthMs();
    return std::nullopt;
}

std::unique_ptr<PlayerPlayback> WavPlayer::StartPlay(PlayStart start) {
    reader_.SeekMs(start.startMs);
    WavPlayback::Target target;
    target.reader = &reader_;
    target.stream = start.stream;
    target.outRate = start.outRate;
    target.tempo = start.tempo;
    target.finished = std::move(start.finished);
    return std::make_unique<WavPlayback>(std::move(target), start.startMs, Length());
}

} // namespace lumora
