#pragma once
// A WAV file's sound as mono samples (-1..1), for the voice comparison: the
// learner's recording and the model's word.
#include <optional>
#include <string>
#include <vector>

namespace lumora {

struct VoiceSamples {
    std::vector<float> samples;
    int rate = 0;
};

// Nothing when the file is not a WAV file the program decodes itself.
std::optional<VoiceSamples> ReadVoiceSamples(const std::string& path);

} // namespace lumora
