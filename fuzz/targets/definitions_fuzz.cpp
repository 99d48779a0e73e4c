// The content of a definitions exercise (one St.t body line), then the
// board it sets up: labels, slots and the painted definitions.
#include "exercises/definitions/definitions_board.h"
#include "exercises/definitions/definitions_content.h"
#include "fuzz_support.h"
#include "platform/cp1250.h"

using namespace lumora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FixedDraws();
    auto parsed = ParseDefinitionsContent(fuzz::FirstLine(fuzz::Bytes(data, size)));
    auto* items = std::get_if<std::vector<DefinitionItem>>(&parsed);
    if (items == nullptr) {
        fuzz::Require(!std::get<std::string>(parsed).empty(), "a fault says nothing");
        return 0;
    }
    fuzz::Require(static_cast<int>(items->size()) <= kMaxDefinitions, "too many items");
    constexpr int chars = 7;
    const WordMeasure label = [](const std::string& word) {
        return WordSize{chars * static_cast<int>(Utf8Length(word)), 16};
    };
    const StyledMeasure text = [](std::string_view word, TextStyle style) {
        return (style.bold ? chars + 1 : chars) * static_cast<int>(Utf8Length(word));
    };
    SteeringRow row;
    SetUpDefinitions(*items, ShuffleLabels(static_cast<int>(items->size())), row, label, text);
    return 0;
}
