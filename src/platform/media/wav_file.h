#pragma once
// The bytes of a 16-bit PCM WAV file.
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

std::string WavBytes(const std::vector<std::int16_t>& samples, int rate, int channels);

} // namespace lumora
