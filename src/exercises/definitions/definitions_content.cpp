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
        const auto star = rest.find('*');
        const auto hash = rest.find('#');
        if (star == std::string::npos || (hash != std::string::npos && hash < star)) {
            return item + "it has no \"*\" between its word and its definition.";
        }
        if (hash == std::string::npos) {
            return item + "its definition does not end with \"#\".";
        }
        items.push_back({rest.substr(0, star), rest.substr(star + 1, hash - star - 1)});
        rest.erase(0, hash + 1);
    }
    if (items.empty()) {
        return std::string("The exercise has no items.");
    }
    return items;
}

} // namespace lumora
