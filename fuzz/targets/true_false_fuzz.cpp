// The content of a true/false exercise (one St.t body line), then the
// shuffle, the layout and the marking it is used for.
#include "exercises/true_false/true_false_content.h"
#include "exercises/true_false/true_false_layout.h"
#include "exercises/true_false/true_false_state.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    auto parsed = ParseTrueFalseContent(fuzz::FirstLine(fuzz::Bytes(data, size)));
    auto* content = std::get_if<TrueFalseContent>(&parsed);
    if (content == nullptr) {
        fuzz::Require(!std::get<std::string>(parsed).empty(), "a fault says nothing");
        return 0;
    }
    const int count = static_cast<int>(content->statements.size());
    fuzz::Require(count >= kMinStatements && count <= kMaxStatements,
                  "a statement count out of range");
    ShuffleStatements(*content);
    const MeasureText measure = [](std::string_view text, TextStyle) {
        return 7 * static_cast<int>(Utf8Length(text));
    };
    LayOutTrueFalse(measure, *content, 400, 20);
    TrueFalseState state(*content);
    for (int n = 1; n <= count; ++n) {
        state.Tick(n, n % 2 == 0);
    }
    state.Mark();
    return 0;
}
