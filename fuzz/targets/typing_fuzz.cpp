// A typing lesson's ".fcs" file, read as the program reads it, then the
// state of the exercise: every gap opened, typed into and marked.
#include "exercises/typing/typing_layout.h"
#include "exercises/typing/typing_state.h"
#include "exercises/typing/typing_text.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"
#include "platform/text_file.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto parsed = ParseTypingText(SplitLines(Cp1250ToUtf8(fuzz::Bytes(data, size))));
    auto* text = std::get_if<TypingText>(&parsed);
    if (text == nullptr) {
        const TypingFault& fault = std::get<TypingFault>(parsed);
        fuzz::Require(fault.line >= 0 && !fault.message.empty(), "an unclear fault");
        return 0;
    }
    fuzz::Require(static_cast<int>(text->words.size()) <= kMaxWordSlots, "too many words");
    fuzz::Require(text->alternatives.size() == text->answers.size(),
                  "gaps without their alternatives");
    TypingState state(*text);
    const MeasureText measure = [](std::string_view word, TextStyle) {
        return 7 * static_cast<int>(Utf8Length(word));
    };
    LayOutTyping(measure, state, 500, 0);
    for (int w = 0; w < state.Words(); ++w) {
        if (state.IsGap(w)) {
            state.OpenAt(w, "x");
        }
    }
    state.NextGap();
    state.Mark("y");
    state.FillAnswers();
    LayOutTyping(measure, state, 500, 0);
    return 0;
}
