// The teacher's report on a class made up on the demo course: 30 learners,
// a few damaged files, the CSV's lines, the charts' bars, and a folder that
// is only read.
#include "class_report.h"
#include "demo_course.h"
#include "platform/text_file.h"
#include "report_csv.h"
#include "report_html.h"
#include "temp_folder.h"
#include "users/points_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sys/wait.h>

namespace lumora {
namespace {

using test::TempFolder;

constexpr int kLearners = 30;

const char* const kNames[kLearners] = {
    "Ania",  "Ola \"Mała\"", "Łucja, Anna", "Dawid",   "Ewa",    "Franek",  "Gosia",  "Henryk",
    "Iga",   "Jacek",        "Kasia",       "Leszek",  "Magda",  "Norbert", "Ola",    "Piotr",
    "Róża",  "Staś",         "Tosia",       "Urszula", "Wiktor", "Zuzia",   "Żaneta", "Adam",
    "Basia", "Cezary",       "Dorota",      "Emil",    "Filip",  "Gabi",
};

// The points and done mark learner k (1-based) has in lesson i (0-based).
std::int32_t PointsOf(int k, std::size_t i) {
    const int n = static_cast<int>(i);
    return (k + n) % 3 == 0 ? 0 : (k * 7 + n * 3) % 50;
}
bool DoneOf(int k, std::size_t i) {
    return PointsOf(k, i) > 0 || i % 10 == 0;
}

// The class: learner k has identifier k; learner 5's file is torn, learner
// 7's has a bad done byte, learner 9's "pkt.txt" is a folder, and usr.t has a
// line whose identifier is no number.
class ReportOnAClass : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(course().SteeringTable.size() > 100) << "the demo course is not built";
        std::string usr;
        for (int k = 1; k <= kLearners; ++k) {
            usr += std::to_string(k) + "=" + kNames[k - 1] + "\n";
            std::string bytes;
            for (std::size_t i = 0; i < course().SteeringTable.size(); ++i) {
                const SteeringRow& row = course().SteeringTable[i];
                bytes += EncodePointsRecord({row.Content, row.Code, PointsOf(k, i), DoneOf(k, i)});
            }
            if (k == 5) {
                bytes += std::string(10, 'x');
            }
            if (k == 7) {
                bytes[2 * kPointsRecordSize + 40] = 2;
            }
            if (k == 9) {
                dir.MakeFolder("9/pkt.txt");
            } else {
                dir.WriteBytes(std::to_string(k) + "/pkt.txt", bytes);
            }
        }
        usr += "x=Zły wiersz\n";
        dir.WriteText("usr.t", usr);
    }

    static const CourseData& course() { return test::DemoCourse().course; }

    // What the learner has in each topic, worked out from the files made.
    std::map<std::string, std::int32_t> TopicPoints(int k) const {
        std::map<std::string, std::int32_t> sums;
        for (std::size_t i = 0; i < course().SteeringTable.size(); ++i) {
            sums[course().SteeringTable[i].TopicFolder] += k == 9 ? 0 : PointsOf(k, i);
        }
        return sums;
    }

    TempFolder dir;
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

TEST_F(ReportOnAClass, TheCsvHasAHeaderAndALinePerLearnerAndLesson) {
    const ClassReport report = BuildClassReport(course(), dir.Path());
    const auto lines = Lines(ClassReportCsv(report));
    const std::size_t lessons = course().SteeringTable.size();
    ASSERT_EQ(lines.size(), 1 + kLearners * lessons);
    EXPECT_EQ(lines[0], "uczeń,temat,dział,lekcja,kod,punkty,ukończona");
    const std::vector<std::string> ola(lines.begin() + 1 + static_cast<long>(lessons),
                                       lines.begin() + 1 + static_cast<long>(lessons) + 4);
    EXPECT_EQ(
        ola,
        (std::vector<std::string>{
            "\"Ola \"\"Mała\"\"\",Czas wolny – Free time,Vocabulary,Hobby i rozrywka,30,14,1",
            "\"Ola \"\"Mała\"\"\",Czas wolny – Free time,Vocabulary,Wybór (MC),31,0,0",
            "\"Ola \"\"Mała\"\"\",Czas wolny – Free time,Vocabulary,Wpisywanie,32,20,1",
            "\"Ola \"\"Mała\"\"\",Czas wolny – Free time,Sentences,Co robimy po szkole?,1,23,1",
        }));
    const std::vector<std::string> lucja(lines.begin() + 1 + 2 * static_cast<long>(lessons),
                                         lines.begin() + 1 + 2 * static_cast<long>(lessons) + 4);
    EXPECT_EQ(lucja,
              (std::vector<std::string>{
                  "\"Łucja, Anna\",Czas wolny – Free time,Vocabulary,Hobby i rozrywka,30,0,1",
                  "\"Łucja, Anna\",Czas wolny – Free time,Vocabulary,Wybór (MC),31,24,1",
                  "\"Łucja, Anna\",Czas wolny – Free time,Vocabulary,Wpisywanie,32,27,1",
                  "\"Łucja, Anna\",Czas wolny – Free time,Sentences,Co robimy po szkole?,1,0,0",
              }));
}

TEST_F(ReportOnAClass, EveryBarStandsForTheLearnersPointsInItsTopic) {
    const ClassReport report = BuildClassReport(course(), dir.Path());
    const std::string html = ClassReportHtml(report, course().DataRoot);
    std::int32_t most = 0;
    for (int k = 1; k <= kLearners; ++k) {
        for (const auto& [topic, points] : TopicPoints(k)) {
            most = std::max(most, points);
        }
    }
    const std::regex section("<section class=\"learner\" id=\"u([0-9]+)\">([\\s\\S]*?)</section>");
    const std::regex bar("<rect class=\"bar\" x=\"[0-9]+\" y=\"[0-9]+\" width=\"40\" "
                         "height=\"([0-9]+)\" data-topic=\"([a-z_]+)\" data-points=\"([0-9]+)\">");
    int learners = 0;
    int tallest = 0;
    for (auto s = std::sregex_iterator(html.begin(), html.end(), section);
         s != std::sregex_iterator(); ++s) {
        ++learners;
        const int k = std::stoi((*s)[1]);
        const std::string body = (*s)[2];
        const auto expected = TopicPoints(k);
        std::size_t bars = 0;
        for (auto b = std::sregex_iterator(body.begin(), body.end(), bar);
             b != std::sregex_iterator(); ++b) {
            ++bars;
            const std::int32_t points = expected.at((*b)[2]);
            const int height = std::stoi((*b)[1]);
            EXPECT_EQ(std::stoi((*b)[3]), points) << "learner " << k << ", " << (*b)[2];
            EXPECT_EQ(height, static_cast<int>(std::lround(150.0 * points / most)))
                << "learner " << k << ", " << (*b)[2];
            tallest = std::max(tallest, height);
        }
        EXPECT_EQ(bars, expected.size()) << "learner " << k;
    }
    EXPECT_EQ(learners, kLearners);
    EXPECT_EQ(tallest, kChartBarHeight);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("src="), std::string::npos) << "nothing is fetched";
}

TEST_F(ReportOnAClass, DamagedFilesAreListedAtTheFootWithWhatWasSalvaged) {
    const ClassReport report = BuildClassReport(course(), dir.Path());
    const std::string html = ClassReportHtml(report, course().DataRoot);
    const std::string foot = html.substr(html.find("<section class=\"damaged\">"));
    const std::string records = std::to_string(course().SteeringTable.size());
    for (const std::string& expected : std::vector<std::string>{
             "<b>usr.t</b>: wiersz 31: identyfikator „x” nie jest liczbą",
             "<b>5/pkt.txt</b>: plik urywa się w rekordzie " +
                 std::to_string(course().SteeringTable.size() + 1) +
                 " (10 z 44 bajtów); ten rekord pominięto. Odczytano: odczytano " + records +
                 " rekordów",
             std::string("<b>7/pkt.txt</b>: rekord 3: znacznik ukończenia ma wartość 2; lekcję "
                         "liczono jako ukończoną"),
             std::string("<b>9/pkt.txt</b>: nie można odczytać pliku: Is a directory. Odczytano: "
                         "nic; uczeń ma w zestawieniu 0 punktów")}) {
        EXPECT_NE(foot.find(expected), std::string::npos) << expected << "\n" << foot;
    }
    EXPECT_EQ(report.learners.size(), static_cast<std::size_t>(kLearners));
}

// Every entry of the folder with its size and time of change.
std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>
Snapshot(const std::string& folder) {
    std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>> entries;
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder)) {
        entries[e.path().string()] = {e.is_regular_file() ? e.file_size() : 0, e.last_write_time()};
    }
    return entries;
}

int RunReport(const std::string& args) {
    const int raw =
        std::system((std::string(LUMORA_REPORT) + " " + args + " >/dev/null 2>&1").c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST_F(ReportOnAClass, TheToolOnlyReadsTheLearnersFolder) {
    // A save that another computer has under way, and no lock files yet.
    dir.WriteBytes("usr.t.tmp.abcdef", "1=Ania\r\n");
    const auto before = Snapshot(dir.Path());
    TempFolder out;
    const std::string common = "--users " + dir.Path() + " --data " + course().DataRoot;
    ASSERT_EQ(RunReport(common + " --csv " + out / "class.csv" + " --html " + out / "class.html"),
              0);
    EXPECT_EQ(Snapshot(dir.Path()), before);
    EXPECT_EQ(ReadFileBytes(out / "class.csv"),
              ClassReportCsv(BuildClassReport(course(), dir.Path())));
    // An output file inside the folder is refused.
    EXPECT_EQ(RunReport(common + " --csv " + dir / "1/class.csv"), 1);
    EXPECT_EQ(Snapshot(dir.Path()), before);
}

// The page as a browser draws it: headless Chromium takes a screenshot,
// kept in the build folder to be looked at.
TEST_F(ReportOnAClass, ChromiumDrawsThePage) {
    const char* chromium = nullptr;
    for (const char* candidate : {"/usr/bin/chromium", "/usr/bin/chromium-browser"}) {
        if (FileExists(candidate)) {
            chromium = candidate;
            break;
        }
    }
    if (chromium == nullptr) {
        GTEST_SKIP() << "no Chromium (Debian's chromium package) to draw the page";
    }
    const std::string page = std::string(LUMORA_REPORT_SHOTS) + "/class.html";
    const std::string shot = std::string(LUMORA_REPORT_SHOTS) + "/class.png";
    std::filesystem::create_directories(LUMORA_REPORT_SHOTS);
    std::filesystem::remove(shot);
    ASSERT_FALSE(WriteFileAtomic(
        page, ClassReportHtml(BuildClassReport(course(), dir.Path()), course().DataRoot)));
    TempFolder profile;
    const std::string command =
        std::string(chromium) +
        " --headless --no-sandbox --disable-gpu --user-data-dir=" + profile.Path() +
        " --window-size=1000,1800 --screenshot=" + shot + " file://" + page + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto png = ReadFileBytes(shot);
    ASSERT_TRUE(png);
    EXPECT_EQ(png->substr(1, 3), "PNG");
    EXPECT_GT(png->size(), 20000u) << "a page with its table and charts, not a blank one";
}

} // namespace
} // namespace lumora
