// A topic's crossword list slowka.txt, read as the program reads it, then the
// crossword drawn from it and every row typed into.
#include "exercises/crossword/crossword.h"
#include "exercises/crossword/crossword_list.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"
#include "platform/text_file.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    const CrosswordList list =
        ParseCrosswordList(SplitLines(Cp1250ToUtf8(fuzz::Bytes(data, size))));
    fuzz::Require(static_cast<int>(list.lines.size()) <= kCrosswordMaxLines, "too many lines kept");
    auto made = Crossword::FromList(list);
    auto* crossword = std::get_if<Crossword>(&made);
    if (crossword == nullptr) {
        fuzz::Require(!std::get<LoadFault>(made).message.empty(), "a fault says nothing");
        return 0;
    }
    for (int k = 1; k <= crossword->RowCount(); ++k) {
        crossword->Activate(k);
        for (char32_t ch : {U'a', U'ą', U'Z', U' '}) {
            crossword->TypeLetter(ch);
        }
        crossword->Backspace();
        crossword->NextRow();
        crossword->PreviousRow();
    }
    crossword->Result();
    return 0;
}
