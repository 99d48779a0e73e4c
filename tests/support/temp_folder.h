#pragma once
// A temporary folder for a test, removed with everything in it afterwards,
// and helpers that write course files the way a course author's editor does.
#include <string>

namespace lumora::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, ending in '/'.
    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& relative) const { return path_ + relative; }

    // Writes raw bytes to a relative path ('/' separated), creating folders.
    void WriteBytes(const std::string& relative, const std::string& bytes) const;
    // Writes UTF-8 text as Windows-1250 with every "\n" turned into CR LF.
    void WriteText(const std::string& relative, const std::string& utf8) const;
    std::string ReadBytes(const std::string& relative) const;
    void MakeFolder(const std::string& relative) const;

  private:
    std::string path_;
};

// Sets an environment variable while it lives, then restores the old value.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value);
    explicit ScopedEnv(const char* name); // unsets it
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    bool had_ = false;
    std::string old_;
};

// UTF-8 text with "\n" line ends as Windows-1250 bytes with CR LF.
std::string CourseBytes(const std::string& utf8);

} // namespace lumora::test
