#include "soak_options.h"

#include <charconv>
#include <cstring>

namespace lumora::soak {
namespace {

template <class T> bool ReadNumber(const char* text, T& value) {
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && ptr == end;
}

bool ReadFraction(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

} // namespace

SoakOptions ParseSoakOptions(int argc, char** argv) {
    SoakOptions o;
    auto fail = [&](const std::string& why) {
        o.ok = false;
        o.error = why;
        return o;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            return fail("missing value after " + name);
        }
        const char* value = argv[++i];
        bool read = true;
        if (name == "--seed") {
            read = ReadNumber(value, o.seed);
        } else if (name == "--events") {
            read = ReadNumber(value, o.events);
        } else if (name == "--cycles") {
            read = ReadNumber(value, o.cycles) && o.cycles > 0;
        } else if (name == "--interval") {
            read = ReadNumber(value, o.intervalMs) && o.intervalMs >= 0;
        } else if (name == "--lesson-every") {
            read = ReadNumber(value, o.lessonEvery) && o.lessonEvery > 0;
        } else if (name == "--hang-ms") {
            read = ReadNumber(value, o.hangMs) && o.hangMs > 0;
        } else if (name == "--max-growth-mib") {
            read = ReadFraction(value, o.maxGrowthMiB);
        } else if (name == "--data") {
            o.dataRoot = value;
        } else {
            return fail("unknown option " + name);
        }
        if (!read) {
            return fail("bad value for " + name + ": " + value);
        }
    }
    if (o.events > 0 && o.cycles > 0) {
        return fail("--events and --cycles are two runs; give one");
    }
    if (o.events == 0 && o.cycles == 0) {
        o.events = 10000;
    }
    return o;
}

} // namespace lumora::soak
