#include "spoken_text.h"

namespace lumora {

std::string SpokenText(const std::string& marked) {
    std::string out;
    std::string tag;
    bool inTag = false;
    for (const char c : marked) {
        if (c == '<') {
            inTag = true;
            tag.clear();
        } else if (c == '>' && inTag) {
            inTag = false;
            if (tag == "BR" || tag == "br") {
                out += ' ';
            }
        } else if (inTag) {
            tag += c;
        } else {
            out += c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
    }
    std::string spoken;
    for (const char c : out) {
        if (c != ' ' || (!spoken.empty() && spoken.back() != ' ')) {
            spoken += c;
        }
    }
    while (!spoken.empty() && spoken.back() == ' ') {
        spoken.pop_back();
    }
    return spoken;
}

} // namespace lumora
