// The content of a multiple-choice exercise (one St.t body line), then the
// shuffle, the choices and the marking it is used for.
#include "exercises/multiple_choice/choice_content.h"
#include "fuzz_support.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    auto parsed = ParseChoiceContent(fuzz::FirstLine(fuzz::Bytes(data, size)));
    auto* content = std::get_if<ChoiceContent>(&parsed);
    if (content == nullptr) {
        fuzz::Require(!std::get<std::string>(parsed).empty(), "a fault says nothing");
        return 0;
    }
    fuzz::Require(static_cast<int>(content->questions.size()) <= kMaxChoiceQuestions,
                  "too many questions");
    ShuffleAnswers(*content);
    for (const ChoiceQuestion& q : content->questions) {
        const int options = static_cast<int>(q.options.size());
        fuzz::Require(options >= 2 && options <= kMaxChoiceAnswers + 1,
                      "an answer count out of range");
        fuzz::Require(q.right >= 1 && q.right < options, "the right answer is not an answer");
    }
    ChoiceState state(*content);
    for (int q = -1; q <= state.Questions(); ++q) {
        for (int option = -1; option <= kMaxChoiceAnswers + 1; ++option) {
            state.Choose(q, option);
        }
    }
    state.Mark();
    state.Points();
    return 0;
}
