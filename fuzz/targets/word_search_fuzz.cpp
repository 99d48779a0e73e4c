// A word search file Pseudo\<content>.txt, read as the program reads it,
// then the puzzle played: every pair of a row's ends and a column's ends
// clicked.
#include "exercises/word_search/word_search.h"
#include "exercises/word_search/word_search_file.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"
#include "platform/text_file.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed =
        ParseWordSearch(SplitLines(Cp1250ToUtf8(fuzz::Bytes(data, size))), "Pseudo/x.txt");
    auto* puzzle = std::get_if<WordSearchPuzzle>(&parsed);
    if (puzzle == nullptr) {
        const LoadFault& fault = std::get<LoadFault>(parsed);
        fuzz::Require(!fault.file.empty() && !fault.message.empty() && fault.line >= 0,
                      "an unclear fault");
        return 0;
    }
    fuzz::Require(puzzle->columns >= 1 && puzzle->columns <= kWordSearchMaxSize &&
                      puzzle->rows >= 1 && puzzle->rows <= kWordSearchMaxSize,
                  "a grid size out of range");
    fuzz::Require(static_cast<int>(puzzle->grid.size()) == puzzle->rows, "a grid row missing");
    for (const auto& row : puzzle->grid) {
        fuzz::Require(static_cast<int>(row.size()) == puzzle->columns,
                      "a grid row of another width");
    }
    WordSearch game(*puzzle);
    const int rows = game.Rows(), columns = game.Columns();
    for (int r = 1; r <= rows; ++r) {
        game.Click({r, 1});
        game.Click({r, columns});
        game.EndFeedback();
    }
    for (int c = 1; c <= columns; ++c) {
        game.Click({1, c});
        game.Click({rows, c});
        game.EndFeedback();
        game.Click({rows, c});
        game.Click({1, 1});
        game.EndFeedback();
    }
    for (int w = 1; w <= game.WordCount(); ++w) {
        if (game.FrameShown(w)) {
            game.Frame(w);
        }
    }
    game.WordsLeftText();
    game.AttemptsText();
    return 0;
}
