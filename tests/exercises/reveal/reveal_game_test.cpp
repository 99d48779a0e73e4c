// The reveal game: its candidates, the draws, the tiles, the answers, the
// worth of each word, the words' order and opening one from a course.
#include "course_builder.h"
#include "exercises/reveal/reveal_check.h"
#include "exercises/reveal/reveal_game.h"
#include "platform/random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumora {
namespace {

std::vector<RevealWord> Words() {
    std::vector<RevealWord> words;
    for (int w = 1; w <= kRevealWords; ++w) {
        const std::string n = std::to_string(w);
        words.push_back({"sample\\dom\\sl\\w" + n + ".wav", "word" + n, "słowo" + n});
    }
    return words;
}

RevealGame Game() {
    FixRandomSeed(2);
    RevealGame game(Words());
    ReleaseRandomSeed();
    return game;
}

// Answers the current word right and ends the pause that follows.
void Solve(RevealGame& g) {
    g.Answer(g.Word(g.Position()).english);
    g.Continue();
}

TEST(RevealCandidates, ExactTopicKindThirtyAndASound) {
    CourseData c;
    auto row = [](std::string topic, int kind, std::string sound) {
        DataRow r;
        r.TopicKey = std::move(topic);
        r.KindCode = kind;
        r.SoundFile = std::move(sound);
        return r;
    };
    c.DataTable = {row("dom", 30, "a.wav"), row("Dom", 30, "b.wav"),  row("dom", 31, "c.wav"),
                   row("dom", 30, ""),      row("domy", 30, "e.wav"), row("dom", 30, "f.wav")};
    EXPECT_EQ(RevealCandidates(c, "dom"), (std::vector<int>{1, 6}));
    c.DataTable.assign(250, row("dom", 30, "x.wav"));
    EXPECT_EQ(RevealCandidates(c, "dom").size(), 200u);
}

TEST(RevealDraw, FourteenDifferentWordsInCandidateOrder) {
    FixRandomSeed(6);
    EXPECT_EQ(DrawRevealWords(20),
              (std::vector<int>{0, 1, 2, 4, 6, 7, 8, 10, 11, 12, 16, 17, 18, 19}));
    for (int round = 0; round < 30; ++round) {
        const auto words = DrawRevealWords(15);
        EXPECT_EQ(words.size(), 14u);
        EXPECT_TRUE(std::adjacent_find(words.begin(), words.end(),
                                       [](int a, int b) { return a >= b; }) == words.end());
    }
    // Fewer candidates than words: all of them, and the draw ends.
    EXPECT_EQ(DrawRevealWords(3), (std::vector<int>{0, 1, 2}));
    ReleaseRandomSeed();
}

TEST(RevealDraw, TilesHoldEachWordOnceAndTwoHoldNone) {
    FixRandomSeed(6);
    const auto tiles = DealRevealTiles();
    EXPECT_EQ(std::vector<int>(tiles.begin(), tiles.end()),
              (std::vector<int>{7, 6, 14, 4, 0, 3, 10, 11, 9, 8, 0, 13, 12, 5, 1, 2}));
    for (int round = 0; round < 30; ++round) {
        auto sorted = DealRevealTiles();
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::vector<int>(sorted.begin(), sorted.end()),
                  (std::vector<int>{0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
    }
    ReleaseRandomSeed();
}

TEST(RevealPlay, AnswersAreTrimmedAndComparedExactly) {
    struct Case {
        std::string answer;
        bool right;
    };
    const std::vector<Case> cases{
        {"word1", true},   {"  word1\t", true}, {"Word1", false},
        {"word 1", false}, {"", false},         {"   ", false},
    };
    for (const auto& c : cases) {
        RevealGame g = Game();
        const LessonStep step = g.Answer(c.answer);
        EXPECT_EQ(step.Judged(), c.right ? Verdict::Right : Verdict::Wrong) << c.answer;
        EXPECT_EQ(g.RightCount(), c.right ? 1 : 0) << c.answer;
        EXPECT_EQ(g.WrongCount(), c.right ? 0 : 1) << c.answer;
    }
}

TEST(RevealPlay, ARightAnswerUncoversItsTileAndShowsTheTranslation) {
    RevealGame g = Game();
    int tile = 0;
    for (int t = 1; t <= kRevealTiles; ++t) {
        tile = g.TileWord(t) == 1 ? t : tile;
    }
    const LessonStep step = g.Answer("word1");
    EXPECT_EQ(step.pauseMs, 1500);
    EXPECT_FALSE(step.emptyEntry);
    EXPECT_FALSE(g.TileVisible(tile));
    EXPECT_EQ(g.Caption(), "słowo1");
    EXPECT_TRUE(g.InputVisible());
    EXPECT_FALSE(g.AcceptsAnswer()); // no answers during the pause
    EXPECT_EQ(g.Answer("word2").Judged(), Verdict::None);
    const LessonStep after = g.Continue();
    EXPECT_EQ(after.cues, (std::vector<Cue>{{Cue::Sound::Item, true}}));
    EXPECT_TRUE(after.emptyEntry);
    EXPECT_EQ(g.Position(), 2);
    EXPECT_EQ(g.WordSound(), "sample\\dom\\sl\\w2.wav");
    EXPECT_EQ(g.Caption(), "");
    EXPECT_EQ(g.Points(), 6);
}

TEST(RevealPlay, WorthDropsByTwoPerMissAndThreeMissesShowTheWord) {
    RevealGame g = Game();
    LessonStep step = g.Answer("x");
    EXPECT_TRUE(step.emptyEntry);
    EXPECT_EQ(step.pauseMs, 0);
    EXPECT_EQ(g.Word(1).worth, 4);
    g.Answer("y");
    EXPECT_EQ(g.Word(1).worth, 2);
    step = g.Answer("z");
    EXPECT_EQ(g.Word(1).worth, 0);
    EXPECT_EQ(step.pauseMs, 1500);
    EXPECT_EQ(g.Caption(), "word1");
    EXPECT_FALSE(g.InputVisible());
    g.Continue();
    EXPECT_EQ(g.Position(), 2);
    EXPECT_EQ(g.Tries(), 0);
    EXPECT_TRUE(g.InputVisible());
    EXPECT_EQ(g.Caption(), "");
    // Word 2 at its second try is worth 4.
    g.Answer("nope");
    Solve(g);
    EXPECT_EQ(g.Points(), 4);
    // The skipped word comes back after word 14 and counts, with nothing.
    while (g.Position() != 1) {
        Solve(g);
    }
    EXPECT_EQ(g.Word(1).worth, 0);
    g.Answer("a");
    EXPECT_EQ(g.Word(1).worth, 0);
    Solve(g);
    EXPECT_TRUE(g.Word(1).revealed);
    EXPECT_EQ(g.Points(), 4 + 12 * 6);
}

TEST(RevealPlay, NextGoesToTheLowestUnrevealedWordAfterFourteen) {
    RevealGame g = Game();
    Solve(g); // word 1
    for (int w = 3; w < 14; ++w) {
        g.Next();
    }
    ASSERT_EQ(g.Position(), 13);
    g.Next();
    EXPECT_EQ(g.Position(), 14);
    g.Answer("wrong");
    g.Next(); // word 1 is revealed: on to word 2
    EXPECT_EQ(g.Position(), 2);
    EXPECT_EQ(g.Tries(), 0);
}

TEST(RevealPlay, TheLastWordUncoversThePicture) {
    RevealGame g = Game();
    LessonStep step;
    for (int w = 1; w <= 14; ++w) {
        step = g.Answer("word" + std::to_string(w));
        if (w < 14) {
            g.Continue();
        }
    }
    EXPECT_EQ(step.pauseMs, 1000);
    EXPECT_FALSE(g.InputVisible());
    // The two tiles without a word are still there until the end.
    int covered = 0;
    for (int t = 1; t <= kRevealTiles; ++t) {
        covered += g.TileVisible(t) ? 1 : 0;
    }
    EXPECT_EQ(covered, 2);
    g.Continue();
    EXPECT_EQ(g.State(), RevealGame::Phase::Finished);
    for (int t = 1; t <= kRevealTiles; ++t) {
        EXPECT_FALSE(g.TileVisible(t));
    }
    EXPECT_FALSE(g.ButtonsVisible());
    EXPECT_FALSE(g.CaptionVisible());
    EXPECT_EQ(g.Answer("word1").Judged(), Verdict::None);
    const LessonScore r = g.Result();
    EXPECT_EQ(r.points, 84);
    EXPECT_EQ(r.right, 14);
    EXPECT_EQ(r.wrong, 0);
    EXPECT_EQ(r.answered, 14);
    EXPECT_EQ(r.items, 14);
}

class RevealCourse : public testing::Test {
  protected:
    void WriteWords(int count, const std::string& topic = "dom") {
        std::string data;
        for (int i = 1; i <= count; ++i) {
            const std::string n = std::to_string(i);
            data += topic + "=dom_1=word" + n + "==słowo" + n + "=p.bmp=0=s" + n + ".wav==30=\n";
        }
        b.Write("data.t", data);
    }
    test::CourseBuilder b;
};

TEST_F(RevealCourse, OpensWithTheDrawnWordsAndTheNextPicture) {
    WriteWords(16);
    b.Write("odkrywanki/idx.t", "kot.bmp=A cat on a mat.\n");
    b.Folder().WriteBytes("course/odkrywanki/kot.bmp", "BM");
    CourseData course = b.Load();
    RevealDraw draw;
    FixRandomSeed(9);
    auto opened = RevealGame::Open(course, draw, "dom");
    ReleaseRandomSeed();
    ASSERT_TRUE(std::holds_alternative<RevealGame>(opened));
    RevealGame& g = std::get<RevealGame>(opened);
    EXPECT_EQ(g.PicturePath(), "odkrywanki\\kot.bmp");
    EXPECT_EQ(g.WordSound().substr(0, 15), "sample\\dom\\sl\\s");
    std::vector<std::string> english;
    for (int w = 1; w <= kRevealWords; ++w) {
        english.push_back(g.Word(w).english);
    }
    EXPECT_EQ(english, (std::vector<std::string>{"word1", "word2", "word3", "word4", "word6",
                                                 "word7", "word8", "word9", "word10", "word11",
                                                 "word12", "word14", "word15", "word16"}));
    while (g.State() != RevealGame::Phase::Finished) {
        g.Answer(g.Word(g.Position()).english);
        g.Continue();
    }
    EXPECT_EQ(g.Description(), "A cat on a mat.");
}

TEST_F(RevealCourse, RefusesTooFewWordsAndAMissingPicture) {
    WriteWords(13);
    CourseData course = b.Load();
    RevealDraw draw;
    auto fault = std::get<LoadFault>(RevealGame::Open(course, draw, "dom"));
    EXPECT_EQ(fault.message, "Uwaga! mamy mniej sampli, niz chcemy losowac!!!");
    EXPECT_EQ(LoadReport::Where(fault), "");

    WriteWords(14);
    course = b.Load();
    fault = std::get<LoadFault>(RevealGame::Open(course, draw, "dom"));
    EXPECT_TRUE(fault.file == "odkrywanki/kot" || fault.file == "odkrywanki/pies") << fault.file;
}

TEST_F(RevealCourse, CheckerNamesThinTopicsAndMissingPictures) {
    b.Write("Steruj.t", "dom=x=41=====\ndom=y=41=====\nzoo=x=41=====\nkuchnia=x=42=====\n");
    WriteWords(14);
    b.Write("odkrywanki/idx.t", "kot.bmp=A cat.\npies.bmp=A dog.\n");
    b.Folder().WriteBytes("course/odkrywanki/kot.bmp", "BM");
    const CourseData course = b.Load();
    std::vector<std::string> faults;
    for (const auto& f : CheckRevealGames(course)) {
        faults.push_back(f.file + ":" + std::to_string(f.line) + ": " + f.message);
    }
    EXPECT_EQ(faults,
              (std::vector<std::string>{
                  "data.t:0: The topic \"zoo\" has 0 words of kind 30 with a sound; its reveal "
                  "game draws 14.",
                  "odkrywanki/idx.t:2: The picture \"odkrywanki/pies.bmp\" does not exist."}));
}

} // namespace
} // namespace lumora
