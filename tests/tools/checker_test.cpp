#include "course_builder.h"
#include "users/points_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace lumora {
namespace {

struct CheckRun {
    int status = -1;
    std::string out;
};

CheckRun RunChecker(const std::string& args) {
    CheckRun run;
    const std::string command = std::string(LUMORA_CHECK) + " " + args + " 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof(buf), pipe)) > 0) {
        run.out.append(buf, n);
    }
    const int raw = ::pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

// The test course's vocabulary lesson with four words, each with its picture
// and sound.
void CompleteVocabulary(const test::CourseBuilder& b) {
    b.Write("data.t", "kuchnia=Kuchnia_1=spoon==łyżka=spoon.bmp=0=spoon.wav=====\n"
                      "kuchnia=kuchnia_1=fork==widelec=fork.bmp=0=fork.wav=====\n"
                      "kuchnia=kuchnia_1=knife==nóż=knife.bmp=0=knife.wav=====\n"
                      "kuchnia=kuchnia_1=cup==kubek=Cup.bmp=0=cup.wav=====\n");
    for (const char* word : {"spoon", "fork", "knife", "cup"}) {
        b.Write(std::string("obrazki/kuchnia/sl/") + word + ".bmp", "BM");
        b.Write(std::string("sample/kuchnia/sl/") + word + ".wav", "RIFF");
    }
}

TEST(LumoraCheck, AGoodCourseHasNoFaults) {
    test::CourseBuilder b;
    CompleteVocabulary(b);
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, b.DataRoot() + ": no faults\n");
}

TEST(LumoraCheck, VocabularyLessonsNeedTheirMediaAndFourWordsForTheChoice) {
    test::CourseBuilder b;
    CompleteVocabulary(b);
    b.Remove("obrazki/kuchnia/sl/knife.bmp");
    b.Remove("sample/kuchnia/sl/cup.wav");
    b.Write("Steruj.t", "kuchnia=kuchnia_1=30==Words=x==11=\nkuchnia=kuchnia_2=30==Few=x==1=\n");
    b.Write("data.t", "kuchnia=kuchnia_1=spoon==łyżka=spoon.bmp=0=spoon.wav=====\n"
                      "kuchnia=kuchnia_1=fork==widelec=fork.bmp=0=fork.wav=====\n"
                      "kuchnia=kuchnia_1=knife==nóż=knife.bmp=0=knife.wav=====\n"
                      "kuchnia=kuchnia_1=cup==kubek=Cup.bmp=0=cup.wav=====\n"
                      "kuchnia=kuchnia_2=cup==kubek=Cup.bmp=0=cup.wav=====\n");
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    const std::string lesson = "vocabulary lesson \"Words\" of kuchnia (kuchnia_1)";
    EXPECT_EQ(run.out,
              "data.t:3: " + lesson +
                  ": the picture of \"knife\" is missing: obrazki\\kuchnia\\sl\\knife.bmp\n"
                  "data.t:4: " +
                  lesson +
                  ": the sound of \"cup\" is missing: sample\\kuchnia\\sl\\cup.wav\n"
                  "data.t:5: vocabulary lesson \"Few\" of kuchnia (kuchnia_2): the sound of "
                  "\"cup\" is missing: sample\\kuchnia\\sl\\cup.wav\n"
                  "Steruj.t:2: vocabulary lesson \"Wybór (MC)\" of kuchnia (kuchnia_2) "
                  "(code 31): the picture choice needs at least 4 words, it has 1\n" +
                  b.DataRoot() + ": 4 faults\n");
}

TEST(LumoraCheck, ReportsEveryFaultOfEveryFile) {
    test::CourseBuilder b;
    b.Write("Steruj.t", "dom=a=x======\ndom=b=35======\ndom=c=36====1,2*==\n");
    b.Write("St.t", "1#ok\nb\nt\nq#bad\nb\nt\n");
    b.Write("data.t", "dom=g=word==słowo=====three=\n");
    b.Remove("odkrywanki/idx.t");
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    const std::string idx = b.DataRoot() + "odkrywanki/idx.t";
    // The faults that stop the program's loading at start-up say so.
    const std::string stops = " (the program stops loading the course here)\n";
    EXPECT_EQ(run.out, "data.t:1: 'three' is not a valid integer value" + stops +
                           "St.t:4: 'q' is not a valid integer value" + stops +
                           "Steruj.t:1: 'x' is not a valid integer value" + stops +
                           "Steruj.t:3: '' is not a valid integer value" + stops +
                           "odkrywanki/idx.t: Cannot open file \"" + idx +
                           "\". No such file or directory" + stops +
                           "Steruj.t:2: record b for lesson \"\" of dom (code 35): 'b' is not a "
                           "valid integer value\n" +
                           b.DataRoot() + ": 6 faults\n");
}

TEST(LumoraCheck, ABrokenMultipleChoiceRecordIsFoundOnItsLine) {
    test::CourseBuilder b;
    b.Write("St.t", "1#roz_kuchnia#help1.wav#Choose.#\n35#Who sings?=Ann=T_Bob#\nnote\n\n"
                    "2#roz_kuchnia#help1.wav#Choose.#\n35#Who sings?=Ann=Bob#\nnote\n");
    b.Write("Steruj.t", "kuchnia=1=35==Story=x===\nkuchnia=2=35==More=x===\n");
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "St.t:6: record 2: Question 1: no answer is marked \"T_\".\n" +
                           b.DataRoot() + ": 1 fault\n");
}

TEST(LumoraCheck, SentenceFaultsNameTheirDataLineAndWarningsAlonePass) {
    test::CourseBuilder b;
    b.Write("Steruj.t", "dom=zd=9==Gaps=x=1,1==\n");
    b.Write("data.t", "dom=zd=It is <cold>.==Zimno=p.png=0=s.wav==\n");
    const std::string warning =
        "Steruj.t:1: warning: lesson zd (code 9, topic dom): gap filling needs six layout pairs "
        "(5 and 6 place the text frame); the screen shows \"Brak wspol. do ramki z tekstem w cw "
        "uzupelnianie!\"\n";
    CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, warning + b.DataRoot() + ": no faults, 1 warning\n");

    b.Write("data.t", "dom=zd=It is <cold>.==Zimno=p.png=0=s.wav==\n// note\n"
                      "dom=zd=A <b> <c> <d> <e>.==Zimno=p.png=0=s.wav==\n");
    run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "data.t:3: \"A <b> <c> <d> <e>.\": more than three gaps; the words of the "
                       "later gaps are shown as text\n" +
                           warning + b.DataRoot() + ": 1 fault, 1 warning\n");
}

TEST(LumoraCheck, LessonsTheLearnerCannotOpenAreWarnedAbout) {
    test::CourseBuilder b;
    CompleteVocabulary(b);
    b.Write("Steruj.t", "kuchnia=kuchnia_1=30==Words=x==00=\nkuchnia=s=6==Six=x===\n"
                        "Sport=s=40==Search=x===\n");
    b.Write("Pseudo/s.txt", "1=2=1=1=ab=\nab\n*\n");
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out,
              "Steruj.t:2: warning: lesson \"Six\" of kuchnia (code 6): codes 5 to 8 open no "
              "screen in this program; the topic screen lists the title under no heading and a "
              "click opens nothing.\n"
              "Steruj.t:3: warning: lesson \"Search\" of Sport (code 40): no main-menu topic "
              "opens the topic \"Sport\" (the menu opens \"sport\"; case counts), so its "
              "lessons are never shown.\n" +
                  b.DataRoot() + ": no faults, 2 warnings\n");
}

TEST(LumoraCheck, NeverWritesUserFiles) {
    test::CourseBuilder b;
    CompleteVocabulary(b);
    const std::string home = b.Folder() / "xdg";
    const CheckRun run = RunChecker("--data " + b.DataRoot() + " && XDG_DATA_HOME=" + home + " " +
                                    LUMORA_CHECK + " --data " + b.DataRoot());
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(std::ifstream(home + "/Lumora_demo/ini_hdd.t").good());
}

TEST(LumoraCheck, DumpShowsTheTablesAsTheProgramHoldsThem) {
    test::CourseBuilder b;
    b.Write("St.t", "1#ok\nb\nt\n2#fine\nb\nt\n");
    b.Write("Steruj.t", "kuchnia=kuchnia_1=30=k.bmp=Słowa=x=28,60=10=\ndom=z=3x======\n");
    const CheckRun run = RunChecker("--dump --data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    for (const char* expected : {
             "\"FontCharset\": 238",
             "\"FolderName\": \"czas_wolny\"",
             "\"ListColour\": \"black\"",
             "\"DescColour\": \"white\"",
             "\"3\": \"Czy na pewno?\"",
             "\"Title\": \"Słowa\"",
             "\"Title\": \"Wybór (MC)\"",
             "\"LayoutX\": [\n        28,\n        0,",
             "\"PolishText\": \"łyżka\"",
             "\"StHead\": \"2#fine\"",
             "\"line\": 2",
         }) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
    // Loading stopped at the bad Code, so the instructions and reveal index
    // that come after it were never read.
    EXPECT_NE(run.out.find("\"InstructionTable\": []"), std::string::npos);
    EXPECT_NE(run.out.find("\"RevealIndex\": []"), std::string::npos);
}

TEST(LumoraCheck, PointsFileAsJson) {
    test::TempFolder dir;
    dir.WriteBytes("pkt.txt", EncodePointsRecord({"kuchnia_1", 30, 20, true}) +
                                  EncodePointsRecord({"7", 35, 0, false}));
    const CheckRun run = RunChecker("--points " + (dir / "pkt.txt"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "[\n  {\n    \"Name\": \"kuchnia_1\",\n    \"Number\": 30,\n"
                       "    \"Points\": 20,\n    \"Done\": 1\n  },\n  {\n    \"Name\": \"7\",\n"
                       "    \"Number\": 35,\n    \"Points\": 0,\n    \"Done\": 0\n  }\n]\n");
}

TEST(LumoraCheck, ReportsFaultsTheProgramPassesOverSilently) {
    test::CourseBuilder b;
    b.Write("ini.t", test::IniText({"1==Tak"}, {}));
    b.Write("data.t", "dom=g=word==słowo=====\nno separators here\n");
    b.Write("St.t", "1#ok\nb\nt\n2#short\n");
    b.Write("Steruj.t", "");
    b.Remove("Polecenia/polecenia.txt");
    b.Folder().MakeFolder("course/Polecenia/polecenia.txt");
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "ini.t: The marker line \"*** hinty\" is missing; the file ends inside its section.\n"
              "ini.t: The marker line \"*** end\" is missing; the file ends inside its section.\n"
              "data.t:2: The line has no \"=\"; every field of the row is empty.\n"
              "St.t:4: The file ends before the record's two body lines.\n"
              "Steruj.t: The file holds no lessons; every topic is empty.\n"
              "Polecenia/polecenia.txt: Cannot open file \"" +
                  b.DataRoot() + "Polecenia/polecenia.txt\". Is a directory\n" + b.DataRoot() +
                  ": 6 faults\n");
}

TEST(LumoraCheck, FoldersInPlaceOfEveryTableAreReportedNotFatal) {
    test::CourseBuilder b;
    const char* tables[] = {
        "ini.t", "data.t", "St.t", "Steruj.t", "Polecenia/polecenia.txt", "odkrywanki/idx.t"};
    for (const char* table : tables) {
        b.Remove(table);
        b.Folder().MakeFolder(std::string("course/") + table);
    }
    const CheckRun run = RunChecker("--data " + b.DataRoot());
    EXPECT_EQ(run.status, 1);
    for (const char* table : tables) {
        EXPECT_NE(run.out.find(b.DataRoot() + table + "\". Is a directory"), std::string::npos)
            << table;
    }
    // The dump's tables stop where the program stops, yet every fault is listed.
    const CheckRun dump = RunChecker("--dump --data " + b.DataRoot());
    EXPECT_EQ(dump.status, 1);
    std::size_t reported = 0;
    for (auto at = dump.out.find("Is a directory"); at != std::string::npos;
         at = dump.out.find("Is a directory", at + 1)) {
        ++reported;
    }
    EXPECT_EQ(reported, std::size(tables));
    const CheckRun points = RunChecker("--points " + b.DataRoot() + "St.t");
    EXPECT_EQ(points.status, 1);
    EXPECT_EQ(points.out, b.DataRoot() + "St.t: cannot read the file: Is a directory\n");
}

TEST(LumoraCheck, ADamagedPointsFileIsDumpedAndReported) {
    test::TempFolder dir;
    dir.WriteBytes("pkt.txt", EncodePointsRecord({"7", 35, 5, true}) + "torn");
    const CheckRun run = RunChecker("--points " + (dir / "pkt.txt"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"Points\": 5"), std::string::npos);
    EXPECT_NE(run.out.find(dir / "pkt.txt: the file ends inside record 2 (4 of its 44 bytes)\n"),
              std::string::npos);
}

TEST(LumoraCheck, ADamagedRecordIsDumpedAsTheProgramReadsIt) {
    test::TempFolder dir;
    std::string done = EncodePointsRecord({"k1", 30, 800, false});
    done[40] = 7;
    const std::string name(30, 'n');
    std::string longer = EncodePointsRecord({name, 31, 5, false});
    longer[0] = 45;
    dir.WriteBytes("pkt.txt", done + longer);
    const CheckRun run = RunChecker("--points " + (dir / "pkt.txt"));
    EXPECT_EQ(run.status, 1);
    const std::string file = dir / "pkt.txt";
    for (const std::string& part : {
             file + ": record 1: the done byte is 7; it is read as done\n",
             file + ": record 2: the name length is 45; the name is read as its first 30 "
                    "characters\n",
             std::string("\"Name\": \"k1\",\n    \"Number\": 30,\n    \"Points\": 800,\n"
                         "    \"Done\": 1\n"),
             "\"Name\": \"" + name + "\",\n    \"Number\": 31,\n    \"Points\": 5,\n",
         }) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part;
    }
}

} // namespace
} // namespace lumora
