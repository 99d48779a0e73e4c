#include "wav_file.h"

namespace lumora {
namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xffu);
    }
}

} // namespace

std::string WavBytes(const std::vector<std::int16_t>& samples, int rate, int channels) {
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto data_bytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    const auto block = static_cast<std::uint32_t>(channels) * kBytesPerSample;
    std::string out = "RIFF";
    PutLittleEndian(out, 36 + data_bytes, 4);
    out += "WAVEfmt ";
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, static_cast<std::uint32_t>(channels), 2);
    PutLittleEndian(out, static_cast<std::uint32_t>(rate), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(rate) * block, 4);
    PutLittleEndian(out, block, 2);
    PutLittleEndian(out, 8 * kBytesPerSample, 2);
    out += "data";
    PutLittleEndian(out, data_bytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

} // namespace lumora
