#include "reveal_index.h"

#include "course_loaders.h"
#include "platform/random.h"

namespace lumora {

void LoadRevealIndex(CourseData& course, LoadReport& report) {
    course.RevealIndex.clear();
    auto lines = ReadCourseLines(course, kRevealIndexFile, report, FileRule::Required);
    if (!lines) {
        return;
    }
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (static_cast<int>(course.RevealIndex.size()) == CourseData::kMaxRevealEntries) {
            report.Fault(ReportName(kRevealIndexFile), static_cast<int>(i + 1),
                         "Ilosc danych wieksza od zadeklarowanej stalej \"max_odkrywanki\"",
                         FaultKind::Message);
            break;
        }
        const std::string& line = (*lines)[i];
        const auto eq = line.find('=');
        if (eq == std::string::npos) {
            course.RevealIndex.push_back({std::string(), Trim(line)});
        } else {
            course.RevealIndex.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1))});
        }
    }
}

int NextRevealPick(const CourseData& course, RevealDraw& draw) {
    Randomize();
    const int count = static_cast<int>(course.RevealIndex.size());
    if (count == 0) {
        return 0;
    }
    draw.Used.resize(course.RevealIndex.size(), false);
    if (draw.UsedCount >= count) {
        draw.UsedCount = 0;
        draw.Used.assign(course.RevealIndex.size(), false);
    }
    int pick = 0;
    do {
        pick = Random(count);
    } while (draw.Used[static_cast<std::size_t>(pick)]);
    draw.Used[static_cast<std::size_t>(pick)] = true;
    ++draw.UsedCount;
    return pick + 1;
}

} // namespace lumora
