#include "class_report.h"

#include "course/course_data.h"
#include "course/lesson_kinds.h"
#include "course/main_menu_topics.h"
#include "platform/cp1250.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "users/points_table.h"
#include "users/user_registry.h"

#include <algorithm>
#include <limits>

namespace lumora {
namespace {

// The name a topic has on the main menu (its picture's hint), else its folder.
std::string TopicName(const CourseData& course, const std::string& folder) {
    for (const MenuTopic& t : MenuTopics()) {
        if (folder == t.folder) {
            const std::string hint = course.GetHint(t.hint);
            return hint == course.GetHint(0) ? folder : hint;
        }
    }
    return folder;
}

std::size_t TopicIndex(ClassReport& report, const CourseData& course, const std::string& folder) {
    for (std::size_t i = 0; i < report.topics.size(); ++i) {
        if (report.topics[i].folder == folder) {
            return i;
        }
    }
    report.topics.push_back({folder, TopicName(course, folder), {}});
    return report.topics.size() - 1;
}

void AddLessons(ClassReport& report, const CourseData& course) {
    for (const TopicRow& row : course.TopicTable) {
        if (!row.FolderName.empty()) {
            TopicIndex(report, course, row.FolderName);
        }
    }
    for (const SteeringRow& row : course.SteeringTable) {
        const std::size_t topic = TopicIndex(report, course, row.TopicFolder);
        report.topics[topic].lessons.push_back(report.lessons.size());
        report.lessons.push_back(
            {topic, std::string(SectionName(LessonKindOf(row.Code).section)), row.Title, row.Code});
    }
    std::erase_if(report.topics, [](const ReportTopic& t) { return t.lessons.empty(); });
    for (std::size_t t = 0; t < report.topics.size(); ++t) {
        for (const std::size_t lesson : report.topics[t].lessons) {
            report.lessons[lesson].topic = t;
        }
    }
}

// A fault of a points file for the teacher, with how it was read.
std::string DescribeForTeacher(const PointsFault& f) {
    const std::string record = "rekord " + std::to_string(f.record);
    switch (f.kind) {
    case PointsFault::Kind::Torn:
        return "plik urywa się w rekordzie " + std::to_string(f.record) + " (" +
               std::to_string(f.value) + " z " + std::to_string(kPointsRecordSize) +
               " bajtów); ten rekord pominięto";
    case PointsFault::Kind::DoneByte:
        return record + ": znacznik ukończenia ma wartość " + std::to_string(f.value) +
               "; lekcję liczono jako ukończoną";
    case PointsFault::Kind::NameLength:
        return record + ": długość nazwy wynosi " + std::to_string(f.value) +
               "; nazwę odczytano jako pierwsze " + std::to_string(kPointsNameLength) + " znaków";
    }
    return {};
}

// The file's record of steering row i: the one in its place when it is that
// lesson's (as the topic screen reads it), else the first one of that lesson.
const PointsRow* RecordOf(const std::vector<PointsRow>& rows, std::size_t i,
                          const SteeringRow& lesson) {
    const std::string key = Utf8Prefix(lesson.Content, kPointsNameLength);
    const auto matches = [&](const PointsRow& r) {
        return r.Name == key && r.Number == lesson.Code;
    };
    if (i < rows.size() && matches(rows[i])) {
        return &rows[i];
    }
    const auto found = std::find_if(rows.begin(), rows.end(), matches);
    return found == rows.end() ? nullptr : &*found;
}

ReportLearner ReadLearner(ClassReport& report, const CourseData& course, const UserEntry& user) {
    ReportLearner learner{user.Name, user.Id, std::vector<std::int32_t>(report.lessons.size()),
                          std::vector<bool>(report.lessons.size()), 0};
    const std::string shown = std::to_string(user.Id) + "/" + kPointsFile;
    const std::string path = ResolvePath(report.usersFolder, shown);
    ReadFailure failure;
    const auto bytes = ReadPointsFile(path, &failure);
    if (!bytes) {
        if (!failure.missing) {
            report.damaged.push_back({shown,
                                      {"nie można odczytać pliku: " + failure.reason},
                                      "nic; uczeń ma w zestawieniu 0 punktów"});
        }
        return learner;
    }
    const auto rows = DecodePointsFile(*bytes, std::numeric_limits<std::size_t>::max());
    std::int64_t total = 0;
    for (const PointsRow& r : rows) {
        total += r.Points;
    }
    learner.total = static_cast<std::int32_t>(std::clamp<std::int64_t>(
        total, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
    for (std::size_t i = 0; i < course.SteeringTable.size(); ++i) {
        if (const PointsRow* r = RecordOf(rows, i, course.SteeringTable[i])) {
            learner.points[i] = r->Points;
            learner.done[i] = r->Done;
        }
    }
    if (const auto faults = PointsFileFaults(*bytes); !faults.empty()) {
        DamagedFile damaged{shown, {}, {}};
        for (const PointsFault& f : faults) {
            damaged.faults.push_back(DescribeForTeacher(f));
        }
        damaged.salvaged = "odczytano " + std::to_string(rows.size()) + " rekordów, razem " +
                           std::to_string(learner.total) + " punktów";
        report.damaged.push_back(std::move(damaged));
    }
    return learner;
}

} // namespace

ClassReport BuildClassReport(const CourseData& course, const std::string& usersFolder) {
    ClassReport report;
    report.usersFolder = WithTrailingSlash(usersFolder);
    AddLessons(report, course);
    UserList users;
    const auto faults = users.ReadOnly(ResolvePath(report.usersFolder, "usr.t"));
    if (!faults.empty()) {
        DamagedFile damaged{"usr.t", {}, {}};
        for (const UserListFault& f : faults) {
            damaged.faults.push_back(
                f.line > 0 ? "wiersz " + std::to_string(f.line) + ": " + f.message : f.message);
        }
        damaged.salvaged = "uczniów w zestawieniu: " + std::to_string(users.Count());
        report.damaged.push_back(std::move(damaged));
    }
    for (const UserEntry& user : users.Entries()) {
        report.learners.push_back(ReadLearner(report, course, user));
    }
    return report;
}

std::int32_t ClassReport::TopicPoints(const ReportLearner& learner,
                                      const ReportTopic& topic) const {
    std::int64_t sum = 0;
    for (const std::size_t lesson : topic.lessons) {
        sum += learner.points[lesson];
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(sum, INT32_MAX));
}

int ClassReport::TopicDone(const ReportLearner& learner, const ReportTopic& topic) const {
    return static_cast<int>(
        std::count_if(topic.lessons.begin(), topic.lessons.end(),
                      [&](std::size_t lesson) { return learner.done[lesson]; }));
}

std::vector<const ReportLearner*> ClassReport::ByTotal() const {
    std::vector<const ReportLearner*> order;
    for (const ReportLearner& learner : learners) {
        order.push_back(&learner);
    }
    std::stable_sort(
        order.begin(), order.end(),
        [](const ReportLearner* a, const ReportLearner* b) { return a->total > b->total; });
    return order;
}

} // namespace lumora
