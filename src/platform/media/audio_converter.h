#pragma once
// Turns decoded audio of any format, rate and channel layout into the
// output's interleaved stereo floats at the output's rate.
#include <vector>

struct AVFrame;
struct SwrContext;

namespace lumora {

class AudioConverter {
  public:
    explicit AudioConverter(int out_rate);
    ~AudioConverter();
    AudioConverter(const AudioConverter&) = delete;
    AudioConverter& operator=(const AudioConverter&) = delete;

    // Appends the frame's sound to out; returns false when the frame's
    // format cannot be converted.
    bool Convert(const AVFrame& frame, std::vector<float>& out);
    // Appends what the resampler still holds.
    void Flush(std::vector<float>& out);
    // Forgets what the resampler holds (after a seek).
    void Reset();

  private:
    bool Configure(const AVFrame& frame);
    void Run(const unsigned char** input, int in_count, std::vector<float>& out);

    int outRate_;
    SwrContext* swr_ = nullptr;
    int inRate_ = 0;
    int inFormat_ = -1;
    int inChannels_ = 0;
};

} // namespace lumora
