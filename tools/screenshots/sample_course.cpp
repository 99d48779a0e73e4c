#include "sample_course.h"

#include "course/course_data.h"
#include "course/course_file_names.h"
#include "course/lesson_codes.h"
#include "course/startup_loading.h"
#include "elements/button_strips.h"
#include "exercises/sentences/picture_choice.h"
#include "platform/path_resolver.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"
#include "sample_pictures.h"

#include <filesystem>

namespace lumora::shots {
namespace {

struct SampleText {
    int number;
    const char* text;
};

constexpr SampleText kTexts[] = {
    {3, "Czy na pewno chcesz zakończyć naukę?"},
    {15, "Zdobyte punkty:"},
    {16, "Razem:"},
    {17, "Zestaw dźwięków:"},
    {18, "1"},
    {19, "2"},
    {20, "3"},
    {21, "Losowo"},
};

constexpr SampleText kHints[] = {{34, "Tak"}, {35, "Nie"}};

struct SampleBackground {
    const char* file;
    int width;
    int height;
    bool light;
    const char* title;
    QRect closeMark;
};

const SampleBackground kBackgrounds[] = {
    {kResultBoxPicture, 277, 134, false, "", QRect(248, 8, 21, 29)},
    {kInformationPicture, 448, 225, true, "Informacja", QRect(416, 8, 25, 29)},
    {kQuestionPicture, 246, 138, false, "", QRect()},
    {kMessagePicture, 455, 101, true, "Uwaga", QRect(428, 4, 25, 29)},
    {kBlankBackground, 800, 600, true, "", QRect()},
    {"tla\\kuchnia.png", 800, 600, true, "", QRect()},
};

// What each of the 24 stand-in strips shows, in list order.
constexpr const char* kStripGlyphs[] = {"?!", "<<", "X",  "?",  "OK", "X", "+",  "v",
                                        "^",  "M",  "S",  "S",  "^",  "v", ">>", "Y",
                                        "N",  ">",  "[]", "||", "i",  "P", "A",  "D"};

} // namespace

SampleCourse::SampleCourse(StandaloneRun& run, const std::string& demoRoot)
    : run_(run), demoRoot_(WithTrailingSlash(demoRoot)),
      root_(WithTrailingSlash(dir_.path().toStdString())) {
    if (!dir_.isValid()) {
        return;
    }
    LoadTables();
    FillMissingTexts();
    ready_ = MakePictures() && MakeSentencePictures() && MakeButtonStrips();
}

void SampleCourse::LoadTables() {
    StartupOptions options;
    options.dataRoot = demoRoot_;
    options.userDataFolder = root_ + "user/";
    options.userFiles = false;
    // A demo course still being written may have faults; the samples fill in.
    LoadReport report([](const LoadFault&) {}, false);
    LoadCourse(run_.course, run_.session.settings, options, report);
    run_.course.DataRoot = root_;
    CreateFolder(run_.course.UserDataFolder);
}

void SampleCourse::FillMissingTexts() {
    CourseData& course = run_.course;
    for (const auto& t : kTexts) {
        if (course.TextTable[static_cast<std::size_t>(t.number)].empty()) {
            course.TextTable[static_cast<std::size_t>(t.number)] = t.text;
        }
    }
    for (const auto& h : kHints) {
        if (course.HintTable[static_cast<std::size_t>(h.number)].empty()) {
            course.HintTable[static_cast<std::size_t>(h.number)] = h.text;
        }
    }
}

template <class Make> bool SampleCourse::Provide(const std::string& relative, Make make) {
    const std::string target = ResolvePath(root_, relative);
    std::filesystem::create_directories(std::filesystem::path(target).parent_path());
    const std::string source = ResolvePath(demoRoot_, relative);
    if (FileExists(source)) {
        std::error_code error;
        std::filesystem::copy_file(source, target,
                                   std::filesystem::copy_options::overwrite_existing, error);
        return !error;
    }
    return make(target);
}

bool SampleCourse::MakePictures() {
    bool ok = true;
    for (const auto& b : kBackgrounds) {
        ok = Provide(b.file,
                     [&b](const std::string& path) {
                         return WriteSampleBackground(path, b.width, b.height, b.light, b.title,
                                                      b.closeMark);
                     }) &&
             ok;
    }
    return ok;
}

// The backgrounds of the topic's sentence lessons and the pictures of their
// rows, alternatives included.
bool SampleCourse::MakeSentencePictures() {
    const CourseData& course = run_.course;
    const auto standIn = [](int width, int height) {
        return [width, height](const std::string& path) {
            return WriteSampleBackground(path, width, height, true, "", QRect());
        };
    };
    const std::string folder = std::string("obrazki/") + kSentenceTopic + "/zd/";
    bool ok = true;
    for (const SteeringRow& lesson : course.SteeringTable) {
        if (lesson.TopicFolder != kSentenceTopic || !IsPictureSentenceCode(lesson.Code)) {
            continue;
        }
        if (!lesson.Background.empty()) {
            ok = Provide("tla/" + lesson.Background, standIn(800, 600)) && ok;
        }
        const std::string key = LowerCase(lesson.Content);
        for (const DataRow& row : course.DataTable) {
            if (row.GroupKey != key) {
                continue;
            }
            std::vector<std::string> files = SplitAlternatives(row.Field12);
            files.push_back(row.PictureFile);
            for (const std::string& file : files) {
                ok = Provide(folder + file, standIn(220, 220)) && ok;
            }
        }
    }
    return ok;
}

bool SampleCourse::MakeButtonStrips() {
    bool ok = true;
    for (std::size_t i = 0; i < kButtonStripFiles.size(); ++i) {
        ok = Provide(kButtonStripFiles[i],
                     [i](const std::string& path) {
                         return WriteSampleStrip(path, kStripGlyphs[i]);
                     }) &&
             ok;
    }
    return ok && LoadButtonStrips(MyImageList1(), root_);
}

} // namespace lumora::shots
