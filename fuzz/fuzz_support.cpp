#include "fuzz_support.h"

#include "platform/cp1250.h"
#include "platform/message_box.h"
#include "platform/path_resolver.h"
#include "platform/random.h"
#include "platform/text_file.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace lumora::fuzz {
namespace {

// The messages the code under test shows are dropped in every target: bad
// input is expected to give them, and printing each one slows fuzzing down.
[[maybe_unused]] const bool kMessagesDropped =
    (SetMessageHandler([](const std::string&, const std::string&) {}), true);

} // namespace

std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

const std::string& ScratchFolder() {
    // Made on the heap and never freed, so that it outlives the exit handler
    // that removes the folder.
    static const std::string& folder = *new std::string([] {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/lumora-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
        return pattern + '/';
    }());
    return folder;
}

std::string WriteScratchFile(const std::string& relative, std::string_view bytes) {
    const std::string path = ScratchFolder() + ToSlashes(relative);
    const auto slash = path.rfind('/');
    if (CreateFolders(path.substr(0, slash))) {
        std::abort();
    }
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() ||
        std::fclose(f) != 0) {
        std::perror(path.c_str());
        std::abort();
    }
    return path;
}

CourseData ScratchCourse() {
    CourseData course;
    course.DataRoot = ScratchFolder();
    course.UserDataFolder = ScratchFolder();
    return course;
}

LoadReport CheckingReport() {
    return LoadReport(
        [](const LoadFault& fault) {
            Require(!fault.file.empty(), "a fault names no file");
            Require(!fault.message.empty(), "a fault says nothing");
            Require(fault.line >= 0, "a fault names a negative line");
        },
        false);
}

std::string FirstLine(std::string_view bytes) {
    return Cp1250ToUtf8(bytes.substr(0, bytes.find_first_of("\r\n")));
}

void FixedDraws() {
    FixRandomSeed(20261208);
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace lumora::fuzz
