#include "platform/ui/keyboard_mode.h"
#include "screen_course.h"
#include "shell/options_screen.h"
#include "shell/sound_set_choice.h"

namespace lumora {
namespace {

TEST(ChosenSoundSet, HighestTickedBoxWinsAndNoneKeepsTheSet) {
    EXPECT_EQ(ChosenSoundSet({false, true, false, false}, 4), 2);
    EXPECT_EQ(ChosenSoundSet({true, false, false, true}, 2), 4);
    EXPECT_EQ(ChosenSoundSet({false, false, false, false}, 7), 7);
}

class OptionsScreen : public test::ScreenCourse {
  protected:
    TOpcjeForm screen{context};
    std::vector<int> Ticks() const {
        return {screen.Image1->Tag, screen.Image2->Tag, screen.Image3->Tag, screen.Image4->Tag};
    }
    QImage BoxShown(Picture* box) const { return box->Image(); }
};

TEST_F(OptionsScreen, CaptionsComeFromTheTextTable) {
    EXPECT_EQ(screen.Label2->Caption(), "Zestaw dźwięków:");
    EXPECT_EQ(screen.Label5->Caption(), "Losowo");
    EXPECT_EQ(screen.B_OK->BitmapNormal(), 4);
}

TEST_F(OptionsScreen, BoxesActAsOneRadioGroupAndTheChoiceIsSaved) {
    session.settings.SoundSet = 4;
    test::ShowAndWait(screen);
    EXPECT_EQ(Ticks(), (std::vector<int>{0, 0, 0, 1}));
    EXPECT_EQ(screen.Image4->Image(), screen.img_checked->Image());
    test::MouseClick(*screen.Image2, {10, 10});
    EXPECT_EQ(Ticks(), (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(screen.Image2->Image(), screen.img_checked->Image());
    EXPECT_EQ(screen.Image4->Image(), screen.img_normal->Image());
    test::MouseClick(*screen.Image2, {10, 10}); // already ticked: nothing changes
    EXPECT_EQ(Ticks(), (std::vector<int>{0, 1, 0, 0}));
    test::MouseClick(*screen.B_OK, {16, 16});
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(session.settings.SoundSet, 2);
    EXPECT_EQ(SettingsFile(), "anim_menu=0\r\nsample=2\r\nautoplay=0\r\n");
}

TEST_F(OptionsScreen, ArrowsMoveAmongTheSetsSpaceTicksAndEscapeSaves) {
    session.settings.SoundSet = 1;
    SetKeyboardMode(true); // shown from a menu worked by keys
    test::ShowAndWait(screen);
    screen.activateWindow();
    test::PressKey(screen, Qt::Key_Down);
    test::PressKey(screen, Qt::Key_Down);
    test::PressKey(screen, Qt::Key_Space);
    EXPECT_EQ(Ticks(), (std::vector<int>{0, 0, 1, 0}));
    EXPECT_TRUE(screen.Image3->AccessChecked()) << "a screen reader hears it ticked";
    test::PressKey(screen, Qt::Key_Escape);
    SetKeyboardMode(false);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(session.settings.SoundSet, 3);
}

TEST_F(OptionsScreen, UnknownSetTicksNothingAndIsWrittenBack) {
    session.settings.SoundSet = 9;
    test::ShowAndWait(screen);
    EXPECT_EQ(Ticks(), (std::vector<int>{0, 0, 0, 0}));
    test::MouseClick(screen, {120, 20}); // the screen's surface
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(SettingsFile(), "anim_menu=0\r\nsample=9\r\nautoplay=0\r\n");
}

} // namespace
} // namespace lumora
