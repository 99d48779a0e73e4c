#include "reveal_draw.h"

#include "course/lesson_kinds.h"
#include "platform/random.h"

namespace lumora {

std::vector<int> RevealCandidates(const CourseData& course, const std::string& topic) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < course.DataTable.size(); ++i) {
        const DataRow& row = course.DataTable[i];
        if (row.TopicKey == topic && row.KindCode == kVocabularyCode && !row.SoundFile.empty()) {
            rows.push_back(static_cast<int>(i + 1));
            if (static_cast<int>(rows.size()) == kMaxRevealCandidates) {
                break;
            }
        }
    }
    return rows;
}

std::vector<int> DrawRevealWords(int count) {
    Randomize();
    std::vector<bool> drawn(static_cast<std::size_t>(count), false);
    int marked = 0;
    while (marked < kRevealWords && marked < count) {
        const auto r = static_cast<std::size_t>(Random(count));
        if (!drawn[r]) {
            drawn[r] = true;
            ++marked;
        }
    }
    std::vector<int> words;
    for (int i = 0; i < count; ++i) {
        if (drawn[static_cast<std::size_t>(i)]) {
            words.push_back(i);
        }
    }
    return words;
}

std::array<int, kRevealTiles> DealRevealTiles() {
    Randomize();
    std::array<int, kRevealTiles> tiles{};
    for (int w = 1; w <= kRevealWords; ++w) {
        std::size_t t = 0;
        do {
            t = static_cast<std::size_t>(Random(kRevealTiles));
        } while (tiles[t] != 0);
        tiles[t] = w;
    }
    return tiles;
}

} // namespace lumora
