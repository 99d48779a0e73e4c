#include "voice_samples.h"

#include <cstdint>

#include "platform/media/media_path.h"
#include "platform/media/wav_reader.h"

namespace lumora {
namespace {

constexpr std::size_t kPieceFrames = 4096;
constexpr float kFullScale = 32768.0F;

} // namespace

std::optional<VoiceSamples> ReadVoiceSamples(const std::string& path) {
    WavReader reader;
    if (reader.Open(MediaFileOnDisk(path))) {
        return std::nullopt;
    }
    const int channels = reader.Format().channels;
    VoiceSamples voice;
    voice.rate = reader.Format().rate;
    std::vector<std::int16_t> piece;
    for (;;) {
        piece.clear();
        std::size_t frames = 0;
        if (!reader.Read(kPieceFrames, piece, frames)) {
            return std::nullopt;
        }
        if (frames == 0) {
            return voice;
        }
        for (std::size_t f = 0; f < frames; ++f) {
            float sum = 0;
            for (int c = 0; c < channels; ++c) {
                sum += piece[f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
            }
            voice.samples.push_back(sum / (kFullScale * static_cast<float>(channels)));
        }
    }
}

} // namespace lumora
