#pragma once
// Mono 16-bit sound and the two WAV forms the course ships: plain PCM for the
// short feedback tones, and IMA ADPCM (4 bits a sample) for speech, which
// keeps the many recordings of the course small.
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace coursegen {

struct Sound {
    int rate = 22050;
    std::vector<int16_t> samples;

    double Seconds() const { return double(samples.size()) / rate; }
    void AppendSilence(double seconds);
    void Append(const Sound& other); // same rate expected
};

QByteArray PcmWav(const Sound& sound);
QByteArray ImaAdpcmWav(const Sound& sound);

// The samples of a 16-bit mono PCM WAV (as espeak-ng writes it). Throws on
// any other form.
Sound ParsePcmWav(const QByteArray& bytes);

} // namespace coursegen
