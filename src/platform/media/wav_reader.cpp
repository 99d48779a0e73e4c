#include "wav_reader.h"

#include "ima_adpcm_tables.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace lumora {
namespace {

constexpr std::uint16_t kTagPcm = 0x0001;
constexpr std::uint16_t kTagImaAdpcm = 0x0011;
constexpr std::uint16_t kTagExtensible = 0xfffe;
constexpr std::uint32_t kMaxRate = 384000;
// The size of a "fmt " chunk's fields this reader looks at.
constexpr std::size_t kFmtBytes = 40;

std::uint16_t Le16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Le32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(Le16(p)) | (static_cast<std::uint32_t>(Le16(p + 2)) << 16);
}

struct ImaChannel {
    int predictor = 0;
    int index = 0;

    std::int16_t Next(unsigned nibble) {
        const int step = kImaSteps[static_cast<std::size_t>(index)];
        int diff = step >> 3;
        if ((nibble & 4u) != 0) {
            diff += step;
        }
        if ((nibble & 2u) != 0) {
            diff += step >> 1;
        }
        if ((nibble & 1u) != 0) {
            diff += step >> 2;
        }
        predictor =
            std::clamp((nibble & 8u) != 0 ? predictor - diff : predictor + diff, -32768, 32767);
        index = std::clamp(index + kImaIndexMoves[nibble & 15u], 0, kImaLastIndex);
        return static_cast<std::int16_t>(predictor);
    }
};

// Frames an IMA ADPCM block of this many bytes decodes to.
std::uint64_t ImaFrames(std::uint64_t bytes, int channels) {
    const std::uint64_t header = 4u * static_cast<std::uint64_t>(channels);
    return bytes < header ? 0 : 1 + (bytes - header) / header * 8;
}

struct Chunks {
    std::vector<std::uint8_t> fmt;
    bool hasFmt = false;
    bool hasData = false;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataBytes = 0;
    std::optional<std::uint32_t> factFrames;
};

// Walks the chunks after "RIFF....WAVE"; the sizes the file states are
// trusted only as far as the file goes.
Chunks ReadChunks(std::ifstream& in, std::uint64_t file_size) {
    Chunks chunks;
    std::uint64_t pos = 12;
    while (pos + 8 <= file_size && !(chunks.hasFmt && chunks.hasData)) {
        std::array<std::uint8_t, 8> head{};
        in.clear();
        in.seekg(static_cast<std::streamoff>(pos));
        if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) {
            break;
        }
        const std::uint32_t size = Le32(head.data() + 4);
        const std::uint64_t body = pos + 8;
        const std::uint64_t present = std::min<std::uint64_t>(size, file_size - body);
        if (std::memcmp(head.data(), "fmt ", 4) == 0 && !chunks.hasFmt) {
            chunks.fmt.resize(std::min<std::uint64_t>(present, kFmtBytes));
            in.read(reinterpret_cast<char*>(chunks.fmt.data()),
                    static_cast<std::streamsize>(chunks.fmt.size()));
            chunks.hasFmt = static_cast<bool>(in);
        } else if (std::memcmp(head.data(), "data", 4) == 0 && !chunks.hasData) {
            chunks.hasData = true;
            chunks.dataOffset = body;
            chunks.dataBytes = present;
        } else if (std::memcmp(head.data(), "fact", 4) == 0 && present >= 4) {
            std::array<std::uint8_t, 4> count{};
            if (in.read(reinterpret_cast<char*>(count.data()), count.size())) {
                chunks.factFrames = Le32(count.data());
            }
        }
        pos = body + size + (size & 1u);
    }
    return chunks;
}

WavHeader Other(const std::string& why) {
    return {WavKind::OtherFormat, {}, why};
}

WavHeader Broken(const std::string& path, const std::string& why) {
    return {WavKind::Broken, {}, "The sound file \"" + path + "\" is damaged: " + why + "."};
}

} // namespace

WavHeader ReadWavHeader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {WavKind::Unopenable, {}, "Cannot open file \"" + path + "\"."};
    }
    in.seekg(0, std::ios::end);
    const auto file_size = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    in.seekg(0);
    std::array<std::uint8_t, 12> riff{};
    in.read(reinterpret_cast<char*>(riff.data()), riff.size());
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got < 4 || std::memcmp(riff.data(), "RIFF", 4) != 0) {
        return Other("not a RIFF file");
    }
    if (got < riff.size()) {
        return Broken(path, "the header is cut short");
    }
    if (std::memcmp(riff.data() + 8, "WAVE", 4) != 0) {
        return Other("not a WAVE file");
    }
    in.clear();
    const Chunks chunks = ReadChunks(in, file_size);
    if (!chunks.hasFmt || chunks.fmt.size() < 16) {
        return Broken(path, "no format chunk");
    }
    if (!chunks.hasData) {
        return Broken(path, "no data chunk");
    }
    const std::uint8_t* fmt = chunks.fmt.data();
    std::uint16_t tag = Le16(fmt);
    if (tag == kTagExtensible && chunks.fmt.size() >= 26) {
        tag = Le16(fmt + 24); // the first two bytes of the sub-format's GUID
    }
    WavFormat format;
    format.channels = Le16(fmt + 2);
    const std::uint32_t rate = Le32(fmt + 4);
    const std::uint16_t block_align = Le16(fmt + 12);
    const std::uint16_t bits = Le16(fmt + 14);
    if (format.channels == 0 || rate == 0 || rate > kMaxRate) {
        return Broken(path, "impossible channels or rate");
    }
    if (format.channels > 2) {
        return Other("more than two channels");
    }
    format.rate = static_cast<int>(rate);
    if (tag == kTagPcm && (bits == 8 || bits == 16)) {
        format.coding = bits == 8 ? WavCoding::Pcm8 : WavCoding::Pcm16;
        format.blockBytes = static_cast<std::uint32_t>(format.channels) * bits / 8;
        format.frames = chunks.dataBytes / format.blockBytes;
    } else if (tag == kTagImaAdpcm && bits == 4) {
        format.coding = WavCoding::ImaAdpcm;
        format.blockBytes = block_align;
        const std::uint64_t block_frames = ImaFrames(block_align, format.channels);
        if (block_frames < 2) {
            return Broken(path, "impossible block size");
        }
        format.blockFrames = static_cast<std::uint32_t>(block_frames);
        const std::uint64_t whole = chunks.dataBytes / block_align;
        format.frames =
            whole * block_frames + ImaFrames(chunks.dataBytes % block_align, format.channels);
        // The last block is padded; the fact chunk says where the sound ends.
        if (chunks.factFrames && *chunks.factFrames < format.frames) {
            format.frames = *chunks.factFrames;
        }
    } else {
        return Other("a coding this reader does not decode");
    }
    format.dataOffset = chunks.dataOffset;
    format.dataBytes = chunks.dataBytes;
    return {WavKind::Readable, format, {}};
}

void DecodeImaAdpcmBlock(const std::uint8_t* block, std::size_t bytes, int channels,
                         std::vector<std::int16_t>& out) {
    const auto count = static_cast<std::size_t>(channels);
    const std::size_t header = 4 * count;
    if (channels < 1 || channels > 2 || bytes < header) {
        return;
    }
    std::array<ImaChannel, 2> state;
    for (std::size_t c = 0; c < count; ++c) {
        state[c].predictor = static_cast<std::int16_t>(Le16(block + 4 * c));
        state[c].index = std::min<int>(block[4 * c + 2], kImaLastIndex);
    }
    const std::size_t groups = (bytes - header) / header;
    const std::size_t base = out.size();
    out.resize(base + (1 + groups * 8) * count);
    for (std::size_t c = 0; c < count; ++c) {
        out[base + c] = static_cast<std::int16_t>(state[c].predictor);
    }
    // Each group holds four bytes, eight samples, of each channel in turn;
    // the low nibble of a byte comes first.
    for (std::size_t g = 0; g < groups; ++g) {
        for (std::size_t c = 0; c < count; ++c) {
            const std::uint8_t* bytes_of = block + header + (g * count + c) * 4;
            for (std::size_t b = 0; b < 4; ++b) {
                const std::size_t frame = 1 + g * 8 + 2 * b;
                out[base + frame * count + c] = state[c].Next(bytes_of[b] & 15u);
                out[base + (frame + 1) * count + c] = state[c].Next(bytes_of[b] >> 4);
            }
        }
    }
}

std::optional<std::string> WavReader::Open(const std::string& path) {
    Close();
    const WavHeader header = ReadWavHeader(path);
    if (header.kind != WavKind::Readable) {
        return header.error;
    }
    file_.open(path, std::ios::binary);
    if (!file_) {
        return "Cannot open file \"" + path + "\".";
    }
    format_ = header.format;
    return std::nullopt;
}

void WavReader::Close() {
    file_.close();
    file_.clear();
    format_ = {};
    frame_ = 0;
    block_.clear();
    blockIndex_ = UINT64_MAX;
}

std::int64_t WavReader::LengthMs() const {
    return format_.rate > 0 ? static_cast<std::int64_t>(format_.frames * 1000 /
                                                        static_cast<std::uint64_t>(format_.rate))
                            : 0;
}

void WavReader::SeekMs(std::int64_t ms) {
    const auto at = static_cast<std::uint64_t>(std::max<std::int64_t>(ms, 0)) *
                    static_cast<std::uint64_t>(format_.rate) / 1000;
    frame_ = std::min(at, format_.frames);
}

bool WavReader::LoadBlock(std::uint64_t block) {
    if (block == blockIndex_) {
        return true;
    }
    const std::uint64_t offset = block * format_.blockBytes;
    const std::uint64_t bytes = std::min<std::uint64_t>(
        format_.blockBytes, format_.dataBytes - std::min(offset, format_.dataBytes));
    raw_.resize(bytes);
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(format_.dataOffset + offset));
    if (!file_.read(reinterpret_cast<char*>(raw_.data()), static_cast<std::streamsize>(bytes))) {
        return false;
    }
    block_.clear();
    DecodeImaAdpcmBlock(raw_.data(), raw_.size(), format_.channels, block_);
    blockIndex_ = block;
    return true;
}

bool WavReader::Read(std::size_t max_frames, std::vector<std::int16_t>& out, std::size_t& frames) {
    frames = 0;
    const auto channels = static_cast<std::size_t>(format_.channels);
    while (frames < max_frames && frame_ < format_.frames) {
        std::size_t n = std::min<std::uint64_t>(max_frames - frames, format_.frames - frame_);
        if (format_.coding == WavCoding::ImaAdpcm) {
            if (!LoadBlock(frame_ / format_.blockFrames)) {
                return false;
            }
            const std::size_t in_block = frame_ % format_.blockFrames;
            const std::size_t decoded = block_.size() / channels;
            n = std::min(n, decoded > in_block ? decoded - in_block : 0);
            if (n == 0) {
                break;
            }
            const auto from = block_.begin() + static_cast<std::ptrdiff_t>(in_block * channels);
            out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(n * channels));
        } else {
            raw_.resize(n * format_.blockBytes);
            file_.clear();
            file_.seekg(
                static_cast<std::streamoff>(format_.dataOffset + frame_ * format_.blockBytes));
            if (!file_.read(reinterpret_cast<char*>(raw_.data()),
                            static_cast<std::streamsize>(raw_.size()))) {
                return false;
            }
            if (format_.coding == WavCoding::Pcm8) {
                for (const std::uint8_t byte : raw_) {
                    out.push_back(static_cast<std::int16_t>((byte - 128) * 256));
                }
            } else {
                for (std::size_t i = 0; i + 1 < raw_.size(); i += 2) {
                    out.push_back(static_cast<std::int16_t>(Le16(raw_.data() + i)));
                }
            }
        }
        frame_ += n;
        frames += n;
    }
    return true;
}

} // namespace lumora
