#pragma once
// The teacher's view of a class: every learner of a learners' folder with
// the points and done marks of every lesson of the course. The folder is only
// read (no lock taken, no file made or removed), so the report can be made
// while the class works in it.
#include <cstdint>
#include <string>
#include <vector>

namespace lumora {

struct CourseData;

struct ReportLesson {
    std::size_t topic = 0; // index into ClassReport::topics
    std::string section;   // "Vocabulary", "Sentences", "Story", "Various" or ""
    std::string title;
    int code = 0;
};

struct ReportTopic {
    std::string folder;
    std::string name; // the main menu's name for it, else the folder's
    std::vector<std::size_t> lessons;
};

struct ReportLearner {
    std::string name;
    int id = 0;
    std::vector<std::int32_t> points; // per lesson, in course order
    std::vector<bool> done;
    std::int32_t total = 0; // of the whole points file, as the best scores add it up
};

// A file that was damaged or could not be read, and what the report made of it.
struct DamagedFile {
    std::string file; // as known inside the learners' folder: "usr.t", "3/pkt.txt"
    std::vector<std::string> faults;
    std::string salvaged;
};

struct ClassReport {
    std::string usersFolder;
    std::vector<ReportTopic> topics;
    std::vector<ReportLesson> lessons;
    std::vector<ReportLearner> learners; // in the order of usr.t
    std::vector<DamagedFile> damaged;

    std::int32_t TopicPoints(const ReportLearner& learner, const ReportTopic& topic) const;
    int TopicDone(const ReportLearner& learner, const ReportTopic& topic) const;
    // The learners by total, largest first; equal totals keep their order.
    std::vector<const ReportLearner*> ByTotal() const;
};

ClassReport BuildClassReport(const CourseData& course, const std::string& usersFolder);

} // namespace lumora
