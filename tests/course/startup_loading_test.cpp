#include "course/startup_loading.h"
#include "course_builder.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lumora {
namespace {

using test::CourseBuilder;

TEST(StartupLoading, LoadsEveryTableOfAGoodCourse) {
    CourseBuilder b;
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty()) << testing::PrintToString(b.FaultMessages());
    EXPECT_EQ(c.DataRoot, b.DataRoot());
    EXPECT_EQ(c.UserDataFolder, b.UserFolder());
    EXPECT_EQ(c.FontCharset, 238);
    EXPECT_EQ(c.GetText(3), "Czy na pewno?");
    EXPECT_EQ(c.GetHint(1), "Czas wolny");
    EXPECT_EQ(c.DataTable.size(), 2u);
    EXPECT_EQ(c.StCount, 1);
    EXPECT_EQ(c.SteeringTable.size(), 4u); // 30 with its 31 and 32, then 35
    EXPECT_EQ(c.InstructionText(35), "Posłuchaj i wybierz.");
    EXPECT_EQ(c.RevealIndex.size(), 2u);
}

TEST(StartupLoading, CourseFilesAreFoundWithoutRegardToCase) {
    CourseBuilder b;
    b.Remove("Steruj.t");
    b.Write("STERUJ.T", "dom=d=35======\n");
    b.Remove("Polecenia/polecenia.txt");
    b.Remove("Polecenia");
    b.Write("polecenia/Polecenia.TXT", "35==x\n");
    const CourseData c = b.Load();
    EXPECT_TRUE(b.Faults().empty());
    EXPECT_EQ(c.SteeringTable.size(), 1u);
    EXPECT_EQ(c.InstructionTable.size(), 1u);
}

TEST(StartupLoading, BareLineFeedsReadTheSame) {
    CourseBuilder b;
    b.Folder().WriteBytes("course/Steruj.t", "dom=d=35======\ndom=e=36======\n");
    const CourseData c = b.Load();
    EXPECT_EQ(c.SteeringTable.size(), 2u);
}

TEST(StartupLoading, AFatalFaultKeepsWhatWasLoadedAndSkipsTheRest) {
    struct Case {
        std::string remove;
        bool data, st, steering, instructions, reveal;
    };
    const Case cases[] = {
        {"St.t", true, false, false, false, false},
        {"Steruj.t", true, true, false, false, false},
        {"odkrywanki/idx.t", true, true, true, true, false},
    };
    for (const auto& cs : cases) {
        CourseBuilder b;
        b.Remove(cs.remove);
        const CourseData c = b.Load();
        ASSERT_EQ(b.Faults().size(), 1u) << cs.remove;
        EXPECT_EQ(b.Faults()[0].file, cs.remove);
        EXPECT_EQ(!c.DataTable.empty(), cs.data) << cs.remove;
        EXPECT_EQ(c.StCount > 0, cs.st) << cs.remove;
        EXPECT_EQ(!c.SteeringTable.empty(), cs.steering) << cs.remove;
        EXPECT_EQ(!c.InstructionTable.empty(), cs.instructions) << cs.remove;
        EXPECT_EQ(!c.RevealIndex.empty(), cs.reveal) << cs.remove;
    }
}

TEST(StartupLoading, UserDataFolderIsCreatedOneLevelDeep) {
    CourseBuilder b;
    StartupOptions options{b.DataRoot(), b.Folder() / "home/Lumora_demo", true};
    b.Folder().MakeFolder("home");
    std::vector<LoadFault> faults;
    LoadReport report([&](const LoadFault& f, FaultKind) { faults.push_back(f); }, true);
    CourseData c;
    EXPECT_TRUE(LoadCourse(c, options, report));
    EXPECT_EQ(c.UserDataFolder, b.Folder() / "home/Lumora_demo/");
    EXPECT_TRUE(faults.empty());

    StartupOptions deep{b.DataRoot(), b.Folder() / "no/such/Lumora_demo", true};
    CourseData d;
    EXPECT_FALSE(LoadCourse(d, deep, report));
    EXPECT_EQ(faults.size(), 1u);
    EXPECT_TRUE(d.GetText(1) == "not found!");
}

TEST(StartupLoading, TheProgramShowsFaultsWithFileAndLine) {
    CourseBuilder b;
    b.Write("Steruj.t", "dom=d=x======\n");
    MessageRecorder messages;
    auto report = LoadReport::ForProgram();
    CourseData c;
    LoadCourse(c, {b.DataRoot(), b.UserFolder(), true}, report);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0], "'x' is not a valid integer value\n(Steruj.t, line 1)");
}

TEST(StartupLoading, DataRootComesFromTheOptionThenTheEnvironment) {
    ::setenv("LUMORA_DATA", "/srv/kurs", 1);
    EXPECT_EQ(ChooseDataRoot("/home/a/course"), "/home/a/course/");
    EXPECT_EQ(ChooseDataRoot(""), "/srv/kurs/");
    ::unsetenv("LUMORA_DATA");
    const std::string exe = ChooseDataRoot("");
    EXPECT_EQ(exe.back(), '/');
    EXPECT_NE(exe, "/srv/kurs/");
}

} // namespace
} // namespace lumora
