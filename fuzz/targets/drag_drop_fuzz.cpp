// The content of a drag-and-drop exercise (one St.t body line), then the
// shuffle of its words.
#include "exercises/drag_drop/drag_drop_content.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    auto parsed = ParseDragDropContent(fuzz::FirstLine(fuzz::Bytes(data, size)));
    auto* content = std::get_if<DragDropContent>(&parsed);
    if (content == nullptr) {
        fuzz::Require(!std::get<std::string>(parsed).empty(), "a fault says nothing");
        return 0;
    }
    fuzz::Require(content->columns >= 1 && content->columns <= kMaxTableColumns,
                  "a column count out of range");
    fuzz::Require(content->rows >= 1 && content->rows <= kMaxTableRows, "a row count out of range");
    fuzz::Require(static_cast<int>(content->headers.size()) == content->columns,
                  "a header count that is not the column count");
    fuzz::Require(static_cast<int>(content->words.size()) <= kMaxTableWords, "too many words");
    for (const TableWord& word : content->words) {
        fuzz::Require(word.column >= 1 && word.column <= content->columns,
                      "a word whose column is not in the table");
    }
    ShuffleWords(content->words);
    return 0;
}
