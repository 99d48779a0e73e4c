#include "report_csv.h"

namespace lumora {
namespace {

// A field as RFC 4180 writes it: quoted when it holds a comma, a quote, a
// line break or blanks at its ends, with quotes doubled.
std::string Field(const std::string& text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        return text;
    }
    std::string out = "\"";
    for (const char c : text) {
        out += c == '"' ? "\"\"" : std::string(1, c);
    }
    return out + "\"";
}

} // namespace

std::string ClassReportCsv(const ClassReport& report) {
    std::string out = std::string(kReportCsvHeader) + "\r\n";
    for (const ReportLearner& learner : report.learners) {
        for (std::size_t i = 0; i < report.lessons.size(); ++i) {
            const ReportLesson& lesson = report.lessons[i];
            out += Field(learner.name) + "," + Field(report.topics[lesson.topic].name) + "," +
                   Field(lesson.section) + "," + Field(lesson.title) + "," +
                   std::to_string(lesson.code) + "," + std::to_string(learner.points[i]) + "," +
                   (learner.done[i] ? "1" : "0") + "\r\n";
        }
    }
    return out;
}

} // namespace lumora
