#pragma once
// Messages about the learners' files name a file as it is known inside the
// folder of learners' data ("usr.t", "3/pkt.txt"), which is what the learner
// can tell a teacher; the full path follows on a line of its own for whoever
// has to find the file.
#include <string>

namespace lumora {

inline std::string UserFileMessage(const std::string& text, const std::string& path) {
    return text + "\n" + path;
}

} // namespace lumora
