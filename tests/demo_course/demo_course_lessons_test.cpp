// Walks every lesson of the demo course that the build made: each file the
// lesson will open must be there, and each content it reads must be in a
// form its screen can use.
#include "demo_course.h"

#include "course/lesson_kinds.h"
#include "exercises/exercise_header.h"
#include "exercises/lesson_checks.h"
#include "exercises/true_false/true_false_content.h"
#include "exercises/typing/typing_file.h"
#include "exercises/word_search/word_search_check.h"
#include "platform/cp1250.h"
#include "platform/text_file.h"
#include "platform/text_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace lumora::test {
namespace {

std::string Join(const std::vector<std::string>& lines) {
    std::string s;
    for (const auto& l : lines) {
        s += "\n  " + l;
    }
    return s;
}

// Collects what is wrong, so that one run names every fault.
struct Problems {
    std::vector<std::string> list;
    void Add(const std::string& where, const std::string& what) {
        list.push_back(where + ": " + what);
    }
    void NeedFile(const CourseData& c, const std::string& where, const std::string& file) {
        if (!CourseFileExists(c, file)) {
            Add(where, "missing " + file);
        }
    }
};

std::string Where(const SteeringRow& row) {
    return row.TopicFolder + " " + row.Content + " (code " + std::to_string(row.Code) + ")";
}

bool Typeable(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char ch) {
        return std::isalpha(ch) || ch == ' ' || ch == '-' || ch == '\'';
    });
}

int CountOf(const std::string& text, char ch) {
    return static_cast<int>(std::count(text.begin(), text.end(), ch));
}

const std::vector<SteeringRow>& Rows() {
    return DemoCourse().course.SteeringTable;
}

TEST(DemoCourseTables, LoadWithoutAFault) {
    EXPECT_TRUE(DemoCourse().faults.empty()) << Join(DemoCourse().faults);
    EXPECT_FALSE(Rows().empty());
}

TEST(DemoCourseTables, FillEveryTextHintAndInstructionTheScreensUse) {
    const CourseData& c = DemoCourse().course;
    for (int n = 1; n <= 21; ++n) {
        // Text 2 is used by no screen.
        if (n != 2) {
            EXPECT_NE(c.GetText(n), "not found!") << "text " << n;
        }
    }
    for (int n = 1; n <= 68; ++n) {
        EXPECT_NE(c.GetHint(n), "not found!") << "hint " << n;
    }
    for (const auto& row : Rows()) {
        EXPECT_FALSE(c.InstructionText(row.Code).empty()) << "instruction " << row.Code;
        EXPECT_TRUE(CourseFileExists(c, "polecenia\\" + std::to_string(row.Code) + ".wav"))
            << "spoken instruction " << row.Code;
    }
}

TEST(DemoCourseTables, GiveEveryTopicTheWholeLessonSet) {
    // The topic screen lists a vocabulary lesson with both drills, four
    // sentence lessons each with its gap filling, the five story lessons and
    // the three games.
    const std::multiset<int> expected{30, 31, 32, 1,  9,  2,  9,  3,  9, 4,
                                      9,  35, 36, 37, 38, 39, 40, 41, 42};
    for (const auto& topic : DemoCourse().course.TopicTable) {
        std::multiset<int> codes;
        for (const auto& row : Rows()) {
            if (row.TopicFolder == topic.FolderName) {
                codes.insert(row.Code);
                EXPECT_FALSE(row.Title.empty()) << Where(row);
            }
        }
        EXPECT_EQ(codes, expected) << topic.FolderName;
    }
}

TEST(DemoCourseTables, KeepEveryLessonsPointsApart) {
    // Points are kept under the first 30 characters of the content key and
    // the code: a longer key never matches, a shared one marks two lessons.
    std::set<std::pair<std::string, int>> keys;
    for (const auto& row : Rows()) {
        EXPECT_LE(Utf8Length(row.Content), 30u) << Where(row);
        EXPECT_TRUE(keys.insert({row.Content, row.Code}).second) << Where(row);
    }
    // data.t is read silently only up to its 2000th row.
    EXPECT_LT(DemoCourse().course.DataTable.size(), 2000u);
    EXPECT_LE(Rows().size(), 350u);
}

TEST(DemoCourseLessons, VocabularyAndSentencesFindTheirWordsPicturesAndSounds) {
    const CourseData& c = DemoCourse().course;
    Problems p;
    for (const auto& row : Rows()) {
        const bool vocabulary = row.Code >= 30 && row.Code <= 32;
        const bool sentences = (row.Code >= 1 && row.Code <= 4) || row.Code == 9;
        if (!vocabulary && !sentences) {
            continue;
        }
        const std::string where = Where(row);
        p.NeedFile(c, where, "tla\\" + row.Background);
        const auto selected = SelectedRows(c, row.Content);
        const std::string sub = vocabulary ? "\\sl\\" : "\\zd\\";
        // The typing drill draws 8 words and the reveal game 14; a picture
        // choice of four needs rows enough to draw three new distractors
        // that were not shown in the round before.
        const std::size_t least = vocabulary ? 14 : row.Code == 4 ? 10 : 8;
        if (selected.size() < least || selected.size() > 30) {
            p.Add(where, std::to_string(selected.size()) + " rows");
        }
        if (sentences && row.LayoutCount < 6) {
            p.Add(where, "the gap filling needs layout pairs 5 and 6");
        }
        for (const DataRow* d : selected) {
            const std::string item = where + " \"" + d->EnglishText + "\"";
            p.NeedFile(c, item, "obrazki\\" + row.TopicFolder + sub + d->PictureFile);
            p.NeedFile(c, item, "sample\\" + row.TopicFolder + sub + d->SoundFile);
            if (d->PolishText.empty()) {
                p.Add(item, "no Polish translation");
            }
            if (vocabulary) {
                // Typed answers are compared exactly with the English word.
                if (d->KindCode != 30 || !Typeable(d->EnglishText)) {
                    p.Add(item, "not a vocabulary row a learner can type");
                }
                continue;
            }
            const int gaps = CountOf(d->EnglishText, '<');
            if (gaps < 1 || gaps > 3 || CountOf(d->EnglishText, '>') != gaps ||
                d->EnglishText.find('<') > d->EnglishText.find('>')) {
                p.Add(item, "needs one to three gaps marked < >");
            }
            if (d->Field14.empty()) {
                p.Add(item, "no explanation");
            }
            if (d->KindCode == 1) {
                if (d->Field9.empty() || d->Field15.empty()) {
                    p.Add(item, "a yes/no sentence needs its second sound and explanation");
                } else {
                    p.NeedFile(c, item, "sample\\" + row.TopicFolder + "\\zd\\" + d->Field9);
                }
            }
            const auto alternatives = Fields(d->Field12, '/');
            if (!alternatives.empty() && static_cast<int>(alternatives.size()) != d->KindCode - 1) {
                p.Add(item, "the pictures to choose from need one alternative per other slot");
            }
            for (const auto& alt : alternatives) {
                p.NeedFile(c, item, "obrazki\\" + row.TopicFolder + "\\zd\\" + Trim(alt));
            }
        }
    }
    EXPECT_TRUE(p.list.empty()) << Join(p.list);
}

void CheckTrueFalse(const std::string& where, const std::string& content, Problems& p) {
    const auto fields = Fields(content, '#');
    if (fields.size() < 4 || fields.size() > 16 || content.back() != '#') {
        p.Add(where, "needs two headings and 2 to 14 statements, each ended by #");
    }
}

void CheckDragAndDrop(const std::string& where, const std::string& content, Problems& p) {
    const auto fields = Fields(content, '#');
    const int columns = fields.size() > 1 ? TrimmedInt(fields[0]) : 0;
    const int rows = fields.size() > 1 ? TrimmedInt(fields[1]) : 0;
    if (columns < 1 || columns > 8 || rows < 1 || rows > 19 ||
        fields.size() < 2 + static_cast<std::size_t>(columns) + 2) {
        p.Add(where, "needs 1 to 8 columns, 1 to 19 rows, headers and words");
        return;
    }
    std::vector<int> perColumn(static_cast<std::size_t>(columns) + 1, 0);
    const std::size_t firstWord = 2 + static_cast<std::size_t>(columns);
    for (std::size_t i = firstWord; i < fields.size(); ++i) {
        const auto star = fields[i].find('*');
        const int column = star == std::string::npos || star + 2 != fields[i].size()
                               ? 0
                               : fields[i][star + 1] - '0';
        if (column < 1 || column > columns || star == 0) {
            p.Add(where, "\"" + fields[i] + "\" is not a word, * and a column");
            continue;
        }
        ++perColumn[static_cast<std::size_t>(column)];
    }
    if (fields.size() - firstWord > 40) {
        p.Add(where, "more than 40 words");
    }
    for (int col = 1; col <= columns; ++col) {
        // A word dropped on a full column goes on to the next one.
        if (perColumn[static_cast<std::size_t>(col)] > rows) {
            p.Add(where, "column " + std::to_string(col) + " has more words than rows");
        }
    }
}

void CheckTyping(const CourseData& c, const std::string& where, const std::string& stem,
                 Problems& p) {
    const std::string file = "wpisywania\\" + stem + ".fcs";
    const auto lines = ReadTextLines(c.DataPath(file));
    if (!lines || lines->size() < 4) {
        p.Add(where, "missing or short " + file);
        return;
    }
    try {
        if (StrictInt((*lines)[0].substr(std::min<std::size_t>(8, (*lines)[0].size()))) < 20) {
            p.Add(where, "a gap narrower than a word");
        }
    } catch (const ConversionError&) {
        p.Add(where, file + " line 1 is not a gap width");
    }
    int gaps = 0, words = 0;
    for (std::size_t i = 3; i < lines->size(); ++i) {
        for (const auto& w : Fields((*lines)[i] + " ", ' ')) {
            ++words;
            if (w.starts_with("&")) {
                ++gaps;
                // A mark after the answer becomes a word of its own; the
                // answer itself is typed, so it holds no alternative or
                // joining marks.
                std::string answer = w.substr(1);
                while (!answer.empty() &&
                       std::string(".,;!?").find(answer.back()) != std::string::npos) {
                    answer.pop_back();
                }
                if (!Typeable(answer)) {
                    p.Add(where, "the gap \"" + w + "\" cannot be typed");
                }
            }
        }
    }
    if (gaps < 5 || words > 1400) {
        p.Add(where, file + " needs at least 5 gaps and at most 1400 words");
    }
}

TEST(DemoCourseLessons, StoriesFindTheirRecordsMediaAndContent) {
    const CourseData& c = DemoCourse().course;
    Problems p;
    int films = 0;
    for (const auto& row : Rows()) {
        if (!IsStoryCode(row.Code)) {
            continue;
        }
        const std::string where = Where(row);
        p.NeedFile(c, where, "tla\\" + row.Background);
        // The record and its content as the lesson screens read them.
        const StoryLesson lesson = ReadStoryLesson(c, row.Content);
        if (lesson.fault) {
            p.Add(where, *lesson.fault);
            continue;
        }
        const std::string& media = lesson.header.MediaName;
        if (media.starts_with("F_")) {
            ++films;
            const std::string stem = "Teksty_wav\\" + media.substr(2);
            p.NeedFile(c, where, stem + ".bmp");
            if (FileStart(c, stem + ".mpg", 4) != std::string("\0\0\1\xba", 4)) {
                p.Add(where, stem + ".mpg is not an MPEG film");
            }
        } else if (FileStart(c, "Teksty_wav\\" + media + ".wav", 4) != "RIFF") {
            p.Add(where, "no recording Teksty_wav\\" + media + ".wav");
        }
        if (!Trim(lesson.header.HelpSound).empty()) {
            p.NeedFile(c, where, "polecenia\\rozumienie\\" + lesson.header.HelpSound);
        }
        const std::string& body = lesson.record->StBody;
        const std::string content = body.size() > 3 ? body.substr(3) : "";
        if (row.Code == kDragAndDropCode) {
            // Beyond what the screen refuses: every word has a row to go to.
            CheckDragAndDrop(where, content, p);
        }
        if (const ContentCheck check = ContentCheckFor(row.Code)) {
            if (const auto fault = check(*lesson.record)) {
                p.Add(where, *fault);
            }
            continue;
        }
        // The kinds whose screens are still to come: their content as the
        // course means it.
        switch (row.Code) {
        case kTypingCode:
            CheckTyping(c, where, content, p);
            break;
        default:
            CheckTrueFalse(where, content, p);
            break;
        }
    }
    EXPECT_TRUE(p.list.empty()) << Join(p.list);
    EXPECT_GE(films, 1) << "at least one story is told in a film";
}

TEST(DemoCourseLessons, EveryLessonPassesTheCourseCheckersLessonChecks) {
    std::vector<std::string> faults;
    LoadReport report(
        [&faults](const LoadFault& f) {
            faults.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
        },
        false);
    CheckLessons(DemoCourse().course, report);
    EXPECT_TRUE(faults.empty()) << Join(faults);
}

TEST(DemoCourseLessons, TrueFalseAndTypingLessonsReadAsTheirScreensReadThem) {
    const CourseData& c = DemoCourse().course;
    int trueFalse = 0, typing = 0;
    for (const auto& row : Rows()) {
        if (row.Code != kTrueFalseCode && row.Code != kTypingCode) {
            continue;
        }
        const StRecord* record = c.St(TrimmedInt(row.Content));
        ASSERT_NE(record, nullptr) << Where(row);
        if (row.Code == kTrueFalseCode) {
            const auto parsed = ParseTrueFalseContent(record->StBody);
            ASSERT_TRUE(std::holds_alternative<TrueFalseContent>(parsed)) << Where(row);
            const auto& statements = std::get<TrueFalseContent>(parsed).statements;
            // Both answers occur, so ticking all one way is never all right.
            const auto truths = std::count_if(statements.begin(), statements.end(),
                                              [](const TrueFalseStatement& s) { return s.truth; });
            EXPECT_GT(truths, 0) << Where(row);
            EXPECT_LT(truths, static_cast<long>(statements.size())) << Where(row);
            ++trueFalse;
        } else {
            const auto read = ReadTypingFile(c, record->StBody);
            ASSERT_TRUE(std::holds_alternative<TypingText>(read)) << Where(row);
            const TypingText& text = std::get<TypingText>(read);
            EXPECT_GE(text.answers.size(), 5u) << Where(row);
            for (const auto& answer : text.answers) {
                EXPECT_TRUE(Typeable(answer)) << Where(row) << " \"" << answer << "\"";
            }
            ++typing;
        }
    }
    EXPECT_EQ(trueFalse, static_cast<int>(DemoCourse().course.TopicTable.size()));
    EXPECT_EQ(typing, static_cast<int>(DemoCourse().course.TopicTable.size()));
}

TEST(DemoCourseLessons, GamesFindTheirPuzzlesWordsAndPictures) {
    const CourseData& c = DemoCourse().course;
    Problems p;
    for (const auto& row : Rows()) {
        const std::string where = Where(row);
        if (row.Code == kWordSearchCode) {
            const auto read = ReadWordSearch(c, row.Content);
            if (const auto* fault = std::get_if<LoadFault>(&read)) {
                p.Add(where, fault->message);
                continue;
            }
            const auto& puzzle = std::get<WordSearchPuzzle>(read);
            if (puzzle.columns < 2 || puzzle.rows < 2 || puzzle.words.empty()) {
                p.Add(where, "the word search is not a grid of at least 2 x 2 with words");
            }
            for (const auto& word : puzzle.words) {
                if (!GridHides(puzzle, word)) {
                    p.Add(where, "the grid does not hide " + word);
                }
            }
        } else if (row.Code == kRevealCode) {
            p.NeedFile(c, where, "tla\\" + row.Background);
            int candidates = 0;
            for (const auto& d : c.DataTable) {
                if (d.TopicKey == row.TopicFolder && d.KindCode == 30 && !d.SoundFile.empty()) {
                    ++candidates;
                    p.NeedFile(c, where, "sample\\" + row.TopicFolder + "\\sl\\" + d.SoundFile);
                }
            }
            if (candidates < 14) {
                p.Add(where, std::to_string(candidates) + " words for a game of 14");
            }
        } else if (row.Code == kCrosswordCode) {
            p.NeedFile(c, where, "tla\\" + row.Background);
            const std::string folder = "krzyzowka\\" + row.TopicFolder + "\\";
            const auto lines = ReadTextLines(c.DataPath(folder + "slowka.txt"));
            if (!lines) {
                p.Add(where, "no crossword file");
                continue;
            }
            std::set<std::size_t> lengths;
            for (const auto& line : *lines) {
                const auto eq = line.find('=');
                const std::string word = eq == std::string::npos ? "" : Trim(line.substr(eq + 1));
                const bool letters =
                    !word.empty() && std::all_of(word.begin(), word.end(),
                                                 [](unsigned char ch) { return std::isalpha(ch); });
                if (!letters || word.size() < 4 || word.size() > 12) {
                    p.Add(where, "\"" + line + "\" is not a picture and a word of 4 to 12 letters");
                    continue;
                }
                lengths.insert(word.size());
                p.NeedFile(c, where, folder + Trim(line.substr(0, eq)));
            }
            if (lengths.size() < 2) {
                p.Add(where, "a crossword needs words of at least two lengths");
            }
        }
    }
    if (c.RevealIndex.empty()) {
        p.Add("odkrywanki\\idx.t", "no pictures");
    }
    for (const auto& entry : c.RevealIndex) {
        p.NeedFile(c, "odkrywanki\\idx.t", "odkrywanki\\" + entry.name);
        if (entry.value.empty()) {
            p.Add("odkrywanki\\idx.t", entry.name + " has no description");
        }
    }
    EXPECT_TRUE(p.list.empty()) << Join(p.list);
}

} // namespace
} // namespace lumora::test
