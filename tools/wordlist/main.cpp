// lumora-wordlist: renders the printed word list of a vocabulary lesson to a
// PDF file, as the presentation's print button makes it, so a course author
// can see the page without a printer.
//
//   lumora-wordlist [--data DIR] LESSON OUT.pdf
//
// LESSON is the lesson's content key in Steruj.t (for example kuchnia_slowka).
#include "course/lesson_kinds.h"
#include "course/lesson_state.h"
#include "course/startup_loading.h"
#include "exercises/presentation/presentation_words.h"
#include "exercises/presentation/word_list_page.h"
#include "htmlview/html_page.h"
#include "htmlview/html_print.h"
#include "platform/text_helpers.h"

#include <QGuiApplication>

#include <cstdio>
#include <string>

namespace {

struct Arguments {
    std::string dataRoot;
    std::string lesson;
    std::string output;
};

bool Parse(int argc, char** argv, Arguments& args) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--data" && i + 1 < argc) {
            args.dataRoot = argv[++i];
        } else if (args.lesson.empty()) {
            args.lesson = a;
        } else if (args.output.empty()) {
            args.output = a;
        } else {
            return false;
        }
    }
    return !args.lesson.empty() && !args.output.empty();
}

const lumora::SteeringRow* FindLesson(const lumora::CourseData& course, const std::string& key) {
    for (const lumora::SteeringRow& row : course.SteeringTable) {
        if (row.Code == lumora::kVocabularyCode &&
            lumora::LowerCase(row.Content) == lumora::LowerCase(key)) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    if (!Parse(argc, argv, args)) {
        std::fprintf(stderr, "usage: lumora-wordlist [--data DIR] LESSON OUT.pdf\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);

    lumora::StartupOptions options;
    options.dataRoot = lumora::ChooseDataRoot(args.dataRoot);
    options.userFiles = false;
    lumora::LoadReport report(
        [](const lumora::LoadFault& f) {
            std::fprintf(stderr, "%s:%d: %s\n", f.file.c_str(), f.line, f.message.c_str());
        },
        true);
    lumora::CourseData course;
    lumora::UserSettings settings;
    lumora::LoadCourse(course, settings, options, report);

    const lumora::SteeringRow* row = FindLesson(course, args.lesson);
    if (row == nullptr) {
        std::fprintf(stderr, "%s: no vocabulary lesson (code 30) with this content in Steruj.t\n",
                     args.lesson.c_str());
        return 1;
    }
    lumora::LessonState lesson;
    lesson.CurrentTopic = row->TopicFolder;
    lumora::SelectDataRows(course, lesson, row->Content);
    const std::string html = lumora::JoinPage(
        lumora::WordListPage(course, lesson, lumora::PresentationRows(lesson.SelectedRows)));

    lumora::HtmlPageDocument page(html);
    page.size(); // lays the page out, loading its pictures
    for (const std::string& missing : page.MissingPictures()) {
        std::fprintf(stderr, "missing picture: %s\n", missing.c_str());
    }
    if (const auto fault = lumora::WritePagePdf(html, args.output)) {
        std::fprintf(stderr, "%s\n", fault->c_str());
        return 1;
    }
    std::printf("%s: %zu words, %d pictures\n", args.output.c_str(),
                lumora::PresentationRows(lesson.SelectedRows).size(), page.LoadedPictures());
    return page.MissingPictures().empty() ? 0 : 1;
}
