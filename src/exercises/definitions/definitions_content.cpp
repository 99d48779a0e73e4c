#include "definitions_content.h"

#include "platform/text_helpers.h"

namespace lumora {

std::variant<std::vector<DefinitionItem>, std::string>
ParseDefinitionsContent(const std::string& body) {
    std::vector<DefinitionItem> items;
    std::string rest = DropChars(body, 3);
    while (!Trim(rest).empty()) {
        const std::string item = "Item " + std::to_string(items.size() + 1) + ": ";
        if (items.size() == kMaxDefinitions) {
            return "More than " + std::to_string(kMaxDefinitions) + " items.";
        }
        // The word is the text before the "*" (a "#" in it included), the
        // definition the text after it up to the next "#", or to the end for
        // the last item.
        const auto star = rest.find('*');
        if (star == std::string::npos) {
            return item + "it has no \"*\" between its word and its definition.";
        }
        const auto hash = rest.find('#', star + 1);
        const auto end = hash == std::string::npos ? rest.size() : hash;
        items.push_back({rest.substr(0, star), rest.substr(star + 1, end - star - 1)});
        rest.erase(0, end + 1);
    }
    if (items.empty()) {
        return std::string("The exercise has no items.");
    }
    return items;
}

} // namespace lumora
