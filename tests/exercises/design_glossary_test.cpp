// The glossary of src/DESIGN.md names each class in the file that declares
// it.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace lumora {
namespace {

std::string Read(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(DesignGlossary, EveryClassIsDeclaredInTheFileItNames) {
    const std::string glossary = Read(LUMORA_SOURCE_DIR "/src/DESIGN.md");
    const std::regex row("^\\| `(\\w+)` \\| ([\\w/.]+) \\|", std::regex::multiline);
    int rows = 0;
    for (auto it = std::sregex_iterator(glossary.begin(), glossary.end(), row);
         it != std::sregex_iterator(); ++it, ++rows) {
        const std::string cls = (*it)[1];
        const std::string file = (*it)[2];
        EXPECT_NE(Read(LUMORA_SOURCE_DIR "/src/" + file).find("class " + cls + " "),
                  std::string::npos)
            << cls << " in " << file;
    }
    EXPECT_GE(rows, 25);
}

} // namespace
} // namespace lumora
