#pragma once
// The random parts of a new crossword: which words, in which row order, with
// the pictures at which places, and where each row of squares lies. Every
// draw goes through the program's generator, reseeded before each step.
#include "crossword_list.h"

#include <array>
#include <vector>

namespace lumora {

inline constexpr int kCrosswordMaxRows = 9;
inline constexpr int kSquare = 21; // a square every 21 pixels

struct ScreenPlace {
    int left = 0;
    int top = 0;
};

// Where the pictures may stand on the screen, in the order they are filled.
inline constexpr std::array<ScreenPlace, 10> kCrosswordPicturePlaces{{{578, 24},
                                                                      {689, 79},
                                                                      {683, 209},
                                                                      {659, 339},
                                                                      {548, 402},
                                                                      {467, 10},
                                                                      {438, 423},
                                                                      {356, 19},
                                                                      {328, 408},
                                                                      {245, 38}}};

// One word of each length from 4 to 12 that the list holds, every word of
// that length equally likely. Indexes into list.lines, in file order.
std::vector<int> DrawCrosswordWords(const std::vector<CrosswordLine>& lines);

// Mixes the rows: as many exchanges of two different rows as there are rows.
// A single row stays as it is.
void ShuffleCrosswordRows(std::vector<int>& rowWords);

// For each of n pictures (in row order), the index of its place in
// kCrosswordPicturePlaces; the places 0..n-1 are dealt out at random.
std::vector<int> PlaceCrosswordPictures(int n);

// Top of the first row of squares for n rows, so the rows sit centred.
int CrosswordRowsTop(int n);

// The row of squares k (1-based) of n: its top, a left edge shifted by
// 0 to 3 squares at random, and its width for a word of the given length.
struct RowGeometry {
    int left = 0;
    int top = 0;
    int width = 0;
};
RowGeometry CrosswordRowGeometry(int n, int k, int length);

} // namespace lumora
