#pragma once
// Reading WAV files without FFmpeg: 8- and 16-bit PCM and 4-bit IMA ADPCM,
// mono or stereo, at any rate, decoded to interleaved 16-bit samples. Files
// in other codings are told apart from broken ones, so that a player can
// hand them to a fuller decoder.
#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

enum class WavCoding { Pcm8, Pcm16, ImaAdpcm };

struct WavFormat {
    WavCoding coding = WavCoding::Pcm16;
    int channels = 1;
    int rate = 0;
    // Bytes of one block: a frame for PCM, a compressed block for ADPCM.
    std::uint32_t blockBytes = 0;
    // Frames one block decodes to.
    std::uint32_t blockFrames = 1;
    std::uint64_t dataOffset = 0;
    std::uint64_t dataBytes = 0;
    // Frames in the file.
    std::uint64_t frames = 0;
};

// What a file's header says about reading it here.
enum class WavKind {
    Readable,    // a WAV file in a coding this reader decodes
    OtherFormat, // not a WAV file, or one in another coding
    Broken,      // a WAV file whose header is damaged or cut short
    Unopenable,  // the file cannot be opened
};

struct WavHeader {
    WavKind kind = WavKind::Unopenable;
    WavFormat format;
    // Why the file is not Readable.
    std::string error;
};

// Reads the header of the file at path (a name on disk).
WavHeader ReadWavHeader(const std::string& path);

// Decodes one IMA ADPCM block of the given channels and appends its frames,
// interleaved. A block cut short gives the frames its whole groups hold.
void DecodeImaAdpcmBlock(const std::uint8_t* block, std::size_t bytes, int channels,
                         std::vector<std::int16_t>& out);

class WavReader {
  public:
    // Opens the file; on failure the reason.
    std::optional<std::string> Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_.is_open(); }
    const WavFormat& Format() const { return format_; }
    std::int64_t LengthMs() const;

    // Positions the reader at the frame at ms (clamped to the file).
    void SeekMs(std::int64_t ms);

    // Appends up to max_frames decoded frames, interleaved, and returns how
    // many; 0 at the end of the data. False when the file cannot be read.
    bool Read(std::size_t max_frames, std::vector<std::int16_t>& out, std::size_t& frames);

  private:
    bool LoadBlock(std::uint64_t block);

    std::ifstream file_;
    WavFormat format_;
    std::uint64_t frame_ = 0; // the next frame to hand out
    // The decoded block holding frame_, for ADPCM.
    std::vector<std::int16_t> block_;
    std::uint64_t blockIndex_ = UINT64_MAX;
    std::vector<std::uint8_t> raw_;
};

} // namespace lumora
