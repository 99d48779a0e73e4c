#include "course/startup_loading.h"
#include "course_builder.h"
#include "platform/folders.h"
#include "platform/message_box.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

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

struct Loaded {
    CourseData course;
    UserSettings settings;
    std::vector<std::pair<LoadFault, FaultKind>> faults;
    bool whole = false;
};

Loaded LoadAsProgram(const StartupOptions& options) {
    Loaded l;
    LoadReport report([&](const LoadFault& f) { l.faults.emplace_back(f, f.kind); }, true);
    l.whole = LoadCourse(l.course, l.settings, options, report);
    return l;
}

TEST(StartupLoading, AFreshHomeGetsEveryLevelOfTheUserDataFolder) {
    CourseBuilder b;
    test::ScopedEnv home("HOME", b.Folder() / "home");
    test::ScopedEnv noXdg("XDG_DATA_HOME");
    b.Folder().MakeFolder("home"); // and nothing under it
    const std::string folder = DefaultUserDataFolder();
    EXPECT_EQ(folder, b.Folder() / "home/.local/share/Lumora_demo/");
    const Loaded l = LoadAsProgram({b.DataRoot(), folder, true, {}});
    EXPECT_TRUE(l.whole);
    EXPECT_TRUE(l.faults.empty());
    EXPECT_EQ(b.Folder().ReadBytes("home/.local/share/Lumora_demo/ini_hdd.t"),
              "anim_menu=0\r\nsample=1\r\nautoplay=0\r\n");
    EXPECT_EQ(l.course.RevealIndex.size(), 2u);
}

TEST(StartupLoading, UserFilesThatCannotBeMadeLeaveTheCourseLoaded) {
    struct Case {
        std::string blocker; // a file written before loading
    };
    const Case cases[] = {
        {"home"},             // a file where the user data folder's parent goes
        {"user/ini_hdd.t/x"}, // a folder where the settings file goes
    };
    for (const auto& cs : cases) {
        CourseBuilder b;
        b.Folder().WriteBytes(cs.blocker, "x");
        const std::string userFolder =
            cs.blocker == "home" ? b.Folder() / "home/Lumora_demo" : b.UserFolder();
        const Loaded l = LoadAsProgram({b.DataRoot(), userFolder, true, {}});
        EXPECT_TRUE(l.whole) << cs.blocker;
        ASSERT_EQ(l.faults.size(), 1u) << cs.blocker;
        EXPECT_EQ(l.faults[0].second, FaultKind::Message);
        if (cs.blocker != "home") {
            EXPECT_EQ(l.faults[0].first.message,
                      "Nie można odczytać ustawień z pliku ini_hdd.t: Is a directory. Obowiązują "
                      "ustawienia domyślne.\n" +
                          b.UserFolder() + "ini_hdd.t");
        }
        EXPECT_EQ(l.settings.SoundSet, 1);
        EXPECT_EQ(l.course.RevealIndex.size(), 2u) << cs.blocker;
    }
}

TEST(StartupLoading, AnUnreadableTableIsReportedLikeAMissingOne) {
    struct Case {
        std::string table;
        FaultKind kind;
        bool whole; // the later steps ran
    };
    const Case cases[] = {
        {"ini.t", FaultKind::Message, true},
        {"data.t", FaultKind::Message, true},
        {"St.t", FaultKind::Fatal, false},
        {"Steruj.t", FaultKind::Fatal, false},
        {"Polecenia/polecenia.txt", FaultKind::Message, true},
        {"odkrywanki/idx.t", FaultKind::Fatal, false},
    };
    for (const auto& cs : cases) {
        CourseBuilder b;
        b.Remove(cs.table);
        b.Folder().MakeFolder("course/" + cs.table);
        const Loaded l = LoadAsProgram({b.DataRoot(), b.UserFolder(), true, {}});
        EXPECT_EQ(l.whole, cs.whole) << cs.table;
        ASSERT_EQ(l.faults.size(), 1u) << cs.table;
        EXPECT_EQ(l.faults[0].first.file, cs.table);
        EXPECT_EQ(l.faults[0].first.message,
                  "Cannot open file \"" + b.DataRoot() + cs.table + "\". Is a directory");
        EXPECT_EQ(l.faults[0].second, cs.kind) << cs.table;
    }
}

TEST(StartupLoading, ANamedPipeInPlaceOfATableIsRefusedAtOnce) {
    CourseBuilder b;
    b.Remove("data.t");
    ASSERT_EQ(::mkfifo((b.DataRoot() + "data.t").c_str(), 0600), 0);
    const Loaded l = LoadAsProgram({b.DataRoot(), b.UserFolder(), true, {}});
    EXPECT_TRUE(l.whole);
    ASSERT_EQ(l.faults.size(), 1u);
    EXPECT_NE(l.faults[0].first.message.find("Not a regular file"), std::string::npos);
    EXPECT_TRUE(l.course.DataTable.empty());
}

TEST(StartupLoading, TheProgramShowsFaultsWithFileAndLine) {
    CourseBuilder b;
    b.Write("Steruj.t", "dom=d=x======\n");
    MessageRecorder messages;
    auto report = LoadReport::ForProgram();
    CourseData c;
    UserSettings settings;
    LoadCourse(c, settings, {b.DataRoot(), b.UserFolder(), true, {}}, report);
    ASSERT_EQ(messages.Messages().size(), 1u);
    // The text exactly as the system gives it; where it is, as its details.
    EXPECT_EQ(messages.Messages()[0], "'x' is not a valid integer value");
    EXPECT_EQ(messages.Details()[0], "Steruj.t, line 1");
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

// A build keeps its course beside the executable; an installed program finds
// it in ../share/lumora/course; a folder holding neither stays the
// executable's, so the messages name the files missing there.
TEST(StartupLoading, DataRootIsTheExecutablesFolderThenTheInstalledCourse) {
    ::unsetenv("LUMORA_DATA");
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("lumora_root_" + std::to_string(::getpid()));
    const std::filesystem::path bin = root / "bin";
    const std::filesystem::path installed = root / "share/lumora/course";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(installed);

    DataRootChoice none = ChooseDataRootFrom("", bin.string());
    EXPECT_EQ(none.folder, bin.string() + "/");
    EXPECT_NE(none.rule.find("no course found"), std::string::npos);

    std::ofstream(installed / "ini.t") << "x\n";
    const DataRootChoice inst = ChooseDataRootFrom("", bin.string() + "/");
    EXPECT_EQ(inst.folder, installed.string() + "/");
    EXPECT_EQ(inst.rule, "the installed course folder");

    std::ofstream(bin / "ini.t") << "x\n";
    const DataRootChoice build = ChooseDataRootFrom("", bin.string());
    EXPECT_EQ(build.folder, bin.string() + "/");
    EXPECT_EQ(build.rule, "the executable's folder");

    EXPECT_EQ(ChooseDataRootFrom("/srv/other", bin.string()).rule, "the --data option");
    ::setenv("LUMORA_DATA", "/srv/kurs", 1);
    const DataRootChoice env = ChooseDataRootFrom("", bin.string());
    EXPECT_EQ(env.folder, "/srv/kurs/");
    EXPECT_EQ(env.rule, "the LUMORA_DATA environment variable");
    ::unsetenv("LUMORA_DATA");
    std::filesystem::remove_all(root);
}

} // namespace
} // namespace lumora
