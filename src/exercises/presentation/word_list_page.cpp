#include "word_list_page.h"

#include "presentation_words.h"

namespace lumora {
namespace {

// A word is text in the page, not markup.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

std::vector<std::string> WordListPage(const CourseData& course, const LessonState& lesson,
                                      const std::vector<int>& words) {
    std::vector<std::string> lines;
    lines.push_back("<LINK REL=\"stylesheet\" HREF=\"" + course.DataRoot +
                    "style.css\" TYPE=\"text/css\">");
    lines.push_back("<table>");
    int column = 0;
    for (int r : words) {
        if (r < 1 || r > static_cast<int>(course.DataTable.size())) {
            continue;
        }
        const DataRow& row = course.DataTable[static_cast<std::size_t>(r - 1)];
        if (++column > 3) {
            lines.push_back("</tr>");
            column = 1;
        }
        if (column == 1) {
            lines.push_back("<tr>");
        }
        lines.push_back("<td align=\"center\" class=\"tekst\">");
        lines.push_back("<IMG SRC=\"" + course.DataRoot + WordPictureName(lesson, row) +
                        "\" border=\"0\"><br>");
        lines.push_back(Escaped(row.EnglishText));
        lines.push_back("</td>");
    }
    lines.push_back("</table>");
    return lines;
}

std::string JoinPage(const std::vector<std::string>& lines) {
    std::string page;
    for (const std::string& line : lines) {
        page += line;
        page += '\n';
    }
    return page;
}

} // namespace lumora
