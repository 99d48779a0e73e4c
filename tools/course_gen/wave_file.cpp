#include "wave_file.h"

#include "platform/media/ima_adpcm_tables.h"

#include <QtEndian>
#include <algorithm>
#include <stdexcept>

namespace coursegen {

namespace {

void Put16(QByteArray& b, int v) {
    const quint16 le = qToLittleEndian(quint16(v));
    b.append(reinterpret_cast<const char*>(&le), 2);
}

void Put32(QByteArray& b, quint32 v) {
    const quint32 le = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&le), 4);
}

QByteArray Riff(const QByteArray& chunks) {
    QByteArray b("RIFF");
    Put32(b, quint32(4 + chunks.size()));
    b += "WAVE";
    b += chunks;
    return b;
}

// The encoder tracks the decoder's state exactly, so errors do not add up.
struct AdpcmState {
    int predictor = 0;
    int index = 0;

    int Encode(int sample) {
        const int step = lumora::kImaSteps[static_cast<std::size_t>(index)];
        int diff = sample - predictor;
        int nibble = 0;
        if (diff < 0) {
            nibble = 8;
            diff = -diff;
        }
        int delta = step >> 3;
        if (diff >= step) {
            nibble |= 4;
            diff -= step;
            delta += step;
        }
        if (diff >= step >> 1) {
            nibble |= 2;
            diff -= step >> 1;
            delta += step >> 1;
        }
        if (diff >= step >> 2) {
            nibble |= 1;
            delta += step >> 2;
        }
        predictor += (nibble & 8) ? -delta : delta;
        predictor = std::clamp(predictor, -32768, 32767);
        index = std::clamp(index + lumora::kImaIndexMoves[static_cast<std::size_t>(nibble)], 0,
                           lumora::kImaLastIndex);
        return nibble;
    }
};

} // namespace

void Sound::AppendSilence(double seconds) {
    samples.insert(samples.end(), std::size_t(seconds * rate), 0);
}

void Sound::Append(const Sound& other) {
    samples.insert(samples.end(), other.samples.begin(), other.samples.end());
}

QByteArray PcmWav(const Sound& sound) {
    QByteArray chunks("fmt ");
    Put32(chunks, 16);
    Put16(chunks, 1);
    Put16(chunks, 1);
    Put32(chunks, quint32(sound.rate));
    Put32(chunks, quint32(sound.rate * 2));
    Put16(chunks, 2);
    Put16(chunks, 16);
    chunks += "data";
    Put32(chunks, quint32(sound.samples.size() * 2));
    for (int16_t s : sound.samples) {
        Put16(chunks, s);
    }
    return Riff(chunks);
}

QByteArray ImaAdpcmWav(const Sound& sound) {
    // The block size Windows' own encoder uses at this rate.
    const int blockAlign = sound.rate <= 11025 ? 256 : sound.rate <= 22050 ? 512 : 1024;
    const int samplesPerBlock = (blockAlign - 4) * 2 + 1;
    std::vector<int16_t> samples = sound.samples;
    // Whole blocks only; the padding is silence.
    const std::size_t blocks = (samples.size() + samplesPerBlock - 1) / samplesPerBlock;
    samples.resize(std::max<std::size_t>(1, blocks) * samplesPerBlock, 0);

    QByteArray data;
    AdpcmState state;
    for (std::size_t start = 0; start < samples.size(); start += samplesPerBlock) {
        state.predictor = samples[start];
        Put16(data, state.predictor);
        data.append(char(state.index));
        data.append(char(0));
        for (int i = 1; i < samplesPerBlock; i += 2) {
            const int low = state.Encode(samples[start + i]);
            const int high = state.Encode(samples[start + i + 1]);
            data.append(char(low | (high << 4)));
        }
    }

    QByteArray chunks("fmt ");
    Put32(chunks, 20);
    Put16(chunks, 0x11);
    Put16(chunks, 1);
    Put32(chunks, quint32(sound.rate));
    Put32(chunks, quint32(qint64(sound.rate) * blockAlign / samplesPerBlock));
    Put16(chunks, blockAlign);
    Put16(chunks, 4);
    Put16(chunks, 2);
    Put16(chunks, samplesPerBlock);
    chunks += "fact";
    Put32(chunks, 4);
    Put32(chunks, quint32(sound.samples.size()));
    chunks += "data";
    Put32(chunks, quint32(data.size()));
    chunks += data;
    return Riff(chunks);
}

Sound ParsePcmWav(const QByteArray& bytes) {
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        throw std::runtime_error("not a WAV file");
    }
    Sound sound;
    int pos = 12;
    bool pcm16 = false;
    while (pos + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(pos, 4);
        quint32 size = qFromLittleEndian<quint32>(bytes.constData() + pos + 4);
        pos += 8;
        if (id == "fmt ") {
            const int format = qFromLittleEndian<quint16>(bytes.constData() + pos);
            const int channels = qFromLittleEndian<quint16>(bytes.constData() + pos + 2);
            sound.rate = int(qFromLittleEndian<quint32>(bytes.constData() + pos + 4));
            const int bits = qFromLittleEndian<quint16>(bytes.constData() + pos + 14);
            pcm16 = format == 1 && channels == 1 && bits == 16;
        } else if (id == "data") {
            if (!pcm16) {
                throw std::runtime_error("not 16-bit mono PCM");
            }
            // A streamed file may give a size larger than what follows.
            size = std::min<quint32>(size, quint32(bytes.size() - pos));
            for (quint32 i = 0; i + 1 < size; i += 2) {
                sound.samples.push_back(
                    qFromLittleEndian<qint16>(bytes.constData() + pos + int(i)));
            }
            return sound;
        }
        pos += int(size + (size & 1));
    }
    throw std::runtime_error("a WAV file without data");
}

} // namespace coursegen
