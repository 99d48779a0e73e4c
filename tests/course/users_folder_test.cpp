#include "course/users_folder.h"
#include "platform/folders.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

namespace lumora {
namespace {

using test::ScopedEnv;
using test::TempFolder;

TEST(UsersFolder, OptionThenVariableThenTheFirstSettingThenTheAccountsFolder) {
    TempFolder dir;
    dir.WriteBytes("first/lumora/lumora.conf", "# the class\n\nusers = /srv/klasa \n");
    dir.WriteBytes("second/lumora/lumora.conf", "users=/srv/other\n");
    const std::vector<std::string> configs = {dir / "none", dir / "first", dir / "second"};
    const std::string account = dir / "home/Lumora_demo";
    {
        ScopedEnv env("LUMORA_USERS", "/mnt/share/lumora");
        const auto option = ChooseUsersFolderFrom("/opt/class", configs, account);
        EXPECT_EQ(option.folder, "/opt/class/");
        EXPECT_EQ(option.rule, "the --users option");
        EXPECT_TRUE(option.chosen);
        const auto variable = ChooseUsersFolderFrom("", configs, account);
        EXPECT_EQ(variable.folder, "/mnt/share/lumora/");
        EXPECT_EQ(variable.rule, "the LUMORA_USERS environment variable");
    }
    ScopedEnv unset("LUMORA_USERS");
    const auto setting = ChooseUsersFolderFrom("", configs, account);
    EXPECT_EQ(setting.folder, "/srv/klasa/");
    EXPECT_EQ(setting.rule, "the setting in " + dir.Path() + "first/lumora/lumora.conf");
    EXPECT_TRUE(setting.chosen);
    EXPECT_EQ(setting.problem, "");

    const auto own = ChooseUsersFolderFrom("", {dir / "none"}, account);
    EXPECT_EQ(own.folder, account + "/");
    EXPECT_EQ(own.rule, "this account's folder");
    EXPECT_FALSE(own.chosen);
}

TEST(UsersFolder, AMistakenSettingIsReportedAtItsLineAndTheAccountsFolderServes) {
    ScopedEnv unset("LUMORA_USERS");
    TempFolder dir;
    const std::string account = dir / "home/Lumora_demo/";
    struct Case {
        std::string text;
        std::string fault;
    };
    const Case cases[] = {
        {"# x\nuser=/srv/klasa\n", "wiersz 2: nie rozumiem „user=/srv/klasa”"},
        {"users=klasa\n", "wiersz 1: folder uczniów „klasa” musi być podany od korzenia"},
        {"users=/srv/a\n/srv/b\n", "wiersz 2: nie rozumiem „/srv/b”"},
    };
    for (const Case& c : cases) {
        dir.WriteBytes("etc/lumora/lumora.conf", c.text);
        const auto choice = ChooseUsersFolderFrom("", {dir / "etc"}, account);
        EXPECT_EQ(choice.folder, account) << c.text;
        EXPECT_FALSE(choice.chosen);
        EXPECT_NE(choice.problem.find(dir.Path() + "etc/lumora/lumora.conf, " + c.fault),
                  std::string::npos)
            << choice.problem;
    }
}

TEST(UsersFolder, TheSystemSettingIsLookedForInXdgConfigDirsThenInEtcXdg) {
    {
        ScopedEnv env("XDG_CONFIG_DIRS", "/etc/xdg/xdg-school: relative :/opt/conf/");
        EXPECT_EQ(SystemConfigFolders(),
                  (std::vector<std::string>{"/etc/xdg/xdg-school/", "/opt/conf/", "/etc/xdg/"}));
    }
    ScopedEnv env("XDG_CONFIG_DIRS", "/etc/xdg:/opt/conf");
    EXPECT_EQ(SystemConfigFolders(), (std::vector<std::string>{"/etc/xdg/", "/opt/conf/"}));
}

} // namespace
} // namespace lumora
