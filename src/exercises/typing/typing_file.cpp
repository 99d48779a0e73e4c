#include "typing_file.h"

#include "platform/text_file.h"

namespace lumora {

std::variant<TypingText, LoadFault> ReadTypingFile(const CourseData& course,
                                                   const std::string& stBody) {
    const std::string file = TypingFileName(stBody);
    const auto lines = ReadTextLines(course.DataPath(file));
    if (!lines) {
        return LoadFault{file, 0, "the file cannot be read."};
    }
    auto parsed = ParseTypingText(*lines);
    if (const auto* fault = std::get_if<TypingFault>(&parsed)) {
        return LoadFault{file, fault->line, fault->message};
    }
    return std::move(std::get<TypingText>(parsed));
}

std::string DescribeTypingFault(const LoadFault& fault) {
    const std::string line = fault.line > 0 ? ", line " + std::to_string(fault.line) : "";
    return fault.file + line + ": " + fault.message;
}

} // namespace lumora
