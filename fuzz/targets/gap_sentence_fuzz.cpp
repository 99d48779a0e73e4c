// A gap-filling sentence: the English text of a data row (one data.t field),
// prepared, laid out in the gap frame and checked against the learner's
// entries.
#include "exercises/sentences/gap_layout.h"
#include "exercises/sentences/sentence_text.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string english = fuzz::FirstLine(fuzz::Bytes(data, size));
    const GapSentence sentence = PrepareGapSentence(english);
    fuzz::Require(static_cast<int>(sentence.tokens.size()) <= kMaxSentenceTokens + 8,
                  "a sentence over its token limit");
    for (GapFault fault : sentence.faults) {
        fuzz::Require(!GapFaultText(fault).empty(), "a fault says nothing");
    }
    const TextWidth width = [](const std::string& text) {
        return 7 * static_cast<int>(Utf8Length(text));
    };
    const GapLayout layout = LayOutGaps(sentence.tokens, 300, 20, width);
    const auto answers = GapAnswers(sentence.tokens);
    GapsRight(answers, answers);
    SolutionText(english);
    (void)layout;
    return 0;
}
