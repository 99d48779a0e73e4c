#include "listening_speed.h"

#include <array>
#include <charconv>

#include "platform/text_file.h"

namespace lumora {
namespace {

constexpr std::array<int, 3> kSpeeds = {100, 85, 70};
constexpr double kPercent = 100.0;

bool KnownSpeed(int percent) {
    for (const int speed : kSpeeds) {
        if (speed == percent) {
            return true;
        }
    }
    return false;
}

} // namespace

int NextListeningSpeed(int percent) {
    for (std::size_t i = 0; i + 1 < kSpeeds.size(); ++i) {
        if (kSpeeds[i] == percent) {
            return kSpeeds[i + 1];
        }
    }
    return kSpeeds.front();
}

double SpeedTempo(int percent) {
    return percent / kPercent;
}

ListeningSpeedRead ParseListeningSpeed(std::string_view text, const std::string& name) {
    const std::vector<std::string> lines = SplitLines(text);
    ListeningSpeedRead read;
    if (lines.empty()) {
        read.fault = name + ":1: the file is empty; the speed is 100 %";
        return read;
    }
    const std::string& line = lines.front();
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (error != std::errc() || end != line.data() + line.size() || !KnownSpeed(value)) {
        read.fault = name + ":1: \"" + line + "\" is not 100, 85 or 70; the speed is 100 %";
        return read;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!lines[i].empty()) {
            read.fault =
                name + ":" + std::to_string(i + 1) + ": more than the one line of the speed";
            return read;
        }
    }
    read.percent = value;
    return read;
}

ListeningSpeedRead ReadListeningSpeed(const std::string& path) {
    if (!FileExists(path)) {
        return {};
    }
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        ListeningSpeedRead read;
        read.fault = path + ": cannot be read; the speed is 100 %";
        return read;
    }
    return ParseListeningSpeed(*bytes, path);
}

std::optional<std::string> WriteListeningSpeed(const std::string& path, int percent) {
    return WriteFileAtomic(path, std::to_string(percent) + "\r\n");
}

} // namespace lumora
