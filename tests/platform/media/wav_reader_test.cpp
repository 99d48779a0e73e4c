#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/media/wav_file.h"
#include "platform/media/wav_reader.h"
#include "temp_folder.h"

namespace lumora {
namespace {

using namespace std::string_literals;

void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xffu);
    }
}

std::string Chunk(const std::string& id, const std::string& body) {
    std::string out = id;
    PutLe(out, static_cast<std::uint32_t>(body.size()), 4);
    return out + body + (body.size() % 2 != 0 ? std::string(1, '\0') : std::string());
}

std::string Riff(const std::string& chunks) {
    std::string out = "RIFF";
    PutLe(out, static_cast<std::uint32_t>(4 + chunks.size()), 4);
    return out + "WAVE" + chunks;
}

std::string Fmt(int tag, int channels, int rate, int block_align, int bits,
                const std::string& extra = {}) {
    std::string body;
    PutLe(body, static_cast<std::uint32_t>(tag), 2);
    PutLe(body, static_cast<std::uint32_t>(channels), 2);
    PutLe(body, static_cast<std::uint32_t>(rate), 4);
    PutLe(body, static_cast<std::uint32_t>(rate * block_align), 4);
    PutLe(body, static_cast<std::uint32_t>(block_align), 2);
    PutLe(body, static_cast<std::uint32_t>(bits), 2);
    return Chunk("fmt ", body + extra);
}

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

// One mono IMA ADPCM block: predictor 100, step index 10, then eight nibbles.
const std::string kMonoBlock = Bytes({100, 0, 10, 0, 0x73, 0x1f, 0x80, 0xa8});
// What the IMA algorithm gives for it: the header's sample, then one sample
// per nibble, low nibble first.
const std::vector<std::int16_t> kMonoSamples = {100, 115, 146, 78, 108, 117, 109, 102, 69};

std::string ImaFile(const std::string& blocks, int channels, int block_align, int rate,
                    std::optional<std::uint32_t> fact = std::nullopt) {
    std::string extra;
    PutLe(extra, 2, 2);
    PutLe(extra, static_cast<std::uint32_t>((block_align - 4 * channels) * 2 / channels + 1), 2);
    std::string fact_chunk;
    if (fact) {
        std::string count;
        PutLe(count, *fact, 4);
        fact_chunk = Chunk("fact", count);
    }
    return Riff(Fmt(0x11, channels, rate, block_align, 4, extra) + fact_chunk +
                Chunk("data", blocks));
}

TEST(ImaAdpcm, DecodesABlockToTheReferenceSamples) {
    std::vector<std::int16_t> out;
    DecodeImaAdpcmBlock(reinterpret_cast<const std::uint8_t*>(kMonoBlock.data()), kMonoBlock.size(),
                        1, out);
    EXPECT_EQ(out, kMonoSamples);

    // Stereo: four bytes of the left channel, then four of the right; the
    // right one starts at the top step and clips at the bottom.
    const std::string stereo = Bytes(
        {0x30, 0xf8, 40, 0, 0x00, 0x7d, 88, 0, 0x12, 0x34, 0x56, 0x78, 0x9a, 0xbc, 0xde, 0xf0});
    out.clear();
    DecodeImaAdpcmBlock(reinterpret_cast<const std::uint8_t*>(stereo.data()), stereo.size(), 2,
                        out);
    const std::vector<std::int16_t> expected = {-2000, 32000,  -1790, 11522,  -1676, 350,
                                                -1363, -30121, -1069, -32768, -571,  -32768,
                                                177,   -32768, 78,    -28673, 1435,  -32768};
    EXPECT_EQ(out, expected);

    // A block cut inside its header gives nothing; one cut inside its data
    // gives the whole groups it holds.
    out.clear();
    DecodeImaAdpcmBlock(reinterpret_cast<const std::uint8_t*>(stereo.data()), 6, 2, out);
    EXPECT_TRUE(out.empty());
    DecodeImaAdpcmBlock(reinterpret_cast<const std::uint8_t*>(stereo.data()), 14, 2, out);
    EXPECT_EQ(out.size(), 2u);
}

class WavReaderTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        dir_.WriteBytes(name, bytes);
        return dir_ / name;
    }
    std::vector<std::int16_t> ReadAll(WavReader& reader, std::size_t piece = 3) {
        std::vector<std::int16_t> out;
        std::size_t frames = 0;
        do {
            EXPECT_TRUE(reader.Read(piece, out, frames));
        } while (frames > 0);
        return out;
    }

    test::TempFolder dir_;
};

TEST_F(WavReaderTest, ReadsAdpcmBlocksInAnyPiecesAndSeeksInsideThem) {
    // Two blocks at 1000 frames a second; the fact chunk ends the sound two
    // frames into the second.
    WavReader reader;
    ASSERT_EQ(reader.Open(Write("two.wav", ImaFile(kMonoBlock + kMonoBlock, 1, 8, 1000, 11))),
              std::nullopt);
    EXPECT_EQ(reader.LengthMs(), 11);
    EXPECT_EQ(reader.Format().frames, 11u);
    std::vector<std::int16_t> expected = kMonoSamples;
    expected.insert(expected.end(), kMonoSamples.begin(), kMonoSamples.begin() + 2);
    EXPECT_EQ(ReadAll(reader), expected);

    reader.SeekMs(7);
    std::vector<std::int16_t> out;
    std::size_t frames = 0;
    ASSERT_TRUE(reader.Read(3, out, frames));
    EXPECT_EQ(out, (std::vector<std::int16_t>{102, 69, 100}));
}

TEST_F(WavReaderTest, ConvertsPcmToSixteenBitsAndPlaysWhatATruncatedFileHolds) {
    WavReader reader;
    ASSERT_EQ(reader.Open(Write("eight.wav", Riff(Fmt(1, 2, 11025, 2, 8) +
                                                  Chunk("data", Bytes({0, 0x80, 0xff, 0x40}))))),
              std::nullopt);
    EXPECT_EQ(reader.Format().channels, 2);
    EXPECT_EQ(ReadAll(reader), (std::vector<std::int16_t>{-32768, 0, 32512, -16384}));

    // The data chunk says a second; the file holds 100 frames of it.
    std::string cut = WavBytes(std::vector<std::int16_t>(22050, 7), 22050, 1);
    cut.resize(44 + 200 + 1);
    ASSERT_EQ(reader.Open(Write("cut.wav", cut)), std::nullopt);
    EXPECT_EQ(reader.Format().frames, 100u);
    EXPECT_EQ(reader.LengthMs(), 4);
    EXPECT_EQ(ReadAll(reader, 64), std::vector<std::int16_t>(100, 7));
}

TEST_F(WavReaderTest, ToldApartOtherCodingsFromDamagedFiles) {
    const auto kind = [this](const std::string& bytes) {
        return ReadWavHeader(Write("x.wav", bytes)).kind;
    };
    const std::string data = Chunk("data", std::string(64, '\0'));
    EXPECT_EQ(kind(Riff(Fmt(1, 1, 22050, 2, 16) + data)), WavKind::Readable);
    // Chunks before the format, in any order, are skipped.
    EXPECT_EQ(kind(Riff(Chunk("LIST", "abc") + data + Fmt(1, 1, 22050, 2, 16))), WavKind::Readable);
    EXPECT_EQ(kind(std::string(3000, 'z')), WavKind::OtherFormat);
    EXPECT_EQ(kind("RIFF\x10\0\0\0AVI LIST"s), WavKind::OtherFormat);
    EXPECT_EQ(kind(Riff(Fmt(3, 1, 22050, 4, 32) + data)), WavKind::OtherFormat);   // float
    EXPECT_EQ(kind(Riff(Fmt(0x55, 1, 22050, 1, 0) + data)), WavKind::OtherFormat); // MP3
    EXPECT_EQ(kind(Riff(Fmt(1, 6, 22050, 12, 16) + data)), WavKind::OtherFormat);
    EXPECT_EQ(kind(Riff(Fmt(1, 1, 22050, 3, 24) + data)), WavKind::OtherFormat);

    EXPECT_EQ(kind("RIFF\x10\0"s), WavKind::Broken);
    EXPECT_EQ(kind(Riff(data)), WavKind::Broken);
    EXPECT_EQ(kind(Riff(Fmt(1, 1, 22050, 2, 16))), WavKind::Broken);
    EXPECT_EQ(kind(Riff(Fmt(1, 0, 22050, 2, 16) + data)), WavKind::Broken);
    EXPECT_EQ(kind(Riff(Fmt(1, 1, 0, 2, 16) + data)), WavKind::Broken);
    EXPECT_EQ(kind(Riff(Fmt(0x11, 1, 22050, 3, 4) + data)), WavKind::Broken);
    EXPECT_EQ(kind(Riff(Chunk("fmt ", "short") + data)), WavKind::Broken);
    // A chunk whose size runs past the end of the file ends the walk.
    EXPECT_EQ(kind(Riff("LIST\xff\xff\xff\x7f" + Fmt(1, 1, 22050, 2, 16) + data)), WavKind::Broken);

    const WavHeader missing = ReadWavHeader(dir_ / "absent.wav");
    EXPECT_EQ(missing.kind, WavKind::Unopenable);
    EXPECT_NE(missing.error.find("absent.wav"), std::string::npos);
}

} // namespace
} // namespace lumora
