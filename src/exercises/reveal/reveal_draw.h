#pragma once
// The reveal game's material: the topic's candidate words, the draw of
// fourteen of them and the deal of the sixteen tiles.
#include "course/course_data.h"

#include <array>
#include <vector>

namespace lumora {

inline constexpr int kRevealWords = 14;
inline constexpr int kRevealTiles = 16;
inline constexpr int kMaxRevealCandidates = 200;

// DataTable row numbers (1-based, in table order) of the topic's words: the
// rows whose TopicKey is the topic exactly, of kind 30, with a sound.
std::vector<int> RevealCandidates(const CourseData& course, const std::string& topic);

// Fourteen different candidates out of count (all of them when fewer), as
// candidate indexes (0-based) in candidate order.
std::vector<int> DrawRevealWords(int count);

// The word (1..14) under each tile, 0 for the two tiles without a word.
std::array<int, kRevealTiles> DealRevealTiles();

} // namespace lumora
