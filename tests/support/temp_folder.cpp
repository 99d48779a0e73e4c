#include "temp_folder.h"

#include "platform/cp1250.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace lumora::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::string pattern = (fs::temp_directory_path() / "lumora-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    path_ = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempFolder::WriteBytes(const std::string& relative, const std::string& bytes) const {
    const fs::path p = fs::path(path_) / relative;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

void TempFolder::WriteText(const std::string& relative, const std::string& utf8) const {
    WriteBytes(relative, CourseBytes(utf8));
}

std::string TempFolder::ReadBytes(const std::string& relative) const {
    std::ifstream in(fs::path(path_) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void TempFolder::MakeFolder(const std::string& relative) const {
    fs::create_directories(fs::path(path_) / relative);
}

std::string CourseBytes(const std::string& utf8) {
    std::string crlf;
    for (char c : utf8) {
        if (c == '\n') {
            crlf += "\r\n";
        } else {
            crlf += c;
        }
    }
    return Utf8ToCp1250(crlf);
}

ScopedEnv::ScopedEnv(const char* name) : name_(name) {
    if (const char* old = std::getenv(name)) {
        had_ = true;
        old_ = old;
    }
    ::unsetenv(name);
}

ScopedEnv::ScopedEnv(const char* name, const std::string& value) : ScopedEnv(name) {
    ::setenv(name, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (had_) {
        ::setenv(name_, old_.c_str(), 1);
    } else {
        ::unsetenv(name_);
    }
}

} // namespace lumora::test
