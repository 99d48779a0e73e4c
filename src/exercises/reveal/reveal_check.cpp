#include "reveal_check.h"

#include "course/course_loaders.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "reveal_draw.h"

#include <set>

namespace lumora {

std::vector<LoadFault> CheckRevealGames(const CourseData& course) {
    std::vector<LoadFault> faults;
    std::set<std::string> topics;
    for (const auto& row : course.SteeringTable) {
        if (row.Code != kRevealCode || !topics.insert(row.TopicFolder).second) {
            continue;
        }
        const auto count = RevealCandidates(course, row.TopicFolder).size();
        if (count < kRevealWords) {
            faults.push_back({ReportName(kDataFile), 0,
                              "The topic \"" + row.TopicFolder + "\" has " + std::to_string(count) +
                                  " words of kind 30 with a sound; its reveal game draws 14."});
        }
    }
    if (topics.empty()) {
        return faults;
    }
    const std::string index = ReportName(kRevealIndexFile);
    if (course.RevealIndex.empty()) {
        faults.push_back({index, 0, "The reveal game has no pictures."});
    }
    for (std::size_t i = 0; i < course.RevealIndex.size(); ++i) {
        const std::string picture = "odkrywanki\\" + course.RevealIndex[i].name;
        if (!FileExists(course.DataPath(picture))) {
            faults.push_back({index, static_cast<int>(i + 1),
                              "The picture \"" + ToSlashes(picture) + "\" does not exist."});
        }
    }
    return faults;
}

} // namespace lumora
