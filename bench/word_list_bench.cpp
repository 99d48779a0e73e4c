// Times printing a vocabulary lesson's word list of 30 words: building the
// page, laying it out with its style sheet and pictures (scaled for print)
// and writing it as a PDF file. It should take well under a second.
#include "course/course_data.h"
#include "course/lesson_state.h"
#include "exercises/presentation/word_list_page.h"
#include "htmlview/html_print.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kWords = 30;

// A course folder with the style sheet and 30 word pictures of the size the
// demo course draws, each different so none is shared in the PDF.
struct WordListCourse {
    WordListCourse() {
        std::string pattern = (fs::temp_directory_path() / "lumora-bench-XXXXXX").string();
        root = ::mkdtemp(pattern.data());
        course.DataRoot = root.string() + "/";
        lesson.CurrentTopic = "kuchnia";
        std::ofstream(root / "style.css") << "td.tekst { font-size: 16pt; font-weight: bold; "
                                             "border: 2px solid #d7c9ad; padding: 8px; }\n";
        fs::create_directories(root / "obrazki/kuchnia/sl");
        for (int n = 1; n <= kWords; ++n) {
            DataRowFor(n);
            QImage picture(160, 190, QImage::Format_RGB32);
            picture.fill(QColor(250, 245, 235));
            QPainter painter(&picture);
            painter.setBrush(QColor(8 * n, 120, 255 - 8 * n));
            painter.drawEllipse(20, 25, 120, 140);
            painter.end();
            picture.save(QString::fromStdString(
                (root / ("obrazki/kuchnia/sl/w" + std::to_string(n) + ".png")).string()));
        }
        words.resize(kWords);
        std::iota(words.begin(), words.end(), 1);
    }
    ~WordListCourse() { fs::remove_all(root); }

    void DataRowFor(int n) {
        lumora::DataRow row;
        row.EnglishText = "word " + std::to_string(n);
        row.PictureFile = "w" + std::to_string(n) + ".png";
        course.DataTable.push_back(row);
    }

    fs::path root;
    lumora::CourseData course;
    lumora::LessonState lesson;
    std::vector<int> words;
};

void BM_PrintThirtyWordList(benchmark::State& state) {
    WordListCourse c;
    const std::string pdf = (c.root / "list.pdf").string();
    for (auto _ : state) {
        const std::string html =
            lumora::JoinPage(lumora::WordListPage(c.course, c.lesson, c.words));
        if (const auto fault = lumora::WritePagePdf(html, pdf)) {
            state.SkipWithError(fault->c_str());
            break;
        }
    }
}
BENCHMARK(BM_PrintThirtyWordList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
